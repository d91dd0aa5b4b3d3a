// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/pictures/pictureloader.h"
#include "core/platform/services.h"

#include <QString>
#include <QStringList>
#include <vector>

// The files of a set's two pair folders; pair p is file p of each.
struct SetFiles {
    QStringList first;
    QStringList second;
    QString firstFolder;
    QString secondFolder;
    // Pairs that both folders can serve.
    int pairs() const { return int(std::min(first.size(), second.size())); }
};
SetFiles listSetFiles(const QString &setFolder);

// The draws of one deal: `pairCount` different pair numbers out of `pictures`, in the
// order drawn, then a random order of all 2 × `boardPairs` card positions. Every picture
// draw comes before every position draw, and a value drawn before is drawn again.
struct DealDraws {
    std::vector<int> chosen;
    std::vector<int> order;
};
DealDraws drawDeal(int pairCount, int pictures, int boardPairs, Random &random);

// A card box as the deal sees it: its size in twips, its inner area, which clips the
// picture, in pixels, and the device pixels a pixel of its screen.
struct CardBoxSize {
    int width = 0;
    int height = 0;
    QSize clientSize;
    double devicePixelRatio = 1.0;
};

// A card box's widget standing at `boxPixels` on a screen of `devicePixelRatio`: its sizes
// read back in twips, its inner area inside a frame of CardBoxFrame pixels.
CardBoxSize cardBoxSize(const QRect &boxPixels, double devicePixelRatio = 1.0);

// What the deal asks the loader for when it puts the file at `path` on a box of `box`.
CardPictureRequest cardPictureRequest(const QString &path, const CardBoxSize &box);

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

// Deals the set in `setFolder` on a board of `boxes`, one a card position, all positions
// in the shuffle whatever the set holds; the pictures load as `options` say.
DealOutcome dealCards(const QString &setFolder, const std::vector<CardBoxSize> &boxes,
                      Random &random, const LoadOptions &options = {});

// The first card box of a board laid out for `pairChoice` on a screen of this size
// (twips), as its widget will stand.
CardBoxSize firstCardBox(int pairChoice, int screenWidth, int screenHeight);

// Whether a board of this set would show at least one pair: a pair whose two pictures both
// load as the deal loads them, on a box of this size. What it decodes is kept for the deal.
bool canDealAPair(const QString &setName, const CardBoxSize &box);
