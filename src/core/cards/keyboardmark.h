// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

// The keyboard's mark on the board: the arrow keys move it over the cards that can still
// be clicked, row by row from the top left, wrapping at the grid's ends.
enum class MarkMove { Left, Right, Up, Down };

// The card the mark moves to from card `from` (-1 while no card is marked) on a grid of
// `columns`, where clickable[k] tells whether card k can still be clicked. With no mark
// yet, any move marks the first clickable card. Left and Right step to the previous or
// next clickable card; Up and Down to the nearest clickable card in the closest row above
// or below that has one. Stays on `from` when no other card can be reached; -1 when no
// card is clickable and none was marked.
int moveCardMark(int from, MarkMove move, int columns, const std::vector<bool> &clickable);
