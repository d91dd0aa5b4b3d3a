// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "svgpicture.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

SvgPicture::SvgPicture(const QString &resource)
    : m_resource(resource), m_size(QSvgRenderer(resource).defaultSize())
{
}

const QPixmap &SvgPicture::at(qreal ratio)
{
    if (!m_pixmap.isNull() && m_pixmap.devicePixelRatio() == ratio)
        return m_pixmap;
    QSvgRenderer renderer(m_resource);
    m_pixmap =
        QPixmap(int(std::ceil(m_size.width() * ratio)), int(std::ceil(m_size.height() * ratio)));
    m_pixmap.setDevicePixelRatio(ratio);
    m_pixmap.fill(Qt::transparent);
    QPainter painter(&m_pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(m_size)));
    return m_pixmap;
}
