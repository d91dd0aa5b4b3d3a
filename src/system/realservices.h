// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/services.h"

#include <QHash>
#include <QRandomGenerator>
#include <memory>

class QSoundEffect;

class SystemClock : public Clock
{
public:
    double secondsSinceMidnight() override;
    void processEvents() override;
};

class SystemRandom : public Random
{
public:
    void seedFromClock() override;
    double draw() override;

private:
    QRandomGenerator m_generator;
};

// One sound at a time, as the game's sounds were made for: a new one stops the last.
class SystemSound : public Sound
{
public:
    SystemSound();
    ~SystemSound() override;
    void preload(const QString &path) override;
    void play(const QString &path) override;
    // The sounds loaded so far: each file is loaded once and kept for the run.
    int heldSounds() const { return int(m_effects.size()); }

private:
    QSoundEffect *effect(const QString &path);

    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_playing = nullptr;
    bool m_haveOutput = false;
};

class SystemScreen : public Screen
{
public:
    int widthTwips() override;
    int heightTwips() override;
};

class SystemProgram : public Program
{
public:
    void end() override;
};

// Wires the real services and the executable's folder.
void installSystemServices();
