// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// A caption is spoken, not read: at most this many characters of it are kept.
inline constexpr int CaptionMaxLength = 200;

// The caption the picture file at `path` carries, the first of: a "Title" text (a PNG's
// text chunk), XMP dc:title, EXIF ImageDescription, a "Description" text (a PNG's text
// chunk, a JPEG's comment), XMP dc:description. Of XMP's texts in several languages the
// one in `language` is taken, else the default one. Blanks and
// line breaks are run together;
// nullopt when there is none, also when the metadata cannot be read. Safe to call from
// several threads.
std::optional<QString> embeddedCaption(const QString &path, const QString &language);

// The words that name the picture at `path`: its embedded caption, or else its file name
// without the extension, as shownFileName shows it.
QString pictureCaption(const QString &path, const QString &language);
