// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "listing.h"

#include "files/filenames.h"
#include "logging.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace
{

// Read with the system's own calls: Qt's listing leaves out every name that is not valid
// UTF-8, so a set from another system would be missing without a word.
QStringList listEntries(const QString &folder, mode_t kind)
{
    if (folder.isEmpty())
        return {};
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(encodeFileName(folder).constData()),
                                                   ::closedir);
    if (!dir) {
        const int error = errno;
        // A missing folder is an answer; one that is there but cannot be read is a fault.
        if (error == ENOENT)
            qCDebug(filesLog) << shownFileName(folder) << "is not there";
        else
            qCWarning(filesLog) << shownFileName(folder)
                                << "cannot be listed:" << std::strerror(error);
        return {};
    }
    QStringList names;
    while (const dirent *entry = ::readdir(dir.get())) {
        struct stat st {
        };
        // Hidden entries, "." and ".." among them, are left out; links count as what they
        // point at, and only folders and regular files count at all.
        if (entry->d_name[0] == '.')
            continue;
        // The entry's own type where the file system gives it spares a look at each of a
        // hundred thousand entries.
        const mode_t type = entry->d_type == DT_DIR   ? S_IFDIR
                            : entry->d_type == DT_REG ? S_IFREG
                            : ::fstatat(::dirfd(dir.get()), entry->d_name, &st, 0) == 0
                                ? st.st_mode & S_IFMT
                                : 0;
        if (type != kind)
            continue;
        names << decodeFileName(QByteArray(entry->d_name));
    }
    sortNamesIgnoringCase(names);
    return names;
}

} // namespace

void sortNamesIgnoringCase(QStringList &names)
{
    // Each name folded once: folding in every comparison cost a hundred thousand folders
    // half a second.
    std::vector<std::pair<QString, QString>> folded;
    folded.reserve(std::size_t(names.size()));
    for (QString &name : names)
        folded.emplace_back(name.toCaseFolded(), std::move(name));
    std::sort(folded.begin(), folded.end());
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = std::move(folded[std::size_t(i)].second);
}

QStringList listSubfolders(const QString &folder)
{
    return listEntries(folder, S_IFDIR);
}

QStringList listFiles(const QString &folder)
{
    return listEntries(folder, S_IFREG);
}
