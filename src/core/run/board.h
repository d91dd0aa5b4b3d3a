// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "run/paircounts.h"

#include <QString>
#include <array>

struct DealOutcome;

// The rules and state of one board: the turns, the pair test, the countdown and the
// result line. The board window keeps one for the whole run and plays its effects.
class BoardRules
{
public:
    // A new game on a board laid out for pair-count index `layoutChoice`: no card dealt yet.
    void start(int layoutChoice);
    // The cards the deal put on the board; its pairs are the ones in play.
    void deal(const DealOutcome &outcome);

    enum class Click {
        Ignored, // a found pair is on show, or the game is complete
        First,   // the first card of a turn
        Pair,    // the second card makes a pair
        Miss,    // the second card makes no pair, also the same card again
    };
    struct ClickResult {
        Click kind = Click::Ignored;
        // The click found the last pair: the game is complete.
        bool completed = false;
    };
    // A card whose picture shows; indices outside the board are ignored.
    ClickResult click(int index);

    // The 200 ms tick after a found pair: the pair is no longer on show.
    void pairShown() { m_pairOnShow = false; }

    // One second more on the clock; returns the seconds left.
    double tickSecond();
    // PairCount × 10 + 2 ^ the board's pair-count index − ElapsedSeconds. The index stays
    // the one the board was laid out with, whatever the setup window chooses meanwhile.
    double secondsLeft() const;

    // The words of the result line (0 to 3) and of the list window's title (4).
    void setResultText(int index, const QString &text) { ResultTexts[std::size_t(index)] = text; }
    const QString &resultText(int index) const { return ResultTexts[std::size_t(index)]; }
    // The six pieces joined by one blank each, blanks kept where a piece is empty.
    QString resultLine(const QString &secondsCaption) const;

    int layoutChoice() const { return m_layoutChoice; }
    int pairCount() const { return PairCount; }
    int clickCount() const { return ClickCount; }
    int firstCard() const { return FirstCard; }
    int secondCard() const { return SecondCard; }
    bool gameOver() const { return GameOver; }
    const QString &cardKey(int index) const { return CardKey[std::size_t(index)]; }

private:
    int PairCount = 0;
    int PairsFound = 0;
    int ClickCount = 0;
    int FirstCard = 0;
    int SecondCard = 0;
    bool GameOver = false;
    // A card that no deal has reached keeps the key of an earlier game; its picture never
    // shows, so it takes no click.
    std::array<QString, PairCounts::MaxCards> CardKey;
    int ElapsedSeconds = 0;
    std::array<QString, 5> ResultTexts;
    int m_layoutChoice = 0;
    bool m_pairOnShow = false;
};

// Seconds left as plain digits, without a decimal separator.
QString secondsCaption(double secondsLeft);
