// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/dealcheck.h"
#include "rules/paircounts.h"
#include "windows/programwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QStringList>
#include <array>

class ColourButton;

// The setup window: the picture set and the number of pairs, which it keeps in the run's
// choice of the next game.
class SetupWindow : public ProgramWindow
{
    Q_DECLARE_TR_FUNCTIONS(SetupWindow)

public:
    using ProgramWindow::ProgramWindow;

    // What closing the window by its close box does: it ends the program.
    void closeRequested() override;
    // Tells the player why the set chosen as `set` gave no board.
    void showNotDealt(DealCheck why, const QString &set);

protected:
    void buildControls() override;
    void fillControls() override;
    // F9 opens the list of results.
    bool onKeyDown(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

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
    // The sets the list offered when the window opened: a name among them that finds no set
    // now was there then.
    QStringList m_listedSets;
    // Set while the window fills its controls as it opens.
    bool m_filling = false;
};
