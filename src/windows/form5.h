#pragma once

#include "platform/form.h"

class Form5 : public Form
{
protected:
    void buildControls(FormWindow *window) override;
};
