#include "module1.h"

namespace Module1
{

std::uint8_t PairChoice = 0;
QString PlayerName;

void reset()
{
    PairChoice = 0;
    PlayerName.clear();
}

} // namespace Module1
