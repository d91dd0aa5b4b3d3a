// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pictures/embeddedmetadata.h"
#include "pictures/thumbnailwriter.h"

#include <QCache>
#include <QImage>
#include <QRect>
#include <QString>
#include <mutex>
#include <optional>

// A file as it was when it was decoded. Another file moved to its name has another device
// or inode; a file written anew, even with its old size and time put back, has a new
// status-change time.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modified = 0; // nanoseconds since the epoch
    qint64 changed = 0;  // nanoseconds since the epoch
    bool operator==(const FileStamp &) const = default;
};

// The stamp of the file at `path` (links followed); nullopt when there is no file.
std::optional<FileStamp> stampOf(const QString &path);

// Part of a picture as it was decoded: the picture scaled whole to `scaled` (upright,
// device pixels) and the part `part` of it that `image` holds.
// What it says of itself is kept too, so that its caption needs no second reading.
struct KeptPicture {
    QSize natural; // upright, the file's pixels
    QSize scaled;
    QRect part;
    QImage image;
    EmbeddedMetadata metadata;
};

// The bound of the pictures the run keeps for its boards.
inline constexpr qint64 RunPictureCacheBytes = 128ll * 1024 * 1024;
// The bound of the thumbnails it holds until its board shows: those of a 36-pair board at
// 1920 x 1080.
inline constexpr qint64 HeldThumbnailBytes = 64ll * 1024 * 1024;

// Pictures decoded for earlier boards, kept so that the next board opens at once. Least
// recently used pictures go first when the kept pictures would take more than the bound.
// The thumbnails made on the way wait in `thumbnails()` until the board shows. Safe to use
// from several threads.
class PictureCache
{
public:
    explicit PictureCache(qint64 maxBytes) : m_kept(maxBytes), m_thumbnails(HeldThumbnailBytes) {}

    // What is kept of the file, when the file has the same stamp as then.
    std::optional<KeptPicture> find(const QString &path, const FileStamp &stamp);
    void keep(const QString &path, const FileStamp &stamp, KeptPicture picture);
    qint64 bytes() const;
    ThumbnailWriter &thumbnails() { return m_thumbnails; }

private:
    struct Entry {
        FileStamp stamp;
        KeptPicture picture;
    };

    mutable std::mutex m_mutex;
    // Costs are the pictures' bytes.
    QCache<QString, Entry> m_kept;
    ThumbnailWriter m_thumbnails;
};

// The part `part` of the picture scaled whole to `scaled`, made from what was kept when a
// cheap scaling gives what a fresh decode would: no more than a pixel or 1 % larger than
// what was kept, and within the part kept give or take a pixel. Null otherwise.
QImage reuseKept(const KeptPicture &kept, QSize scaled, QRect part);
