// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cards/cardgeometry.h"

#include <QString>
#include <vector>

struct DealtCard {
    int position = 0;
    // The pair number as decimal text: two cards make a pair when their keys are equal.
    QString key;
    CardPicture picture;
};

// A pair drawn for the board whose two pictures did not both load.
struct LeftOutPair {
    int pair = 0;
    bool firstLoaded = false;
    bool secondLoaded = false;
};

// What a deal puts on the board. The set's pairs (both folders counted) cap the pairs in
// play; a pair shows whole or not at all, so that every game can be completed, and
// `pairCount` counts only the pairs dealt whole.
struct DealOutcome {
    int pairCount = 0;
    std::vector<DealtCard> cards;
    std::vector<LeftOutPair> leftOut;
};
