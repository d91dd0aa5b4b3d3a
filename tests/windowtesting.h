// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakes.h"
#include "windows/boardwindow.h"
#include "windows/gameoverwindow.h"
#include "windows/introwindow.h"
#include "windows/namewindow.h"
#include "windows/resultswindow.h"
#include "windows/setupwindow.h"
#include "windows/windowflow.h"

#include <map>

// A run with its windows. One at a time: the window helpers below reach the windows of the
// one that lives.
struct TestProgram : TestRun {
    TestProgram()
    {
        current = this;
        QCoreApplication::setApplicationVersion(QStringLiteral(ZINDLE_VERSION));
    }
    ~TestProgram() { current = nullptr; }
    WindowFlow flow{run};
    static inline TestProgram *current = nullptr;
};

inline WindowFlow &flow()
{
    return TestProgram::current->flow;
}
inline IntroWindow &introWindow()
{
    return flow().introWindow();
}
inline NameWindow &nameWindow()
{
    return flow().nameWindow();
}
inline SetupWindow &setupWindow()
{
    return flow().setupWindow();
}
inline BoardWindow &boardWindow()
{
    return flow().boardWindow();
}
inline GameOverWindow &gameOverWindow()
{
    return flow().gameOverWindow();
}
inline ResultsWindow &resultsWindow()
{
    return flow().resultsWindow();
}

// A control by object name; the test stops where there is none.
QWidget *control(ProgramWindow &window, const QString &name);
template <typename Control> Control *control(ProgramWindow &window, const QString &name)
{
    return dynamic_cast<Control *>(control(window, name));
}
inline QString textOf(ProgramWindow &window, const QString &name)
{
    return control(window, name)->property("text").toString();
}
inline void click(ProgramWindow &window, const QString &name)
{
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}
inline void clickCard(int k)
{
    QTest::mouseClick(boardWindow().cardImage(k), Qt::LeftButton);
}
// The board's selection frame of card k.
inline QWidget *frameOf(int k)
{
    return control(boardWindow(), QStringLiteral("selectionFrame%1").arg(k));
}
// Waits until the board the run is opening is dealt or not dealt.
void waitForTheDeal();
QStringList resultLines();
// The dealt cards of the open board, by key.
std::map<QString, std::vector<int>> pairsOnBoard();
// Finds every pair of the open board by `click`, each leaving the board at once; `onGameOver`
// runs once the game-over window shows after its pause, and must take it away.
void playToTheEnd(const std::function<void()> &onGameOver,
                  const std::function<void(int)> &click = clickCard);
// Every named control of a window, a line each: where it sits in twips, its font, its
// colours and its text; the window's own place and title first.
QStringList designOf(ProgramWindow &window);
