// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// The keyboard's mark on a card: it straddles the card box's edge, so it never hides the
// picture and stays clear of the red selection frame inside.
class CardMark : public QWidget
{
public:
    explicit CardMark(QWidget *parent);
    // Goes around the card box at `box`, in the parent's coordinates; it shows once shown.
    void markBox(const QRect &box);

protected:
    void paintEvent(QPaintEvent *event) override;
};
