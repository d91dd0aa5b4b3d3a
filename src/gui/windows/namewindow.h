// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/programwindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

class ColourButton;

// The name-entry window.
class NameWindow : public ProgramWindow
{
public:
    // Its close box closes only this window.
    void closeRequested() override;

protected:
    void buildControls(WindowWidget *window) override;
    void onLoad() override;

private:
    void Command2_Click();

    QPointer<QGroupBox> Frame1;
    QPointer<QLabel> Label1;
    QPointer<QLineEdit> Text1;
    QPointer<ColourButton> Command2;
};
