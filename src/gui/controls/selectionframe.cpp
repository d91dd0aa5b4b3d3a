// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "selectionframe.h"

#include "look/colours.h"

#include <QPainter>

SelectionFrame::SelectionFrame(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SelectionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Colours::SelectionFrame);
    const QRect r = rect();
    constexpr int w = 4;
    painter.drawRect(0, 0, r.width(), w);
    painter.drawRect(0, r.height() - w, r.width(), w);
    painter.drawRect(0, w, w, r.height() - 2 * w);
    painter.drawRect(r.width() - w, w, w, r.height() - 2 * w);
}
