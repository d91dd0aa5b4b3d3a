// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/paircounts.h"
#include "run/gameclock.h"

#include <QObject>
#include <QString>
#include <array>
#include <vector>

struct DealOutcome;

// The board in play: which card holds which pair, the cards still in play, the turn's
// first card, the pair on show and the countdown. Cards are numbered row by row from the
// top left, 0 <= index < PairCounts::MaxCards. The board window shows it and calls it.
// Its time runs on the clock service: a found pair shows for 200 ms, and the game is over a
// pause after the last pair left. Without a clock service (tests of its rules) nothing
// happens by itself: removeFoundPair() takes the pair away.
class Board : public QObject
{
    Q_OBJECT
public:
    explicit Board(Clock *clock = nullptr) : m_clockService(clock), m_clock(clock) {}

    // A new game on a board laid out for pair-count index `pairChoice`: no card dealt yet,
    // the clock stopped. Without a clock the game's clock counts the seconds played.
    void start(int pairChoice, bool withClock = true);
    // The cards the deal put on the board; its pairs are the ones in play, and the clock
    // starts, a countdown from their count.
    void deal(const DealOutcome &outcome);

    // A click on card `index`. Ignored when the card is not in play (never dealt, or its
    // pair found and gone), while a found pair is on show, and once the game is complete;
    // otherwise it emits cardChosen and, on a turn's second card, pairFound or missed (a
    // second click on the first card is a miss), then completed after the last pair.
    void click(int index);
    // The found pair has been on show long enough: it leaves the board. After the last
    // pair the game is over once the pause before the game-over window has passed.
    void removeFoundPair();

    int pairChoice() const { return m_pairChoice; }
    int pairCount() const { return m_pairCount; }
    int pairsFound() const { return m_pairsFound; }
    bool isComplete() const { return m_complete; }
    bool isPairOnShow() const { return m_pairOnShow; }
    // The turn's first card, -1 when a turn has not begun.
    int firstCard() const { return m_turnOpen ? m_firstCard : -1; }
    // Dealt, and not gone with its found pair.
    bool isInPlay(int index) const;
    // The pair key of a dealt card: two cards make a pair when their keys are equal.
    const QString &key(int index) const { return m_cards[std::size_t(index)].key; }
    // Every card of the grid of `cards`, whether it is in play.
    std::vector<bool> cardsInPlay(int cards) const;

    GameClock &clock() { return m_clock; }
    const GameClock &clock() const { return m_clock; }

Q_SIGNALS:
    void cardChosen(int index);
    void pairFound(int first, int second);
    void missed(int first, int second);
    void completed();
    // The found pair is gone from the board.
    void pairRemoved(int first, int second);
    // The last pair left and the pause after it passed: time for the game-over window.
    void gameOver();

private:
    struct Card {
        // The pair number as decimal text: two cards make a pair when their keys are equal.
        QString key;
        bool inPlay = false;
    };
    std::array<Card, PairCounts::MaxCards> m_cards;
    int m_pairChoice = 0;
    int m_pairCount = 0;
    int m_pairsFound = 0;
    int m_firstCard = 0;
    int m_secondCard = 0;
    bool m_turnOpen = false;
    bool m_pairOnShow = false;
    bool m_complete = false;
    bool m_withClock = true;
    Clock *m_clockService;
    std::unique_ptr<ClockTimer> m_timer;
    GameClock m_clock;
};
