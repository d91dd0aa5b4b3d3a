#pragma once

#include <QString>
#include <array>

// The rules and state of one board: the turns, the pair test, the countdown and the
// result line. The board window keeps one for the whole run and plays its effects.
class BoardGame
{
public:
    static constexpr int MaxCards = 101;

    // A new game on a board laid out for pair-count index `layoutChoice`.
    void start(int layoutChoice);

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
    // 0 <= index < MaxCards, a card whose picture shows.
    ClickResult click(int index);

    // The 200 ms tick after a found pair: the pair is no longer on show.
    void pairShown() { m_pairOnShow = false; }
    bool pairOnShow() const { return m_pairOnShow; }

    // One second more on the clock; returns the seconds left.
    double tickSecond();
    // PairCount × 10 + 2 ^ the board's pair-count index − ElapsedSeconds. The index stays
    // the one the board was laid out with, whatever the setup window chooses meanwhile.
    double secondsLeft() const;

    // The six pieces joined by one blank each, blanks kept where a piece is empty.
    QString resultLine(const QString &secondsCaption) const;

    int layoutChoice() const { return m_layoutChoice; }

    int PairCount = 0;
    int PairsFound = 0;
    int ClickCount = 0;
    int FirstCard = 0;
    int SecondCard = 0;
    bool GameOver = false;
    std::array<QString, MaxCards> CardKey;
    int ElapsedSeconds = 0;
    std::array<QString, 5> ResultTexts;

private:
    int m_layoutChoice = 0;
    bool m_pairOnShow = false;
};

// Seconds left as plain digits, without a decimal separator.
QString secondsCaption(double secondsLeft);
