// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/services.h"
#include "run/run.h"
#include "sets/setlibrary.h"
#include "testfiles.h"

#include <QFileInfo>
#include <QImageIOHandler>
#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <deque>

// The 13 lines of a language file: the result line reads "Con 6 parejas quedaban 58
// segundos" and the list title ends in "- resultados".
inline const QStringList SpanishTexts = {
    "CONTINUAR", "Nombre", "ACEPTAR", "Selecciona", "JUGAR",    "SEGUIR JUGANDO", "FIN JUEGO",
    "Fin",       "Con",    "parejas", "quedaban",   "segundos", "- resultados"};

// Time moves only when a test moves it on: the timers due meanwhile fire in their order.
struct FakeClock : Clock {
    double now = 36000.0;
    double secondsSinceMidnight() override { return now; }
    std::unique_ptr<ClockTimer> startTimer(std::chrono::milliseconds interval, bool repeating,
                                           std::function<void()> handler) override;
    // Moves time on by `by`.
    void advance(std::chrono::milliseconds by);
    // Timers running now.
    int running() const;

    struct Due {
        double at;
        double interval;
        bool repeating;
        std::function<void()> handler;
    };
    std::vector<std::shared_ptr<Due>> timers;
};

// Replays the draws a test gives, then draws from a fixed seed.
struct FakeRandom : Random {
    std::deque<double> draws;
    int seeded = 0;
    QRandomGenerator fallback{12345};
    void seedFromClock() override { ++seeded; }
    double draw() override
    {
        if (draws.empty())
            return fallback.generateDouble();
        const double d = draws.front();
        draws.pop_front();
        return d;
    }
};

// Records the file names ("abrir.wav") the game asked for.
struct RecordingSound : Sound {
    QStringList played, preloaded;
    void preload(const QString &path) override { preloaded << QFileInfo(path).fileName(); }
    void play(const QString &path) override { played << QFileInfo(path).fileName(); }
};

struct FakeScreen : Screen {
    int width = 1280 * 15, height = 1024 * 15;
    int widthTwips() override { return width; }
    int heightTwips() override { return height; }
    void chooseMonitorAt(std::optional<QPoint>) override {}
    QPoint originPixels() override { return {}; }
};

// Counts the ends of the run and leaves the windows as they were.
struct FakeProgram : Program {
    int ended = 0;
    void end() override { ++ended; }
};

// A run on a test's own folder, with the fakes wired in.
struct TestRun : TestFolder {
    // Pictures "00.png"... in the program folder's "<set>/1" and, unless `onlyFirst`, "/2":
    // `picture`, else plain ones.
    void writeSet(const QString &set, int pairs, bool onlyFirst = false,
                  const QByteArray &picture = {}) const;
    void writeLanguage(const QStringList &lines) const
    {
        writeFile("idioma/idioma.txt", lines.join("\r\n").toLatin1());
    }

    FakeClock clock;
    FakeRandom random;
    RecordingSound sound;
    FakeScreen screen;
    FakeProgram program;
    Run run{Services{&clock, &random, &sound, &screen, &program, dir.path()}};
};

// A path under the program folder's sets.
inline QString inSets(const QString &relative)
{
    return QLatin1String(SetsFolderName) + QLatin1Char('/') + relative;
}
