#include "pictureloader.h"

#include "platform/twips.h"

#include <QImageReader>
#include <algorithm>
#include <atomic>
#include <thread>

namespace
{

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

// Bytes a decode needs: a JPEG decodes scaled by 1/2, 1/4 or 1/8 on the way, other formats
// decode whole before they are scaled.
qint64 decodeBytes(const QByteArray &format, QSize full, QSize scaled)
{
    qint64 w = full.width(), h = full.height();
    if (format == "jpeg" || format == "jpg") {
        int factor = 1;
        while (factor < 8 && w / (factor * 2) >= scaled.width() &&
               h / (factor * 2) >= scaled.height())
            factor *= 2;
        w /= factor;
        h /= factor;
    }
    return w * h * 4 + qint64(scaled.width()) * scaled.height() * 4;
}

CardPicture loadOne(const CardPictureRequest &request)
{
    CardPicture card;
    QImageReader reader(request.path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize fileSize = reader.size();
    if (!fileSize.isValid() || fileSize.isEmpty())
        return card;
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize upright = turned ? fileSize.transposed() : fileSize;
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
    if (card.visible.isEmpty())
        return card;
    const QSize scaled = card.geometry.size();
    if (decodeBytes(reader.format(), fileSize, scaled) > MaxDecodeBytes)
        return card;

    // Below 50 the JPEG decoder takes its fast inverse DCT and plain upsampling; at the
    // eighth of a photo that a card shows, the difference does not show, the speed does.
    reader.setQuality(49);
    QImage image;
    if (reader.transformation() == QImageIOHandler::TransformationNone) {
        reader.setScaledSize(scaled);
        if (card.visible.size() != scaled)
            reader.setScaledClipRect(card.visible);
        image = reader.read();
    } else {
        // The clip would have to be turned with the picture; decode the scaled whole.
        reader.setScaledSize(turned ? scaled.transposed() : scaled);
        image = reader.read();
        if (!image.isNull() && card.visible.size() != scaled)
            image = image.copy(card.visible);
    }
    if (image.isNull())
        return card;
    card.image =
        image.size() == card.visible.size()
            ? image
            : image.scaled(card.visible.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    card.loaded = true;
    return card;
}

} // namespace

std::vector<CardPicture> loadCardPictures(const std::vector<CardPictureRequest> &requests)
{
    allowLargePictures();
    std::vector<CardPicture> cards(requests.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < requests.size(); i = next++)
            cards[i] = loadOne(requests[i]);
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < std::min<std::size_t>(cores, requests.size()); ++t)
        threads.emplace_back(work);
    work();
    for (auto &t : threads)
        t.join();
    return cards;
}

QImage loadBackground(const QString &path)
{
    allowLargePictures();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || decodeBytes({}, size, size) > MaxDecodeBytes)
        return {};
    return reader.read();
}
