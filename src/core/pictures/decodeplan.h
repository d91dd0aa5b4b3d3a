// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QImageIOHandler>
#include <QRect>
#include <QSize>

// The decoding plan: how much of a picture the reader decodes, at what scale, and the
// memory that takes at its peak, from what the file's header says; nothing is decoded here.

using Transformations = QImageIOHandler::Transformations;

// What the file says of itself before it is decoded.
struct PictureHeader {
    QSize size; // as the picture lies in the file
    Transformations turn;
    QByteArray format;
    QImage::Format pixels = QImage::Format_Invalid;
    qint64 coefficientBytes = 0;
};

// How the reader gets `part` of the picture scaled whole to `scaled` (both as the picture
// lies in the file) and the bytes that holds at its peak. Either it scales the whole picture
// and cuts the part out, or it clips the file's pixels around the part first and scales only
// those: a picture far taller or wider than its card would otherwise be scaled whole to
// billions of pixels.
struct DecodePlan {
    bool clip = false;
    QRect clipRect;   // file pixels
    QSize clipScaled; // the clip scaled as the whole picture is
    QRect within;     // the part, within the scaled clip
    qint64 bytes = 0;
};

bool isJpeg(const QByteArray &format);

// The JPEG decoder scales by 1/2, 1/4 or 1/8 on the way; the reader scales the rest.
int jpegFactor(QSize full, QSize scaled);

// What the decoder keeps of a JPEG beside the rows it scales: a progressive file, or one
// whose first scan holds only some of its colours, makes it hold every coefficient of the
// whole picture, whatever size it is scaled to. 0 for a file decoded in one pass. Reads the
// headers from the file's start.
qint64 jpegCoefficientBytes(QIODevice &file);

// The plan for `part` of the picture scaled whole to `scaled`, both as it lies in the file.
DecodePlan planDecode(const PictureHeader &header, QSize scaled, QRect part);

// The part of the upright picture `upright` as it lies in the file, whose picture (at the
// same scale) has the size `file`. Qt mirrors and flips first, then turns clockwise.
QRect fileRect(QRect upright, QSize file, Transformations t);
