// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcements.h"

#include "run/gameclock.h"

#include <QCoreApplication>
#include <algorithm>

namespace
{

// The seconds left that a countdown says of itself.
constexpr int SaidSecondsLeft[] = {30, 10};

} // namespace

QString Announcements::board(const QString &set, int pairs, const GameClock &clock)
{
    if (!clock.countsDown())
        return QCoreApplication::translate("Announcements", "%1, %n pairs, no clock", nullptr,
                                           pairs)
            .arg(set);
    const QString board =
        QCoreApplication::translate("Announcements", "%1, %n pairs", nullptr, pairs).arg(set);
    return QCoreApplication::translate("Announcements", "%1, %n seconds",
                                       "The board, then its time limit", clock.limit())
        .arg(board);
}

QString Announcements::clock(const GameClock &clock)
{
    const std::optional<int> seconds = clock.shownSeconds();
    if (!seconds)
        return {};
    return clock.countsDown()
               ? QCoreApplication::translate("Announcements", "%n seconds left", nullptr, *seconds)
               : QCoreApplication::translate("Announcements", "%n seconds played", nullptr,
                                             *seconds);
}

QString Announcements::pairFound(int found, int pairs)
{
    return QCoreApplication::translate("Announcements", "Pair found, %1 of %2")
        .arg(found)
        .arg(pairs);
}

QString Announcements::missed()
{
    return QCoreApplication::translate("Announcements", "Not a pair");
}

QString Announcements::clockMoment(const GameClock &clock)
{
    const std::optional<int> left = clock.shownSeconds();
    if (!clock.countsDown() || !left)
        return {};
    if (*left == 0)
        return QCoreApplication::translate("Announcements", "Time is up");
    if (std::find(std::begin(SaidSecondsLeft), std::end(SaidSecondsLeft), *left) ==
        std::end(SaidSecondsLeft))
        return {};
    return QCoreApplication::translate("Announcements", "%n seconds left", nullptr, *left);
}

QString Announcements::gameEnd(const GameClock &clock)
{
    const std::optional<int> left = clock.shownSeconds();
    if (!clock.countsDown())
        return Announcements::clock(clock);
    if (left == 0)
        return QCoreApplication::translate("Announcements", "Time ran out");
    return QCoreApplication::translate("Announcements", "Finished with %n seconds left", nullptr,
                                       left.value_or(clock.limit()));
}
