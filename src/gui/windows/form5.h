// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/windows/form.h"

class ColourButton;

// The intro window: the title picture and the continue button.
class Form5 : public Form
{
protected:
    void buildControls(FormWindow *window) override;
    void Form_Load() override;

private:
    void Command1_Click();

    QPointer<ColourButton> Command1;
};
