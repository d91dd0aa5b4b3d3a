// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/programwindow.h"

class ColourButton;

// The intro window: the title picture and the continue button.
class IntroWindow : public ProgramWindow
{
public:
    using ProgramWindow::ProgramWindow;

protected:
    void buildControls() override;
    void fillControls() override;

private:
    void onContinueClicked();

    QPointer<ColourButton> m_continueButton;
};
