// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "thumbnails.h"

#include "files/regularfile.h"
#include "logging.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <sys/stat.h>
#include <zlib.h>

namespace Thumbnails
{

namespace
{

// Longer chunks before the picture data are not texts worth reading.
constexpr quint32 MostTextBytes = 64 * 1024;

struct SizeClass {
    int edge;
    const char *folder;
};
constexpr std::array<SizeClass, 4> Classes = {{
    {128, "normal"},
    {256, "large"},
    {512, "x-large"},
    {1024, "xx-large"},
}};

// The file's URI as GLib writes it: every byte of the path escaped but the unreserved ones
// and those a path may hold.
QByteArray fileUri(const QString &absolutePath)
{
    static const QByteArray kept = "-._~!$&'()*+,;=:@/";
    QByteArray uri = "file://";
    for (const char c : QFile::encodeName(absolutePath)) {
        const auto b = uchar(c);
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
            kept.contains(c))
            uri += c;
        else
            uri += '%' + QByteArray::number(b, 16).rightJustified(2, '0').toUpper();
    }
    return uri;
}

QString thumbnailPath(const Source &source, const SizeClass &size)
{
    return cacheFolder() + QLatin1Char('/') + QLatin1String(size.folder) + QLatin1Char('/') +
           QString::fromLatin1(
               QCryptographicHash::hash(source.uri, QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

// A PNG chunk: length, type, data, and the CRC of type and data.
QByteArray chunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray out(4, Qt::Uninitialized);
    qToBigEndian(quint32(data.size()), out.data());
    const QByteArray body = type + data;
    out += body;
    QByteArray crc(4, Qt::Uninitialized);
    qToBigEndian(
        quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))),
        crc.data());
    return out + crc;
}

// Qt's writer compresses long texts into zTXt chunks, which readers of the cache skip:
// the keys go into plain tEXt chunks right after the header chunk.
QByteArray withTexts(const QByteArray &png, const QList<std::pair<QByteArray, QByteArray>> &texts)
{
    constexpr int AfterHeader = 8 + 4 + 4 + 13 + 4;
    QByteArray chunks;
    for (const auto &[key, value] : texts)
        chunks += chunk("tEXt", key + '\0' + value);
    return png.left(AfterHeader) + chunks + png.mid(AfterHeader);
}

// The plain text chunks before the picture data, by key. Qt's reader cannot give them: it
// takes the first colon of "Thumb::URI" for the end of the key.
QHash<QByteArray, QByteArray> textChunks(QIODevice &png)
{
    QHash<QByteArray, QByteArray> texts;
    if (png.read(8) != QByteArray("\x89PNG\r\n\x1a\n", 8))
        return texts;
    for (;;) {
        const QByteArray head = png.read(8);
        if (head.size() != 8)
            break;
        const quint32 length = qFromBigEndian<quint32>(head.constData());
        const QByteArray type = head.mid(4);
        if (type == "IDAT" || length > MostTextBytes)
            break;
        const QByteArray data = png.read(length);
        if (data.size() != qsizetype(length) || png.read(4).size() != 4)
            break;
        const qsizetype end = data.indexOf('\0');
        if (type == "tEXt" && end > 0)
            texts.insert(data.left(end), data.mid(end + 1));
    }
    return texts;
}

// Makes the folder and those above it up to the cache, each for its owner alone.
bool makeFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    const QString parent = QFileInfo(folder).path();
    if (parent != folder && !makeFolder(parent))
        return false;
    return ::mkdir(QFile::encodeName(folder).constData(), 0700) == 0 || QFileInfo(folder).isDir();
}

} // namespace

Source sourceOf(const QString &path, qint64 modifiedSeconds, qint64 size, QSize natural)
{
    // The file itself, whichever linked folder a set reaches it through.
    const QFileInfo file(path);
    const QString canonical = file.canonicalFilePath();
    return {path, fileUri(canonical.isEmpty() ? file.absoluteFilePath() : canonical),
            modifiedSeconds, size, natural};
}

QString cacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/thumbnails");
}

bool insideCache(const QString &path)
{
    const QString cache = QFileInfo(cacheFolder()).canonicalFilePath();
    const QString file = QFileInfo(path).canonicalFilePath();
    return !cache.isEmpty() && file.startsWith(cache + QLatin1Char('/'));
}

QSize thumbnailSize(QSize natural, int edge)
{
    const double scale = double(edge) / std::max(natural.width(), natural.height());
    return QSize(std::max(1, qRound(natural.width() * scale)),
                 std::max(1, qRound(natural.height() * scale)));
}

int edgeFor(QSize natural, QSize needed)
{
    for (const SizeClass &size : Classes) {
        if (std::max(natural.width(), natural.height()) <= size.edge)
            return 0;
        const QSize thumbnail = thumbnailSize(natural, size.edge);
        if (thumbnail.width() >= needed.width() && thumbnail.height() >= needed.height())
            return size.edge;
    }
    return 0;
}

QImage find(const Source &source, QSize needed)
{
    for (const SizeClass &size : Classes) {
        QFile file;
        if (!openRegularFile(file, thumbnailPath(source, size)))
            continue;
        const QHash<QByteArray, QByteArray> texts = textChunks(file);
        const QByteArray uri = texts.value("Thumb::URI");
        const QByteArray modified = texts.value("Thumb::MTime");
        file.seek(0);
        QImageReader reader(&file, "png");
        // One made without the file's turn lies on its side.
        const QSize shape = reader.size();
        const QSize natural = source.natural;
        const bool turnedAsTheFile = std::abs(qint64(shape.width()) * natural.height() -
                                              qint64(shape.height()) * natural.width()) <=
                                     std::max(natural.width(), natural.height());
        if (uri != source.uri || modified != QByteArray::number(source.modified) ||
            shape.width() < needed.width() || shape.height() < needed.height() ||
            !turnedAsTheFile) {
            qCDebug(picturesLog) << "the" << size.folder << "thumbnail of" << source.path
                                 << "does not serve:" << uri << modified << shape;
            continue;
        }
        QImage image = reader.read();
        if (!image.isNull())
            return image;
    }
    return {};
}

void write(const Source &source, int edge, const QImage &thumbnail)
{
    const auto size = std::find_if(Classes.begin(), Classes.end(),
                                   [edge](const SizeClass &c) { return c.edge == edge; });
    if (size == Classes.end() || insideCache(source.path))
        return;
    const QString path = thumbnailPath(source, *size);
    if (!makeFolder(QFileInfo(path).path()))
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(thumbnail))
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return;
    file.write(
        withTexts(png, {
                           {"Thumb::URI", source.uri},
                           {"Thumb::MTime", QByteArray::number(source.modified)},
                           {"Thumb::Size", QByteArray::number(source.size)},
                           {"Thumb::Image::Width", QByteArray::number(source.natural.width())},
                           {"Thumb::Image::Height", QByteArray::number(source.natural.height())},
                           {"Software", "Zindle"},
                       }));
    if (!file.commit())
        qCDebug(picturesLog) << "thumbnail not written:" << path << file.errorString();
}

} // namespace Thumbnails
