// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardgeometry.h"

#include "cards/boardlayout.h"
#include "screen/twips.h"

#include <algorithm>
#include <cmath>

QRect cardInnerRect(const QRect &boxPixels)
{
    return boxPixels.adjusted(CardBoxFrame, CardBoxFrame, -CardBoxFrame, -CardBoxFrame);
}

CardBoxSize cardBoxSize(const QRect &boxPixels, double devicePixelRatio)
{
    return {boxPixels.width() * TwipsPerPixel, boxPixels.height() * TwipsPerPixel,
            cardInnerRect(boxPixels).size(), devicePixelRatio};
}

QRect firstCardBoxPixels(int pairChoice, int screenWidth, int screenHeight)
{
    const QRect box = layoutBoard(pairChoice, screenWidth, screenHeight).boxes.front();
    return twipsRect(box.x(), box.y(), box.width(), box.height());
}

CardBoxSize firstCardBox(int pairChoice, int screenWidth, int screenHeight, double devicePixelRatio)
{
    return cardBoxSize(firstCardBoxPixels(pairChoice, screenWidth, screenHeight), devicePixelRatio);
}

QRect cardPictureRect(int boxWidth, int boxHeight)
{
    return QRect(1, 1, boxWidth, boxHeight);
}

QRect selectionFrameRect(int boxWidth, int boxHeight)
{
    return QRect(30, 30, boxWidth - 100, boxHeight - 100);
}

PicturePlacement placePicture(int boxWidth, int boxHeight, int naturalWidth, int naturalHeight)
{
    PicturePlacement p;
    p.width = boxWidth;
    p.height = int(std::floor(double(p.width) * naturalHeight / naturalWidth));
    // Rounded first, then halved toward zero, as an integer division does.
    p.top = int(roundHalfEven(boxHeight - p.height)) / 2;
    return p;
}

CardPictureRequest cardPictureRequest(const QString &path, const CardBoxSize &box)
{
    CardPictureRequest r;
    r.path = path;
    r.boxWidth = box.width;
    r.boxHeight = box.height;
    r.left = cardPictureRect(box.width, box.height).left();
    r.clientSize = box.clientSize;
    r.devicePixelRatio = box.devicePixelRatio;
    return r;
}

CardPicture placeCardPicture(const CardPictureRequest &request, QSize upright)
{
    CardPicture card;
    card.naturalWidth = upright.width() * TwipsPerPixel;
    card.naturalHeight = upright.height() * TwipsPerPixel;
    card.placement =
        placePicture(request.boxWidth, request.boxHeight, card.naturalWidth, card.naturalHeight);
    card.geometry =
        twipsRect(request.left, card.placement.top, card.placement.width, card.placement.height);
    // A picture shown less than a pixel high is no card a player could see.
    if (card.placement.height < TwipsPerPixel || card.geometry.width() < 1 ||
        card.geometry.height() < 1)
        return card;
    card.visible = card.geometry.intersected(QRect(QPoint(0, 0), request.clientSize))
                       .translated(-card.geometry.topLeft());
    return card;
}

QRect shownPictureRect(const CardPicture &card)
{
    return card.visible.translated(card.geometry.topLeft());
}

ShownRows shownRows(QSize picture, int pairChoice, QSize screen)
{
    ShownRows rows;
    const BoardGeometry board =
        layoutBoard(pairChoice, screen.width() * TwipsPerPixel, screen.height() * TwipsPerPixel);
    // Boxes of one size in twips differ by a pixel on screen, as their edges round apart.
    for (const QRect &box : board.boxes) {
        const QRect pixels = twipsRect(box.x(), box.y(), box.width(), box.height());
        const CardPicture card =
            placeCardPicture(cardPictureRequest(QString(), cardBoxSize(pixels)), picture);
        if (card.visible.isEmpty())
            return {0.0, 0.0};
        const double height = card.geometry.height();
        rows.top = std::max(rows.top, card.visible.top() / height);
        rows.bottom = std::min(rows.bottom, (card.visible.bottom() + 1) / height);
    }
    return rows;
}
