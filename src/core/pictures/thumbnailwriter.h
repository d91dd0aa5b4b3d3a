// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pictures/thumbnails.h"

#include <QImage>
#include <QThreadPool>
#include <mutex>
#include <vector>

// Thumbnails held for the shared cache until the board that decoded them shows, then
// encoded and written on a thread of the lowest priority: a board never waits for them, and
// a click never waits behind them. Safe to use from several threads.
class ThumbnailWriter
{
public:
    // Thumbnails held or being written beyond this many bytes are not written this time; a
    // later board decodes them again.
    explicit ThumbnailWriter(qint64 maxHeldBytes);
    // Waits for the thumbnail being written; those still held are dropped.
    ~ThumbnailWriter();
    ThumbnailWriter(const ThumbnailWriter &) = delete;
    ThumbnailWriter &operator=(const ThumbnailWriter &) = delete;

    void hold(const Thumbnails::Source &source, int edge, const QImage &thumbnail);
    // Starts writing every thumbnail held until now.
    void writeHeld();
    // Waits until those started are written.
    void waitForWritten();

private:
    struct Held {
        Thumbnails::Source source;
        int edge;
        QImage thumbnail;
    };

    const qint64 m_maxHeldBytes;
    std::mutex m_mutex;
    std::vector<Held> m_held;
    qint64 m_heldBytes = 0;
    QThreadPool m_writing;
};
