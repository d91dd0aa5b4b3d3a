// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QPixmap>

// A card box: a flat one-pixel border around an inner area that shows the background
// picture unscaled from its top left, clipped. The card's picture and frame live in the
// inner area, whose coordinates they are placed in.
class CardBox : public QFrame
{
public:
    explicit CardBox(QWidget *parent);
    QWidget *inner() const { return m_inner; }
    void setBackground(const QPixmap &background);
    const QPixmap &background() const { return m_background; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *m_inner;
    QPixmap m_background;
};
