// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class GameClock;

// What assistive tools say of the board, in the program's own translations: the language
// lines hold the windows' captions, not words to be spoken.
namespace Announcements
{

// "colores, 6 pairs, 61 seconds": what the board plays, and its time or that it has no
// clock. Said as it opens, after the deal started the clock.
QString board(const QString &set, int pairs, const GameClock &clock);
// The clock's seconds with their word; nothing before its first tick.
QString clock(const GameClock &clock);
// What a countdown's last tick brings to say: 30 and 10 seconds left, the time up at 0;
// nothing at the other seconds and nothing without a countdown. The countdown shows each
// second once, so each is said once.
QString clockMoment(const GameClock &clock);
// How the game ended, for the game over: with time left, the time ran out, or the seconds
// played without a clock.
QString gameEnd(const GameClock &clock);
// The second card of a turn: a pair, and how many of the board's are found.
QString pairFound(int found, int pairs);
QString missed();

} // namespace Announcements
