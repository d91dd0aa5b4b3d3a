// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setarchive.h"

#include "files/filenames.h"
#include "files/listing.h"
#include "files/regularfile.h"
#include "logging.h"
#include "makerfiles.h"
#include "pictures/pictureloader.h"
#include "setcheck.h"
#include "sets/setlibrary.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <archive.h>
#include <archive_entry.h>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Bounds of what an archive may hold, checked while it inflates: a picture's file, all of
// them, and how much more a file may inflate to than it takes in the archive.
constexpr qint64 MostFileBytes = 64ll * 1024 * 1024;
constexpr qint64 MostTotalBytes = 2ll * 1024 * 1024 * 1024;
constexpr qint64 MostRatio = 100;
constexpr qint64 RatioFrom = 1024 * 1024;
// The folders of the set, its pair folders and their pictures, and some to skip.
constexpr int MostEntries = 2 * MadeMostPairs + 16;

using Archive = std::unique_ptr<archive, int (*)(archive *)>;

QString folderName(int folder)
{
    return QLatin1String(folder == 1 ? FirstPairFolder : SecondPairFolder);
}

// A picture of the archive: its pair folder (1 or 2), name and content's hash.
struct Picture {
    int folder = 0;
    QString name;
    QByteArray hash;
};

// What the archive holds, as the first reading found it.
struct Contents {
    QString set;
    std::map<QString, Picture> pictures; // by path in the archive
    QStringList problems;
};

class Reader
{
public:
    explicit Reader(const QString &zipPath)
        : m_path(zipPath), m_archive(archive_read_new(), archive_read_free)
    {
        archive_read_support_format_zip_seekable(m_archive.get());
        if (!openRegularFile(m_file, zipPath))
            m_problem = SetArchive::tr("%1 cannot be read").arg(quoted(zipPath));
        else if (archive_read_open_fd(m_archive.get(), m_file.handle(), 64 * 1024) != ARCHIVE_OK)
            m_problem = broken();
    }

    QString problem() const { return m_problem; }
    archive *get() const { return m_archive.get(); }

    QString broken() const
    {
        return SetArchive::tr("%1 is not a zip file that can be read: %2")
            .arg(quoted(m_path), QString::fromLocal8Bit(archive_error_string(m_archive.get())));
    }

    // The entry's data, inflated within the bounds; `total` counts what all entries took.
    std::optional<QByteArray> data(const QString &entry, qint64 &total, QString &problem)
    {
        QByteArray bytes;
        const la_int64_t start = archive_filter_bytes(m_archive.get(), -1);
        char buffer[64 * 1024];
        for (;;) {
            const la_ssize_t n = archive_read_data(m_archive.get(), buffer, sizeof buffer);
            if (n == 0)
                return bytes;
            if (n < 0) {
                problem = SetArchive::tr("%1: cannot be inflated: %2")
                              .arg(quoted(entry),
                                   QString::fromLocal8Bit(archive_error_string(m_archive.get())));
                return std::nullopt;
            }
            bytes.append(buffer, n);
            total += n;
            const qint64 taken =
                std::max<qint64>(1, archive_filter_bytes(m_archive.get(), -1) - start);
            if (bytes.size() > MostFileBytes)
                problem = SetArchive::tr("%1: inflates to more than %2 MB, more than a picture")
                              .arg(quoted(entry))
                              .arg(MostFileBytes / (1024 * 1024));
            else if (total > MostTotalBytes)
                problem = SetArchive::tr("%1: the pictures inflate to more than %2 MB together")
                              .arg(quoted(entry))
                              .arg(MostTotalBytes / (1024 * 1024));
            else if (bytes.size() > RatioFrom && bytes.size() > MostRatio * taken)
                problem = SetArchive::tr("%1: inflates more than %2 times, as no picture does")
                              .arg(quoted(entry))
                              .arg(MostRatio);
            if (!problem.isEmpty())
                return std::nullopt;
        }
    }

private:
    QString m_path;
    QFile m_file;
    Archive m_archive;
    QString m_problem;
};

