// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "regularfile.h"

#include "files/filenames.h"

#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool openRegularFile(QFile &file, const QString &path)
{
    if (file.isOpen())
        file.close();
    file.setFileName(path);
    const QByteArray name = encodeFileName(path);
    struct stat st {
    };
    // Opening some devices has effects of its own, so only a regular file is opened at all.
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    // The file may be replaced between the look and the opening: a named pipe opened
    // without O_NONBLOCK would wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

QUrl regularFileUrl(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return {};
    // QUrl::fromLocalFile would turn each byte that is not UTF-8 into U+FFFD.
    return QUrl::fromEncoded(fileUri(QFileInfo(path).absoluteFilePath()), QUrl::StrictMode);
}
