// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QString>

// A picture of the program's own, drawn from its SVG at the screen's own pixels, so that it
// stays crisp at any device pixel ratio.
class SvgPicture
{
public:
    explicit SvgPicture(const QString &resource);
    // In pixels, as the SVG gives it.
    QSize size() const { return m_size; }
    // The picture at `ratio` device pixels a pixel; drawn anew only when the ratio changes.
    const QPixmap &at(qreal ratio);

private:
    QString m_resource;
    QSize m_size;
    QPixmap m_pixmap;
};