// Why the entry cannot be part of a set, or nothing; `folder` and `file` say where it goes
// (a folder of the set: no file; skipped: folder -1).
QString entryProblem(archive_entry *entry, const QString &path, QString &set, int &folder,
                     QString &file)
{
    folder = 0;
    file.clear();
    if (path.startsWith(QLatin1Char('/')))
        return SetArchive::tr("%1: an absolute path, outside any set").arg(quoted(path));
    QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() > 1 && parts.back().isEmpty())
        parts.removeLast();
    for (const QString &part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return SetArchive::tr("%1: a path that leaves the set").arg(quoted(path));
    }
    const mode_t type = archive_entry_filetype(entry);
    if (type == AE_IFLNK || archive_entry_hardlink(entry))
        return SetArchive::tr("%1: a link, which no set holds").arg(quoted(path));
    if (type != AE_IFDIR && type != AE_IFREG)
        return SetArchive::tr("%1: a device or pipe, not a picture").arg(quoted(path));
    // What macOS adds to the zips it makes.
    if (parts.front() == QLatin1String("__MACOSX") ||
        (parts.size() > 1 && parts.back().startsWith(QLatin1Char('.')))) {
        folder = -1;
        return {};
    }
    if (set.isEmpty())
        set = parts.front();
    else if (parts.front() != set)
        return SetArchive::tr("%1: a second set beside %2; an archive holds one")
            .arg(quoted(path), quoted(set));
    const bool dir = type == AE_IFDIR;
    if (parts.size() == 1)
        return dir ? QString()
                   : SetArchive::tr("%1: a file outside the set's folder").arg(quoted(path));
    if (parts[1] != folderName(1) && parts[1] != folderName(2))
        return SetArchive::tr("%1: only the folders \"1\" and \"2\" belong in a set")
            .arg(quoted(path));
    folder = parts[1] == folderName(1) ? 1 : 2;
    if (parts.size() == 2)
        return dir ? QString()
                   : SetArchive::tr("%1: a file where the folder %2 belongs")
                         .arg(quoted(path), quoted(parts[1]));
    if (parts.size() > 3 || dir)
        return SetArchive::tr("%1: a folder inside %2, where only pictures belong")
            .arg(quoted(path), quoted(parts[1]));
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > MostFileBytes)
        return SetArchive::tr("%1: %2 MB, more than a picture")
            .arg(quoted(path))
            .arg(archive_entry_size(entry) / (1024 * 1024));
    file = parts[2];
    return {};
}

QString pictureProblem(const QString &path, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const ScaledPicture picture = loadScaledPicture(buffer, MadeLongSide, path);
    if (picture.neededBytes > DecodeBudgetBytes)
        return SetArchive::tr("%1: needs %2 MB to decode, more than the game allows")
            .arg(quoted(path))
            .arg(picture.neededBytes / (1024 * 1024));
    if (picture.image.isNull())
        return SetArchive::tr("%1: not a picture the game reads").arg(quoted(path));
    if (picture.format == "jpeg" && (!buffer.seek(0) || !MakerFiles::jpegIsWhole(buffer)))
        return SetArchive::tr("%1: a picture cut short").arg(quoted(path));
    return {};
}

