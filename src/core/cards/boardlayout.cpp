// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardlayout.h"

#include "core/game/choices.h"

#include <array>
#include <cmath>

GridSpec gridFor(int pairChoice)
{
    static constexpr std::array<GridSpec, Module1::PairChoiceCount> grids = {{
        {4, 3, 150},
        {5, 4, 125},
        {6, 4, 115},
        {6, 5, 100},
        {7, 6, 90},
        {8, 7, 80},
        {9, 8, 70},
    }};
    return grids[std::size_t(pairChoice)];
}

BoardGeometry layoutBoard(int pairChoice, int screenWidth, int screenHeight)
{
    const GridSpec grid = gridFor(pairChoice);
    BoardGeometry geometry;
    geometry.cellWidth = int(std::floor(double(screenWidth) / grid.columns)) - grid.gap;
    geometry.cellHeight = int(std::floor(double(screenHeight) / grid.rows)) - grid.gap;
    const int cards = 2 * Module1::pairsFor(pairChoice);
    geometry.boxes.reserve(std::size_t(cards));
    for (int k = 0; k < cards; ++k) {
        geometry.boxes.emplace_back(BoardOriginLeft + (k % grid.columns) * geometry.cellWidth,
                                    BoardOriginTop + (k / grid.columns) * geometry.cellHeight,
                                    geometry.cellWidth, geometry.cellHeight);
    }
    return geometry;
}

QRect cardPictureRect(int boxWidth, int boxHeight)
{
    return QRect(1, 1, boxWidth, boxHeight);
}

QRect selectionFrameRect(int boxWidth, int boxHeight)
{
    return QRect(30, 30, boxWidth - 100, boxHeight - 100);
}
