// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "twips.h"

#include <cmath>

int twipsToPixels(int twips)
{
    return static_cast<int>(std::floor(twips / double(TwipsPerPixel) + 0.5));
}

QRect twipsRect(int left, int top, int width, int height)
{
    const int l = twipsToPixels(left);
    const int t = twipsToPixels(top);
    return QRect(l, t, twipsToPixels(left + width) - l, twipsToPixels(top + height) - t);
}

long long roundHalfEven(double value)
{
    return static_cast<long long>(std::nearbyint(value));
}
