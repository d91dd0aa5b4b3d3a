#include "form2.h"

QString Form2::secondsLeftCaption() const
{
    return {};
}

void Form2::buildControls(FormWindow *) {}
