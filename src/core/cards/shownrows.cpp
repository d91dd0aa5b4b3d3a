// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shownrows.h"

#include "core/cards/boardlayout.h"
#include "core/screen/twips.h"
#include "core/sets/dealing.h"

#include <algorithm>

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
