// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paircounts.h"

namespace PairCounts
{

std::uint8_t PairChoice = 0;
QString PlayerName;

void reset()
{
    PairChoice = 0;
    PlayerName.clear();
}

} // namespace PairCounts
