// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardmark.h"

#include "focusbutton.h"

#include <QPainter>

namespace
{

constexpr int MarkWidth = 4;

} // namespace

CardMark::CardMark(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void CardMark::markBox(const QRect &box)
{
    constexpr int half = MarkWidth / 2;
    setGeometry(box.adjusted(-half, -half, half, half));
    raise();
}

void CardMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintFocusMark(painter, rect(), MarkWidth);
}
