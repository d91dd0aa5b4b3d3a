// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board.h"

#include "sets/dealing.h"

#include <cmath>

void BoardRules::start(int layoutChoice)
{
    m_layoutChoice = layoutChoice;
    m_pairOnShow = false;
    GameOver = false;
    ElapsedSeconds = 0;
    PairsFound = 0;
    ClickCount = 0;
}

void BoardRules::deal(const DealOutcome &outcome)
{
    PairCount = outcome.pairCount;
    for (const DealtCard &card : outcome.cards)
        CardKey[std::size_t(card.position)] = card.key;
}

BoardRules::ClickResult BoardRules::click(int index)
{
    ClickResult result;
    if (m_pairOnShow || GameOver || index < 0 || index >= PairCounts::MaxCards)
        return result;
    ++ClickCount;
    if (ClickCount % 2 == 1) {
        FirstCard = index;
        result.kind = Click::First;
        return result;
    }
    SecondCard = index;
    if (index != FirstCard && CardKey[std::size_t(FirstCard)] == CardKey[std::size_t(index)]) {
        ++PairsFound;
        m_pairOnShow = true;
        result.kind = Click::Pair;
    } else {
        result.kind = Click::Miss;
    }
    if (PairsFound == PairCount) {
        GameOver = true;
        result.completed = true;
    }
    return result;
}

double BoardRules::tickSecond()
{
    ++ElapsedSeconds;
    return secondsLeft();
}

double BoardRules::secondsLeft() const
{
    return PairCount * 10 + std::pow(2.0, m_layoutChoice) - ElapsedSeconds;
}

QString BoardRules::resultLine(const QString &secondsCaption) const
{
    const QChar blank(QLatin1Char(' '));
    return ResultTexts[0] + blank + QString::number(PairCount) + blank + ResultTexts[1] + blank +
           ResultTexts[2] + blank + secondsCaption + blank + ResultTexts[3];
}

QString secondsCaption(double secondsLeft)
{
    return QString::number(secondsLeft, 'f', 0);
}
