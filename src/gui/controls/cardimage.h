// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

// A card's picture. Only the part its box shows is kept, at the screen's own pixels. A left
// press and release on it is one click; the second press of a double click is none.
// Assistive tools see it as a check box named by its caption, checked while its selection
// frame shows, focused while the keyboard's mark is on it; pressing it there clicks it as
// the mouse does.
class CardImage : public QWidget
{
    Q_OBJECT
public:
    explicit CardImage(QWidget *parent);
    // `visible` is in the picture's own coordinates; `image`, as large as `visible` at its
    // device pixel ratio, is drawn there.
    void setPicture(const QImage &image, const QRect &visible);
    const QPixmap &picture() const { return m_picture; }

    // What a screen reader says for the card.
    void setCaption(const QString &caption) { m_caption = caption; }
    const QString &caption() const { return m_caption; }
    // The card's selection frame: a card is pressed while it shows.
    void setFrame(QWidget *frame) { m_frame = frame; }
    bool isFramed() const { return m_frame && !m_frame->isHidden(); }
    // Tells assistive tools that the frame showed or went.
    void frameChanged();
    // Puts the keyboard's mark on the card or takes it off; assistive tools follow it.
    void setMarked(bool marked);
    bool isMarked() const { return m_marked; }

    // A click as the mouse gives it.
    void click();

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    QRect m_visible;
    QString m_caption;
    QPointer<QWidget> m_frame;
    bool m_pressed = false;
    bool m_marked = false;
};
