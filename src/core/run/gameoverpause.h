// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Clock;

// Handles pending events until the clock reads two seconds past its first reading rounded
// half to even, so between 1.5 and 2.5 seconds. A reading that falls back by more than
// half a day has passed midnight and counts on from 86400.
void gameOverPause(Clock &clock);
