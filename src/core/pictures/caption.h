// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

struct EmbeddedMetadata;

// A caption is spoken, not read: at most this many characters of it are kept.
inline constexpr int CaptionMaxLength = 200;

// The caption the picture file at `path` carries, the first of: a PNG's "Title" text (plain,
// compressed or international, before or after the picture data), XMP dc:title, EXIF
// ImageDescription, a JPEG's first comment, XMP dc:description; no other text (a raw profile,
// a PNG's "Description") ever. Of XMP's texts in several languages the one in `language` is
// taken, else the default one. Blanks and line breaks are run together. nullopt when there is
// none, when a text is not valid in its encoding (UTF-8, or Latin-1 for a PNG's plain and
// compressed texts), when the metadata cannot be read, and when there is more of it than
// MetadataBudgetBytes. Safe to call from several threads.
std::optional<QString> embeddedCaption(const QString &path, const QString &language);
// The same from the metadata of the file at `path`, already read: nothing is opened.
std::optional<QString> embeddedCaption(const EmbeddedMetadata &embedded, const QString &path,
                                       const QString &language);

// The words that name the picture at `path`: its embedded caption, or else its file name
// without the extension, as shownFileName shows it.
QString pictureCaption(const QString &path, const QString &language);
QString pictureCaption(const EmbeddedMetadata &embedded, const QString &path,
                       const QString &language);
