// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowtesting.h"

#include <QListWidget>
#include <QTimer>

QWidget *control(ProgramWindow &window, const QString &name)
{
    QWidget *w = window.window()->findChild<QWidget *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

QStringList resultLines()
{
    QStringList lines;
    if (!resultsWindow().isLoaded())
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

void playToTheEnd(std::function<void()> onGameOver, const std::function<void(int)> &click)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, onGameOver] {
        if (gameOverWindow().isLoaded() && gameOverWindow().window()->isVisible())
            poll->stop(), poll->deleteLater(), onGameOver();
    });
    poll->start(5);
    for (const auto &[key, cards] : pairsOnBoard()) {
        click(cards[0]);
        click(cards[1]);
        if (boardWindow().isLoaded())
            boardWindow().pairTimer()->tick();
    }
}
