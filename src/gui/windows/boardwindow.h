// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cards/keyboardmark.h"
#include "controls/announcer.h"
#include "controls/cardbox.h"
#include "controls/cardimage.h"
#include "controls/cardmark.h"
#include "controls/picturebutton.h"
#include "controls/selectionframe.h"
#include "windows/programwindow.h"

#include <QLabel>
#include <vector>

struct DealOutcome;

// The board: a full-screen grid of face-up cards, the player's name, the clock and two
// picture buttons. It shows the run's board and passes the player's clicks to it.
class BoardWindow : public ProgramWindow
{
public:
    using ProgramWindow::ProgramWindow;

    // Card k's picture while the board is loaded; 0 <= k < cards on the board.
    CardImage *cardImage(int k) const { return m_cardImages[std::size_t(k)]; }
    int cards() const { return int(m_cardImages.size()); }

protected:
    void buildControls() override;
    void fillControls() override;
    bool onKeyDown(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onCardClicked(int index);
    void onCloseClicked();
    void onListClicked();

    // The run's board as it changes.
    void showChosenCard(int index);
    void showFoundPair();
    void showMiss(int first, int second);
    void showRemovedPair(int first, int second);
    void showClock(int seconds);

    void layOutCards();
    void placeTopBar();
    void showDealtCards(const DealOutcome &outcome);
    void play(const char *literal);
    // Shows or hides card k's selection frame, telling assistive tools when `told`.
    void showFrame(int k, bool shown, bool told = true);
    // Moves the keyboard's mark, and the focus of assistive tools, to the next card.
    void moveMark(MarkMove move);
    // The mark shows from the first key pressed on the board on.
    void showMark();

    std::vector<CardBox *> m_cardBoxes;
    std::vector<CardImage *> m_cardImages;
    std::vector<SelectionFrame *> m_selectionFrames;
    QPointer<QLabel> m_nameLabel;
    QPointer<QLabel> m_clockLabel;
    QPointer<PictureButton> m_closeButton;
    QPointer<PictureButton> m_listButton;
    QPointer<CardMark> m_mark;
    // Says what each turn came to.
    QPointer<Announcer> m_announcer;
    // The card the keyboard's mark is on, the first card in play as the board opens; -1
    // while the board holds none.
    int m_markedCard = -1;
    // As a browser shows the focus only to who uses the keys: a fresh board, and a board
    // played by mouse, show no mark, while the first card still has the focus.
    bool m_markShown = false;
};
