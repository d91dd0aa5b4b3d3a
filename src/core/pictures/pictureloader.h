// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/cards/pictureplacement.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class PictureCache;

struct CardPictureRequest {
    QString path;
    int boxWidth = 0;  // twips: the card box's width
    int boxHeight = 0; // twips
    int left = 1;      // twips: the picture's left edge within the box
    QSize clientSize;  // pixels: the box's inner area, which clips the picture
    // Device pixels a pixel of the screen that shows the card; fractional too.
    double devicePixelRatio = 1.0;
};

struct CardPicture {
    bool loaded = false;
    // Twips, as the picture appears upright.
    int naturalWidth = 0;
    int naturalHeight = 0;
    PicturePlacement placement;
    // Pixels: the picture control within the box's inner area.
    QRect geometry;
    // Pixels, in the control's own coordinates: the part the inner area shows.
    QRect visible;
    // That part, decoded at the screen's own pixels: its device pixel ratio is the
    // request's, so that it is drawn without scaling.
    QImage image;
};

// Decoding holds at most this much memory at a time, whatever the number of cores; a
// picture that alone needs more does not load.
inline constexpr qint64 DecodeBudgetBytes = 512ll * 1024 * 1024;

// How much of the machine decoding takes, for the whole run.
struct DecodeLimits {
    int threads = 0; // 0: one a core
    qint64 budgetBytes = DecodeBudgetBytes;
};
DecodeLimits &decodeLimits();

// Where an upright picture of `upright` pixels lies on the card of the request, and the part
// of it the box shows (empty when the picture would show less than a pixel high), as the
// loader places it; nothing is decoded.
CardPicture placeCardPicture(const CardPictureRequest &request, QSize upright);

// The memory that decoding the request's picture holds at its peak, as the budget counts it;
// -1 when the file's header does not read.
qint64 decodeBytesFor(const CardPictureRequest &request);

struct LoadOptions {
    // Pictures kept from earlier boards: used where they serve, filled with what is decoded.
    PictureCache *cache = nullptr;
    // When set, the calling thread only waits, and calls this now and then meanwhile.
    std::function<void()> whileWaiting;
};

// Decodes the pictures of a board, several at once, each at the size its card shows it and
// no more of it than its box shows. A picture that cannot be decoded, that would show less
// than one pixel high, or that alone would need more than the decoding budget does not
// load.
std::vector<CardPicture> loadCardPictures(const std::vector<CardPictureRequest> &requests,
                                          const LoadOptions &options = {});

// The part of the card background that a box's inner area of `boxSize` pixels shows: the
// picture at its natural size from the top left, at the screen's own pixels. Null when it
// cannot be loaded.
QImage loadBackground(const QString &path, QSize boxSize, double devicePixelRatio = 1.0,
                      PictureCache *cache = nullptr);
