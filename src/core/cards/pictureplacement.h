// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a picture lies on its card, in twips: as wide as the box, as high as its shape
// asks, centred vertically (a negative top when it is taller than the box).
struct PicturePlacement {
    int width = 0;
    int height = 0;
    int top = 0;
};

// naturalWidth > 0.
PicturePlacement placePicture(int boxWidth, int boxHeight, int naturalWidth, int naturalHeight);
