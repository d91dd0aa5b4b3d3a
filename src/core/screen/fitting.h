// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

// How much smaller the whole interface must be drawn so that every fixed-size window lies
// within a screen area of `available` logical pixels: 1 where they fit as they are, else
// the largest factor in steps of 1/20 that makes them fit.
double fittingScale(QSize available);
