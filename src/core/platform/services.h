// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

// The services the game takes from its surroundings. The program hands the real ones to
// the run it starts; tests hand their own.

// A timer the clock runs for its owner: it stops when it goes.
class ClockTimer
{
public:
    virtual ~ClockTimer() = default;
};

class Clock
{
public:
    virtual ~Clock() = default;
    // Seconds since midnight, with the fraction of a second; 0 <= value < 86400.
    virtual double secondsSinceMidnight() = 0;
    // Calls `handler` from the event loop once `interval` has passed, and every `interval`
    // after that when `repeating`, until the timer returned goes. The handler may let its
    // own timer go.
    virtual std::unique_ptr<ClockTimer> startTimer(std::chrono::milliseconds interval,
                                                   bool repeating,
                                                   std::function<void()> handler) = 0;
};

class Random
{
public:
    virtual ~Random() = default;
    virtual void seedFromClock() = 0;
    // Uniform in [0, 1).
    virtual double draw() = 0;
};

class Sound
{
public:
    virtual ~Sound() = default;
    // Makes the file ready so that its first play starts without delay.
    virtual void preload(const QString &path) = 0;
    // Returns at once; the new sound replaces one still playing. A file that cannot be
    // played is silently skipped.
    virtual void play(const QString &path) = 0;
};

// The monitor the game plays on: where the desktop spans several monitors, the board fills
// one and every window centres on it.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual int widthTwips() = 0;
    virtual int heightTwips() = 0;
    // Plays on the monitor that holds this point of the desktop, in pixels; without a point,
    // or where no monitor holds it, on the primary one.
    virtual void chooseMonitorAt(std::optional<QPoint> desktopPixel) = 0;
    // The monitor's top left corner on the desktop, in pixels: windows are placed from there.
    virtual QPoint originPixels() = 0;
};

class Program
{
public:
    virtual ~Program() = default;
    // Ends the run at once: no unload handler runs, nothing is asked.
    virtual void end() = 0;
};

struct Services {
    Clock *clock = nullptr;
    Random *random = nullptr;
    Sound *sound = nullptr;
    Screen *screen = nullptr;
    Program *program = nullptr;
    // The executable's folder, without a trailing separator.
    QString programFolder;
};

// The program folder followed by a literal that begins with "/", joined as they stand.
inline QString programPath(const Services &services, const QString &literal)
{
    return services.programFolder + literal;
}
