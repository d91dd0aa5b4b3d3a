// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cards/dealtcards.h"
#include "pictures/pictureloader.h"
#include "platform/services.h"
#include "rules/dealcheck.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
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

// A deal drawn and not yet loaded: request 2i and 2i + 1 are the pictures of pair
// draws.chosen[i].
struct DealPlan {
    DealDraws draws;
    std::vector<CardPictureRequest> requests;
};

// Draws a deal of the set in `setFolder` on a board of `boxes`, one a card position, all
// positions in the shuffle whatever the set holds; the cards are captioned in `language`.
DealPlan planDeal(const QString &setFolder, const std::vector<CardBoxSize> &boxes, Random &random,
                  const QString &language);
// The deal once its pictures, one a request, have loaded.
DealOutcome finishDeal(const DealPlan &plan, std::vector<CardPicture> pictures);

// What the set's folders alone say, without decoding: Dealable when they hold a pair to try.
DealCheck checkSetFolders(const QString &setFolder);

// Whether a board of the set in `setFolder` would show at least one pair: a pair whose two
// pictures both load as the deal loads them, on a box of this size. What it decodes is kept
// in `cache` for the deal. With `stop`, it gives up between pairs once that says so.
DealCheck checkSet(const QString &setFolder, const CardBoxSize &box, PictureCache &cache,
                   const std::function<bool()> &stop = {});
// The same on a thread of its own; `cache` must outlive the check. Cancelling the future
// stops it after the pair it is loading; a check still looking for a pair after `within`
// gives up there too, with TooSlow.
QFuture<DealCheck> startCheckingSet(const QString &setFolder, const CardBoxSize &box,
                                    PictureCache &cache, std::chrono::milliseconds within);
