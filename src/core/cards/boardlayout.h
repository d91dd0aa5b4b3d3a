// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <vector>

// The card grid of a board, all in twips.
struct GridSpec {
    int columns;
    int rows;
    int gap;
};

// 0 <= pairChoice < 7.
GridSpec gridFor(int pairChoice);

// Where card 0's box stands; the grid grows from it to the right and down.
inline constexpr int BoardOriginLeft = 360;
inline constexpr int BoardOriginTop = 360;

struct BoardGeometry {
    int cellWidth = 0;
    int cellHeight = 0;
    // Card box k, row by row from the top left; 2 × pairs of them.
    std::vector<QRect> boxes;
};

// The boxes tile the grid without space between them: the gap only makes each cell
// smaller than its share of the screen, so the grid never reaches the screen's edges.
BoardGeometry layoutBoard(int pairChoice, int screenWidth, int screenHeight);
