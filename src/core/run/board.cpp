// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board.h"

#include "run/gameoverpause.h"
#include "sets/dealing.h"

namespace
{

// How long a found pair stays on the board before it leaves.
constexpr std::chrono::milliseconds FoundPairShown{200};

} // namespace

void Board::start(int pairChoice, bool withClock)
{
    m_withClock = withClock;
    m_timer.reset();
    m_clock.stop();
    m_cards = {};
    m_pairChoice = pairChoice;
    m_pairCount = 0;
    m_pairsFound = 0;
    m_turnOpen = false;
    m_pairOnShow = false;
    m_complete = false;
}

void Board::deal(const DealOutcome &outcome)
{
    m_pairCount = outcome.pairCount;
    for (const DealtCard &card : outcome.cards) {
        if (card.position >= 0 && card.position < PairCounts::MaxCards)
            m_cards[std::size_t(card.position)] = {card.key, true};
    }
    // Ten seconds a pair, and more the larger the board: 2 to the power of its index.
    if (m_withClock)
        m_clock.start(m_pairCount * 10 + (1 << m_pairChoice));
    else
        m_clock.startCountingUp();
}

bool Board::isInPlay(int index) const
{
    return index >= 0 && index < PairCounts::MaxCards && m_cards[std::size_t(index)].inPlay;
}

std::vector<bool> Board::cardsInPlay(int cards) const
{
    std::vector<bool> inPlay(std::size_t(std::max(cards, 0)));
    for (int k = 0; k < cards; ++k)
        inPlay[std::size_t(k)] = isInPlay(k);
    return inPlay;
}

void Board::click(int index)
{
    if (m_pairOnShow || m_complete || !isInPlay(index))
        return;
    Q_EMIT cardChosen(index);
    if (!m_turnOpen) {
        m_firstCard = index;
        m_turnOpen = true;
        return;
    }
    m_turnOpen = false;
    m_secondCard = index;
    if (index != m_firstCard &&
        m_cards[std::size_t(m_firstCard)].key == m_cards[std::size_t(index)].key) {
        ++m_pairsFound;
        m_pairOnShow = true;
        if (m_clockService)
            m_timer =
                m_clockService->startTimer(FoundPairShown, false, [this] { removeFoundPair(); });
        Q_EMIT pairFound(m_firstCard, index);
    } else {
        Q_EMIT missed(m_firstCard, index);
    }
    if (m_pairsFound == m_pairCount) {
        m_complete = true;
        m_clock.stop();
        Q_EMIT completed();
    }
}

void Board::removeFoundPair()
{
    if (!m_pairOnShow)
        return;
    m_pairOnShow = false;
    m_timer.reset();
    m_cards[std::size_t(m_firstCard)].inPlay = false;
    m_cards[std::size_t(m_secondCard)].inPlay = false;
    Q_EMIT pairRemoved(m_firstCard, m_secondCard);
    if (!m_complete)
        return;
    if (!m_clockService) {
        Q_EMIT gameOver();
        return;
    }
    const double pause = gameOverPauseSeconds(m_clockService->secondsSinceMidnight());
    m_timer = m_clockService->startTimer(std::chrono::milliseconds(qRound64(pause * 1000)), false,
                                         [this] {
                                             m_timer.reset();
                                             Q_EMIT gameOver();
                                         });
}
