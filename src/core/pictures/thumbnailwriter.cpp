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

void ThumbnailWriter::hold(const Thumbnails::Source &source, int edge, const QImage &thumbnail)
{
    const std::lock_guard lock(m_mutex);
    if (m_heldBytes + thumbnail.sizeInBytes() > m_maxHeldBytes) {
        qCDebug(thumbnailsLog) << "no thumbnail of" << shownFileName(source.path)
                               << "written this time: too many are waiting";
        return;
    }
    m_heldBytes += thumbnail.sizeInBytes();
    m_held.push_back({source, edge, thumbnail});
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
            Thumbnails::write(h.source, h.edge, h.thumbnail);
            const std::lock_guard lock(m_mutex);
            m_heldBytes -= h.thumbnail.sizeInBytes();
        });
    }
}

void ThumbnailWriter::waitForWritten()
{
    m_writing.waitForDone();
}
