// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class GameClock;

// What assistive tools say of the board, in the program's own translations: the language
// lines hold the windows' captions, not words to be spoken.
namespace Announcements
{

// "colores, 6 pairs": what the board plays, and when it has no clock.
QString board(const QString &set, int pairs, bool withClock);
// The clock's seconds with their word; nothing before its first tick.
QString clock(const GameClock &clock);
// The second card of a turn: a pair, and how many of the board's are found.
QString pairFound(int found, int pairs);
QString missed();

} // namespace Announcements
