// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testfiles.h"

#include "files/filenames.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QTest>
#include <QtEndian>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>
#include <zlib.h>

TestFolder::TestFolder()
{
    qputenv("HOME", encodeFileName(path("home")));
    qputenv("XDG_DATA_DIRS", encodeFileName(path("share")));
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qunsetenv(name);
}

TestFolder::~TestFolder()
{
    // Qt cannot remove names that are not UTF-8.
    std::filesystem::remove_all(encodeFileName(dir.path()).toStdString());
}

void TestFolder::writeFile(const QString &relative, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(path(relative)).path());
    const int fd = ::open(encodeFileName(path(relative)).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size())
        ::close(fd);
    else
        qFatal("%s not written", qPrintable(shownFileName(relative)));
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

QByteArray withText(const QByteArray &png, const QByteArray &type, const QByteArray &key,
                    const QByteArray &value, bool afterData)
{
    // zTXt and iTXt (compressed, no language tag, no translated key) hold a zlib stream:
    // qCompress's after its four bytes of length.
    const QByteArray data =
        key + '\0' +
        (type == "tEXt"   ? value
         : type == "zTXt" ? '\0' + qCompress(value).mid(4)
                          : QByteArray("\1\0\0\0", 4) + qCompress(value).mid(4));
    QByteArray chunk(4, Qt::Uninitialized);
    qToBigEndian(quint32(data.size()), chunk.data());
    chunk += type + data;
    QByteArray crc(4, Qt::Uninitialized);
    qToBigEndian(quint32(crc32(0, reinterpret_cast<const Bytef *>(chunk.constData() + 4),
                               uInt(chunk.size() - 4))),
                 crc.data());
    // The signature and the header chunk: 8 + 25 bytes; the end chunk: 12.
    const qsizetype at = afterData ? png.size() - 12 : 33;
    return png.left(at) + chunk + crc + png.mid(at);
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

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor centreOf(const CardPicture &card)
{
    return card.image.pixelColor(card.image.rect().center());
}

void onAFullDisk(qint64 bytes, const std::function<void()> &write)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit before = limit;
    limit.rlim_cur = rlim_t(bytes);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    write();
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &before), 0);
}
