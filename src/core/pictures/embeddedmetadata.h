// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

// A caption is one short line: a picture whose texts, XMP, EXIF and comments take more bytes
// than this, compressed texts counted inflated, is not read for one, and its decoder is not
// handed more of them than this either.
inline constexpr qint64 MetadataBudgetBytes = 2 * 1024 * 1024;

// What a picture file says of itself beside its pixels, read within the budget: the chunks
// of a PNG and the segments of a JPEG are measured before any is read.
struct EmbeddedMetadata {
    // More metadata than the budget: nothing of it is read.
    bool overBudget = false;
    // A PNG's Title text, before or after the picture data; a PNG's Description or a
    // JPEG's first comment. Texts
    // that are not valid in their encoding count as none.
    std::optional<QString> title;
    std::optional<QString> comment;
    // The metadata alone, as a small file of the picture's format for Exiv2 to read EXIF
    // and XMP from: the whole file for a format not measured here, when it is small enough;
    // empty when there is nothing to read.
    QByteArray exifAndXmp;
    // The parts (start, length) of the file its decoder is given: all but the texts of a PNG
    // and the comments and XMP of a JPEG. None when the file is cut into so many parts that
    // it is no picture to decode.
    QList<std::pair<qint64, qint64>> pictureParts;
};

// Reads `file`, open, from its start.
EmbeddedMetadata readEmbeddedMetadata(QIODevice &file);
