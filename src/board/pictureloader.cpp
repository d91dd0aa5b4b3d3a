#include "pictureloader.h"

#include "platform/regularfile.h"
#include "platform/twips.h"

#include <QImageReader>
#include <algorithm>
#include <atomic>
#include <thread>

namespace
{

using Transformations = QImageIOHandler::Transformations;

// A JPEG is coded in blocks of this many pixels a side; its decoder scales down by 1/2,
// 1/4 or 1/8 on the way.
constexpr int JpegBlock = 8;
constexpr int JpegMaxScaleDown = 8;

void allowLargePictures()
{
    // Our own estimate guards memory; Qt's default limit would refuse big photos that are
    // shown scaled down.
    static const bool done = [] {
        QImageReader::setAllocationLimit(int(MaxDecodeBytes / (1024 * 1024)));
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

// Bytes a decode needs: a JPEG decodes scaled by 1/2, 1/4 or 1/8 on the way, other formats
// decode whole before they are scaled.
qint64 decodeBytes(const QImageReader &reader, QSize full, QSize scaled)
{
    qint64 w = full.width(), h = full.height();
    if (isJpeg(reader.format())) {
        int factor = 1;
        while (factor < JpegMaxScaleDown && w / (factor * 2) >= scaled.width() &&
               h / (factor * 2) >= scaled.height())
            factor *= 2;
        w /= factor;
        h /= factor;
    }
    return (w * h + qint64(scaled.width()) * scaled.height()) * bytesPerPixel(reader.imageFormat());
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

// A part of the picture scaled to `scaled` as pixels of the full-size picture `full`.
QRect unscaledRect(QRect part, QSize scaled, QSize full)
{
    const auto edge = [](int e, int from, int to) { return int(qint64(e) * to / from); };
    const int left = edge(part.left(), scaled.width(), full.width());
    const int top = edge(part.top(), scaled.height(), full.height());
    const int right = edge(part.left() + part.width(), scaled.width(), full.width());
    const int bottom = edge(part.top() + part.height(), scaled.height(), full.height());
    return QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

// For a JPEG: clip the full-size picture so that the decoder stops after the last row shown.
// It still scales while decoding only when every edge of the clip lies on its 8-pixel
// grid, so the clip grows to that grid and the rest is cut after scaling. False when the
// picture's own edges are off the grid.
bool clipWhileDecoding(QImageReader &reader, QRect part, QSize scaled, QSize full)
{
    const auto down = [](int e) { return e / JpegBlock * JpegBlock; };
    const auto up = [](int e) { return (e + JpegBlock - 1) / JpegBlock * JpegBlock; };
    const QRect wanted = unscaledRect(part, scaled, full);
    const int left = down(wanted.left());
    const int top = down(wanted.top());
    const int right = std::min(full.width(), up(wanted.left() + wanted.width()));
    const int bottom = std::min(full.height(), up(wanted.top() + wanted.height()));
    if (right % JpegBlock != 0 || bottom % JpegBlock != 0)
        return false;
    const QRect clip(left, top, right - left, bottom - top);
    const double sx = double(scaled.width()) / full.width();
    const double sy = double(scaled.height()) / full.height();
    const QSize clipScaled(std::max(1, qRound(clip.width() * sx)),
                           std::max(1, qRound(clip.height() * sy)));
    const QRect within =
        QRect(QPoint(qRound(part.x() - left * sx), qRound(part.y() - top * sy)), part.size())
            .intersected(QRect(QPoint(0, 0), clipScaled));
    reader.setClipRect(clip);
    reader.setScaledSize(clipScaled);
    if (within.size() != clipScaled)
        reader.setScaledClipRect(within);
    return true;
}

CardPicture loadOne(const CardPictureRequest &request)
{
    CardPicture card;
    QFile file;
    if (!openRegularFile(file, request.path))
        return card;
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize fileSize = reader.size();
    if (!fileSize.isValid() || fileSize.isEmpty())
        return card;
    const Transformations turn = reader.transformation();
    const bool turned = turn & QImageIOHandler::TransformationRotate90;
    card = placeCardPicture(request, turned ? fileSize.transposed() : fileSize);
    if (card.visible.isEmpty())
        return card;
    const QSize scaled = turned ? card.geometry.size().transposed() : card.geometry.size();
    if (decodeBytes(reader, fileSize, scaled) > MaxDecodeBytes)
        return card;

    // The reader clips and scales the picture as it lies in the file and turns it upright
    // last.
    const QRect part = fileRect(card.visible, scaled, turn);
    if (!isJpeg(reader.format()) || !clipWhileDecoding(reader, part, scaled, fileSize)) {
        reader.setScaledSize(scaled);
        if (part.size() != scaled)
            reader.setScaledClipRect(part);
    }
    QImage image = reader.read();
    if (image.isNull())
        return card;
    if (image.size() != card.visible.size())
        image = image.scaled(card.visible.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    card.image = std::move(image);
    card.loaded = true;
    return card;
}

} // namespace

CardPicture placeCardPicture(const CardPictureRequest &request, QSize upright)
{
    CardPicture card;
    card.naturalWidth = upright.width() * TwipsPerPixel;
    card.naturalHeight = upright.height() * TwipsPerPixel;
    card.placement =
        placePicture(request.boxWidth, request.boxHeight, card.naturalWidth, card.naturalHeight);
    card.geometry =
        twipsRect(request.left, card.placement.top, card.placement.width, card.placement.height);
    // A picture shown less than a pixel high is no card a player could see.
    if (card.placement.height < TwipsPerPixel || card.geometry.width() < 1 ||
        card.geometry.height() < 1)
        return card;
    card.visible = card.geometry.intersected(QRect(QPoint(0, 0), request.clientSize))
                       .translated(-card.geometry.topLeft());
    return card;
}

std::vector<CardPicture> loadCardPictures(const std::vector<CardPictureRequest> &requests)
{
    allowLargePictures();
    std::vector<CardPicture> cards(requests.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < requests.size(); i = next++)
            cards[i] = loadOne(requests[i]);
    };
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (std::size_t t = 1; t < std::min(cores, requests.size()); ++t)
        threads.emplace_back(work);
    work();
    for (auto &t : threads)
        t.join();
    return cards;
}

QImage loadBackground(const QString &path)
{
    allowLargePictures();
    QFile file;
    if (!openRegularFile(file, path))
        return {};
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() ||
        qint64(size.width()) * size.height() * bytesPerPixel(reader.imageFormat()) > MaxDecodeBytes)
        return {};
    return reader.read();
}
