// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>

// The seven pair counts a game can have, by the index of their button.
namespace PairCounts
{

inline constexpr int ChoiceCount = 7;
inline constexpr std::array<int, ChoiceCount> PairsForChoice = {6, 10, 12, 15, 21, 28, 36};

// The count the setup window chooses as it opens: 12 pairs.
inline constexpr int DefaultChoice = 2;

// Cards on the largest board.
inline constexpr int MaxCards = 2 * PairsForChoice[ChoiceCount - 1];

// Pairs that a pair-count index stands for; 0 <= choice < ChoiceCount.
inline int pairsFor(int choice)
{
    return PairsForChoice[std::size_t(choice)];
}

} // namespace PairCounts
