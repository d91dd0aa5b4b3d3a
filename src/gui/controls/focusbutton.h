// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

class QPainter;

// The keyboard's mark: white under black dashes, `width` pixels wide along the inside of
// `rect`, plain on every design colour and on any picture.
void paintFocusMark(QPainter &painter, const QRect &rect, int width);

// A button of the game's windows: Enter and Return press it as Space does, and while it has
// the keyboard focus a mark shows in front of whatever it shows.
class FocusButton : public QPushButton
{
public:
    explicit FocusButton(const QString &caption, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *m_mark;
};
