// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <functional>

// One segment of a JPEG's headers: its marker's kind (0xE1 for APP1, 0xC0 for a frame ...),
// where its marker starts in the file and the length its header gives (its data and the
// two bytes of the length itself).
struct JpegSegment {
    quint8 kind = 0;
    qint64 start = 0;
    qint64 length = 0;
    // The length's two bytes, as the file holds them.
    QByteArray lengthBytes;

    qint64 dataStart() const { return start + 4; }
    qint64 end() const { return start + 2 + length; }
};

// The one walk over a JPEG's headers, for the metadata scan and the decoding plan alike:
// from the file's start marker to the first scan's header, each segment in turn. `visit`
// finds the file at the segment's data and may read it; it returns false to end the walk.
// The first scan's header (0xDA) is visited last; the walk ends at the end marker, a length
// the file does not hold or bytes that are no marker. False when the file is no JPEG.
bool walkJpegSegments(QIODevice &file, const std::function<bool(const JpegSegment &)> &visit);

// A two-byte big-endian number of a JPEG header.
quint16 jpegNumber(const char *bytes);
