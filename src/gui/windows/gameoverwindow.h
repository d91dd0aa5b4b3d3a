// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/programwindow.h"

#include <QLabel>
#include <array>

class ColourButton;

// The game-over window, shown modally over the board.
class GameOverWindow : public ProgramWindow
{
protected:
    void buildControls(WindowWidget *window) override;
    // A screen reader reads it out as it appears: its name, the message, then the labels,
    // of which the seconds left are new.
    QAccessible::Role accessibleRole() const override { return QAccessible::AlertMessage; }
    void onLoad() override;

private:
    void Command1_Click();
    void Command2_Click();

    std::array<QPointer<QLabel>, 2> Label1;
    QPointer<ColourButton> Command1;
    QPointer<ColourButton> Command2;
};
