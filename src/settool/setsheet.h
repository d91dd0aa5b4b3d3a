// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "setcheck.h"

#include <QImage>
#include <QSize>
#include <vector>

// The board whose cards the sheet shows: a pair-count index and a screen in logical pixels.
struct SheetBoard {
    int pairChoice = 6;
    QSize screen = QSize(1920, 1080);
};

// Sets drawn on one sheet at most this many pairs each; the board never deals more than 36.
inline constexpr int SheetPairsPerSet = 120;

// For each set, its pairs side by side: the pair number, each picture in a card box of the
// board as the board shows it (clipped, over the card background `background` when it is
// not null), and the two file names below.
QImage drawSheet(const std::vector<SetReport> &reports, const SheetBoard &board,
                 const QImage &background);
// Writes the sheet as PNG to a temporary file that replaces `file` only once complete: a
// full disk leaves an earlier sheet as it was.
bool saveSheet(const QImage &sheet, const QString &file);
