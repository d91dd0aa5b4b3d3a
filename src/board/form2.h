#pragma once

#include "platform/form.h"

class Form2 : public Form
{
public:
    // The caption of the seconds-left label, as the game-over window copies it.
    QString secondsLeftCaption() const;

protected:
    void buildControls(FormWindow *window) override;
};
