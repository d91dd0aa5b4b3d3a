// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameoverpause.h"

#include "screen/twips.h"

double gameOverPauseSeconds(double secondsSinceMidnight)
{
    return double(roundHalfEven(secondsSinceMidnight)) + 2.0 - secondsSinceMidnight;
}
