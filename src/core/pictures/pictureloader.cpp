// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictureloader.h"

#include "files/filenames.h"
#include "files/regularfile.h"
#include "logging.h"
#include "pictures/caption.h"
#include "pictures/decodeplan.h"
#include "pictures/decodepool.h"
#include "pictures/embeddedmetadata.h"
#include "pictures/picturecache.h"
#include "pictures/splicedfile.h"
#include "pictures/svgimages.h"
#include "pictures/thumbnails.h"
#include "pictures/thumbnailwriter.h"
#include "screen/twips.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtConcurrent>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>

namespace
{

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
    // An SVG picture as it is decoded: without references outside the file.
    QBuffer svg;
};

// Reads what the header of the picture in `device` says; false when it gives no size or is
// too big to decode. The reader turns the picture upright; an SVG is read from `svg`, without
// the files it names.
bool readHeaderOf(QIODevice &device, const QString &name, EmbeddedMetadata &metadata,
                  SplicedFile &picture, QBuffer &svg, QImageReader &reader, PictureHeader &header)
{
    if (device.size() > DecodeBudgetBytes) {
        qCWarning(picturesLog) << name << "refused: a file of" << device.size()
                               << "bytes cannot decode within the budget";
        return false;
    }
    metadata = readEmbeddedMetadata(device);
    if (!picture.open(&device, std::exchange(metadata.pictureParts, {})))
        return false;
    header.coefficientBytes = jpegCoefficientBytes(picture);
    picture.seek(0);
    reader.setDevice(&picture);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // Asking the SVG reader for the size would already load what its pictures name.
    header.format = reader.format();
    if (isSvgFormat(header.format)) {
        std::optional<QByteArray> text = svgWithoutExternalImages(picture, DecodeBudgetBytes / 8);
        if (!text)
            return false;
        svg.setData(std::move(*text));
        svg.open(QIODevice::ReadOnly);
        reader.setDevice(&svg);
        reader.setDecideFormatFromContent(true);
        header.format = reader.format();
    }
    header.size = reader.size();
    header.turn = reader.transformation();
    header.pixels = reader.imageFormat();
    return header.size.isValid() && !header.size.isEmpty();
}

// Opens the file and reads what its header says.
bool readHeader(const QString &path, PictureFile &source, QImageReader &reader,
                PictureHeader &header)
{
    return openRegularFile(source.file, path) &&
           readHeaderOf(source.file, shownFileName(path), source.metadata, source.picture,
                        source.svg, reader, header);
}

bool turned(const PictureHeader &header)
{
    return header.turn & QImageIOHandler::TransformationRotate90;
}

QSize upright(const PictureHeader &header)
{
    return turned(header) ? header.size.transposed() : header.size;
}

// What is wanted, as the reader clips and scales the picture as it lies in the file before
// it turns it upright.
struct FilePart {
    QSize scaled;
    QRect part;
};

FilePart inFile(const PictureHeader &header, const Wanted &wanted)
{
    const QSize scaled = turned(header) ? wanted.scaled.transposed() : wanted.scaled;
    return {scaled, fileRect(wanted.part, scaled, header.turn)};
}

// Decodes what is wanted of the picture whose header the reader has read.
QImage decodeWanted(const QString &path, QImageReader &reader, const PictureHeader &header,
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
    // Given back once the picture is cut and turned, which the plan counts too.
    const DecodeBudgetHold held(plan.bytes, path);
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
bool decodesMore(const PictureHeader &header, QSize thumbnail, const Wanted &card)
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
    PictureHeader header;
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
    PictureHeader header;
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
    PictureHeader header;
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
    QBuffer svg;
    PictureHeader header;
    if (!readHeaderOf(device, name, metadata, picture, svg, reader, header)) {
        result.error = reader.errorString();
        return result;
    }
    result.format = header.format;
    const QSize whole = upright(header);
    result.upright = whole;
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
