// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <Qt>

class QWidget;

// Arial at a design's point size, bold unless told otherwise.
QFont designFont(double points, bool bold = true);

// Fills a window's background, or a list's or text box's (QPalette::Base), with a design
// colour.
void setBackgroundColour(QWidget *widget, const QColor &colour,
                         QPalette::ColorRole role = QPalette::Window);

// The title-bar buttons of a window with only the usual close box.
inline constexpr Qt::WindowFlags CloseBoxOnly =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
