// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "thumbnailparts.h"

#include "logging.h"

#include <QDateTime>
#include <QRegularExpression>
#include <array>
#include <atomic>
#include <climits>
#include <condition_variable>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace ThumbnailParts
{

namespace
{

// A slot is free, taken while its path is filled in, or holds the path of a file written.
enum SlotState : int { Free, Taking, Holding };

struct Slot {
    std::atomic<int> state{Free};
    char path[PATH_MAX];
};

// The signal handler reads the slots, so they are fixed and lock-free.
std::array<Slot, 16> partSlots;

std::mutex mutex;
std::condition_variable allDone;
int writing = 0;
bool ending = false;

constexpr std::array<int, 3> EndSignals = {SIGTERM, SIGINT, SIGHUP};
std::array<struct sigaction, EndSignals.size()> previous;

void removeHeld()
{
    for (Slot &slot : partSlots) {
        if (slot.state.load() == Holding)
            ::unlink(slot.path);
    }
}

extern "C" void onEndSignal(int signal)
{
    removeHeld();
    // Ends as it would have without this handler, or runs the handler there was.
    for (std::size_t i = 0; i < EndSignals.size(); ++i) {
        if (EndSignals[i] == signal)
            ::sigaction(signal, &previous[i], nullptr);
    }
    ::raise(signal);
}

void installHandler()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {
        };
        action.sa_handler = onEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < EndSignals.size(); ++i) {
            struct sigaction old {
            };
            // A signal ignored (nohup) stays ignored.
            if (::sigaction(EndSignals[i], nullptr, &old) == 0 && old.sa_handler != SIG_IGN) {
                previous[i] = old;
                ::sigaction(EndSignals[i], &action, nullptr);
            }
        }
    });
}

// No write of a thumbnail takes this long: a part file older is one left behind.
constexpr qint64 StaleSeconds = 10 * 60;

} // namespace

Writing::Writing(const QByteArray &path)
{
    if (path.size() >= PATH_MAX)
        return;
    installHandler();
    const std::lock_guard lock(mutex);
    if (ending)
        return;
    for (std::size_t i = 0; i < partSlots.size(); ++i) {
        int free = Free;
        if (partSlots[i].state.compare_exchange_strong(free, Taking)) {
            std::memcpy(partSlots[i].path, path.constData(), std::size_t(path.size()) + 1);
            partSlots[i].state.store(Holding);
            m_slot = int(i);
            ++writing;
            return;
        }
    }
}

Writing::~Writing()
{
    if (m_slot < 0)
        return;
    partSlots[std::size_t(m_slot)].state.store(Free);
    const std::lock_guard lock(mutex);
    --writing;
    allDone.notify_all();
}

void finishWriting(std::chrono::milliseconds most)
{
    std::unique_lock lock(mutex);
    ending = true;
    if (!allDone.wait_for(lock, most, [] { return writing == 0; })) {
        qCWarning(thumbnailsLog) << "thumbnails still being written at the end: removed";
        removeHeld();
    }
}

void removeStale(int folderFd)
{
    static const QRegularExpression ownPart(
        QStringLiteral("^[0-9a-f]{32}\\.png\\.[0-9a-z]{1,13}\\.part$"));
    const int listed = ::dup(folderFd);
    DIR *folder = listed < 0 ? nullptr : ::fdopendir(listed);
    if (!folder) {
        if (listed >= 0)
            ::close(listed);
        return;
    }
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    while (const dirent *entry = ::readdir(folder)) {
        if (!ownPart.match(QLatin1String(entry->d_name)).hasMatch())
            continue;
        struct stat status {
        };
        if (::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && now - status.st_mtim.tv_sec > StaleSeconds &&
            ::unlinkat(folderFd, entry->d_name, 0) == 0)
            qCDebug(thumbnailsLog) << "removed a part file left behind:" << entry->d_name;
    }
    ::closedir(folder);
}

} // namespace ThumbnailParts
