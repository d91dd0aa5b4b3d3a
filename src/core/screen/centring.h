// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>

// Where a window of the given outer size sits centred on a screen, all in twips: each
// difference rounded half to even, then halved toward zero. A window larger than the
// screen gets a negative position.
QPoint centredPosition(double screenWidth, double screenHeight, double windowWidth,
                       double windowHeight);
