// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturelabel.h"

PictureLabel::PictureLabel(const QString &svgResource, Qt::Alignment alignment, QWidget *parent)
    : QLabel(parent), m_picture(svgResource)
{
    setPixmap(m_picture.at(devicePixelRatioF()));
    setAlignment(alignment);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureLabel::paintEvent(QPaintEvent *event)
{
    // The window may have moved to a screen of another pixel density.
    const qreal ratio = devicePixelRatioF();
    if (pixmap().devicePixelRatio() != ratio)
        setPixmap(m_picture.at(ratio));
    QLabel::paintEvent(event);
}
