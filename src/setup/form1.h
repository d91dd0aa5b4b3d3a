#pragma once

#include "platform/form.h"

#include <QComboBox>

// The setup window: the picture set and the number of pairs.
class Form1 : public Form
{
public:
    // The text of the set box, the chosen set's name; loads the window hidden if needed.
    QString setName();

    QPointer<QComboBox> Combo1;

protected:
    void buildControls(FormWindow *window) override;
};
