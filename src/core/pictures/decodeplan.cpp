// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "decodeplan.h"

#include "pictures/jpegsegments.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{

// A JPEG is coded in blocks of this many pixels a side; its decoder scales down by 1/2,
// 1/4 or 1/8 on the way.
constexpr int JpegBlock = 8;
constexpr int JpegMaxScaleDown = 8;

qint64 bytesPerPixel(QImage::Format format)
{
    if (format == QImage::Format_Invalid)
        return 4;
    return std::max(1, QImage::toPixelFormat(format).bitsPerPixel() / 8);
}

qint64 pixelBytes(QSize size, qint64 perPixel = 4)
{
    return qint64(size.width()) * size.height() * perPixel;
}

// The file pixels around `part`, each edge out to the next multiple of `grid` within the
// picture, and the scaled clip that holds the part.
DecodePlan clipAround(QRect part, QSize scaled, QSize full, int grid)
{
    const double sx = double(scaled.width()) / full.width();
    const double sy = double(scaled.height()) / full.height();
    const auto down = [grid](double e) { return int(std::floor(e)) / grid * grid; };
    const auto up = [grid](double e, int most) {
        return std::min(most, (int(std::ceil(e)) + grid - 1) / grid * grid);
    };
    const int left = down(part.left() / sx);
    const int top = down(part.top() / sy);
    const int right = up((part.left() + part.width()) / sx, full.width());
    const int bottom = up((part.top() + part.height()) / sy, full.height());
    DecodePlan plan;
    plan.clip = true;
    plan.clipRect = QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
    plan.clipScaled = QSize(std::max(1, qRound(plan.clipRect.width() * sx)),
                            std::max(1, qRound(plan.clipRect.height() * sy)));
    plan.within =
        QRect(QPoint(qRound(part.x() - left * sx), qRound(part.y() - top * sy)), part.size())
            .intersected(QRect(QPoint(0, 0), plan.clipScaled));
    return plan;
}

} // namespace

bool isJpeg(const QByteArray &format)
{
    return format == "jpeg" || format == "jpg";
}

int jpegFactor(QSize full, QSize scaled)
{
    int factor = 1;
    while (factor < JpegMaxScaleDown && full.width() / (factor * 2) >= scaled.width() &&
           full.height() / (factor * 2) >= scaled.height())
        factor *= 2;
    return factor;
}

qint64 jpegCoefficientBytes(QIODevice &file)
{
    struct Component {
        int h, v;
    };
    std::vector<Component> components;
    int width = 0, height = 0;
    bool wholePicture = false;
    walkJpegSegments(file, [&](const JpegSegment &s) {
        const quint8 kind = s.kind;
        const QByteArray segment = file.read(s.length - 2);
        if (segment.size() != s.length - 2)
            return false;
        const bool frame =
            kind >= 0xC0 && kind <= 0xCF && kind != 0xC4 && kind != 0xC8 && kind != 0xCC;
        if (frame && segment.size() >= 6) {
            wholePicture = kind == 0xC2 || kind == 0xC6 || kind == 0xCA || kind == 0xCE;
            height = jpegNumber(segment.constData() + 1);
            width = jpegNumber(segment.constData() + 3);
            const int count = quint8(segment[5]);
            for (int i = 0; i < count && 6 + 3 * i + 1 < segment.size(); ++i) {
                const quint8 sampling = quint8(segment[6 + 3 * i + 1]);
                components.push_back({std::max(1, sampling >> 4), std::max(1, sampling & 0xF)});
            }
        } else if (kind == 0xDA) {
            if (!segment.isEmpty() && quint8(segment[0]) < components.size())
                wholePicture = true;
            return false;
        }
        return true;
    });
    if (!wholePicture || components.empty())
        return 0;
    int hMax = 1, vMax = 1;
    for (const Component &c : components) {
        hMax = std::max(hMax, c.h);
        vMax = std::max(vMax, c.v);
    }
    const auto blocks = [](qint64 edge, int sampling, int most) {
        const qint64 pixels = (edge * sampling + most - 1) / most;
        const qint64 count = (pixels + JpegBlock - 1) / JpegBlock;
        return (count + sampling - 1) / sampling * sampling;
    };
    qint64 bytes = 0;
    for (const Component &c : components)
        bytes += blocks(width, c.h, hMax) * blocks(height, c.v, vMax) * JpegBlock * JpegBlock * 2;
    return bytes;
}

// Every image the reader holds counts, each stage beside what it is made from: the decoded
// pixels and the decoders' own buffers (up to a quarter more), the clip copied out of them,
// a copy widened to 4 bytes a pixel to scale it and the scaled clip, then the part cut out
// of that and the part turned upright.
DecodePlan planDecode(const PictureHeader &header, QSize scaled, QRect part)
{
    const qint64 out = pixelBytes(part.size());
    const QSize full = header.size;
    if (isJpeg(header.format) && part.size() == scaled) {
        // The whole picture, scaled by 1/2 to 1/8 while it decodes, then by the reader.
        const int factor = jpegFactor(full, scaled);
        DecodePlan plan;
        plan.bytes = header.coefficientBytes +
                     pixelBytes(QSize((full.width() + factor - 1) / factor,
                                      (full.height() + factor - 1) / factor)) +
                     2 * out;
        return plan;
    }
    if (isJpeg(header.format)) {
        // A JPEG decodes only the rows and columns around the part, scaled by 1/2 to 1/8 on
        // the way when the clip lies on its block grid.
        DecodePlan plan = clipAround(part, scaled, full, JpegBlock);
        const bool onGrid = (plan.clipRect.x() + plan.clipRect.width()) % JpegBlock == 0 &&
                            (plan.clipRect.y() + plan.clipRect.height()) % JpegBlock == 0;
        if (onGrid) {
            const int factor = jpegFactor(full, scaled);
            const QSize decoded((plan.clipRect.width() + factor - 1) / factor,
                                (plan.clipRect.height() + factor - 1) / factor);
            plan.bytes = header.coefficientBytes + pixelBytes(decoded) +
                         pixelBytes(plan.clipScaled) + 2 * out;
            return plan;
        }
        plan = clipAround(part, scaled, full, 1);
        plan.bytes = header.coefficientBytes + pixelBytes(plan.clipRect.size()) +
                     pixelBytes(plan.clipScaled) + 2 * out;
        return plan;
    }
    const qint64 bpp = bytesPerPixel(header.pixels);
    const qint64 decoded = pixelBytes(full, bpp);
    const qint64 widened = bpp < 4 ? 4 : 0;
    if (part.size() == scaled) {
        DecodePlan plan;
        plan.bytes = decoded + decoded / 4 + pixelBytes(full, widened) + 2 * out;
        return plan;
    }
    DecodePlan plan = clipAround(part, scaled, full, 1);
    const qint64 clip = pixelBytes(plan.clipRect.size(), bpp);
    const qint64 clipScaled = pixelBytes(plan.clipScaled);
    plan.bytes = std::max({decoded + decoded / 4, decoded + clip,
                           clip + pixelBytes(plan.clipRect.size(), widened) + clipScaled,
                           clipScaled + 2 * out});
    return plan;
}

QRect fileRect(QRect upright, QSize file, Transformations t)
{
    QRect r = upright;
    if (t & QImageIOHandler::TransformationRotate90)
        r = QRect(r.y(), file.height() - r.x() - r.width(), r.height(), r.width());
    if (t & QImageIOHandler::TransformationFlip)
        r.moveTop(file.height() - r.y() - r.height());
    if (t & QImageIOHandler::TransformationMirror)
        r.moveLeft(file.width() - r.x() - r.width());
    return r;
}
