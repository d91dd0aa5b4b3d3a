// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// How far apart two sRGB colours look to a person with ordinary colour vision: CIEDE2000
// on CIELAB under a D65 white. About 1 is the least difference one notices side by side.
double colourDifference(const QColor &a, const QColor &b);

// The colour set's swatches lie at least this far apart, so that none needs a second look.
constexpr double MinimumColourDifference = 25;

// The contrast of two sRGB colours as WCAG measures it, from 1 (the same) to 21 (black and
// white): the lighter's relative luminance plus 0.05 over the darker's plus 0.05.
double contrastRatio(const QColor &a, const QColor &b);

// What WCAG asks of text against its background, so that a player who sees poorly reads it.
constexpr double MinimumTextContrast = 4.5;
