// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The thumbnails that desktop programs share (the freedesktop.org thumbnail cache under
// "$XDG_CACHE_HOME/thumbnails"): a board opens from those the file manager made, and the
// pictures the game decodes leave thumbnails behind for the next run.
namespace Thumbnails
{

// A picture file as its thumbnail names and describes it.
struct Source {
    QString path;
    QByteArray uri;      // "file://" and the path, links resolved, escaped
    qint64 modified = 0; // seconds since the epoch
    qint64 size = 0;     // bytes
    QSize natural;       // the picture's pixels, upright
};

// The description of the file at `path` with the upright size `natural`; nothing is read.
Source sourceOf(const QString &path, qint64 modifiedSeconds, qint64 size, QSize natural);

// The folder of the shared thumbnails.
QString cacheFolder();

// Whether the file lies in the thumbnail cache itself: such files never get thumbnails.
bool insideCache(const QString &path);

// The thumbnail of `source` in the cache that is fresh (its URI and modification time
// match) and at least `needed` pixels; null when there is none.
QImage find(const Source &source, QSize needed);

// The edge of the smallest thumbnail that covers `needed` of a picture of `natural` pixels;
// 0 when none does, or when the picture itself is no larger.
int edgeFor(QSize natural, QSize needed);

// The size of the thumbnail of edge `edge` of a picture of `natural` pixels.
QSize thumbnailSize(QSize natural, int edge);

// Writes `thumbnail` of `source`, of edge `edge`, where the next run and other programs
// find it; nothing but a warning when the cache cannot be written.
void write(const Source &source, int edge, const QImage &thumbnail);

} // namespace Thumbnails
