// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "run/paircounts.h"
#include "windows/programwindow.h"

#include <QComboBox>
#include <QLabel>
#include <array>

class ColourButton;

// The setup window: the picture set and the number of pairs.
class SetupWindow : public ProgramWindow
{
public:
    // The text of the set box, the chosen set's name; loads the window hidden if needed.
    QString setName();

    // What closing the window by its close box does: it ends the program.
    void closeRequested() override;

    QPointer<QComboBox> Combo1;

protected:
    void buildControls(WindowWidget *window) override;
    void onLoad() override;
    void onUnload() override;

private:
    void Combo1_Click();
    void Command1_Click(int Index);
    void Command2_Click();
    void CheckPairButtons();

    std::array<QPointer<ColourButton>, PairCounts::ChoiceCount> Command1;
    QPointer<ColourButton> Command2;
    QPointer<QLabel> Label2;
    bool m_loading = false;
};
