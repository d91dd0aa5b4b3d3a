// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fitting.h"

#include <algorithm>
#include <cmath>

namespace
{

// The largest windows in logical pixels: the intro, the widest and without a frame, and the
// setup window below a title bar of up to TitleBar pixels, which does not shrink with it.
constexpr QSize Intro(624, 568);
constexpr int SetupHeight = 553;
constexpr int TitleBar = 32;

} // namespace

double fittingScale(QSize available)
{
    const double scale = std::min({double(available.width()) / Intro.width(),
                                   double(available.height()) / Intro.height(),
                                   double(available.height() - TitleBar) / SetupHeight});
    return scale >= 1 ? 1 : std::max(1.0, std::floor(scale * 20)) / 20;
}
