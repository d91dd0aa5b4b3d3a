// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/svgpicture.h"

#include <QLabel>

// A picture of the window's design at its natural size, placed in its box by the alignment
// and clipped by it; clicks go through to what lies beneath.
class PictureLabel : public QLabel
{
public:
    PictureLabel(const QString &svgResource, Qt::Alignment alignment, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SvgPicture m_picture;
};
