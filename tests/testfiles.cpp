// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testfiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QtEndian>
#include <filesystem>
#include <zlib.h>

TestFolder::TestFolder()
{
    qputenv("HOME", QFile::encodeName(path("home")));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(path("share")));
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qunsetenv(name);
}

TestFolder::~TestFolder()
{
    std::filesystem::remove_all(QFile::encodeName(dir.path()).toStdString());
}

void TestFolder::writeFile(const QString &relative, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(path(relative)).path());
    QFile f(path(relative));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray encoded(const QImage &image, const char *format, QImageIOHandler::Transformations turn,
                   bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setTransformation(turn);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
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
