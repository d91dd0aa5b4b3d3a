// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes.h"

#include <QtEndian>
#include <zlib.h>

void TestRun::writeSet(const QString &set, int pairs, bool onlyFirst,
                       const QByteArray &picture) const
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int p = 0; p < pairs; ++p) {
        for (int half = 1; half <= (onlyFirst ? 1 : 2); ++half) {
            image.fill(half == 1 ? Qt::darkCyan : Qt::darkMagenta);
            const QString name =
                QStringLiteral("%1/%2/%3.png").arg(set).arg(half).arg(p, 2, 10, QChar('0'));
            writeFile(inSets(name), picture.isEmpty() ? encoded(image) : picture);
        }
    }
}

QByteArray withSize(QByteArray png, quint32 width, quint32 height)
{
    qToBigEndian(width, png.data() + 16);
    qToBigEndian(height, png.data() + 20);
    // The checksum covers the chunk's type and data: 17 bytes from offset 12.
    const auto crc = crc32(0, reinterpret_cast<const Bytef *>(png.constData() + 12), 17);
    qToBigEndian(quint32(crc), png.data() + 29);
    return png;
}
