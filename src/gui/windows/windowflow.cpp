// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowflow.h"

#include "platform/services.h"
#include "run/run.h"
#include "screen/centring.h"
#include "windows/boardwindow.h"
#include "windows/gameoverwindow.h"
#include "windows/introwindow.h"
#include "windows/namewindow.h"
#include "windows/resultswindow.h"
#include "windows/setupwindow.h"

#include <QApplication>
#include <QScreen>
#include <utility>

WindowFlow::WindowFlow(Run &run) : m_run(run)
{
    QObject::connect(&run.board(), &Board::gameOver, this, [this] { gameOver(); });
    QObject::connect(&run.opening(), &BoardOpening::dealt, this, [this] { boardDealt(); });
    QObject::connect(&run.opening(), &BoardOpening::notDealt, this,
                     [this](DealCheck why) { boardNotDealt(why); });
    // The list of results is there, hidden or not, from the first result on.
    QObject::connect(&run.results(), &Results::added, this, [this] { resultsWindow(); });
}

WindowFlow::~WindowFlow()
{
    std::apply([](auto &...windows) { (delete windows.data(), ...); }, m_windows);
}

template <typename W> W &WindowFlow::window()
{
    QPointer<W> &slot = std::get<QPointer<W>>(m_windows);
    if (!slot) {
        slot = new W(windowContext());
        slot->build();
    }
    return *slot;
}

template <typename W> void WindowFlow::closeWindow()
{
    if (W *window = std::exchange(std::get<QPointer<W>>(m_windows), nullptr))
        window->retire();
}

void WindowFlow::close(ProgramWindow &window)
{
    std::apply(
        [&window](auto &...slots) {
            ((slots.data() == &window ? void(slots = nullptr) : void()), ...);
        },
        m_windows);
    window.retire();
}

IntroWindow &WindowFlow::introWindow()
{
    return window<IntroWindow>();
}
NameWindow &WindowFlow::nameWindow()
{
    return window<NameWindow>();
}
SetupWindow &WindowFlow::setupWindow()
{
    return window<SetupWindow>();
}
BoardWindow &WindowFlow::boardWindow()
{
    return window<BoardWindow>();
}
GameOverWindow &WindowFlow::gameOverWindow()
{
    if (!isOpen<GameOverWindow>()) {
        GameOverWindow &over = window<GameOverWindow>();
        QObject::connect(&over, &GameOverWindow::keepPlayingChosen, this,
                         [this] { keepPlaying(); });
        QObject::connect(&over, &GameOverWindow::finishChosen, this, [this] { endProgram(); });
    }
    return window<GameOverWindow>();
}
ResultsWindow &WindowFlow::resultsWindow()
{
    return window<ResultsWindow>();
}

// A board opens only when it will show a pair: the run checks the chosen set by loading its
// pictures as the deal does, then deals it, while the windows go on. Should the deal still
// come out empty (the set changed in between), no board shows, and the player is where they
// were. The player may stop either.
void WindowFlow::openBoard()
{
    if (isOpen<BoardWindow>()) {
        boardWindow().showInFront();
        return;
    }
    BoardOpening &opening = m_run.opening();
    if (opening.isRunning())
        return;
    // The board plays on the setup window's monitor; the windows that follow it centre
    // there too.
    Screen *screen = m_run.services().screen;
    const bool setupShown = isOpen<SetupWindow>() && setupWindow().isShown();
    screen->chooseMonitorAt(setupShown ? std::optional(setupWindow().centrePixels())
                                       : std::nullopt);
    const QScreen *shown = QGuiApplication::screenAt(screen->originPixels());
    m_progress = new WorkProgress(dealOwner(), m_progressAfter);
    QObject::connect(m_progress, &QProgressDialog::canceled, &opening, &BoardOpening::cancel);
    QObject::connect(&opening, &BoardOpening::progressRangeChanged, m_progress,
                     &QProgressDialog::setRange);
    QObject::connect(&opening, &BoardOpening::progressValueChanged, m_progress,
                     &QProgressDialog::setValue);
    opening.start(shown ? shown->devicePixelRatio() : 1.0);
}

void WindowFlow::boardDealt()
{
    delete m_progress;
    boardWindow().showInFront();
}

void WindowFlow::boardNotDealt(DealCheck why)
{
    delete m_progress;
    if (isOpen<SetupWindow>())
        setupWindow().showNotDealt(why, m_run.opening().setName());
}

QWidget *WindowFlow::dealOwner()
{
    if (isOpen<SetupWindow>() && setupWindow().isShown())
        return &setupWindow();
    return QApplication::activeWindow();
}

void WindowFlow::start()
{
    introWindow().showInFront();
}

void WindowFlow::centreOnScreen(ProgramWindow &window, int raise)
{
    Screen *screen = m_run.services().screen;
    const QSize outer = window.outerSizeTwips();
    const QPoint at =
        centredPosition(screen->widthTwips(), screen->heightTwips(), outer.width(), outer.height());
    window.moveTwips(at.x(), at.y() - raise);
}

void WindowFlow::introContinued()
{
    nameWindow().showInFront();
}

void WindowFlow::nameEntryOpening()
{
    closeWindow<IntroWindow>();
}

void WindowFlow::nameEntryOpened()
{
    // The list window opens behind the name window, which then comes in front with the keys.
    resultsWindow().showBehind();
}

void WindowFlow::nameAccepted()
{
    setupWindow().showInFront();
}

void WindowFlow::setupOpening()
{
    closeWindow<GameOverWindow>();
}

void WindowFlow::playChosen()
{
    closeWindow<IntroWindow>();
    openBoard();
}

void WindowFlow::boardWanted()
{
    resultsWindow().setOwner(nullptr);
    openBoard();
}

void WindowFlow::boardWindowOpening()
{
    closeWindow<NameWindow>();
}

void WindowFlow::titleResults(const QString &caption)
{
    resultsWindow().setCaption(caption);
}

void WindowFlow::resultsWanted()
{
    // The list window opened before the board chose its monitor; it comes to the board's.
    if (isOpen<ResultsWindow>() && !resultsWindow().isOnScreen())
        centreOnScreen(resultsWindow());
    resultsWindow().setOwner(boardWindow().isShown() ? &boardWindow() : nullptr);
    resultsWindow().showInFront();
    resultsWindow().takeFocus();
}

void WindowFlow::gameOver()
{
    gameOverWindow().open(&boardWindow());
}

void WindowFlow::keepPlaying()
{
    closeBoard();
    closeWindow<GameOverWindow>();
    setupWindow().showInFront();
}

// A window that still belonged to the board would belong to the whole program once the board
// is gone, and stay in front of every other window.
void WindowFlow::closeBoard()
{
    if (isOpen<ResultsWindow>())
        resultsWindow().setOwner(nullptr);
    closeWindow<BoardWindow>();
}

void WindowFlow::endProgram()
{
    m_run.opening().cancel();
    m_run.services().program->end();
}

void WindowFlow::resultsClosing()
{
    const ProgramWindow *results = std::get<QPointer<ResultsWindow>>(m_windows);
    const bool othersShown = std::apply(
        [results](const auto &...slots) {
            return ((slots && slots.data() != results && slots->isShown()) || ...);
        },
        m_windows);
    if (!othersShown)
        endProgram();
}
