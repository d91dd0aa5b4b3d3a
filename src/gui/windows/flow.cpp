// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow.h"

#include "core/cards/cardgeometry.h"
#include "core/game/choices.h"
#include "core/platform/services.h"
#include "core/screen/centring.h"
#include "core/sets/dealing.h"
#include "gui/controls/workprogress.h"
#include "gui/windows/form1.h"
#include "gui/windows/form2.h"
#include "gui/windows/form3.h"
#include "gui/windows/form4.h"
#include "gui/windows/form5.h"
#include "gui/windows/form6.h"

#include <QFutureWatcher>
#include <QGuiApplication>
#include <QScreen>
#include <memory>

namespace
{

struct Registry {
    std::unique_ptr<Form1> f1;
    std::unique_ptr<Form2> f2;
    std::unique_ptr<Form3> f3;
    std::unique_ptr<Form4> f4;
    std::unique_ptr<Form5> f5;
    std::unique_ptr<Form6> f6;
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
    if (!form2().isLoaded()) {
        // The board plays on the setup window's monitor; the windows that follow it centre
        // there too.
        Screen *screen = services().screen;
        screen->chooseMonitorAt(form1().isShown() ? std::optional(form1().centrePixels())
                                                  : std::nullopt);
        // Reading the set name loads the setup window, hidden, when it is not there yet.
        const QString set = form1().setName();
        // At the board's device pixel ratio, so that the deal finds what the check decoded.
        const QScreen *shown = QGuiApplication::screenAt(screen->originPixels());
        const CardBoxSize box =
            firstCardBox(Module1::PairChoice, screen->widthTwips(), screen->heightTwips(),
                         shown ? shown->devicePixelRatio() : 1.0);
        QFutureWatcher<bool> check;
        check.setFuture(startCheckingSet(set, box));
        waitShowingProgress(check);
        if (!check.result())
            return;
        form2().setSetName(set);
        form2().load();
        if (form2().game().pairCount() == 0) {
            form2().unload();
            return;
        }
    }
    form2().show();
}

} // namespace

Form1 &form1()
{
    return instance(registry().f1);
}
Form2 &form2()
{
    return instance(registry().f2);
}
Form3 &form3()
{
    return instance(registry().f3);
}
Form4 &form4()
{
    return instance(registry().f4);
}
Form5 &form5()
{
    return instance(registry().f5);
}
Form6 &form6()
{
    return instance(registry().f6);
}

namespace WindowFlow
{

void start()
{
    form5().show();
}

void centreOnScreen(Form &form, int raise)
{
    Screen *screen = services().screen;
    const QSize outer = form.outerSizeTwips();
    const QPoint at =
        centredPosition(screen->widthTwips(), screen->heightTwips(), outer.width(), outer.height());
    form.moveTwips(at.x(), at.y() - raise);
}

void introContinued()
{
    form3().show();
}

void nameEntryLoading()
{
    form5().unload();
}

void nameEntryLoaded()
{
    // The list window opens behind the name window, which then comes in front with the keys.
    form6().showBehind();
}

void nameAccepted()
{
    form1().show();
}

void setupLoading()
{
    form4().unload();
}

void playChosen()
{
    form5().unload();
    openBoard();
}

void boardWanted()
{
    form6().setOwner(nullptr);
    openBoard();
}

void boardLoading()
{
    form3().unload();
}

void titleResults(const QString &caption)
{
    form6().setCaption(caption);
}

void resultsWanted()
{
    // The list window opened before the board chose its monitor; it comes to the board's.
    if (form6().isLoaded() && !form6().isOnScreen())
        centreOnScreen(form6());
    form6().setOwner(form2().isShown() ? &form2() : nullptr);
    form6().show();
    form6().focusBackButton();
}

void gameCompleted(const QString &resultLine)
{
    form6().addResult(resultLine);
}

void gameOver()
{
    form4().showModal(&form2());
    form2().unload();
}

QString finalSecondsCaption()
{
    return form2().secondsLeftCaption();
}

void keepPlaying()
{
    form2().unload();
    form4().unload();
    form1().show();
}

void endProgram()
{
    services().program->end();
}

void resultsClosing()
{
    const Registry &r = registry();
    const Form *others[] = {r.f1.get(), r.f2.get(), r.f3.get(), r.f4.get(), r.f5.get()};
    for (const Form *f : others) {
        if (f && f->isShown())
            return;
    }
    endProgram();
}

void resetRun()
{
    Registry &r = registry();
    Form *all[] = {r.f1.get(), r.f2.get(), r.f3.get(), r.f4.get(), r.f5.get(), r.f6.get()};
    for (Form *f : all) {
        if (f)
            f->discard();
    }
    r = Registry{};
    Module1::reset();
}

} // namespace WindowFlow
