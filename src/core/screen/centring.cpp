// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "centring.h"

#include "screen/twips.h"

namespace
{

int centredOffset(double screen, double window)
{
    return int(roundHalfEven(screen - window) / 2);
}

} // namespace

QPoint centredPosition(double screenWidth, double screenHeight, double windowWidth,
                       double windowHeight)
{
    return {centredOffset(screenWidth, windowWidth), centredOffset(screenHeight, windowHeight)};
}
