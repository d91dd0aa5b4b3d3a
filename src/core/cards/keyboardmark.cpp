// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboardmark.h"

#include <cstdlib>

int moveCardMark(int from, MarkMove move, int columns, const std::vector<bool> &clickable)
{
    const int cards = int(clickable.size());
    auto canClick = [&](int k) { return clickable[std::size_t(k)]; };
    if (from < 0 || from >= cards) {
        for (int k = 0; k < cards; ++k) {
            if (canClick(k))
                return k;
        }
        return -1;
    }
    if (move == MarkMove::Left || move == MarkMove::Right) {
        const int step = move == MarkMove::Right ? 1 : cards - 1;
        for (int k = (from + step) % cards; k != from; k = (k + step) % cards) {
            if (canClick(k))
                return k;
        }
        return from;
    }
    const int rows = (cards + columns - 1) / columns;
    const int row = from / columns;
    const int column = from % columns;
    const int step = move == MarkMove::Down ? 1 : rows - 1;
    for (int r = (row + step) % rows; r != row; r = (r + step) % rows) {
        int best = -1;
        for (int c = 0; c < columns; ++c) {
            const int k = r * columns + c;
            if (k < cards && canClick(k) &&
                (best < 0 || std::abs(c - column) < std::abs(best % columns - column)))
                best = k;
        }
        if (best >= 0)
            return best;
    }
    return from;
}
