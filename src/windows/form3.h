#pragma once

#include "platform/form.h"

class Form3 : public Form
{
protected:
    void buildControls(FormWindow *window) override;
};
