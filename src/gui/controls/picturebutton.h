// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/svgpicture.h"
#include "focusbutton.h"

// A button that shows its picture at natural size, centred and clipped, where an icon
// would be shrunk.
class PictureButton : public FocusButton
{
public:
    PictureButton(const QString &svgResource, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SvgPicture m_picture;
};
