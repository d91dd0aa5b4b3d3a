// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowtesting.h"

#include <QListWidget>
#include <QTestEventLoop>
#include <cxxabi.h>
#include <memory>

QWidget *control(ProgramWindow &window, const QString &name)
{
    QWidget *w = window.window()->findChild<QWidget *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

void waitForTheDeal()
{
    BoardOpening &opening = TestProgram::current->run.opening();
    if (!opening.isRunning())
        return;
    // Back as the deal ends, before the events that follow it: a board has just shown.
    QTestEventLoop loop;
    QObject::connect(&opening, &BoardOpening::dealt, &loop, &QTestEventLoop::exitLoop);
    QObject::connect(&opening, &BoardOpening::notDealt, &loop, &QTestEventLoop::exitLoop);
    loop.enterLoop(20);
    QVERIFY(!loop.timeout());
}

QStringList resultLines()
{
    QStringList lines;
    if (!flow().isOpen<ResultsWindow>())
        return lines;
    const auto *list = control<QListWidget>(resultsWindow(), "resultList");
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

std::map<QString, std::vector<int>> pairsOnBoard()
{
    std::map<QString, std::vector<int>> pairs;
    const Board &board = TestProgram::current->run.board();
    for (int k = 0; k < boardWindow().cards(); ++k) {
        if (boardWindow().cardImage(k)->isVisible())
            pairs[board.key(k)].push_back(k);
    }
    return pairs;
}

void playToTheEnd(const std::function<void()> &onGameOver, const std::function<void(int)> &click)
{
    Run &run = TestProgram::current->run;
    for (const auto &[key, cards] : pairsOnBoard()) {
        click(cards[0]);
        click(cards[1]);
        // The pair has shown long enough; the clock moves on no further.
        run.board().removeFoundPair();
    }
    // The pause before the game-over window, at most two and a half seconds.
    TestProgram::current->clock.advance(std::chrono::milliseconds(2500));
    QVERIFY(gameOverWindow().isShown());
    onGameOver();
}

QStringList designOf(ProgramWindow &window)
{
    QWidget *top = window.window();
    const auto twips = [](QRect r) {
        return QString::asprintf("%d %d %d %d", r.x() * 15, r.y() * 15, r.width() * 15,
                                 r.height() * 15);
    };
    const std::unique_ptr<char, decltype(&std::free)> kind(
        abi::__cxa_demangle(typeid(window).name(), nullptr, nullptr, nullptr), &std::free);
    QStringList lines{QStringLiteral("%1 at %2 \"%3\"")
                          .arg(kind.get(), twips(top->geometry()), top->windowTitle())};
    for (QWidget *w : top->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        w->ensurePolished();
        const QFont f = w->font();
        const QPalette p = w->palette();
        // Boxes that are written in show their text on the base colour.
        const bool box = w->inherits("QAbstractScrollArea") || w->inherits("QComboBox") ||
                         w->inherits("QLineEdit");
        lines << QStringLiteral("  %1 %2 %3%4 %5pt%6 %7 on %8 \"%9\"")
                     .arg(
                         w->objectName(), twips(w->geometry()),
                         w->isVisibleTo(top) ? "" : "hidden ", f.family(),
                         QString::number(f.pointSizeF()), f.bold() ? " bold" : "",
                         p.color(box ? QPalette::Text : w->foregroundRole()).name(),
                         p.color(box ? QPalette::Base : w->backgroundRole()).name(),
                         w->property(w->inherits("QComboBox") ? "currentText" : "text").toString());
    }
    return lines;
}
