// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictureloader.h"

#include "files/filenames.h"
#include "files/regularfile.h"
#include "logging.h"
#include "pictures/caption.h"
#include "pictures/embeddedmetadata.h"
#include "pictures/picturecache.h"
#include "pictures/splicedfile.h"
#include "pictures/thumbnails.h"
#include "pictures/thumbnailwriter.h"
#include "screen/twips.h"

#include <QFile>
#include <QImageReader>
#include <QSemaphore>
#include <QThreadPool>
#include <QtConcurrent>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>

namespace
{

using Transformations = QImageIOHandler::Transformations;

// A JPEG is coded in blocks of this many pixels a side; its decoder scales down by 1/2,
// 1/4 or 1/8 on the way.
constexpr int JpegBlock = 8;
constexpr int JpegMaxScaleDown = 8;

void allowLargePictures()
{
    // The decoding budget guards memory; Qt's default limit would refuse big photos that
    // are shown scaled down.
    static const bool done = [] {
        QImageReader::setAllocationLimit(int(DecodeBudgetBytes / (1024 * 1024)));
        return true;
    }();
    (void)done;
}

bool isJpeg(const QByteArray &format)
{
    return format == "jpeg" || format == "jpg";
}

qint64 bytesPerPixel(QImage::Format format)
{
    if (format == QImage::Format_Invalid)
        return 4;
    return std::max(1, QImage::toPixelFormat(format).bitsPerPixel() / 8);
}

quint16 bigEndian16(const char *bytes)
{
    return quint16((quint8(bytes[0]) << 8) | quint8(bytes[1]));
}

// What the decoder keeps of a JPEG beside the rows it scales: a progressive file, or one
// whose first scan holds only some of its colours, makes it hold every coefficient of the
// whole picture (two bytes each, 64 a block), whatever size it is scaled to. 0 for a file
// decoded in one pass. Reads the headers from the file's start.
qint64 jpegCoefficientBytes(QIODevice &file)
{
    struct Component {
        int h, v;
    };
    std::vector<Component> components;
    int width = 0, height = 0;
    bool wholePicture = false;
    char marker[4];
    if (file.read(marker, 2) != 2 || quint8(marker[0]) != 0xFF || quint8(marker[1]) != 0xD8)
        return 0;
    for (;;) {
        if (file.read(marker, 4) != 4 || quint8(marker[0]) != 0xFF)
            break;
        const quint8 kind = quint8(marker[1]);
        const int length = bigEndian16(marker + 2);
        if (length < 2)
            break;
        const QByteArray segment = file.read(length - 2);
        if (segment.size() != length - 2)
            break;
        const bool frame =
            kind >= 0xC0 && kind <= 0xCF && kind != 0xC4 && kind != 0xC8 && kind != 0xCC;
        if (frame && segment.size() >= 6) {
            wholePicture = kind == 0xC2 || kind == 0xC6 || kind == 0xCA || kind == 0xCE;
            height = bigEndian16(segment.constData() + 1);
            width = bigEndian16(segment.constData() + 3);
            const int count = quint8(segment[5]);
            for (int i = 0; i < count && 6 + 3 * i + 1 < segment.size(); ++i) {
                const quint8 sampling = quint8(segment[6 + 3 * i + 1]);
                components.push_back({std::max(1, sampling >> 4), std::max(1, sampling & 0xF)});
            }
        } else if (kind == 0xDA) {
            if (!segment.isEmpty() && quint8(segment[0]) < components.size())
                wholePicture = true;
            break;
        }
    }
    if (!wholePicture || components.empty())
        return 0;
    int hMax = 1, vMax = 1;
    for (const Component &c : components) {
        hMax = std::max(hMax, c.h);
        vMax = std::max(vMax, c.v);
    }
    const auto blocks = [](qint64 edge, int sampling, int most) {
        const qint64 pixels = (edge * sampling + most - 1) / most;
        const qint64 count = (pixels + JpegBlock - 1) / JpegBlock;
        return (count + sampling - 1) / sampling * sampling;
    };
    qint64 bytes = 0;
    for (const Component &c : components)
        bytes += blocks(width, c.h, hMax) * blocks(height, c.v, vMax) * JpegBlock * JpegBlock * 2;
    return bytes;
}

// What the file says of itself before it is decoded.
struct Header {
    QSize size; // as the picture lies in the file
    Transformations turn;
    QByteArray format;
    QImage::Format pixels = QImage::Format_Invalid;
    qint64 coefficientBytes = 0;
};

// The JPEG decoder scales by 1/2, 1/4 or 1/8 on the way; the reader scales the rest.
int jpegFactor(QSize full, QSize scaled)
{
    int factor = 1;
    while (factor < JpegMaxScaleDown && full.width() / (factor * 2) >= scaled.width() &&
           full.height() / (factor * 2) >= scaled.height())
        factor *= 2;
    return factor;
}

// How the reader gets `part` of the picture scaled whole to `scaled` (both as the picture
// lies in the file) and the bytes that holds at its peak. Either it scales the whole picture
// and cuts the part out, or it clips the file's pixels around the part first and scales only
// those: a picture far taller or wider than its card would otherwise be scaled whole to
// billions of pixels.
struct DecodePlan {
    bool clip = false;
    QRect clipRect;   // file pixels
    QSize clipScaled; // the clip scaled as the whole picture is
    QRect within;     // the part, within the scaled clip
    qint64 bytes = 0;
};

qint64 pixelBytes(QSize size, qint64 perPixel = 4)
{
    return qint64(size.width()) * size.height() * perPixel;
}

// The file pixels around `part`, each edge out to the next multiple of `grid` within the
// picture, and the scaled clip that holds the part.
DecodePlan clipAround(QRect part, QSize scaled, QSize full, int grid)
{
    const double sx = double(scaled.width()) / full.width();
    const double sy = double(scaled.height()) / full.height();
    const auto down = [grid](double e) { return int(std::floor(e)) / grid * grid; };
    const auto up = [grid](double e, int most) {
        return std::min(most, (int(std::ceil(e)) + grid - 1) / grid * grid);
    };
    const int left = down(part.left() / sx);
    const int top = down(part.top() / sy);
    const int right = up((part.left() + part.width()) / sx, full.width());
    const int bottom = up((part.top() + part.height()) / sy, full.height());
    DecodePlan plan;
    plan.clip = true;
    plan.clipRect = QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
    plan.clipScaled = QSize(std::max(1, qRound(plan.clipRect.width() * sx)),
                            std::max(1, qRound(plan.clipRect.height() * sy)));
    plan.within =
        QRect(QPoint(qRound(part.x() - left * sx), qRound(part.y() - top * sy)), part.size())
            .intersected(QRect(QPoint(0, 0), plan.clipScaled));
    return plan;
}

// Every image the reader holds counts, each stage beside what it is made from: the decoded
// pixels and the decoders' own buffers (up to a quarter more), the clip copied out of them,
// a copy widened to 4 bytes a pixel to scale it and the scaled clip, then the part cut out
// of that and the part turned upright.
DecodePlan planDecode(const Header &header, QSize scaled, QRect part)
{
    const qint64 out = pixelBytes(part.size());
    const QSize full = header.size;
    if (isJpeg(header.format) && part.size() == scaled) {
        // The whole picture, scaled by 1/2 to 1/8 while it decodes, then by the reader.
        const int factor = jpegFactor(full, scaled);
        DecodePlan plan;
        plan.bytes = header.coefficientBytes +
                     pixelBytes(QSize((full.width() + factor - 1) / factor,
                                      (full.height() + factor - 1) / factor)) +
                     2 * out;
        return plan;
    }
    if (isJpeg(header.format)) {
        // A JPEG decodes only the rows and columns around the part, scaled by 1/2 to 1/8 on
        // the way when the clip lies on its block grid.
        DecodePlan plan = clipAround(part, scaled, full, JpegBlock);
        const bool onGrid = (plan.clipRect.x() + plan.clipRect.width()) % JpegBlock == 0 &&
                            (plan.clipRect.y() + plan.clipRect.height()) % JpegBlock == 0;
        if (onGrid) {
            const int factor = jpegFactor(full, scaled);
            const QSize decoded((plan.clipRect.width() + factor - 1) / factor,
                                (plan.clipRect.height() + factor - 1) / factor);
            plan.bytes = header.coefficientBytes + pixelBytes(decoded) +
                         pixelBytes(plan.clipScaled) + 2 * out;
            return plan;
        }
        plan = clipAround(part, scaled, full, 1);
        plan.bytes = header.coefficientBytes + pixelBytes(plan.clipRect.size()) +
                     pixelBytes(plan.clipScaled) + 2 * out;
        return plan;
    }
    const qint64 bpp = bytesPerPixel(header.pixels);
    const qint64 decoded = pixelBytes(full, bpp);
    const qint64 widened = bpp < 4 ? 4 : 0;
    if (part.size() == scaled) {
        DecodePlan plan;
        plan.bytes = decoded + decoded / 4 + pixelBytes(full, widened) + 2 * out;
        return plan;
    }
    DecodePlan plan = clipAround(part, scaled, full, 1);
    const qint64 clip = pixelBytes(plan.clipRect.size(), bpp);
    const qint64 clipScaled = pixelBytes(plan.clipScaled);
    plan.bytes = std::max({decoded + decoded / 4, decoded + clip,
                           clip + pixelBytes(plan.clipRect.size(), widened) + clipScaled,
                           clipScaled + 2 * out});
    return plan;
}

// The memory that all decodes running at once may hold together, in KiB: a process-wide
// resource of a fixed size, as the threads are.
constexpr qint64 BudgetUnit = 1024;

QSemaphore &budget()
{
    static QSemaphore kibibytes(int(DecodeBudgetBytes / BudgetUnit));
    return kibibytes;
}

// The threads that decode pictures: one a core the process may run on.
QThreadPool &decodePool()
{
    static QThreadPool pool;
    return pool;
}

// The part of the upright picture `upright` as it lies in the file, whose picture (at the
// same scale) has the size `file`. Qt mirrors and flips first, then turns clockwise.
QRect fileRect(QRect upright, QSize file, Transformations t)
{
    QRect r = upright;
    if (t & QImageIOHandler::TransformationRotate90)
        r = QRect(r.y(), file.height() - r.x() - r.width(), r.height(), r.width());
    if (t & QImageIOHandler::TransformationFlip)
        r.moveTop(file.height() - r.y() - r.height());
    if (t & QImageIOHandler::TransformationMirror)
        r.moveLeft(file.width() - r.x() - r.width());
    return r;
}

// Where a picture goes: the whole picture scaled to `scaled` (upright, device pixels), of
// which `part` is wanted, drawn at `ratio` device pixels a pixel.
struct Wanted {
    QSize scaled;
    QRect part;
    double ratio = 1.0;
};

// From the picture's upright size in pixels, what is wanted of it; nothing when it cannot
// be shown.
using WantFor = std::function<std::optional<Wanted>(QSize upright)>;

// A picture file, opened once: what it says of itself, for its caption, and the picture as
// its decoder reads it, without the texts, comments and XMP it has no use for, which could
// otherwise hold it for minutes and gigabytes.
struct PictureFile {
    QFile file;
    EmbeddedMetadata metadata;
    SplicedFile picture;
};

// Opens the file and reads what its header says; false when it cannot be opened or gives no
// size. The reader turns the picture upright.
bool readHeaderOf(QIODevice &device, EmbeddedMetadata &metadata, SplicedFile &picture,
                  QImageReader &reader, Header &header)
{
    metadata = readEmbeddedMetadata(device);
    if (!picture.open(&device, std::exchange(metadata.pictureParts, {})))
        return false;
    header.coefficientBytes = jpegCoefficientBytes(picture);
    picture.seek(0);
    reader.setDevice(&picture);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    header.size = reader.size();
    header.turn = reader.transformation();
    header.format = reader.format();
    header.pixels = reader.imageFormat();
    return header.size.isValid() && !header.size.isEmpty();
}

bool readHeader(const QString &path, PictureFile &source, QImageReader &reader, Header &header)
{
    return openRegularFile(source.file, path) &&
           readHeaderOf(source.file, source.metadata, source.picture, reader, header);
}

bool turned(const Header &header)
{
    return header.turn & QImageIOHandler::TransformationRotate90;
}

QSize upright(const Header &header)
{
    return turned(header) ? header.size.transposed() : header.size;
}

// What is wanted, as the reader clips and scales the picture as it lies in the file before
// it turns it upright.
struct FilePart {
    QSize scaled;
    QRect part;
};

FilePart inFile(const Header &header, const Wanted &wanted)
{
    const QSize scaled = turned(header) ? wanted.scaled.transposed() : wanted.scaled;
    return {scaled, fileRect(wanted.part, scaled, header.turn)};
}

// Decodes what is wanted of the picture whose header the reader has read.
QImage decodeWanted(const QString &path, QImageReader &reader, const Header &header,
                    const Wanted &wanted, const DecodeLimits &limits)
{
    const auto [scaled, part] = inFile(header, wanted);
    const DecodePlan plan = planDecode(header, scaled, part);
    const qint64 most = std::min(limits.pictureBytes, DecodeBudgetBytes);
    if (plan.bytes > most) {
        qCWarning(picturesLog) << shownFileName(path) << "left out: decoding it needs" << plan.bytes
                               << "bytes, more than the budget of" << most;
        return {};
    }
    // Waiting cannot last: every decode that holds part of the budget gives it back.
    const int units = int((plan.bytes + BudgetUnit - 1) / BudgetUnit);
    if (!budget().tryAcquire(units)) {
        qCDebug(picturesLog) << shownFileName(path) << "waits for" << plan.bytes
                             << "bytes of the budget";
        budget().acquire(units);
    }
    // Given back once the picture is cut and turned, which the plan counts too.
    const QSemaphoreReleaser held(budget(), units);
    if (plan.clip) {
        reader.setClipRect(plan.clipRect);
        reader.setScaledSize(plan.clipScaled);
        if (plan.within.size() != plan.clipScaled)
            reader.setScaledClipRect(plan.within);
    } else {
        reader.setScaledSize(scaled);
    }
    QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(picturesLog) << shownFileName(path) << "does not decode:" << reader.errorString();
        return {};
    }
    qCDebug(picturesLog) << shownFileName(path) << "decoded:" << wanted.part << "of"
                         << wanted.scaled;
    if (image.size() != wanted.part.size())
        image = image.scaled(wanted.part.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(wanted.ratio);
    return image;
}

// Whether the whole picture at `thumbnail` (upright) takes more decoding than the card
// wants of it: a JPEG scaled by a smaller factor on the way decodes up to four times the
// pixels, and a card that shows part of its picture stops decoding below that part.
bool decodesMore(const Header &header, QSize thumbnail, const Wanted &card)
{
    const auto factor = [&header](QSize upright) {
        return jpegFactor(header.size, turned(header) ? upright.transposed() : upright);
    };
    return isJpeg(header.format) &&
           (factor(thumbnail) < factor(card.scaled) || card.part.size() != card.scaled);
}

// The whole picture at `size`, upright, the file opened anew.
QImage decodeWhole(const QString &path, QSize size, const DecodeLimits &limits)
{
    PictureFile file;
    QImageReader reader;
    Header header;
    if (!readHeader(path, file, reader, header))
        return {};
    return decodeWanted(path, reader, header, {size, QRect({}, size), 1.0}, limits);
}

// What is wanted of the picture, from its thumbnail: never larger than 1024 pixels a side,
// so that scaling it whole is cheap.
QImage fromThumbnail(const QImage &thumbnail, const Wanted &wanted)
{
    QImage image = thumbnail.scaled(wanted.scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .copy(wanted.part);
    image.setDevicePixelRatio(wanted.ratio);
    return image;
}

// Decodes what `want` asks of the file, and keeps what the file says of itself. With the
// file's `stamp`, the shared thumbnails serve first; when none does but one would, the
// picture is decoded at that thumbnail's size and leaves it behind, so that the next run and
// the next board find it: in `writer` until the board shows, or else at once.
QImage decode(const QString &path, const WantFor &want, KeptPicture &kept, const FileStamp *stamp,
              ThumbnailWriter *writer, const DecodeLimits &limits)
{
    PictureFile file;
    QImageReader reader;
    Header header;
    const bool read = readHeader(path, file, reader, header);
    kept.metadata = std::move(file.metadata);
    if (!read) {
        if (file.file.isOpen())
            qCWarning(picturesLog) << shownFileName(path)
                                   << "left out: no size in its header:" << reader.errorString();
        else
            qCWarning(picturesLog)
                << shownFileName(path) << "refused: not a regular file that can be read";
        return {};
    }
    kept.natural = upright(header);
    const std::optional<Wanted> wanted = want(kept.natural);
    if (!wanted) {
        qCDebug(picturesLog) << shownFileName(path) << "left out:" << kept.natural
                             << "shows less than a pixel";
        return {};
    }
    kept.scaled = wanted->scaled;
    kept.part = wanted->part;
    if (stamp && !Thumbnails::insideCache(path)) {
        const Thumbnails::Source source =
            Thumbnails::sourceOf(path, stamp->modified / 1000000000, stamp->size, kept.natural);
        QImage thumbnail = Thumbnails::find(source, wanted->scaled);
        if (!thumbnail.isNull()) {
            qCDebug(picturesLog) << shownFileName(path) << "from its shared thumbnail";
        } else if (const int edge = Thumbnails::edgeFor(kept.natural, wanted->scaled)) {
            const QSize size = Thumbnails::thumbnailSize(kept.natural, edge);
            const auto again = [path, size, limits] { return decodeWhole(path, size, limits); };
            if (writer && decodesMore(header, size, *wanted)) {
                // The board does not wait for the extra pixels: the thumbnail is decoded again
                // once it shows.
                writer->hold(source, edge, {}, again);
                return decodeWanted(path, reader, header, *wanted, limits);
            }
            thumbnail = decodeWanted(path, reader, header, {size, QRect({}, size), 1.0}, limits);
            if (!thumbnail.isNull() && writer)
                writer->hold(source, edge, thumbnail, again);
            else if (!thumbnail.isNull())
                Thumbnails::write(source, edge, thumbnail);
        }
        if (!thumbnail.isNull())
            return fromThumbnail(thumbnail, *wanted);
    }
    return decodeWanted(path, reader, header, *wanted, limits);
}

// The picture at `path` as `want` asks for it, and what the file says of itself: made from
// what the cache kept when that serves, without opening the file; decoded otherwise (and
// then kept).
QImage loadPicture(const QString &path, const WantFor &want, PictureCache *cache,
                   bool thumbnails = false, const DecodeLimits &limits = {},
                   EmbeddedMetadata *metadata = nullptr)
{
    const std::optional<FileStamp> stamp = cache || thumbnails ? stampOf(path) : std::nullopt;
    if (stamp && cache) {
        if (const std::optional<KeptPicture> kept = cache->find(path, *stamp)) {
            const std::optional<Wanted> wanted = want(kept->natural);
            if (!wanted)
                return {};
            QImage image = reuseKept(*kept, wanted->scaled, wanted->part);
            if (!image.isNull()) {
                image.setDevicePixelRatio(wanted->ratio);
                if (metadata)
                    *metadata = kept->metadata;
                return image;
            }
        }
    }
    KeptPicture kept;
    QImage image = decode(path, want, kept, thumbnails && stamp ? &*stamp : nullptr,
                          cache ? &cache->thumbnails() : nullptr, limits);
    if (metadata)
        *metadata = kept.metadata;
    if (stamp && cache && !image.isNull()) {
        kept.image = image;
        cache->keep(path, *stamp, std::move(kept));
    }
    return image;
}

int devicePixels(int pixels, double ratio)
{
    return int(std::lround(pixels * ratio));
}

// `r` in device pixels, each edge rounded on its own so that neighbours still touch.
QRect deviceRect(QRect r, double ratio)
{
    const int left = devicePixels(r.left(), ratio);
    const int top = devicePixels(r.top(), ratio);
    return QRect(left, top, devicePixels(r.left() + r.width(), ratio) - left,
                 devicePixels(r.top() + r.height(), ratio) - top);
}

// What a card wants of its picture: the part its box shows, at the screen's own pixels.
WantFor cardWants(const CardPictureRequest &request, CardPicture &card)
{
    return [&request, &card](QSize upright) -> std::optional<Wanted> {
        card = placeCardPicture(request, upright);
        if (card.visible.isEmpty())
            return std::nullopt;
        const double ratio = request.devicePixelRatio;
        const QSize scaled(std::max(1, devicePixels(card.geometry.width(), ratio)),
                           std::max(1, devicePixels(card.geometry.height(), ratio)));
        const QRect part = deviceRect(card.visible, ratio).intersected(QRect({}, scaled));
        if (part.isEmpty())
            return std::nullopt;
        return Wanted{scaled, part, ratio};
    };
}

CardPicture loadOne(const CardPictureRequest &request, PictureCache *cache, bool thumbnails,
                    const DecodeLimits &limits)
{
    CardPicture card;
    EmbeddedMetadata metadata;
    QImage image =
        loadPicture(request.path, cardWants(request, card), cache, thumbnails, limits, &metadata);
    card.loaded = !image.isNull();
    card.image = std::move(image);
    if (card.loaded)
        card.caption = pictureCaption(metadata, request.path, request.language);
    return card;
}

} // namespace

qint64 decodeBytesFor(const CardPictureRequest &request)
{
    PictureFile file;
    QImageReader reader;
    Header header;
    if (!readHeader(request.path, file, reader, header))
        return -1;
    CardPicture card;
    const std::optional<Wanted> wanted = cardWants(request, card)(upright(header));
    if (!wanted)
        return 0;
    const auto [scaled, part] = inFile(header, *wanted);
    return planDecode(header, scaled, part).bytes;
}

QFuture<CardPicture> startLoadingCardPictures(const std::vector<CardPictureRequest> &requests,
                                              PictureCache *cache, bool thumbnails,
                                              DecodeLimits limits)
{
    allowLargePictures();
    return QtConcurrent::mapped(&decodePool(), requests,
                                [cache, thumbnails, limits](const CardPictureRequest &r) {
                                    return loadOne(r, cache, thumbnails, limits);
                                });
}

std::vector<CardPicture> loadCardPictures(const std::vector<CardPictureRequest> &requests,
                                          PictureCache *cache, bool thumbnails, DecodeLimits limits)
{
    const QList<CardPicture> cards =
        startLoadingCardPictures(requests, cache, thumbnails, limits).results();
    return {cards.begin(), cards.end()};
}

QImage loadBackground(const QString &path, QSize boxSize, double devicePixelRatio,
                      PictureCache *cache)
{
    allowLargePictures();
    const WantFor want = [&](QSize upright) -> std::optional<Wanted> {
        const QRect shown(QPoint(0, 0), upright.boundedTo(boxSize));
        if (shown.isEmpty())
            return std::nullopt;
        const QSize scaled(std::max(1, devicePixels(upright.width(), devicePixelRatio)),
                           std::max(1, devicePixels(upright.height(), devicePixelRatio)));
        return Wanted{scaled, deviceRect(shown, devicePixelRatio).intersected(QRect({}, scaled)),
                      devicePixelRatio};
    };
    return loadPicture(path, want, cache);
}

ScaledPicture loadScaledPicture(QIODevice &device, int longSide, const QString &name)
{
    allowLargePictures();
    ScaledPicture result;
    EmbeddedMetadata metadata;
    SplicedFile picture;
    QImageReader reader;
    Header header;
    if (!readHeaderOf(device, metadata, picture, reader, header)) {
        result.error = reader.errorString();
        return result;
    }
    result.format = header.format;
    const QSize whole = upright(header);
    const int most = std::max(whole.width(), whole.height());
    // Never below a pixel: a picture of 1 x 30000 stays one pixel wide.
    const auto edge = [&](int e) {
        return most <= longSide ? e : std::max(1, int(qint64(e) * longSide / most));
    };
    const QSize scaled(edge(whole.width()), edge(whole.height()));
    const Wanted wanted{scaled, QRect({}, scaled), 1.0};
    const auto [inFileScaled, part] = inFile(header, wanted);
    result.neededBytes = planDecode(header, inFileScaled, part).bytes;
    if (result.neededBytes > DecodeBudgetBytes)
        return result;
    result.image = decodeWanted(name, reader, header, wanted, {});
    if (result.image.isNull())
        result.error = reader.errorString();
    return result;
}
