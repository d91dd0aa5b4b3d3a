// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/workprogress.h"
#include "rules/dealcheck.h"
#include "windows/programwindow.h"
#include "windows/windowmanager.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <tuple>

class BoardWindow;
class GameOverWindow;
class IntroWindow;
class NameWindow;
class ProgramWindow;
class ResultsWindow;
class Run;
class SetupWindow;
class QWidget;

// Which window follows which: every hand-over between the windows, and the ends of the
// run. It owns the windows: at most one of each kind, built hidden when it is first wanted
// and let go when it closes. A window's handler calls the step it takes, and only this
// class knows the other windows.
class WindowFlow : public QObject
{
public:
    explicit WindowFlow(Run &run);
    ~WindowFlow();

    Run &run() const { return m_run; }
    WindowManager &windowManager() { return m_windowManager; }
    // What the windows of this flow work with.
    WindowContext windowContext() { return {*this, m_run, m_windowManager}; }

    // The window of each kind, built hidden where none is open.
    IntroWindow &introWindow();
    NameWindow &nameWindow();
    SetupWindow &setupWindow();
    BoardWindow &boardWindow();
    GameOverWindow &gameOverWindow();
    ResultsWindow &resultsWindow();
    // Whether a window of kind W is open, shown or not.
    template <typename W> bool isOpen() const { return !std::get<QPointer<W>>(m_windows).isNull(); }
    // Closes `window`, which the flow then no longer knows: it is let go once the handler
    // that closed it has returned.
    void close(ProgramWindow &window);

    // The program starts on the intro window.
    void start();

    // Every window but the board places itself on the screen first thing in its start-up:
    // centred by its outer size, `raise` twips higher.
    void centreOnScreen(ProgramWindow &window, int raise = 0);

    // The intro's continue button: the name entry opens.
    void introContinued();
    // The name entry's start-up closes the intro first and shows the list window last.
    void nameEntryOpening();
    void nameEntryOpened();
    // The name entry accepted a name: the setup window comes forward.
    void nameAccepted();

    // The setup window's start-up closes a game-over window still open.
    void setupOpening();
    // The setup window's play button, and the list window's: the run opens a board of the
    // chosen set, which shows once it is dealt; where it cannot be, the setup window says
    // why. An open board only comes forward, and a board being opened is not asked again.
    void playChosen();
    void boardWanted();

    // The window a deal's progress window belongs to: the setup window where it shows, else
    // the window in front.
    QWidget *dealOwner();
    // How long a board's opening may run before its progress window shows. Tests shorten it.
    void setProgressAfter(std::chrono::milliseconds after) { m_progressAfter = after; }

    // The board's start-up: the name entry closes, the list window gets its title.
    void boardWindowOpening();
    void titleResults(const QString &caption);
    // The board's list button brings the list window forward.
    void resultsWanted();
    // The run's game is over: the game-over window opens, modal over the board.
    void gameOver();
    // The game-over window's keep-playing button: the board and it close, setup comes
    // forward.
    void keepPlaying();

    // The board's close button, the game-over window's finish button and closing the setup
    // window end the run at once, whatever windows are open.
    void endProgram();
    // The window manager's close request on the list window, which has no close control: it
    // ends the run when no other window is on the screen (the name entry was closed before
    // the setup window opened), so that the player is never left with a window that cannot
    // go.
    void resultsClosing();

private:
    template <typename W> W &window();
    template <typename W> void closeWindow();
    void openBoard();
    void boardDealt();
    void boardNotDealt(DealCheck why);
    void closeBoard();

    Run &m_run;
    WindowManager m_windowManager;
    std::tuple<QPointer<IntroWindow>, QPointer<NameWindow>, QPointer<SetupWindow>,
               QPointer<BoardWindow>, QPointer<GameOverWindow>, QPointer<ResultsWindow>>
        m_windows;
    std::chrono::milliseconds m_progressAfter = ProgressAfter;
    QPointer<WorkProgress> m_progress;
};
