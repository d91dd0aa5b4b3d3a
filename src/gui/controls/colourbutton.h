// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "focusbutton.h"
#include <QColor>

// A button drawn in graphical style: its background colour shows, also while disabled,
// when only its text turns grey. Checked, a thick black border says so without colour.
class ColourButton : public FocusButton
{
public:
    ColourButton(const QString &caption, QColor background, QWidget *parent,
                 QColor text = Qt::black);

    QColor background() const { return m_background; }
    QColor textColour() const { return m_text; }
    void setBackground(QColor background);

private:
    QColor m_background;
    QColor m_text;
};
