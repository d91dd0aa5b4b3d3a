// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QtGlobal>

// 1440 twips an inch at 96 logical pixels an inch.
inline constexpr int TwipsPerPixel = 15;

// Nearest pixel of a position in twips; halves go up, also below zero, so that two boxes
// that touch in twips touch on screen.
int twipsToPixels(int twips);

// A box in twips as pixels, each edge rounded on its own.
QRect twipsRect(int left, int top, int width, int height);

// Rounds halves to the even neighbour, as the window placement and the picture top need.
long long roundHalfEven(double value);
