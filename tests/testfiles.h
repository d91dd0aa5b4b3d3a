// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QImageIOHandler>
#include <QTemporaryDir>

// Files for the tests that need no window: pictures as files hold them, and a folder of the
// test's own that is also its home ("home", no XDG variables, shared data folders "share"),
// so that no test reads the real user's files.
struct TestFolder {
    TestFolder();
    // Qt cannot remove names that are not UTF-8, which some tests make.
    ~TestFolder();
    QString path(const QString &relative) const { return dir.filePath(relative); }
    void writeFile(const QString &relative, const QByteArray &bytes) const;

    QTemporaryDir dir;
};

// The picture as a file of the format holds it, turned as `turn` says.
QByteArray encoded(const QImage &image, const char *format = "PNG",
                   QImageIOHandler::Transformations turn = {}, bool progressive = false);
// The PNG with the size in its header replaced and the header's checksum made good again.
QByteArray withSize(QByteArray png, quint32 width, quint32 height);
