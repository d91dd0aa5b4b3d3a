// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/services.h"
#include "sets/setlibrary.h"
#include "testfiles.h"
#include "windows/boardwindow.h"
#include "windows/windowflow.h"

#include <QFileInfo>
#include <QImageIOHandler>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <deque>
#include <filesystem>
#include <map>

// The 13 lines of a language file: the result line reads "Con 6 parejas quedaban 58
// segundos" and the list title ends in "- resultados".
inline const QStringList SpanishTexts = {
    "CONTINUAR", "Nombre", "ACEPTAR", "Selecciona", "JUGAR",    "SEGUIR JUGANDO", "FIN JUEGO",
    "Fin",       "Con",    "parejas", "quedaban",   "segundos", "- resultados"};

// Moved by hand; processing events advances it by `step` seconds.
struct FakeClock : Clock {
    double now = 36000.0, step = 0.1;
    int processed = 0;
    double secondsSinceMidnight() override { return now; }
    void processEvents() override
    {
        ++processed;
        QCoreApplication::processEvents();
        now = std::fmod(now + step, 86400.0);
    }
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

// A program folder of a test's own, with the fakes wired in, and a home of its own inside
// it ("home", no XDG variables, shared data folders "share"), so that no test reads the
// real user's files. Destroying it ends the run.
struct TestProgram {
    TestProgram();
    // Qt cannot remove names that are not UTF-8, which some tests make.
    ~TestProgram()
    {
        WindowFlow::resetRun(), services() = {};
        std::filesystem::remove_all(QFile::encodeName(dir.path()).toStdString());
    }
    QString path(const QString &relative) const { return dir.filePath(relative); }
    void writeFile(const QString &relative, const QByteArray &bytes) const;
    // Pictures "00.png"... in the program folder's "<set>/1" and, unless `onlyFirst`, "/2":
    // `picture`, else plain ones.
    void writeSet(const QString &set, int pairs, bool onlyFirst = false,
                  const QByteArray &picture = {}) const;
    void writeLanguage(const QStringList &lines) const
    {
        writeFile("idioma/idioma.txt", lines.join("\r\n").toLatin1());
    }

    QTemporaryDir dir;
    FakeClock clock;
    FakeRandom random;
    RecordingSound sound;
    FakeScreen screen;
    FakeProgram program;
};

// A path under the program folder's sets.
inline QString inSets(const QString &relative)
{
    return QLatin1String(SetsFolderName) + QLatin1Char('/') + relative;
}
// A control by object name; the test stops where there is none.
QWidget *control(ProgramWindow &form, const QString &name);
inline QString textOf(ProgramWindow &form, const QString &name)
{
    return control(form, name)->property("text").toString();
}
inline void click(ProgramWindow &form, const QString &name)
{
    QTest::mouseClick(control(form, name), Qt::LeftButton);
}
inline void clickCard(int k)
{
    QTest::mouseClick(boardWindow().Image1[std::size_t(k)], Qt::LeftButton);
}
QStringList resultLines();
// The dealt cards of the open board, by key.
std::map<QString, std::vector<int>> pairsOnBoard();
// Finds every pair of the open board by `click`, the 200 ms timer ticking after each;
// `onGameOver` runs once the game-over window shows, and must take it away.
void playToTheEnd(std::function<void()> onGameOver,
                  const std::function<void(int)> &click = clickCard);
