// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cards/cardgeometry.h"

#include <QFuture>
#include <QIODevice>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

class PictureCache;

// All decoding together holds at most this much memory at a time, whatever the number of
// cores; a picture that alone needs more does not load, nor does a file larger than this
// (its pixels, stored plainly or compressed, take at least as much), which is refused
// before any of it is read. It decodes on threads of its own,
// one a core the process may run on.
inline constexpr qint64 DecodeBudgetBytes = 512ll * 1024 * 1024;

// What a load allows each of its pictures.
struct DecodeLimits {
    // A picture whose decoding alone needs more does not load; no more than
    // DecodeBudgetBytes counts.
    qint64 pictureBytes = DecodeBudgetBytes;
};

// The memory that decoding the request's picture holds at its peak, as the budget counts it;
// -1 when the file's header does not read.
qint64 decodeBytesFor(const CardPictureRequest &request);

// Decodes the pictures of a board, several at once, each at the size its card shows it and
// no more of it than its box shows; pictures kept in `cache` are used where they serve,
// and what is decoded is kept there. With `sharedThumbnails` the desktop's thumbnails serve
// too (never one smaller than the card), and pictures decoded leave thumbnails behind: held in
// the cache's writer until the board shows, written at once without a cache. Each file is
// opened once, its caption read with its picture. A picture that cannot be decoded, that would
// show less than one pixel high, or that alone would need more than the decoding budget does not
// load.
std::vector<CardPicture> loadCardPictures(const std::vector<CardPictureRequest> &requests,
                                          PictureCache *cache = nullptr,
                                          bool sharedThumbnails = false, DecodeLimits limits = {});

// The same, on the decoding threads while the caller goes on: the future's results come in
// the order of the requests, its progress counts the pictures done.
QFuture<CardPicture> startLoadingCardPictures(const std::vector<CardPictureRequest> &requests,
                                              PictureCache *cache = nullptr,
                                              bool sharedThumbnails = false,
                                              DecodeLimits limits = {});

// The part of the card background that a box's inner area of `boxSize` pixels shows: the
// picture at its natural size from the top left, at the screen's own pixels. Null when it
// cannot be loaded.
QImage loadBackground(const QString &path, QSize boxSize, double devicePixelRatio = 1.0,
                      PictureCache *cache = nullptr);

// A whole picture for a copy of it: upright, scaled down (never up) to at most `longSide`
// pixels on its long side, decoded within the decoding budget as a card's picture is.
struct ScaledPicture {
    QImage image;
    // The whole picture's size, upright; invalid when its header does not read.
    QSize upright;
    // As the decoder names it: "jpeg", "png" ...
    QByteArray format;
    // What decoding it needs; over DecodeBudgetBytes it is not decoded.
    qint64 neededBytes = 0;
    // Why the decoder gave no picture.
    QString error;
};
// Reads `device`, open, from its start; `name` names it in the log.
ScaledPicture loadScaledPicture(QIODevice &device, int longSide, const QString &name);