// Reads the whole archive once, writing nothing: every entry checked, every picture decoded.
// Reads the whole archive, writing nothing: first every entry's header, then every picture
// inflated within the bounds and decoded.
Contents check(const QString &zipPath, const SaveOptions &options)
{
    Contents contents;
    Reader headers(zipPath);
    if (!headers.problem().isEmpty()) {
        contents.problems << headers.problem();
        return contents;
    }
    std::set<QString> seen;
    int entries = 0;
    std::array<int, 3> counts{};
    archive_entry *entry = nullptr;
    for (int status; (status = archive_read_next_header(headers.get(), &entry)) != ARCHIVE_EOF;) {
        if (status < ARCHIVE_WARN) {
            contents.problems << headers.broken();
            return contents;
        }
        if (++entries > MostEntries) {
            contents.problems << SetArchive::tr("%1 holds more than %2 entries, more than a set")
                                     .arg(quoted(zipPath))
                                     .arg(MostEntries);
            return contents;
        }
        const QString path = decodeFileName(archive_entry_pathname(entry));
        int folder = 0;
        QString file;
        QString problem = entryProblem(entry, path, contents.set, folder, file);
        if (problem.isEmpty() && !seen.insert(QDir::cleanPath(path)).second)
            problem = SetArchive::tr("%1: twice in the archive").arg(quoted(path));
        if (!problem.isEmpty()) {
            contents.problems << problem;
            return contents;
        }
        if (folder > 0 && !file.isEmpty()) {
            ++counts[std::size_t(folder)];
            contents.pictures[path] = {folder, file, {}};
        }
    }
    if (contents.set.isEmpty() || counts[1] == 0 || counts[2] == 0) {
        contents.problems << SetArchive::tr("%1 holds no set: a folder with pictures in its "
                                            "folders \"1\" and \"2\"")
                                 .arg(quoted(zipPath));
        return contents;
    }
    // The count is known: what is left takes the time.
    if (options.progress)
        options.progress(0, int(contents.pictures.size()));
    Reader reader(zipPath);
    qint64 total = 0;
    while (reader.problem().isEmpty() &&
           archive_read_next_header(reader.get(), &entry) >= ARCHIVE_WARN) {
        const QString path = decodeFileName(archive_entry_pathname(entry));
        const auto picture = contents.pictures.find(path);
        if (picture == contents.pictures.end())
            continue;
        QString problem;
        const std::optional<QByteArray> bytes = reader.data(path, total, problem);
        if (bytes)
            problem = pictureProblem(path, *bytes);
        if (!problem.isEmpty()) {
            contents.problems << problem;
            return contents;
        }
        picture->second.hash = QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256);
    }
    for (const auto &[path, picture] : contents.pictures) {
        if (picture.hash.isEmpty()) {
            contents.problems << reader.broken();
            break;
        }
    }
    return contents;
}

bool cancelled(const SaveOptions &options)
{
    return (options.cancel && options.cancel->load()) || MakerFiles::terminating();
}

} // namespace

MadeSet SetArchive::importSet(const QString &zipPath, const SetMaker &maker,
                              const SaveOptions &options)
{
    const Contents contents = check(zipPath, options);
    if (!contents.problems.isEmpty()) {
        qCWarning(setsLog) << "the archive" << zipPath << "was refused:" << contents.problems;
        return {QString(), contents.problems};
    }
    const auto fill = [&](int workFd, const QString &work) -> QStringList {
        const MakerFiles::Folder first(workFd, work, folderName(1));
        const MakerFiles::Folder second(workFd, work, folderName(2));
        if (first.fd < 0 || second.fd < 0)
            return {tr("cannot write in %1: %2")
                        .arg(quoted(work), QString::fromLocal8Bit(strerror(errno)))};
        Reader reader(zipPath);
        if (!reader.problem().isEmpty())
            return {reader.problem()};
        const int count = int(contents.pictures.size());
        int done = 0;
        qint64 total = 0;
        archive_entry *entry = nullptr;
        for (int status = archive_read_next_header(reader.get(), &entry);
             status == ARCHIVE_OK || status == ARCHIVE_WARN;
             status = archive_read_next_header(reader.get(), &entry)) {
            if (cancelled(options))
                return {};
            const QString path = decodeFileName(archive_entry_pathname(entry));
            const auto picture = contents.pictures.find(path);
            if (picture == contents.pictures.end())
                continue;
            QString problem;
            const std::optional<QByteArray> bytes = reader.data(path, total, problem);
            if (!bytes)
                return {problem};
            if (QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256) !=
                picture->second.hash)
                return {tr("%1 changed while it was read").arg(quoted(zipPath))};
            const int folder = picture->second.folder == 1 ? first.fd : second.fd;
            if (const int error = MakerFiles::writeNew(folder, picture->second.name, *bytes))
                return {
                    tr("cannot write %1: %2")
                        .arg(quoted(path), error == ENOSPC || error == EDQUOT
                                               ? SetMaker::tr("the disk is full (%1)")
                                                     .arg(QString::fromLocal8Bit(strerror(error)))
                                               : QString::fromLocal8Bit(strerror(error)))};
            ++done;
            if (options.progress)
                options.progress(done, count);
        }
        if (done != count)
            return {reader.broken()};
        return {};
    };
    return maker.commit(contents.set, options, fill);
}

