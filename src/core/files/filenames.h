// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// File names are bytes: most often UTF-8, but an archive made on another system leaves
// Latin-1 or other names that are not. In the program a name is text that keeps its bytes:
// UTF-8 decoded, and each byte that is not part of valid UTF-8 held as the lone surrogate
// U+DC80 + byte (the "surrogateescape" of other languages). Qt's own conversion would turn
// such a byte into U+FFFD for good, and the file could no longer be opened.
QString decodeFileName(const QByteArray &bytes);
// The bytes a path names; the inverse of decodeFileName.
QByteArray encodeFileName(const QString &path);
// The file URI of an absolute path exactly as GLib makes it (and so as the desktop's
// thumbnails are named): the path's bytes, escaped; empty for a relative path.
QByteArray fileUri(const QString &absolutePath);
// The absolute path with every link resolved, found by the path's bytes; empty when it
// does not lead to anything.
QString canonicalPath(const QString &path);
// A name fit to show or print: each byte that is not UTF-8 as the replacement character.
QString shownFileName(const QString &name);

// Whether the path names a folder (links followed) whose entries can be listed and opened.
bool isFolder(const QString &path);
bool isReadableFolder(const QString &path);
