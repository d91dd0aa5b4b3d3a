// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether a set can be dealt, and why not: the player is told the reason.
enum class DealCheck {
    Dealable,
    // No folder by that name: none was ever there, or it was deleted or moved away; also a
    // name that names no set (empty, "..", holding a "/").
    Missing,
    // A pair folder is missing or cannot be read.
    Unreadable,
    // The pair folders can be read but hold no pair.
    Empty,
    // No pair whose two pictures both load.
    NoPairShows,
    // No pair found whose two pictures both load within the time a check may take: folders
    // of thousands of files that are no pictures, or a share that hardly answers.
    TooSlow,
    // Stopped before it knew.
    Cancelled,
};
