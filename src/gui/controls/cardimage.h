// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>

// A card's picture. Only the part its box shows is kept, at the screen's own pixels. A left
// press and release on it is one click; the second press of a double click is none.
class CardImage : public QWidget
{
public:
    explicit CardImage(QWidget *parent);
    // `visible` is in the picture's own coordinates; `image`, as large as `visible` at its
    // device pixel ratio, is drawn there.
    void setPicture(const QImage &image, const QRect &visible);
    const QPixmap &picture() const { return m_picture; }

    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    QRect m_visible;
    bool m_pressed = false;
};
