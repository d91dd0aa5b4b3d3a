// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/programwindow.h"

#include <QLabel>

class ColourButton;

// The game-over window, modal over the board; its buttons answer through its signals.
class GameOverWindow : public ProgramWindow
{
    Q_OBJECT

public:
    using ProgramWindow::ProgramWindow;

Q_SIGNALS:
    // The player's answer.
    void keepPlayingChosen();
    void finishChosen();

protected:
    void buildControls() override;
    // A screen reader reads it out as it appears: its name, the message, then the labels,
    // of which the seconds left are new.
    QAccessible::Role accessibleRole() const override { return QAccessible::AlertMessage; }
    void fillControls() override;
    // F9 opens the list of results.
    bool onKeyDown(QKeyEvent *event) override;

private:
    QPointer<QLabel> m_messageLabel;
    QPointer<QLabel> m_secondsLabel;
    QPointer<ColourButton> m_keepPlayingButton;
    QPointer<ColourButton> m_finishButton;
};
