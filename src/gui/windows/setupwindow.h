// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "run/paircounts.h"
#include "windows/programwindow.h"

#include <QComboBox>
#include <QLabel>
#include <array>

class ColourButton;

// The setup window: the picture set and the number of pairs, which it keeps in the run's
// choice of the next game.
class SetupWindow : public ProgramWindow
{
public:
    using ProgramWindow::ProgramWindow;

    // What closing the window by its close box does: it ends the program.
    void closeRequested() override;

protected:
    void buildControls(WindowWidget *window) override;
    void onLoad() override;
    void onUnload() override;

private:
    void onSetChosen();
    void onPairButtonClicked(int index);
    void onPlayClicked();
    void checkPairButtons();
    // The chosen pair count in the buttons' colours.
    void showPairChoice(int index);

    std::array<QPointer<ColourButton>, PairCounts::ChoiceCount> m_pairButtons;
    QPointer<ColourButton> m_playButton;
    QPointer<QComboBox> m_setBox;
    QPointer<QLabel> m_instructionLabel;
    bool m_loading = false;
};
