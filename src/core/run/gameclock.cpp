// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameclock.h"

void GameClock::start(int seconds)
{
    m_start = seconds;
    m_elapsed = 0;
    m_running = true;
    m_countsDown = true;
    if (m_clock)
        m_timer = m_clock->startTimer(std::chrono::seconds(1), true, [this] { tick(); });
}

void GameClock::startCountingUp()
{
    start(0);
    m_countsDown = false;
}

void GameClock::tick()
{
    if (!m_running)
        return;
    ++m_elapsed;
    Q_EMIT ticked(*shownSeconds());
    if (m_countsDown && m_start - m_elapsed <= 0)
        stop();
}

void GameClock::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_timer.reset();
    Q_EMIT stopped();
}

std::optional<int> GameClock::shownSeconds() const
{
    if (m_elapsed == 0)
        return std::nullopt;
    return m_countsDown ? m_start - m_elapsed : m_elapsed;
}

QString secondsCaption(std::optional<int> seconds)
{
    return seconds ? QString::number(*seconds) : QString();
}
