// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/resultwords.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>
#include <vector>

// One finished game, and the words its line is worded with.
struct GameResult {
    QString player;
    QString set;
    int pairs = 0;
    // What the clock showed, the seconds left or, without a clock, the seconds played:
    // nothing when the game ended before its first tick.
    std::optional<int> seconds;
    QDateTime finished;
    ResultWords words;
    bool withClock = true;
};

// <start> <pairs> <afterPairs> <beforeSeconds> <seconds left> <end>, one blank between
// pieces, also where a piece is empty. Without a clock the language lines have no words
// for the seconds played: the program's own translation says them after <afterPairs>.
QString resultLine(const GameResult &result);

// The games of the run, in the order they ended; kept in memory only.
class Results : public QObject
{
    Q_OBJECT
public:
    void add(const GameResult &result);
    const std::vector<GameResult> &all() const { return m_results; }

Q_SIGNALS:
    void added(const GameResult &result);

private:
    std::vector<GameResult> m_results;
};
