// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a picture file: the PNG chunk and JPEG segment walks of the metadata scan and
// the decoding plan. The parts handed to the decoder must lie within the file, in order.
#include "pictures/decodeplan.h"
#include "pictures/embeddedmetadata.h"

#include <QBuffer>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const EmbeddedMetadata found = readEmbeddedMetadata(file);
    qint64 at = 0;
    for (const auto &[start, length] : found.pictureParts) {
        if (start < at || length < 0 || start + length > qint64(size))
            __builtin_trap();
        at = start + length;
    }
    jpegCoefficientBytes(file);
    return 0;
}
