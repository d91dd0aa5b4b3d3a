// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as the shared thumbnail of a picture: read as a board would look for it.
#include "pictures/thumbnails.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir cache;
    static const Thumbnails::Source source = [] {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
        return Thumbnails::sourceOf(QStringLiteral("/fuzz/07.jpg"), 1700000000, 5000,
                                    QSize(640, 480));
    }();
    static const QString path =
        cache.path() + QStringLiteral("/thumbnails/normal/") +
        QCryptographicHash::hash(source.uri, QCryptographicHash::Md5).toHex() +
        QStringLiteral(".png");
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    const QImage found = Thumbnails::find(source, QSize(64, 48));
    if (!found.isNull() && (found.width() > 128 || found.height() > 128))
        __builtin_trap();
    return 0;
}
