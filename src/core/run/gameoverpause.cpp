// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameoverpause.h"

#include "platform/services.h"
#include "screen/twips.h"

namespace
{

constexpr double SecondsPerDay = 86400.0;

} // namespace

void gameOverPause(Clock &clock)
{
    double reading = clock.secondsSinceMidnight();
    const double end = double(roundHalfEven(reading)) + 2.0;
    double dayOffset = 0.0;
    while (reading + dayOffset < end) {
        clock.processEvents();
        const double next = clock.secondsSinceMidnight();
        // A small step back is the clock being set, not midnight.
        if (next < reading - SecondsPerDay / 2)
            dayOffset += SecondsPerDay;
        reading = next;
    }
}
