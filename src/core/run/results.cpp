// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results.h"

#include "run/gameclock.h"

QString resultLine(const GameResult &result)
{
    const ResultWords &words = result.words;
    return QStringList({words.start, QString::number(result.pairs), words.afterPairs,
                        words.beforeSeconds, secondsCaption(result.secondsLeft), words.end})
        .join(QLatin1Char(' '));
}

void Results::add(const GameResult &result)
{
    m_results.push_back(result);
    Q_EMIT added(m_results.back());
}
