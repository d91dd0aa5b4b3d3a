// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourbutton.h"

#include "look/colours.h"

ColourButton::ColourButton(const QString &caption, QColor background, QWidget *parent, QColor text)
    : FocusButton(caption, parent), m_text(text)
{
    setBackground(background);
}

void ColourButton::setBackground(QColor background)
{
    m_background = background;
    const QString colour = background.name();
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2;"
                                 " border: 2px outset #c0c0c0; }"
                                 "QPushButton:pressed { border-style: inset; }"
                                 "QPushButton:checked { border: 8px solid black; }"
                                 "QPushButton:disabled { color: %3; }")
                      .arg(colour, m_text.name(), Colours::DisabledText.name()));
}
