// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourbutton.h"

ColourButton::ColourButton(const QString &caption, QColor background, QWidget *parent)
    : FocusButton(caption, parent)
{
    setBackground(background);
}

void ColourButton::setBackground(QColor background)
{
    m_background = background;
    const QString colour = background.name();
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                 " border: 2px outset #c0c0c0; }"
                                 "QPushButton:pressed { border-style: inset; }"
                                 "QPushButton:disabled { color: #808080; }")
                      .arg(colour));
}
