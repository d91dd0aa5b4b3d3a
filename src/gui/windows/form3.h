// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/windows/form.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

class ColourButton;

// The name-entry window.
class Form3 : public Form
{
public:
    // Its close box closes only this window.
    void closeRequested() override;

protected:
    void buildControls(FormWindow *window) override;
    void Form_Load() override;

private:
    void Command2_Click();

    QPointer<QGroupBox> Frame1;
    QPointer<QLabel> Label1;
    QPointer<QLineEdit> Text1;
    QPointer<ColourButton> Command2;
};
