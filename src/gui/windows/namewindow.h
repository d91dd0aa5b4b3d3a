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
    using ProgramWindow::ProgramWindow;

    // Its close box closes only this window.
    void closeRequested() override;

protected:
    void buildControls() override;
    void fillControls() override;

private:
    void onAcceptClicked();

    QPointer<QGroupBox> m_nameFrame;
    QPointer<QLabel> m_nameLabel;
    QPointer<QLineEdit> m_nameBox;
    QPointer<ColourButton> m_acceptButton;
};
