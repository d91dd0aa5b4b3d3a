// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardimage.h"

#include <QMouseEvent>
#include <QPainter>

CardImage::CardImage(QWidget *parent) : QWidget(parent) {}

void CardImage::setPicture(const QImage &image, const QRect &visible)
{
    m_picture = QPixmap::fromImage(image);
    m_visible = visible;
    update();
}

void CardImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    // The picture holds the screen's own pixels: drawn as it is, unscaled.
    QPainter painter(this);
    painter.drawPixmap(m_visible.topLeft(), m_picture);
}

void CardImage::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void CardImage::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click && onClick)
        onClick();
}

void CardImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}
