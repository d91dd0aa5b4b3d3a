// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// The red selection frame, 4 pixels wide; clicks pass through it to the picture.
class SelectionFrame : public QWidget
{
public:
    explicit SelectionFrame(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
