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
    // Marks the card box at `box`, in the parent's coordinates.
    void markBox(const QRect &box);

protected:
    void paintEvent(QPaintEvent *event) override;
};
