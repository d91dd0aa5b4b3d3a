// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes.h"

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
