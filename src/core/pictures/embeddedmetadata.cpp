// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "embeddedmetadata.h"

#include "pictures/jpegsegments.h"

#include <QStringDecoder>
#include <QtEndian>
#include <zlib.h>

namespace
{

const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);

// A file cut into more parts than this is no picture anyone drew; it is not decoded.
constexpr qsizetype MostParts = 65536;

std::optional<QString> fromUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The file as it is measured: the metadata read so far and the parts kept for the decoder.
struct Scan {
    EmbeddedMetadata found;
    qint64 spent = 0;
    qint64 keptFrom = 0;
    bool anyMetadata = false;

    // Whether `bytes` more fit in the budget; once they do not, nothing more is read.
    bool spend(qint64 bytes)
    {
        spent += bytes;
        found.overBudget = found.overBudget || spent > MetadataBudgetBytes;
        return !found.overBudget;
    }
    // Leaves the bytes from `start` to `end` out of the decoder's parts.
    void drop(qint64 start, qint64 end)
    {
        if (start > keptFrom)
            found.pictureParts.append({keptFrom, start - keptFrom});
        keptFrom = end;
    }
};

// The zlib stream inflated, when it is whole and no larger than `most` bytes; `tooLarge`
// says when it is larger, found without inflating more than that.
std::optional<QByteArray> inflated(const QByteArray &compressed, qint64 most, bool &tooLarge)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.constData()));
    stream.avail_in = uInt(compressed.size());
    QByteArray out;
    char piece[16384];
    int result = Z_OK;
    while (result == Z_OK && !tooLarge) {
        stream.next_out = reinterpret_cast<Bytef *>(piece);
        stream.avail_out = sizeof piece;
        result = inflate(&stream, Z_NO_FLUSH);
        out.append(piece, qsizetype(sizeof piece - stream.avail_out));
        tooLarge = out.size() > most;
    }
    inflateEnd(&stream);
    if (result != Z_STREAM_END || tooLarge)
        return std::nullopt;
    return out;
}

// A PNG text chunk: tEXt and zTXt are Latin-1, iTXt UTF-8; zTXt and iTXt may be compressed.
void readPngText(const QByteArray &type, const QByteArray &data, Scan &scan)
{
    const qsizetype keyEnd = data.indexOf('\0');
    if (keyEnd < 0)
        return;
    bool compressed = type == "zTXt";
    QByteArray text = data.mid(keyEnd + (compressed ? 2 : 1));
    if (type == "iTXt") {
        // Compression flag and method, a language tag and the key translated.
        compressed = data.size() > keyEnd + 1 && data[keyEnd + 1] == 1;
        const qsizetype language = data.indexOf('\0', keyEnd + 3);
        const qsizetype translated = language < 0 ? -1 : data.indexOf('\0', language + 1);
        if (translated < 0)
            return;
        text = data.mid(translated + 1);
    }
    if (compressed) {
        bool tooLarge = false;
        const auto plain = inflated(text, MetadataBudgetBytes - scan.spent, tooLarge);
        if (tooLarge || !plain || !scan.spend(plain->size()))
            return void(scan.found.overBudget = scan.found.overBudget || tooLarge);
        text = *plain;
    }
    const QByteArray key = data.left(keyEnd);
    // A Description stands where a JPEG's comment does among the captions.
    std::optional<QString> *found = key == "Title"         ? &scan.found.title
                                    : key == "Description" ? &scan.found.comment
                                                           : nullptr;
    if (found && !*found)
        *found = type == "iTXt" ? fromUtf8(text) : QString::fromLatin1(text);
}

// Every chunk, texts after the picture data too; the picture data is skipped unread.
void scanPng(QIODevice &file, Scan &scan)
{
    for (;;) {
        const qint64 start = file.pos();
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            return;
        const qint64 length = qFromBigEndian<quint32>(head.constData());
        const QByteArray type = head.mid(4);
        const qint64 end = start + 12 + length;
        const bool text = type == "tEXt" || type == "zTXt" || type == "iTXt";
        const bool metadata = text || type == "eXIf";
        if ((metadata && scan.spend(12 + length)) || type == "IHDR" || type == "IEND") {
            const QByteArray chunk = head + file.read(std::min(length, MetadataBudgetBytes) + 4);
            if (chunk.size() != 12 + length)
                return;
            scan.found.exifAndXmp += chunk;
            scan.anyMetadata = scan.anyMetadata || metadata;
            if (text)
                readPngText(type, chunk.mid(8, length), scan);
        }
        if (text)
            scan.drop(start, end);
        if (type == "IEND" || !file.seek(end))
            return;
    }
}

// The segments before the first scan: EXIF and XMP in APP1, IPTC in APP13, comments.
void scanJpeg(QIODevice &file, Scan &scan)
{
    bool exifKept = false, commentSeen = false;
    qint64 keptApplicationBytes = 0;
    walkJpegSegments(file, [&](const JpegSegment &segment) {
        const uchar kind = segment.kind;
        const qint64 length = segment.length;
        if (kind == 0xDA)
            return false;
        const bool comment = kind == 0xFE, forCaption = comment || kind == 0xE1 || kind == 0xED;
        if (forCaption && scan.spend(length)) {
            QByteArray data = file.read(length - 2);
            if (data.size() != length - 2)
                return false;
            scan.found.exifAndXmp +=
                QByteArray(1, char(0xFF)) + char(kind) + segment.lengthBytes + data;
            scan.anyMetadata = true;
            if (comment && !std::exchange(commentSeen, true)) {
                while (data.endsWith('\0'))
                    data.chop(1);
                scan.found.comment = fromUtf8(data);
            }
            // The decoder reads the turn of the picture from the first EXIF block alone.
            if (!exifKept && kind == 0xE1 && data.startsWith(QByteArray("Exif\0\0", 6))) {
                exifKept = true;
                return true;
            }
        }
        const bool application = kind >= 0xE0 && kind <= 0xEF;
        if (forCaption || (application && (keptApplicationBytes += length) > MetadataBudgetBytes))
            scan.drop(segment.start, segment.end());
        return true;
    });
}

} // namespace

EmbeddedMetadata readEmbeddedMetadata(QIODevice &file)
{
    Scan scan;
    file.seek(0);
    const QByteArray start = file.read(8);
    if (start == PngSignature) {
        scan.found.exifAndXmp = start;
        scanPng(file, scan);
    } else if (start.startsWith("\xFF\xD8")) {
        scan.found.exifAndXmp = start.left(2);
        scanJpeg(file, scan);
        scan.found.exifAndXmp += "\xFF\xD9";
    } else if (file.size() <= MetadataBudgetBytes) {
        // Exiv2 reads other formats whole; only a small one is given to it.
        file.seek(0);
        scan.found.exifAndXmp = file.readAll();
        scan.anyMetadata = true;
    }
    scan.drop(file.size(), file.size());
    file.seek(0);
    EmbeddedMetadata &found = scan.found;
    if (found.pictureParts.size() > MostParts)
        found.pictureParts.clear();
    if (!scan.anyMetadata || found.overBudget)
        found.exifAndXmp.clear();
    if (found.overBudget)
        return {true, {}, {}, {}, found.pictureParts};
    return found;
}
