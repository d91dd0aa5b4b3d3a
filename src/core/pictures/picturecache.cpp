// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturecache.h"

#include "files/filenames.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <qplatformdefs.h>

namespace
{

// A kept picture serves a size up to a pixel or 1 % larger: a box one pixel wider than
// the last one shows no difference a player could see.
bool closeEnough(int wanted, int kept)
{
    return wanted <= kept + std::max(1, kept / 100);
}

// `image` whose pixels outside `inner` repeat the nearest pixel of `inner`.
QImage withEdges(QImage image, QRect inner)
{
    const int bytes = image.depth() / 8;
    const auto pixel = [&](uchar *line, int x) { return line + std::ptrdiff_t(x) * bytes; };
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < inner.left(); ++x)
            std::memcpy(pixel(line, x), pixel(line, inner.left()), std::size_t(bytes));
        for (int x = inner.right() + 1; x < image.width(); ++x)
            std::memcpy(pixel(line, x), pixel(line, inner.right()), std::size_t(bytes));
    }
    for (int y = 0; y < image.height(); ++y) {
        const int from = std::clamp(y, inner.top(), inner.bottom());
        if (from != y)
            std::memcpy(image.scanLine(y), image.constScanLine(from),
                        std::size_t(image.bytesPerLine()));
    }
    return image;
}

} // namespace

std::optional<FileStamp> stampOf(const QString &path)
{
    QT_STATBUF status;
    if (QT_STAT(encodeFileName(path).constData(), &status) != 0)
        return std::nullopt;
    const auto nanoseconds = [](const timespec &t) {
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    };
    return FileStamp{quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
                     nanoseconds(status.st_mtim), nanoseconds(status.st_ctim)};
}

std::optional<KeptPicture> PictureCache::find(const QString &path, const FileStamp &stamp)
{
    const std::lock_guard lock(m_mutex);
    const Entry *entry = m_kept.object(path);
    if (!entry || entry->stamp != stamp)
        return std::nullopt;
    return entry->picture;
}

void PictureCache::keep(const QString &path, const FileStamp &stamp, KeptPicture picture)
{
    const qint64 size = picture.image.sizeInBytes() + picture.metadata.exifAndXmp.size();
    const std::lock_guard lock(m_mutex);
    // A picture larger than the bound is not kept, and what was kept of the file goes.
    m_kept.insert(path, new Entry{stamp, std::move(picture)}, size);
}

qint64 PictureCache::bytes() const
{
    const std::lock_guard lock(m_mutex);
    return m_kept.totalCost();
}

QImage reuseKept(const KeptPicture &kept, QSize scaled, QRect part)
{
    if (kept.image.isNull() || !closeEnough(scaled.width(), kept.scaled.width()) ||
        !closeEnough(scaled.height(), kept.scaled.height()))
        return {};
    if (scaled == kept.scaled) {
        if (part == kept.part)
            return kept.image;
        if (!kept.part.adjusted(-1, -1, 1, 1).contains(part))
            return {};
        return withEdges(kept.image.copy(part.translated(-kept.part.topLeft())),
                         kept.part.intersected(part).translated(-part.topLeft()));
    }
    // The part wanted, in the pixels of the kept picture.
    const double sx = double(kept.scaled.width()) / scaled.width();
    const double sy = double(kept.scaled.height()) / scaled.height();
    const int left = int(std::floor(part.left() * sx));
    const int top = int(std::floor(part.top() * sy));
    const int right = int(std::ceil((part.left() + part.width()) * sx));
    const int bottom = int(std::ceil((part.top() + part.height()) * sy));
    QRect source(left, top, std::max(1, right - left), std::max(1, bottom - top));
    // A pixel beyond what was kept is the edge pixel again.
    if (!kept.part.adjusted(-1, -1, 1, 1).contains(source))
        return {};
    source = source.intersected(kept.part);
    return kept.image.copy(source.translated(-kept.part.topLeft()))
        .scaled(part.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
