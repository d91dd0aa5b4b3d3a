#pragma once

#include "board/pictureplacement.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

struct CardPictureRequest {
    QString path;
    int boxWidth = 0;  // twips: the card box's width
    int boxHeight = 0; // twips
    int left = 1;      // twips: the picture's left edge within the box
    QSize clientSize;  // pixels: the box's inner area, which clips the picture
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
    // That part, decoded at the size it is shown.
    QImage image;
};

// Decoding needs at most this much memory for a picture, or it does not load.
inline constexpr qint64 MaxDecodeBytes = 256ll * 1024 * 1024;

// Where an upright picture of `upright` pixels lies on the card of the request, and the part
// of it the box shows (empty when the picture would show less than a pixel high), as the
// loader places it; nothing is decoded.
CardPicture placeCardPicture(const CardPictureRequest &request, QSize upright);

// Decodes the pictures of a board on all cores, each at the size its card shows it and no
// more of it than its box shows. A picture that cannot be decoded, that would show less
// than one pixel high, or that would need more than MaxDecodeBytes does not load.
std::vector<CardPicture> loadCardPictures(const std::vector<CardPictureRequest> &requests);

// The card background at its natural size; null when it cannot be loaded.
QImage loadBackground(const QString &path);
