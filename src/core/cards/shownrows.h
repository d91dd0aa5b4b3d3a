// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <array>

// Screens from 5:4 to 21:9, in logical pixels, that the shipped sets are drawn for and that
// the set checker measures pictures on.
inline constexpr std::array<QSize, 6> CommonScreens = {
    QSize(1280, 1024), QSize(1366, 768),  QSize(1920, 1080),
    QSize(1920, 1200), QSize(2560, 1080), QSize(3840, 2160),
};

// Rows of a picture as fractions of its height from its top edge, 0 <= top <= bottom <= 1.
struct ShownRows {
    double top = 0.0;
    double bottom = 1.0;
    double height() const { return bottom - top; }
};

// The rows of an upright picture of `picture` pixels that every card of the board for
// `pairChoice` on a screen of `screen` logical pixels shows, placed as the deal places it.
ShownRows shownRows(QSize picture, int pairChoice, QSize screen);
