// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowflow.h"

#include "cards/cardgeometry.h"
#include "controls/workprogress.h"
#include "pictures/picturecache.h"
#include "platform/services.h"
#include "run/paircounts.h"
#include "screen/centring.h"
#include "sets/dealing.h"
#include "sets/setlibrary.h"
#include "texts/languagefile.h"
#include "windows/boardwindow.h"
#include "windows/gameoverwindow.h"
#include "windows/introwindow.h"
#include "windows/namewindow.h"
#include "windows/resultswindow.h"
#include "windows/setupwindow.h"

#include <QFutureWatcher>
#include <QGuiApplication>
#include <QScreen>
#include <memory>

namespace
{

struct Registry {
    std::unique_ptr<SetupWindow> f1;
    std::unique_ptr<BoardWindow> f2;
    std::unique_ptr<NameWindow> f3;
    std::unique_ptr<GameOverWindow> f4;
    std::unique_ptr<IntroWindow> f5;
    std::unique_ptr<ResultsWindow> f6;
    std::unique_ptr<PictureCache> pictures;
};

Registry &registry()
{
    static Registry r;
    return r;
}

template <typename F> F &instance(std::unique_ptr<F> &slot)
{
    if (!slot)
        slot = std::make_unique<F>();
    return *slot;
}

// A board opens only when it will show a pair: the chosen set is checked by loading its
// pictures as the deal does, at the size of the board's cards, off the window thread. Should the
// deal still come out empty (the set changed in between), the board closes before it shows, and the
// player is where they were. An open board only comes forward.
void openBoard()
{
    if (!boardWindow().isLoaded()) {
        // The board plays on the setup window's monitor; the windows that follow it centre
        // there too.
        Screen *screen = services().screen;
        screen->chooseMonitorAt(
            setupWindow().isShown() ? std::optional(setupWindow().centrePixels()) : std::nullopt);
        // Reading the set name loads the setup window, hidden, when it is not there yet.
        const QString set = setupWindow().setName();
        // At the board's device pixel ratio, so that the deal finds what the check decoded.
        const QScreen *shown = QGuiApplication::screenAt(screen->originPixels());
        const CardBoxSize box =
            firstCardBox(PairCounts::PairChoice, screen->widthTwips(), screen->heightTwips(),
                         shown ? shown->devicePixelRatio() : 1.0);
        QFutureWatcher<bool> check;
        check.setFuture(startCheckingSet(
            SetLibrary(services().programFolder, currentLanguage().language).folderOf(set), box,
            runPictures()));
        waitShowingProgress(check);
        if (!check.result())
            return;
        boardWindow().setSetName(set);
        boardWindow().load();
        if (boardWindow().game().pairCount() == 0) {
            boardWindow().unload();
            return;
        }
    }
    boardWindow().show();
}

} // namespace

SetupWindow &setupWindow()
{
    return instance(registry().f1);
}
BoardWindow &boardWindow()
{
    return instance(registry().f2);
}
NameWindow &nameWindow()
{
    return instance(registry().f3);
}
GameOverWindow &gameOverWindow()
{
    return instance(registry().f4);
}
IntroWindow &introWindow()
{
    return instance(registry().f5);
}
PictureCache &runPictures()
{
    std::unique_ptr<PictureCache> &pictures = registry().pictures;
    if (!pictures)
        pictures = std::make_unique<PictureCache>(RunPictureCacheBytes);
    return *pictures;
}
ResultsWindow &resultsWindow()
{
    return instance(registry().f6);
}

namespace WindowFlow
{

void start()
{
    introWindow().show();
}

void centreOnScreen(ProgramWindow &form, int raise)
{
    Screen *screen = services().screen;
    const QSize outer = form.outerSizeTwips();
    const QPoint at =
        centredPosition(screen->widthTwips(), screen->heightTwips(), outer.width(), outer.height());
    form.moveTwips(at.x(), at.y() - raise);
}

void introContinued()
{
    nameWindow().show();
}

void nameEntryLoading()
{
    introWindow().unload();
}

void nameEntryLoaded()
{
    // The list window opens behind the name window, which then comes in front with the keys.
    resultsWindow().showBehind();
}

void nameAccepted()
{
    setupWindow().show();
}

void setupLoading()
{
    gameOverWindow().unload();
}

void playChosen()
{
    introWindow().unload();
    openBoard();
}

void boardWanted()
{
    resultsWindow().setOwner(nullptr);
    openBoard();
}

void boardLoading()
{
    nameWindow().unload();
}

void titleResults(const QString &caption)
{
    resultsWindow().setCaption(caption);
}

void resultsWanted()
{
    // The list window opened before the board chose its monitor; it comes to the board's.
    if (resultsWindow().isLoaded() && !resultsWindow().isOnScreen())
        centreOnScreen(resultsWindow());
    resultsWindow().setOwner(boardWindow().isShown() ? &boardWindow() : nullptr);
    resultsWindow().show();
    resultsWindow().focusBackButton();
}

void gameCompleted(const QString &resultLine)
{
    resultsWindow().addResult(resultLine);
}

void gameOver()
{
    gameOverWindow().showModal(&boardWindow());
    boardWindow().unload();
}

QString finalSecondsCaption()
{
    return boardWindow().secondsLeftCaption();
}

void keepPlaying()
{
    boardWindow().unload();
    gameOverWindow().unload();
    setupWindow().show();
}

void endProgram()
{
    services().program->end();
}

void resultsClosing()
{
    const Registry &r = registry();
    const ProgramWindow *others[] = {r.f1.get(), r.f2.get(), r.f3.get(), r.f4.get(), r.f5.get()};
    for (const ProgramWindow *f : others) {
        if (f && f->isShown())
            return;
    }
    endProgram();
}

void resetRun()
{
    Registry &r = registry();
    ProgramWindow *all[] = {r.f1.get(), r.f2.get(), r.f3.get(), r.f4.get(), r.f5.get(), r.f6.get()};
    for (ProgramWindow *f : all) {
        if (f)
            f->discard();
    }
    r = Registry{};
    PairCounts::reset();
}

} // namespace WindowFlow
