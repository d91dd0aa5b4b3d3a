// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cards/keyboardmark.h"
#include "controls/cardbox.h"
#include "controls/cardimage.h"
#include "controls/cardmark.h"
#include "controls/picturebutton.h"
#include "controls/selectionframe.h"
#include "run/board.h"
#include "windows/programwindow.h"

#include <QLabel>
#include <array>
#include <vector>

struct DealOutcome;

// The board: a full-screen grid of face-up cards, the player's name, the clock and two
// picture buttons.
class BoardWindow : public ProgramWindow
{
public:
    // The caption of the seconds-left label, as the game-over window copies it.
    QString secondsLeftCaption() const;
    const BoardRules &game() const { return m_game; }
    // The set the board deals when it next loads, as the flow hands it over on opening it.
    void setSetName(const QString &setName);

    void image1_Click(int Index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Command1_Click();
    void Command2_Click();

    std::vector<CardBox *> Picture2;
    std::vector<CardImage *> Image1;
    std::vector<SelectionFrame *> Shape1;
    std::array<QPointer<QLabel>, 2> Label1;
    QPointer<PictureButton> Command1;
    QPointer<PictureButton> Command2;
    WindowTimer *Timer1 = nullptr;
    WindowTimer *Timer2 = nullptr;

protected:
    void buildControls(WindowWidget *window) override;
    void onLoad() override;
    bool onKeyDown(QKeyEvent *event) override;
    void controlsDestroyed() override;

private:
    void LayoutBoard();
    void StartDeal();
    void DealPictures(const DealOutcome &outcome);
    void placeTopBar();
    void play(const char *literal);
    // Shows or hides card k's selection frame.
    void showFrame(int k, bool shown);
    // Moves the keyboard's mark and shows it on its card.
    void moveMark(MarkMove move);

    BoardRules m_game;
    // The folder of the set handed over, that the hidden file listings point at.
    QString m_setFolder;
    QPointer<CardMark> m_mark;
    // The card the keyboard's mark is on; -1 until a key is used on this board.
    int m_markedCard = -1;
};
