// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "decodepool.h"

#include "files/filenames.h"
#include "logging.h"
#include "pictures/pictureloader.h"

#include <QImageReader>
#include <QSemaphore>

namespace
{

// The memory that all decodes running at once may hold together, in KiB: a process-wide
// resource of a fixed size, as the threads are.
constexpr qint64 BudgetUnit = 1024;

QSemaphore &budget()
{
    static QSemaphore kibibytes(int(DecodeBudgetBytes / BudgetUnit));
    return kibibytes;
}

} // namespace

QThreadPool &decodePool()
{
    static QThreadPool pool;
    return pool;
}

void allowLargePictures()
{
    static const bool done = [] {
        QImageReader::setAllocationLimit(int(DecodeBudgetBytes / (1024 * 1024)));
        return true;
    }();
    (void)done;
}

DecodeBudgetHold::DecodeBudgetHold(qint64 bytes, const QString &path)
    : m_units(int((bytes + BudgetUnit - 1) / BudgetUnit))
{
    if (!budget().tryAcquire(m_units)) {
        qCDebug(picturesLog) << shownFileName(path) << "waits for" << bytes
                             << "bytes of the budget";
        budget().acquire(m_units);
    }
}

DecodeBudgetHold::~DecodeBudgetHold()
{
    budget().release(m_units);
}
