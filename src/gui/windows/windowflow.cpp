// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowflow.h"

#include "cards/cardgeometry.h"
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
#include <QFutureWatcher>
#include <QScopeGuard>
#include <QScreen>
#include <memory>

WindowFlow::WindowFlow(Run &run) : m_run(run)
{
    QObject::connect(&run.board(), &Board::gameOver, this, [this] { gameOver(); });
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
        slot = std::make_unique<W>(flow);
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

// A board opens only when it will show a pair: the chosen set is checked by loading its
// pictures as the deal does, at the size of the board's cards, off the window thread.
// Should the deal still come out empty (the set changed in between), the board closes
// before it shows, and the player is where they were. The player may stop either; a board
// stopped while it deals closes before it shows too. An open board only comes forward.
DealCheck WindowFlow::openBoard()
{
    if (!boardWindow().isLoaded()) {
        m_opening.start();
        const auto opened = qScopeGuard([this] { m_opening.invalidate(); });
        // The board plays on the setup window's monitor; the windows that follow it centre
        // there too.
        Screen *screen = m_run.services().screen;
        screen->chooseMonitorAt(
            setupWindow().isShown() ? std::optional(setupWindow().centrePixels()) : std::nullopt);
        // The setup window holds the chosen set once it has loaded, hidden where needed.
        setupWindow().load();
        const QString folder = m_run.sets().folderOf(m_run.choice().setName());
        // At the board's device pixel ratio, so that the deal finds what the check decoded.
        const QScreen *shown = QGuiApplication::screenAt(screen->originPixels());
        const CardBoxSize box =
            firstCardBox(m_run.choice().pairChoice(), screen->widthTwips(), screen->heightTwips(),
                         shown ? shown->devicePixelRatio() : 1.0);
        QFutureWatcher<DealCheck> check;
        check.setFuture(startCheckingSet(folder, box, m_run.keptPictures()));
        waitShowingProgress(check, dealOwner(), progressAfter());
        // Closing the setup window meanwhile ended the run.
        if (check.isCanceled() || !setupWindow().isLoaded())
            return DealCheck::Cancelled;
        if (check.result() != DealCheck::Dealable)
            return check.result();
        boardWindow().load();
        if (boardWindow().dealStopped()) {
            boardWindow().unload();
            return DealCheck::Cancelled;
        }
        if (m_run.board().pairCount() == 0) {
            boardWindow().unload();
            const DealCheck folders = checkSetFolders(folder);
            return folders == DealCheck::Dealable ? DealCheck::NoPairShows : folders;
        }
    }
    boardWindow().show();
    return DealCheck::Dealable;
}

std::chrono::milliseconds WindowFlow::progressAfter() const
{
    const std::chrono::milliseconds spent(m_opening.isValid() ? m_opening.elapsed() : 0);
    return std::max(std::chrono::milliseconds(0), m_progressAfter - spent);
}

QWidget *WindowFlow::dealOwner()
{
    return setupWindow().isShown() ? setupWindow().window() : QApplication::activeWindow();
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

DealCheck WindowFlow::playChosen()
{
    introWindow().unload();
    return openBoard();
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
