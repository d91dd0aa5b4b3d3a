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
        if (entry->d_name[0] == '.' || ::fstatat(::dirfd(dir.get()), entry->d_name, &st, 0) != 0 ||
            (st.st_mode & S_IFMT) != kind)
            continue;
        names << decodeFileName(QByteArray(entry->d_name));
    }
    sortNamesIgnoringCase(names);
    return names;
}

} // namespace

void sortNamesIgnoringCase(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
}

QStringList listSubfolders(const QString &folder)
{
    return listEntries(folder, S_IFDIR);
}

QStringList listFiles(const QString &folder)
{
    return listEntries(folder, S_IFREG);
}
