// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "svgimages.h"

#include "logging.h"

#include <QBuffer>
#include <QImageReader>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <zlib.h>

namespace
{

std::optional<QByteArray> inflateGzip(const QByteArray &packed)
{
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return std::nullopt;
    QByteArray text;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    stream.avail_in = uInt(packed.size());
    int status = Z_OK;
    while (status == Z_OK && text.size() < SvgByteBound) {
        const qsizetype done = text.size();
        text.resize(std::min<qsizetype>(done + 1024 * 1024, SvgByteBound + 1));
        stream.next_out = reinterpret_cast<Bytef *>(text.data() + done);
        stream.avail_out = uInt(text.size() - done);
        status = inflate(&stream, Z_NO_FLUSH);
        text.resize(text.size() - qsizetype(stream.avail_out));
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END || text.size() > SvgByteBound)
        return std::nullopt;
    return text;
}

// The decoded size of the picture a data: URL holds; -1 when it holds none that reads.
qint64 dataPictureBytes(QStringView url)
{
    const qsizetype comma = url.indexOf(QLatin1Char(','));
    if (comma < 0)
        return -1;
    const QByteArray payload = url.sliced(comma + 1).toLatin1();
    QByteArray bytes = url.first(comma).endsWith(QLatin1String(";base64"))
                           ? QByteArray::fromBase64(payload)
                           : QByteArray::fromPercentEncoding(payload);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QSize size = QImageReader(&buffer).size();
    if (!size.isValid())
        return -1;
    return qint64(size.width()) * size.height() * 4;
}

} // namespace

bool isSvgFormat(const QByteArray &format)
{
    return format == "svg" || format == "svgz";
}

std::optional<QByteArray> svgWithoutExternalImages(QIODevice &device, qint64 pixelBytes)
{
    if (!device.seek(0))
        return std::nullopt;
    QByteArray text = device.read(SvgByteBound + 1);
    if (text.startsWith("\x1F\x8B")) {
        const std::optional<QByteArray> inflated = inflateGzip(text);
        if (!inflated)
            return std::nullopt;
        text = *inflated;
    }
    if (text.size() > SvgByteBound)
        return std::nullopt;

    QXmlStreamReader in(text);
    QByteArray out;
    QXmlStreamWriter writer(&out);
    qint64 dataBytes = 0;
    while (!in.atEnd()) {
        in.readNext();
        // Declared entities are already expanded where they are used.
        if (in.isDTD())
            continue;
        if (!in.isStartElement() || in.name() != QLatin1String("image")) {
            writer.writeCurrentToken(in);
            continue;
        }
        // href and xlink:href alike.
        qint64 bytes = 0;
        const QXmlStreamAttributes attributes = in.attributes();
        for (const QXmlStreamAttribute &attribute : attributes) {
            const QStringView url = attribute.value().trimmed();
            if (attribute.name() == QLatin1String("href") && bytes >= 0)
                bytes = url.startsWith(QLatin1String("data:"), Qt::CaseInsensitive)
                            ? dataPictureBytes(url)
                            : -1;
        }
        if (bytes < 0 || dataBytes + bytes > pixelBytes) {
            qCWarning(picturesLog) << "an SVG picture's <image> left out: it names a file, an "
                                      "address or a picture too big to decode";
            in.skipCurrentElement();
            continue;
        }
        dataBytes += bytes;
        writer.writeCurrentToken(in);
    }
    if (in.hasError()) {
        qCWarning(picturesLog) << "an SVG picture is not well formed:" << in.errorString();
        return std::nullopt;
    }
    return out;
}