QStringList SetArchive::exportSet(const QString &setFolder, const QString &zipPath)
{
    const QString folder = QDir::cleanPath(setFolder);
    const QString name = QFileInfo(folder).fileName();
    std::vector<std::pair<QString, QString>> files; // path in the archive, file
    for (const int pairFolder : {1, 2}) {
        const QString from = folder + QLatin1Char('/') + folderName(pairFolder);
        if (!isReadableFolder(from))
            return {tr("%1 is no set that can be read: its folder %2 is missing")
                        .arg(quoted(folder), quoted(folderName(pairFolder)))};
        for (const QString &file : listFiles(from))
            files.emplace_back(name + QLatin1Char('/') + folderName(pairFolder) + QLatin1Char('/') +
                                   file,
                               from + QLatin1Char('/') + file);
    }
    const MakerFiles::Saving saving;
    // Written beside its place and renamed into it, so that a zip is never left half made.
    const QString part = QStringLiteral("%1.part-%2")
                             .arg(zipPath)
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    const int fd = ::open(encodeFileName(part).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return {tr("cannot write %1: %2")
                    .arg(quoted(zipPath), QString::fromLocal8Bit(strerror(errno)))};
    const Archive zip(archive_write_new(), archive_write_free);
    archive_write_set_format_zip(zip.get());
    archive_write_set_options(zip.get(), "zip:hdrcharset=UTF-8");
    QStringList problems;
    const auto failed = [&] {
        const int error = archive_errno(zip.get());
        problems << tr("cannot write %1: %2")
                        .arg(quoted(zipPath),
                             error == ENOSPC || error == EDQUOT
                                 ? SetMaker::tr("the disk is full (%1)")
                                       .arg(QString::fromLocal8Bit(strerror(error)))
                                 : QString::fromLocal8Bit(archive_error_string(zip.get())));
    };
    const auto add = [&](const QString &path, const QByteArray &bytes, bool dir) {
        const std::unique_ptr<archive_entry, void (*)(archive_entry *)> entry(archive_entry_new(),
                                                                              archive_entry_free);
        archive_entry_set_pathname_utf8(entry.get(), path.toUtf8().constData());
        archive_entry_set_filetype(entry.get(), dir ? AE_IFDIR : AE_IFREG);
        archive_entry_set_perm(entry.get(), dir ? 0755 : 0644);
        archive_entry_set_size(entry.get(), bytes.size());
        archive_entry_set_mtime(entry.get(), time(nullptr), 0);
        if (archive_write_header(zip.get(), entry.get()) != ARCHIVE_OK ||
            (!bytes.isEmpty() && archive_write_data(zip.get(), bytes.constData(),
                                                    std::size_t(bytes.size())) != bytes.size())) {
            failed();
            return false;
        }
        return true;
    };
    bool written = archive_write_open_fd(zip.get(), fd) == ARCHIVE_OK;
    if (!written)
        failed();
    for (const QString &dir :
         {name + QLatin1Char('/'), name + QLatin1Char('/') + folderName(1) + QLatin1Char('/'),
          name + QLatin1Char('/') + folderName(2) + QLatin1Char('/')})
        written = written && add(dir, {}, true);
    for (const auto &[path, file] : files) {
        if (!written || MakerFiles::terminating())
            break;
        QFile source;
        if (!openRegularFile(source, file) || source.size() > MostFileBytes) {
            problems << tr("%1 cannot be read, or is too big to share").arg(quoted(file));
            written = false;
            break;
        }
        written = add(path, source.readAll(), false);
    }
    if (written && archive_write_close(zip.get()) != ARCHIVE_OK) {
        failed();
        written = false;
    }
    if (::close(fd) != 0 && written) {
        problems << tr("cannot write %1: %2")
                        .arg(quoted(zipPath), QString::fromLocal8Bit(strerror(errno)));
        written = false;
    }
    if (written && !MakerFiles::terminating() &&
        ::rename(encodeFileName(part).constData(), encodeFileName(zipPath).constData()) != 0) {
        problems << tr("cannot write %1: %2")
                        .arg(quoted(zipPath), QString::fromLocal8Bit(strerror(errno)));
        written = false;
    }
    if (!written || MakerFiles::terminating())
        ::unlink(encodeFileName(part).constData());
    if (!problems.isEmpty())
        qCWarning(setsLog) << "the set" << folder << "was not exported:" << problems;
    return problems;
}
