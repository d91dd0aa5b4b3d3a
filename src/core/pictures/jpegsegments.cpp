// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jpegsegments.h"

bool walkJpegSegments(QIODevice &file, const std::function<bool(const JpegSegment &)> &visit)
{
    char byte = 0;
    if (!file.seek(0) || file.read(2) != QByteArray("\xFF\xD8"))
        return false;
    for (;;) {
        if (!file.getChar(&byte) || uchar(byte) != 0xFF)
            return true;
        // Any number of fill bytes may come before a marker.
        while (uchar(byte) == 0xFF) {
            if (!file.getChar(&byte))
                return true;
        }
        const auto kind = quint8(byte);
        // Markers without a length.
        if (kind == 0x01 || (kind >= 0xD0 && kind <= 0xD7))
            continue;
        if (kind == 0xD9)
            return true;
        JpegSegment segment;
        segment.kind = kind;
        segment.lengthBytes = file.read(2);
        if (segment.lengthBytes.size() != 2)
            return true;
        segment.start = file.pos() - 4;
        segment.length = jpegNumber(segment.lengthBytes.constData());
        if (segment.length < 2 || !visit(segment) || kind == 0xDA || !file.seek(segment.end()))
            return true;
    }
}

quint16 jpegNumber(const char *bytes)
{
    return quint16((quint8(bytes[0]) << 8) | quint8(bytes[1]));
}
