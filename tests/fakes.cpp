// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes.h"

#include "windows/gameoverwindow.h"
#include "windows/resultswindow.h"

#include <QTimer>

void TestProgram::writeFile(const QString &relative, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(path(relative)).path());
    QFile f(path(relative));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

TestProgram::TestProgram()
{
    services() = {&clock, &random, &sound, &screen, &program, dir.path()};
    qputenv("HOME", QFile::encodeName(path("home")));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(path("share")));
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qunsetenv(name);
}

void TestProgram::writeSet(const QString &set, int pairs, bool onlyFirst,
                           const QByteArray &picture) const
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int p = 0; p < pairs; ++p) {
        for (int half = 1; half <= (onlyFirst ? 1 : 2); ++half) {
            image.fill(half == 1 ? Qt::darkCyan : Qt::darkMagenta);
            const QString name =
                QStringLiteral("%1/%2/%3.png").arg(set).arg(half).arg(p, 2, 10, QChar('0'));
            writeFile(inSets(name), picture.isEmpty() ? encoded(image) : picture);
        }
    }
}

QWidget *control(ProgramWindow &form, const QString &name)
{
    QWidget *w = form.window()->findChild<QWidget *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

QStringList resultLines()
{
    QStringList lines;
    for (int i = 0; resultsWindow().List1 && i < resultsWindow().List1->count(); ++i)
        lines << resultsWindow().List1->item(i)->text();
    return lines;
}

std::map<QString, std::vector<int>> pairsOnBoard()
{
    std::map<QString, std::vector<int>> pairs;
    for (std::size_t k = 0; k < boardWindow().Image1.size(); ++k) {
        if (boardWindow().Image1[k]->isVisible())
            pairs[boardWindow().game().cardKey(int(k))].push_back(int(k));
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
            boardWindow().Timer1->tick();
    }
}
