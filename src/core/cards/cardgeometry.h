// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

// How big a card is and where its picture lands: the one place that the deal, the board's
// layout, the picture loader and the set checker take card sizes from.

// The width in pixels of a card box's frame; the box's inner area, which clips the picture,
// lies inside it.
inline constexpr int CardBoxFrame = 1;

// A card box as the deal sees it: its size in twips, its inner area, which clips the
// picture, in pixels, and the device pixels a pixel of its screen.
struct CardBoxSize {
    int width = 0;
    int height = 0;
    QSize clientSize;
    double devicePixelRatio = 1.0;
};

// The inner area of a card box standing at `boxPixels`, inside its frame of CardBoxFrame
// pixels.
QRect cardInnerRect(const QRect &boxPixels);

// A card box's widget standing at `boxPixels` on a screen of `devicePixelRatio`: its sizes
// read back in twips, its inner area as cardInnerRect gives it.
CardBoxSize cardBoxSize(const QRect &boxPixels, double devicePixelRatio = 1.0);

// The first card box of a board laid out for `pairChoice` on a screen of this size
// (twips), in pixels as its widget will stand, and as the deal sees it.
QRect firstCardBoxPixels(int pairChoice, int screenWidth, int screenHeight);
CardBoxSize firstCardBox(int pairChoice, int screenWidth, int screenHeight,
                         double devicePixelRatio = 1.0);

// Inside a box of the given size: the picture starts one twip in and is as large as the
// box, the selection frame stands 30 twips in and is 100 twips smaller.
QRect cardPictureRect(int boxWidth, int boxHeight);
QRect selectionFrameRect(int boxWidth, int boxHeight);

// Where a picture lies on its card, in twips: as wide as the box, as high as its shape
// asks, centred vertically (a negative top when it is taller than the box).
struct PicturePlacement {
    int width = 0;
    int height = 0;
    int top = 0;
};

// naturalWidth > 0.
PicturePlacement placePicture(int boxWidth, int boxHeight, int naturalWidth, int naturalHeight);

struct CardPictureRequest {
    QString path;
    int boxWidth = 0;  // twips: the card box's width
    int boxHeight = 0; // twips
    int left = 1;      // twips: the picture's left edge within the box
    QSize clientSize;  // pixels: the box's inner area, which clips the picture
    // Device pixels a pixel of the screen that shows the card; fractional too.
    double devicePixelRatio = 1.0;
    // The game's language: of a caption written in several, the one in it is read.
    QString language{};
};

// What the deal asks the loader for when it puts the file at `path` on a box of `box`.
CardPictureRequest cardPictureRequest(const QString &path, const CardBoxSize &box);

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
    // What a screen reader says for the card (see core/pictures/caption.h).
    QString caption;
};

// Where an upright picture of `upright` pixels lies on the card of the request, and the part
// of it the box shows (empty when the picture would show less than a pixel high), as the
// loader places it; nothing is decoded.
CardPicture placeCardPicture(const CardPictureRequest &request, QSize upright);

// Where a card's picture shows within its box's inner area, in pixels: the part `visible`
// of the picture control standing at `geometry`; `image` fills it.
QRect shownPictureRect(const CardPicture &card);

// Screens from 5:4 to 21:9, in logical pixels, that the shipped sets are drawn for and that
// the set checker measures pictures on.
inline constexpr std::array<QSize, 6> CommonScreens = {
    QSize(1280, 1024), QSize(1366, 768),  QSize(1920, 1080),
    QSize(1920, 1200), QSize(2560, 1080), QSize(3840, 2160),
};

// Rows of a picture as fractions of its height from its top edge, 0 <= top <= bottom <= 1.
struct ShownRows {
    double top = 0.0;
    double bottom = 1.0;
    double height() const { return bottom - top; }
};

// The rows of an upright picture of `picture` pixels that every card of the board for
// `pairChoice` on a screen of `screen` logical pixels shows, placed as the deal places it.
ShownRows shownRows(QSize picture, int pairChoice, QSize screen);
