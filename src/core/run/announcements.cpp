// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcements.h"

#include "run/gameclock.h"

#include <QCoreApplication>

QString Announcements::board(const QString &set, int pairs, bool withClock)
{
    return (withClock ? QCoreApplication::translate("Announcements", "%1, %n pairs", nullptr, pairs)
                      : QCoreApplication::translate("Announcements", "%1, %n pairs, no clock",
                                                    nullptr, pairs))
        .arg(set);
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
