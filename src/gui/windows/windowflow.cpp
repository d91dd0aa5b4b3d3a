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
#include <memory>

WindowFlow::WindowFlow(Run &run) : m_run(run)
{
    QObject::connect(&run.board(), &Board::gameOver, this, [this] { gameOver(); });
    QObject::connect(&run.opening(), &BoardOpening::dealt, this, [this] { boardDealt(); });
    QObject::connect(&run.opening(), &BoardOpening::notDealt, this,
                     [this](DealCheck why) { boardNotDealt(why); });
}

// Every window lets go of its controls first, as when the program ends.
WindowFlow::~WindowFlow()
{
    ProgramWindow *all[] = {m_intro.get(), m_name.get(),     m_setup.get(),
                            m_board.get(), m_gameOver.get(), m_results.get()};
    for (ProgramWindow *w : all) {
        if (w)
            w->discard();
    }
}

namespace
{

template <typename W> W &instance(std::unique_ptr<W> &slot, WindowFlow &flow)
{
    if (!slot)
        slot = std::make_unique<W>(flow.windowContext());
    return *slot;
}

} // namespace

IntroWindow &WindowFlow::introWindow()
{
    return instance(m_intro, *this);
}
NameWindow &WindowFlow::nameWindow()
{
    return instance(m_name, *this);
}
SetupWindow &WindowFlow::setupWindow()
{
    return instance(m_setup, *this);
}
BoardWindow &WindowFlow::boardWindow()
{
    return instance(m_board, *this);
}
GameOverWindow &WindowFlow::gameOverWindow()
{
    return instance(m_gameOver, *this);
}
ResultsWindow &WindowFlow::resultsWindow()
{
    return instance(m_results, *this);
}

// A board opens only when it will show a pair: the run checks the chosen set by loading its
// pictures as the deal does, then deals it, while the windows go on. Should the deal still
// come out empty (the set changed in between), no board shows, and the player is where they
// were. The player may stop either.
void WindowFlow::openBoard()
{
    if (boardWindow().isLoaded()) {
        boardWindow().show();
        return;
    }
    BoardOpening &opening = m_run.opening();
    if (opening.isRunning())
        return;
    // The board plays on the setup window's monitor; the windows that follow it centre
    // there too.
    Screen *screen = m_run.services().screen;
    screen->chooseMonitorAt(m_setup && m_setup->isShown() ? std::optional(m_setup->centrePixels())
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
    boardWindow().show();
}

void WindowFlow::boardNotDealt(DealCheck why)
{
    delete m_progress;
    if (m_setup && m_setup->isLoaded())
        m_setup->showNotDealt(why, m_run.opening().setName());
}

QWidget *WindowFlow::dealOwner()
{
    return m_setup && m_setup->isShown() ? m_setup->window() : QApplication::activeWindow();
}

void WindowFlow::start()
{
    introWindow().show();
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
    nameWindow().show();
}

void WindowFlow::nameEntryLoading()
{
    introWindow().unload();
}

void WindowFlow::nameEntryLoaded()
{
    // The list window opens behind the name window, which then comes in front with the keys.
    resultsWindow().showBehind();
}

void WindowFlow::nameAccepted()
{
    setupWindow().show();
}

void WindowFlow::setupLoading()
{
    gameOverWindow().unload();
}

void WindowFlow::playChosen()
{
    introWindow().unload();
    openBoard();
}

void WindowFlow::boardWanted()
{
    resultsWindow().setOwner(nullptr);
    openBoard();
}

void WindowFlow::boardLoading()
{
    nameWindow().unload();
}

void WindowFlow::titleResults(const QString &caption)
{
    resultsWindow().setCaption(caption);
}

void WindowFlow::resultsWanted()
{
    // The list window opened before the board chose its monitor; it comes to the board's.
    if (resultsWindow().isLoaded() && !resultsWindow().isOnScreen())
        centreOnScreen(resultsWindow());
    resultsWindow().setOwner(boardWindow().isShown() ? &boardWindow() : nullptr);
    resultsWindow().show();
    resultsWindow().takeFocus();
}

void WindowFlow::gameOver()
{
    gameOverWindow().open(&boardWindow());
}

void WindowFlow::keepPlaying()
{
    closeBoard();
    gameOverWindow().unload();
    setupWindow().show();
}

// A window that still belonged to the board would belong to the whole program once the board
// is gone, and stay in front of every other window.
void WindowFlow::closeBoard()
{
    if (m_results && m_results->isLoaded())
        m_results->setOwner(nullptr);
    boardWindow().unload();
}

void WindowFlow::endProgram()
{
    m_run.opening().cancel();
    m_run.services().program->end();
}

void WindowFlow::resultsClosing()
{
    const ProgramWindow *others[] = {m_intro.get(), m_name.get(), m_setup.get(), m_board.get(),
                                     m_gameOver.get()};
    for (const ProgramWindow *w : others) {
        if (w && w->isShown())
            return;
    }
    endProgram();
}
