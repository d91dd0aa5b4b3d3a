// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a picture file: its caption, through the metadata scan and Exiv2.
#include "pictures/caption.h"
#include "pictures/embeddedmetadata.h"

#include <QBuffer>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const QString caption = pictureCaption(readEmbeddedMetadata(file),
                                           QStringLiteral("/fuzz/07.png"), QStringLiteral("es"));
    if (caption.isEmpty() || caption.size() > CaptionMaxLength)
        __builtin_trap();
    return 0;
}
