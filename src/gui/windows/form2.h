// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/game/boardgame.h"
#include "core/game/keyboardmark.h"
#include "gui/controls/cardbox.h"
#include "gui/controls/cardimage.h"
#include "gui/controls/cardmark.h"
#include "gui/controls/picturebutton.h"
#include "gui/controls/selectionframe.h"
#include "gui/windows/form.h"

#include <QLabel>
#include <array>
#include <vector>

struct DealOutcome;

// The board: a full-screen grid of face-up cards, the player's name, the clock and two
// picture buttons.
class Form2 : public Form
{
public:
    // The caption of the seconds-left label, as the game-over window copies it.
    QString secondsLeftCaption() const;
    const BoardGame &game() const { return m_game; }
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
    FormTimer *Timer1 = nullptr;
    FormTimer *Timer2 = nullptr;

protected:
    void buildControls(FormWindow *window) override;
    void Form_Load() override;
    bool Form_KeyDown(QKeyEvent *event) override;
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

    BoardGame m_game;
    // The folder of the set handed over, that the hidden file listings point at.
    QString m_setFolder;
    QPointer<CardMark> m_mark;
    // The card the keyboard's mark is on; -1 until a key is used on this board.
    int m_markedCard = -1;
};
