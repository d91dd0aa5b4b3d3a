// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The program-wide variables, alive for the whole run.
namespace PairCounts
{

// Index 0 to 6 of the chosen pair-count button.
extern std::uint8_t PairChoice;
// The name accepted in the name-entry window, untrimmed.
extern QString PlayerName;

inline constexpr int ChoiceCount = 7;
inline constexpr std::array<int, ChoiceCount> PairsForChoice = {6, 10, 12, 15, 21, 28, 36};

// Cards on the largest board.
inline constexpr int MaxCards = 2 * PairsForChoice[ChoiceCount - 1];

// Pairs that a pair-count index stands for; 0 <= choice < ChoiceCount.
inline int pairsFor(int choice)
{
    return PairsForChoice[std::size_t(choice)];
}

// Back to the start of a run, for tests that play several runs in one process.
void reset();

} // namespace PairCounts
