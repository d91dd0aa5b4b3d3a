#include "form1.h"

QString Form1::setName()
{
    load();
    return Combo1 ? Combo1->currentText() : QString();
}

void Form1::buildControls(FormWindow *window)
{
    Combo1 = new QComboBox(window);
}
