// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameclock.h"

void GameClock::start(int seconds)
{
    m_start = seconds;
    m_elapsed = 0;
    m_running = true;
}

void GameClock::tick()
{
    if (!m_running)
        return;
    ++m_elapsed;
    Q_EMIT ticked(secondsLeft());
    if (secondsLeft() <= 0)
        stop();
}

void GameClock::stop()
{
    if (!m_running)
        return;
    m_running = false;
    Q_EMIT stopped();
}

std::optional<int> GameClock::shownSeconds() const
{
    return m_elapsed > 0 ? std::optional(secondsLeft()) : std::nullopt;
}

QString secondsCaption(std::optional<int> seconds)
{
    return seconds ? QString::number(*seconds) : QString();
}
