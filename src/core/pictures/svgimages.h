// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <optional>

// An SVG file read plain or gzipped (svgz) holds at most this many bytes of text.
inline constexpr qint64 SvgByteBound = 32ll * 1024 * 1024;

// Whether `format`, as QImageReader names it, is an SVG picture.
bool isSvgFormat(const QByteArray &format);

// Qt's SVG renderer opens the files its <image> elements name itself, past the rule that
// only regular files are read (a named pipe there would hold it for good) and past the
// decoding budget (a small file naming a huge picture eight times). The SVG of `device`,
// read from its start, as plain text without a reference to any file or address: an
// <image> keeps only a picture inside the file (a data: URL), and only while all of those
// together need at most `pixelBytes` decoded. Nothing when the file is larger than
// SvgByteBound, its gzip does not inflate, or its XML is not well formed.
std::optional<QByteArray> svgWithoutExternalImages(QIODevice &device, qint64 pixelBytes);
