// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QString>
#include <QUrl>

// The one rule for every file the program reads (pictures, the background, sounds, the
// language file): it is opened only when, links followed, it is a regular file, and never
// in a way that could wait. A named pipe, a device, a folder, a dangling link or a file
// that cannot be read counts as missing. On success `file` is open for reading.
bool openRegularFile(QFile &file, const QString &path);

// For a player that opens the file itself (the sounds): the file's URL, made from its bytes,
// when the rule lets it be read; an empty URL when it counts as missing.
QUrl regularFileUrl(const QString &path);
