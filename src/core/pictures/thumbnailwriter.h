// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pictures/thumbnails.h"

#include <QImage>
#include <QThreadPool>
#include <functional>
#include <mutex>
#include <vector>

// Thumbnails held for the shared cache until the board that decoded them shows, then
// encoded and written on a thread of the lowest priority: a board never waits for them, and
// a click never waits behind them. Safe to use from several threads.
class ThumbnailWriter
{
public:
    // Beyond this many bytes of thumbnails held or being written, a thumbnail is made again
    // from its file when its turn comes.
    explicit ThumbnailWriter(qint64 maxHeldBytes);
    // Waits for the thumbnail being written; those still held are dropped.
    ~ThumbnailWriter();
    ThumbnailWriter(const ThumbnailWriter &) = delete;
    ThumbnailWriter &operator=(const ThumbnailWriter &) = delete;

    // `thumbnail` is what `make` decodes again; a null one is made by `make` when its turn
    // comes.
    void hold(const Thumbnails::Source &source, int edge, const QImage &thumbnail,
              std::function<QImage()> make);
    // Starts writing every thumbnail held until now.
    void writeHeld();
    // Waits until those started are written.
    void waitForWritten();

private:
    struct Held {
        Thumbnails::Source source;
        int edge;
        QImage thumbnail;
        std::function<QImage()> make;
    };

    const qint64 m_maxHeldBytes;
    std::mutex m_mutex;
    std::vector<Held> m_held;
    qint64 m_heldBytes = 0;
    QThreadPool m_writing;
};
