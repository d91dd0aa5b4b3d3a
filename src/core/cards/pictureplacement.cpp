// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictureplacement.h"

#include "core/screen/twips.h"

#include <cmath>

PicturePlacement placePicture(int boxWidth, int boxHeight, int naturalWidth, int naturalHeight)
{
    PicturePlacement p;
    p.width = boxWidth;
    p.height = int(std::floor(double(p.width) * naturalHeight / naturalWidth));
    // Rounded first, then halved toward zero, as an integer division does.
    p.top = int(roundHalfEven(boxHeight - p.height)) / 2;
    return p;
}
