// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cards/cardgeometry.h"

#include <QByteArray>
#include <QImage>
#include <QImageIOHandler>
#include <QTemporaryDir>
#include <functional>

// A folder of a test's own that is the program folder and holds the home ("home", no XDG
// variables, shared data folders "share"), so that no test reads or writes the real user's
// files. It goes with all it holds, names that are not UTF-8 too.
struct TestFolder {
    TestFolder();
    ~TestFolder();
    QString path(const QString &relative) const { return dir.filePath(relative); }
    // Written by its bytes (see filenames.h), the folders above it made.
    void writeFile(const QString &relative, const QByteArray &bytes) const;

    QTemporaryDir dir;
};

// The picture as a file of the format holds it, turned as `turn` says.
QByteArray encoded(const QImage &image, const char *format = "PNG",
                   QImageIOHandler::Transformations turn = {}, bool progressive = false);
// The PNG with a text chunk of `type` ("tEXt", "zTXt" or "iTXt") right after its header, or
// right before its end.
QByteArray withText(const QByteArray &png, const QByteArray &type, const QByteArray &key,
                    const QByteArray &value, bool afterData = false);
// The PNG with the size in its header replaced and the header's checksum made good again.
QByteArray withSize(QByteArray png, quint32 width, quint32 height);
// A picture of one colour, and the colour a card shows at its centre.
QImage filled(QSize size, QColor colour);
QColor centreOf(const CardPicture &card);
// Runs `write` as on a full disk: no file grows past `bytes`, and writing more fails instead
// of ending the test.
void onAFullDisk(qint64 bytes, const std::function<void()> &write);
