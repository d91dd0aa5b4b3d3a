// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/services.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

// The board's clock: the countdown, or for a game at the player's own pace the seconds
// played. It shows nothing until its first tick, then its seconds; the countdown stops at
// zero, where running out changes nothing but the clock. Both stop when the game is
// complete. It ticks every second on the clock service while it runs; without one (tests of
// its rules) tick() moves it on.
class GameClock : public QObject
{
    Q_OBJECT
public:
    explicit GameClock(Clock *clock = nullptr) : m_clock(clock) {}

    // A new countdown from `seconds`, running.
    void start(int seconds);
    // A new count of the seconds played, running until stopped.
    void startCountingUp();
    // One second more; ignored once the clock has stopped.
    void tick();
    void stop();

    bool isRunning() const { return m_running; }
    bool countsDown() const { return m_countsDown; }
    // The countdown's seconds as it started.
    int limit() const { return m_start; }
    // What the clock shows, the seconds left or played: nothing before its first tick.
    std::optional<int> shownSeconds() const;

Q_SIGNALS:
    void ticked(int shownSeconds);
    // Ran out or the game is complete.
    void stopped();

private:
    Clock *m_clock;
    std::unique_ptr<ClockTimer> m_timer;
    int m_start = 0;
    int m_elapsed = 0;
    bool m_running = false;
    bool m_countsDown = true;
};

// Seconds as the clock shows them, plain digits; the empty text before the first tick.
QString secondsCaption(std::optional<int> seconds);
