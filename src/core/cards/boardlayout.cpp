// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardlayout.h"

#include "rules/paircounts.h"

#include <array>
#include <cmath>

namespace
{

constexpr std::array<GridSpec, PairCounts::ChoiceCount> Grids = {{
    {4, 3, 150},
    {5, 4, 125},
    {6, 4, 115},
    {6, 5, 100},
    {7, 6, 90},
    {8, 7, 80},
    {9, 8, 70},
}};

// Every board is full: its grid holds exactly the cards of its pair count.
constexpr bool gridsHoldThePairs()
{
    for (std::size_t i = 0; i < Grids.size(); ++i) {
        if (Grids[i].columns * Grids[i].rows != 2 * PairCounts::PairsForChoice[i])
            return false;
    }
    return true;
}
static_assert(gridsHoldThePairs(), "a grid does not match its pair count");

} // namespace

GridSpec gridFor(int pairChoice)
{
    return Grids[std::size_t(pairChoice)];
}

BoardGeometry layoutBoard(int pairChoice, int screenWidth, int screenHeight)
{
    const GridSpec grid = gridFor(pairChoice);
    BoardGeometry geometry;
    geometry.cellWidth = int(std::floor(double(screenWidth) / grid.columns)) - grid.gap;
    geometry.cellHeight = int(std::floor(double(screenHeight) / grid.rows)) - grid.gap;
    const int cards = 2 * PairCounts::pairsFor(pairChoice);
    geometry.boxes.reserve(std::size_t(cards));
    for (int k = 0; k < cards; ++k) {
        geometry.boxes.emplace_back(BoardOriginLeft + (k % grid.columns) * geometry.cellWidth,
                                    BoardOriginTop + (k / grid.columns) * geometry.cellHeight,
                                    geometry.cellWidth, geometry.cellHeight);
    }
    return geometry;
}
