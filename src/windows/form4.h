#pragma once

#include "platform/form.h"

class Form4 : public Form
{
protected:
    void buildControls(FormWindow *window) override;
};
