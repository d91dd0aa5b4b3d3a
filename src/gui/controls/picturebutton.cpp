// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebutton.h"

#include <QPainter>

PictureButton::PictureButton(const QString &svgResource, QWidget *parent)
    : FocusButton(QString(), parent), m_picture(svgResource)
{
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paintEvent(QPaintEvent *event)
{
    FocusButton::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(rect());
    const QSize size = m_picture.size();
    painter.drawPixmap(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2),
                       m_picture.at(devicePixelRatioF()));
}
