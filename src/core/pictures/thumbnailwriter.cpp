// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "thumbnailwriter.h"

#include "files/filenames.h"
#include "logging.h"

ThumbnailWriter::ThumbnailWriter(qint64 maxHeldBytes) : m_maxHeldBytes(maxHeldBytes)
{
    // One thread, run only when no other wants the processor.
    m_writing.setMaxThreadCount(1);
    m_writing.setThreadPriority(QThread::IdlePriority);
}

ThumbnailWriter::~ThumbnailWriter()
{
    m_writing.clear();
    m_writing.waitForDone();
}

void ThumbnailWriter::hold(const Thumbnails::Source &source, int edge, const QImage &thumbnail,
                           std::function<QImage()> make)
{
    const std::lock_guard lock(m_mutex);
    const bool kept = m_heldBytes + thumbnail.sizeInBytes() <= m_maxHeldBytes;
    if (kept)
        m_heldBytes += thumbnail.sizeInBytes();
    else
        qCDebug(thumbnailsLog) << "the thumbnail of" << shownFileName(source.path)
                               << "will be decoded again: too many are waiting";
    m_held.push_back({source, edge, kept ? thumbnail : QImage(), std::move(make)});
}

void ThumbnailWriter::writeHeld()
{
    std::vector<Held> held;
    {
        const std::lock_guard lock(m_mutex);
        held.swap(m_held);
    }
    // Counted until written, so that the next boards cannot pile up more.
    for (Held &h : held) {
        m_writing.start([this, h = std::move(h)] {
            const QImage thumbnail = h.thumbnail.isNull() ? h.make() : h.thumbnail;
            if (!thumbnail.isNull())
                Thumbnails::write(h.source, h.edge, thumbnail);
            const std::lock_guard lock(m_mutex);
            m_heldBytes -= h.thumbnail.sizeInBytes();
        });
    }
}

void ThumbnailWriter::waitForWritten()
{
    m_writing.waitForDone();
}
