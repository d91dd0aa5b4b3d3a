// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/services.h"

#include <QHash>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QScreen;
class QSoundEffect;

class SystemClock : public Clock
{
public:
    double secondsSinceMidnight() override;
    std::unique_ptr<ClockTimer> startTimer(std::chrono::milliseconds interval, bool repeating,
                                           std::function<void()> handler) override;
};

class SystemRandom : public Random
{
public:
    void seedFromClock() override;
    double draw() override;

private:
    QRandomGenerator m_generator;
};

// What makes the sounds heard. Only the sound thread calls it, so it may wait on the sound
// server for as long as that takes.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // Makes a file ready to play; called once a file.
    virtual void load(const QString &path) = 0;
    // Plays a loaded file, stopping the one still playing.
    virtual void play(const QString &path) = 0;
};

// Qt Multimedia's sound effects, one a file, kept for the run.
class EffectOutput : public SoundOutput
{
public:
    ~EffectOutput() override;
    void load(const QString &path) override;
    void play(const QString &path) override;

private:
    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_playing = nullptr;
    // Asked at the first sound: with a server that does not answer, asking waits.
    std::optional<bool> m_haveOutput;
};

// One sound at a time, as the game's sounds were made for: a new one stops the last. Loading
// and playing happen on a thread of their own, so a sound server that stops answering means
// silence, never a window that waits. Of the sounds asked for while the output is busy only
// the last one plays.
class SystemSound : public Sound
{
public:
    explicit SystemSound(std::unique_ptr<SoundOutput> output = std::make_unique<EffectOutput>());
    ~SystemSound() override;
    void preload(const QString &path) override;
    void play(const QString &path) override;

private:
    void onSoundThread(std::function<void()> work);
    void load(const QString &path);

    QThread m_thread;
    std::unique_ptr<QObject> m_context;
    std::unique_ptr<SoundOutput> m_output;
    // Touched on the sound thread only.
    QSet<QString> m_loaded;
    std::atomic<int> m_lastPlay = 0;
};

class SystemScreen : public Screen
{
public:
    int widthTwips() override;
    int heightTwips() override;
    void chooseMonitorAt(std::optional<QPoint> desktopPixel) override;
    QPoint originPixels() override;

private:
    // The chosen monitor while it is connected, else the primary one.
    QScreen *monitor() const;

    QPointer<QScreen> m_chosen;
};

class SystemProgram : public Program
{
public:
    void end() override;
};

// The real services for the run, and the executable's folder as the program folder.
class SystemServices
{
public:
    SystemServices();
    ~SystemServices();
    Services services();

private:
    SystemClock m_clock;
    SystemRandom m_random;
    std::unique_ptr<SystemSound> m_sound;
    SystemScreen m_screen;
    SystemProgram m_program;
};
