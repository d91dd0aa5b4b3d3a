// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results.h"

#include "run/gameclock.h"

#include <QCoreApplication>

QString resultLine(const GameResult &result)
{
    const ResultWords &words = result.words;
    const QString pairs = QString::number(result.pairs);
    if (!result.withClock)
        return QStringList({words.start, pairs, words.afterPairs,
                            QCoreApplication::translate("Results", "no clock, %1 s")
                                .arg(result.seconds.value_or(0))})
            .join(QLatin1Char(' '));
    return QStringList({words.start, pairs, words.afterPairs, words.beforeSeconds,
                        secondsCaption(result.seconds), words.end})
        .join(QLatin1Char(' '));
}

void Results::add(const GameResult &result)
{
    m_results.push_back(result);
    Q_EMIT added(m_results.back());
}
