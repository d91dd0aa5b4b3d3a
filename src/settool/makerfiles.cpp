// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "makerfiles.h"

#include "files/filenames.h"
#include "logging.h"
#include "setcheck.h"
#include "setmaker.h"
#include "sets/setlibrary.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtEndian>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>
#include <zlib.h>

namespace MakerFiles
{

namespace
{

constexpr char WorkPrefix[] = ".new-";

// The names of work folders, of this program and of its earlier versions: ".new-" and six
// letters or digits, "-old" or ".old" after them for a set set aside.
bool isWorkName(const QByteArray &name)
{
    static const QRegularExpression work(QStringLiteral("^\\.new-[A-Za-z0-9]{6}([-.]old)?$"));
    return work.match(QString::fromLatin1(name)).hasMatch();
}

std::atomic_int saves = 0;
std::atomic_int endingSignal = 0;

void onSignal(int signal)
{
    endingSignal = signal;
    if (saves == 0) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

void endAsAsked()
{
    if (const int signal = endingSignal; signal != 0 && saves == 0) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

// Only where nobody else handles the signal: a program's own handler is left alone.
void handleSignals()
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction now {
        };
        if (sigaction(signal, nullptr, &now) == 0 && now.sa_handler == SIG_DFL) {
            struct sigaction handler {
            };
            handler.sa_handler = onSignal;
            sigemptyset(&handler.sa_mask);
            sigaction(signal, &handler, nullptr);
        }
    }
    // A file size limit then fails the write, which is reported, instead of ending the save.
    struct sigaction now {
    };
    if (sigaction(SIGXFSZ, nullptr, &now) == 0 && now.sa_handler == SIG_DFL)
        std::signal(SIGXFSZ, SIG_IGN);
}

std::vector<QByteArray> entriesOf(int folderFd)
{
    std::vector<QByteArray> names;
    const int fd = ::dup(folderFd);
    DIR *dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0)
            ::close(fd);
        return names;
    }
    ::rewinddir(dir);
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

int openFolder(int parentFd, const QByteArray &name)
{
    return ::openat(parentFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

} // namespace

int writeNew(int folderFd, const QString &name, const QByteArray &bytes)
{
    const int fd = ::openat(folderFd, encodeFileName(name).constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return error;
        }
        written += n;
    }
    return ::close(fd) == 0 ? 0 : errno;
}

bool removeEntry(int folderFd, const QByteArray &name)
{
    struct stat info {
    };
    if (::fstatat(folderFd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(info.st_mode))
        return ::unlinkat(folderFd, name.constData(), 0) == 0 || errno == ENOENT;
    const bool own = info.st_uid == ::geteuid();
    int fd = openFolder(folderFd, name);
    if (fd < 0 && errno == EACCES && own) {
        ::fchmodat(folderFd, name.constData(), (info.st_mode & 07777) | S_IRWXU, 0);
        fd = openFolder(folderFd, name);
    }
    if (fd < 0)
        return false;
    if (own && (info.st_mode & S_IRWXU) != S_IRWXU)
        ::fchmod(fd, (info.st_mode & 07777) | S_IRWXU);
    bool all = true;
    for (const QByteArray &entry : entriesOf(fd))
        all = removeEntry(fd, entry) && all;
    ::close(fd);
    if (::unlinkat(folderFd, name.constData(), AT_REMOVEDIR) == 0 || errno == ENOENT)
        return all;
    qCWarning(setsLog) << "cannot remove" << shownFileName(decodeFileName(name)) << strerror(errno);
    return false;
}

bool jpegIsWhole(QIODevice &file)
{
    const QByteArray bytes = file.readAll();
    const auto at = [&bytes](qsizetype i) { return quint8(bytes[i]); };
    qsizetype i = 2;
    bool inScan = false;
    while (i + 1 < bytes.size()) {
        if (at(i) != 0xFF) {
            if (!inScan)
                return false;
            ++i;
            continue;
        }
        const quint8 kind = at(i + 1);
        if (kind == 0xD9)
            return true;
        if (kind == 0xFF || (inScan && (kind == 0x00 || (kind >= 0xD0 && kind <= 0xD7)))) {
            i += kind == 0xFF ? 1 : 2;
            continue;
        }
        if (i + 3 >= bytes.size())
            return false;
        i += 2 + ((at(i + 2) << 8) | at(i + 3));
        inScan = kind == 0xDA;
    }
    return false;
}

QByteArray withPngTitle(const QByteArray &png, const QString &caption)
{
    if (!png.startsWith("\x89PNG\r\n\x1a\n"))
        return {};
    QByteArray title("iTXt");
    title += QByteArrayLiteral("Title\0\0\0\0\0") + caption.toUtf8();
    QByteArray chunk(4, '\0');
    qToBigEndian(quint32(title.size() - 4), chunk.data());
    chunk += title;
    QByteArray crc(4, '\0');
    qToBigEndian(
        quint32(::crc32(0, reinterpret_cast<const Bytef *>(title.constData()), uInt(title.size()))),
        crc.data());
    chunk += crc;
    QByteArray out = png.left(8);
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (length > quint64(png.size() - at - 12))
            return {};
        const QByteArray type = png.mid(at + 4, 4);
        const bool text = type == "tEXt" || type == "zTXt" || type == "iTXt";
        if (!text || !png.mid(at + 8, length).startsWith(QByteArrayLiteral("Title\0")))
            out += png.mid(at, 12 + length);
        if (type == "IHDR")
            out += chunk;
        at += 12 + length;
        if (type == "IEND")
            return out;
    }
    return {};
}

Folder::Folder(int parentFd, const QString &parent, const QString &name)
    : path(parent + QLatin1Char('/') + name)
{
    const QByteArray bytes = encodeFileName(name);
    if (::mkdirat(parentFd, bytes.constData(), 0777) == 0)
        fd = openFolder(parentFd, bytes);
}

Folder::~Folder()
{
    if (fd >= 0)
        ::close(fd);
}

Saving::Saving()
{
    static const bool handled = [] {
        handleSignals();
        return true;
    }();
    (void)handled;
    ++saves;
}

Saving::~Saving()
{
    --saves;
    endAsAsked();
}

bool terminating()
{
    return endingSignal != 0;
}

Work::Work(const QString &setsFolder) : m_setsFolder(setsFolder)
{
    m_setsFd = ::open(encodeFileName(setsFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_setsFd < 0) {
        m_error = errno;
        return;
    }
    // Saves take turns at this, so that none takes another's new work folder for stale.
    ::flock(m_setsFd, LOCK_EX);
    for (const QByteArray &entry : entriesOf(m_setsFd)) {
        if (!isWorkName(entry))
            continue;
        const int fd = openFolder(m_setsFd, entry);
        struct stat info {
        };
        // A save that still runs holds its lock; a link is one that a swap left there.
        const bool stale =
            fd >= 0 ? ::flock(fd, LOCK_EX | LOCK_NB) == 0
                    : ::fstatat(m_setsFd, entry.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                          S_ISLNK(info.st_mode);
        if (fd >= 0)
            ::close(fd);
        if (stale) {
            qCInfo(setsLog) << "removing the work of a save that ended:" << entry;
            removeEntry(m_setsFd, entry);
        }
    }
    for (int tries = 0; tries < 100 && m_fd < 0; ++tries) {
        QByteArray name = WorkPrefix;
        for (int i = 0; i < 6; ++i)
            name += "abcdefghijklmnopqrstuvwxyz0123456789"[QRandomGenerator::global()->bounded(36)];
        if (::mkdirat(m_setsFd, name.constData(), 0777) != 0) {
            m_error = errno;
            if (m_error == EEXIST)
                continue;
            break;
        }
        m_fd = openFolder(m_setsFd, name);
        if (m_fd < 0 || ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            m_error = errno;
            removeEntry(m_setsFd, name);
            break;
        }
        m_name = name;
    }
    ::flock(m_setsFd, LOCK_UN);
}

Work::~Work()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_name.isEmpty()) {
        if (!removeEntry(m_setsFd, m_name))
            qCWarning(setsLog) << "cannot remove all of" << path();
    }
    if (!m_old.isEmpty())
        removeEntry(m_setsFd, m_old);
    if (m_setsFd >= 0)
        ::close(m_setsFd);
}

QString Work::path() const
{
    return m_setsFolder + QLatin1Char('/') + decodeFileName(m_name);
}

int Work::tryName(const QString &name) const
{
    const QByteArray bytes = encodeFileName(name);
    if (::mkdirat(m_fd, bytes.constData(), 0700) != 0)
        return errno;
    ::unlinkat(m_fd, bytes.constData(), AT_REMOVEDIR);
    return 0;
}

QStringList Work::moveIn(const QString &name)
{
    const QByteArray target = encodeFileName(name);
    const auto failed = [&](int error) {
        return QStringList{SetMaker::tr("cannot move the new set into %1: %2")
                               .arg(quoted(m_setsFolder + QLatin1Char('/') + name),
                                    QString::fromLocal8Bit(strerror(error)))};
    };
    struct stat info {
    };
    if (::fstatat(m_setsFd, target.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        if (::renameat2(m_setsFd, m_name.constData(), m_setsFd, target.constData(),
                        RENAME_NOREPLACE) != 0 &&
            (errno != EINVAL ||
             ::fstatat(m_setsFd, target.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 ||
             ::renameat(m_setsFd, m_name.constData(), m_setsFd, target.constData()) != 0))
            return failed(errno);
        m_name.clear();
        return {};
    }
    if (!S_ISDIR(info.st_mode) && !S_ISLNK(info.st_mode))
        return {SetMaker::tr("%1 is a file, not a set: nothing was replaced")
                    .arg(quoted(m_setsFolder + QLatin1Char('/') + name))};
    // What the user keeps beside the pictures (notes, a licence) stays with the set.
    std::vector<QByteArray> carried;
    const int oldFd = S_ISDIR(info.st_mode) ? openFolder(m_setsFd, target) : -1;
    const auto carryBack = [&] {
        for (const QByteArray &entry : carried)
            ::renameat(m_fd, entry.constData(), oldFd, entry.constData());
    };
    if (oldFd >= 0) {
        for (const QByteArray &entry : entriesOf(oldFd)) {
            if (entry == FirstPairFolder || entry == SecondPairFolder)
                continue;
            if (::renameat(oldFd, entry.constData(), m_fd, entry.constData()) != 0 &&
                (errno != EACCES || ::fchmod(oldFd, (info.st_mode & 07777) | S_IRWXU) != 0 ||
                 ::renameat(oldFd, entry.constData(), m_fd, entry.constData()) != 0)) {
                const int error = errno;
                carryBack();
                ::close(oldFd);
                return {SetMaker::tr("cannot keep %1 of the set replaced: %2")
                            .arg(quoted(decodeFileName(entry)),
                                 QString::fromLocal8Bit(strerror(error)))};
            }
            carried.push_back(entry);
        }
    }
    int error = 0;
    if (::renameat2(m_setsFd, m_name.constData(), m_setsFd, target.constData(), RENAME_EXCHANGE) !=
        0) {
        error = errno;
        // A file system that cannot swap: two renames, the old set back if the second fails.
        if (error == EINVAL) {
            const QByteArray old = m_name + "-old";
            error = 0;
            if (::renameat(m_setsFd, target.constData(), m_setsFd, old.constData()) != 0) {
                error = errno;
            } else if (::renameat(m_setsFd, m_name.constData(), m_setsFd, target.constData()) !=
                       0) {
                error = errno;
                ::renameat(m_setsFd, old.constData(), m_setsFd, target.constData());
            } else {
                m_old = old;
                m_name.clear();
            }
        }
    }
    if (error != 0)
        carryBack();
    if (oldFd >= 0)
        ::close(oldFd);
    return error != 0 ? failed(error) : QStringList();
}

} // namespace MakerFiles
