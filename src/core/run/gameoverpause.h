// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How long the game-over window waits before it shows its texts, from the clock's reading
// in seconds since midnight: until two seconds past the reading rounded half to even, so
// between 1.5 and 2.5 seconds.
double gameOverPauseSeconds(double secondsSinceMidnight);
