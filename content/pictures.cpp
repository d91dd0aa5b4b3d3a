// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures.h"

#include "colourdifference.h"

#include "cards/cardgeometry.h"
#include "rules/paircounts.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <array>
#include <exiv2/exiv2.hpp>
#include <functional>
#include <vector>

namespace
{

// 4:3, and wide enough for the largest card a 4K screen shows.
constexpr QSize PictureSize(480, 360);
const QColor Paper(0xFF, 0xFD, 0xF7);
const QColor Ink(0x22, 0x22, 0x33);

using Draw = std::function<void(QPainter &, const QRectF &)>;

// The rows of a picture of PictureSize that every board shows, on every common screen, for
// every pair count a set of `pairs` pairs offers; the drawing keeps a little off its edges.
QRectF drawingArea(int pairs)
{
    ShownRows band;
    for (int choice = 0; choice < PairCounts::ChoiceCount; ++choice) {
        if (PairCounts::pairsFor(choice) > pairs)
            break;
        for (const QSize &screen : CommonScreens) {
            const ShownRows rows = shownRows(PictureSize, choice, screen);
            band.top = std::max(band.top, rows.top);
            band.bottom = std::min(band.bottom, rows.bottom);
        }
    }
    const double h = PictureSize.height();
    const double margin = 0.03 * h;
    return QRectF(QPointF(0.05 * PictureSize.width(), band.top * h + margin),
                  QPointF(0.95 * PictureSize.width(), band.bottom * h - margin));
}

// A picture of one colour to its edges, so that its border tells what is drawing and what
// is paper.
QImage picture(QColor paper, const QRectF &area, const Draw &draw)
{
    QImage image(PictureSize, QImage::Format_RGB32);
    image.fill(paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p, area);
    return image;
}

// The largest size up to `pixels` at which the text fits the area, on one line measured by
// its ink so that numerals fill the band, or on two lines when that is larger. Lines keep
// the font's own line height with `byLine`, so small letters stay smaller than capitals.
void centredText(QPainter &p, const QRectF &area, const QString &text, int pixels, QColor colour,
                 bool byLine = false, const QString &family = QStringLiteral("Liberation Sans"))
{
    QFont font(family);
    font.setBold(true);
    const auto fits = [&](int size, bool wrapped) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font);
        const QRectF r = wrapped
                             ? metrics.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text)
                             : metrics.tightBoundingRect(text);
        return r.width() <= area.width() && r.height() <= area.height();
    };
    int oneLine = 0;
    if (!byLine) {
        oneLine = pixels;
        while (oneLine > 12 && !fits(oneLine, false))
            oneLine -= 2;
    }
    int wrapped = pixels;
    while (wrapped > 12 && !fits(wrapped, true))
        wrapped -= 2;
    p.setPen(colour);
    if (oneLine >= wrapped) {
        font.setPixelSize(oneLine);
        p.setFont(font);
        p.drawText(area.center() - QFontMetricsF(font).tightBoundingRect(text).center(), text);
    } else {
        font.setPixelSize(wrapped);
        p.setFont(font);
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
    }
}

using Painter = std::function<QImage(int)>;
// What a screen reader says for the picture of pair p.
using Captioner = std::function<QString(int)>;

// The caption as XMP dc:title, where photo tools write it into a JPEG.
bool writeXmpTitle(const QString &path, const QString &caption)
{
    try {
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        Exiv2::LangAltValue title;
        title.value_["x-default"] = caption.toStdString();
        image->xmpData().add(Exiv2::XmpKey("Xmp.dc.title"), &title);
        image->writeMetadata();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

// A PNG carries its caption in a "Title" text chunk.
bool writePicture(QImage image, const QString &path, const char *format, const QString &caption)
{
    if (qstrcmp(format, "png") == 0) {
        image.setText(QStringLiteral("Title"), caption);
        // Qt reads a PNG's quality as the inverse of its compression.
        return image.save(path, format, 0);
    }
    return image.save(path, format, 92) && writeXmpTitle(path, caption);
}

bool writeSet(const QString &folder, const char *format, int pairs, const Painter &first,
              const Painter &second, const Captioner &firstCaption, const Captioner &secondCaption)
{
    if (!QDir().mkpath(folder + QStringLiteral("/1")) ||
        !QDir().mkpath(folder + QStringLiteral("/2")))
        return false;
    for (int p = 0; p < pairs; ++p) {
        const QString name =
            QStringLiteral("%1.%2").arg(p + 1, 2, 10, QLatin1Char('0')).arg(QLatin1String(format));
        if (!writePicture(first(p), folder + QStringLiteral("/1/") + name, format,
                          firstCaption(p)) ||
            !writePicture(second(p), folder + QStringLiteral("/2/") + name, format,
                          secondCaption(p)))
            return false;
    }
    return true;
}

// Any two at least MinimumColourDifference apart, so that no two swatches need a second look; named
// by Language::colours in this order (red, orange, yellow, green, light green, turquoise, sky
// blue, blue, purple, lilac, pink, fuchsia, brown, black, grey, white).
constexpr std::array<QRgb, 16> Colours = {
    0xD41E0C, 0xFF9513, 0xFFDF0E, 0x129109, 0x7DF552, 0x0BC2A8, 0x50C9FF, 0x0F5FCA,
    0x7C0C9F, 0xB89BF8, 0xF2A6AB, 0xEB0A82, 0x70490D, 0x111111, 0x8A8A8A, 0xFFFFFF,
};

// The colour set's own red, blue, green, yellow, purple and orange, so that these six stand as
// far apart as its swatches; named by Language::shapeColours.
constexpr std::array<QRgb, 6> ShapeColours = {0xD41E0C, 0x0F5FCA, 0x129109,
                                              0xFFDF0E, 0x7C0C9F, 0xFF9513};

// A caption of the language's with its placeholders filled.
QString caption(const char *pattern, const QString &a, const QString &b = QString())
{
    QString text = QString::fromUtf8(pattern);
    return b.isNull() ? text.arg(a) : text.arg(a, b);
}

// A shape of the given kind (an index into Language::shapes) as large as fits the area.
QPainterPath shapePath(int kind, const QRectF &area)
{
    QPainterPath path;
    const QPointF c = area.center();
    const double s = area.height() / 2;
    switch (kind) {
    case 0:
        path.addEllipse(c, s, s);
        break;
    case 1:
        path.addRect(QRectF(c.x() - s * 0.9, c.y() - s * 0.9, 1.8 * s, 1.8 * s));
        break;
    case 2:
        path.moveTo(c.x(), c.y() - s);
        path.lineTo(c.x() + s * 1.15, c.y() + s);
        path.lineTo(c.x() - s * 1.15, c.y() + s);
        path.closeSubpath();
        break;
    case 3:
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double radius = i % 2 ? s * 0.42 : s;
            const QPointF pt(c.x() + radius * std::cos(a), c.y() + s * 0.1 + radius * std::sin(a));
            i ? path.lineTo(pt) : path.moveTo(pt);
        }
        path.closeSubpath();
        break;
    case 4:
        path.moveTo(c.x(), c.y() - s);
        path.lineTo(c.x() + s * 0.75, c.y());
        path.lineTo(c.x(), c.y() + s);
        path.lineTo(c.x() - s * 0.75, c.y());
        path.closeSubpath();
        break;
    default:
        path.moveTo(c.x(), c.y() + s);
        path.cubicTo(c.x() - s * 1.5, c.y() - s * 0.05, c.x() - s * 0.75, c.y() - s * 1.2, c.x(),
                     c.y() - s * 0.5);
        path.cubicTo(c.x() + s * 0.75, c.y() - s * 1.2, c.x() + s * 1.5, c.y() - s * 0.05, c.x(),
                     c.y() + s);
        break;
    }
    return path;
}

void clockFace(QPainter &p, const QRectF &area, int hour, int minute)
{
    const QPointF c = area.center();
    const double r = area.height() / 2 - 3;
    p.setPen(QPen(Ink, 5));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        const QPointF dir(std::sin(a), -std::cos(a));
        p.setPen(QPen(Ink, i % 3 ? 3 : 6));
        p.drawLine(c + dir * r * 0.80, c + dir * r * 0.93);
    }
    const double minuteAngle = minute * M_PI / 30;
    const double hourAngle = (hour % 12 + minute / 60.0) * M_PI / 6;
    p.setPen(QPen(QColor(0x0F, 0x5F, 0xCA), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(std::sin(hourAngle), -std::cos(hourAngle)) * r * 0.5);
    p.setPen(QPen(QColor(0xD4, 0x1E, 0x0C), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(std::sin(minuteAngle), -std::cos(minuteAngle)) * r * 0.78);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(c, 8, 8);
}

// Dots in rows of ten with a gap after five, red fives then blue fives, the way a
// counting frame groups them; a count up to ten is one row.
void dots(QPainter &p, const QRectF &area, int count)
{
    const int columns = std::min(count, 10);
    const int rows = (count + 9) / 10;
    const double gap = columns > 5 ? 0.6 : 0.0;
    const double cell = std::min({area.width() / (columns + gap), area.height() / rows, 90.0});
    const double width = cell * (columns + gap);
    const QPointF origin(area.center().x() - width / 2, area.center().y() - cell * rows / 2);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const int row = i / 10, column = i % 10;
        p.setBrush(column < 5 ? QColor(0xD4, 0x1E, 0x0C) : QColor(0x0F, 0x5F, 0xCA));
        const double x = (column + 0.5 + (column >= 5 ? gap : 0.0)) * cell;
        p.drawEllipse(origin + QPointF(x, (row + 0.5) * cell), cell * 0.4, cell * 0.4);
    }
}

bool writeColours(const QString &folder, const Language &language)
{
    const Captions &words = language.captions;
    const int pairs = int(Colours.size());
    // Two swatches closer would leave a player guessing; such a palette is not shipped.
    for (int i = 0; i < pairs; ++i) {
        for (int j = i + 1; j < pairs; ++j) {
            if (colourDifference(QColor(Colours[i]), QColor(Colours[j])) < MinimumColourDifference)
                return false;
        }
    }
    const QRectF area = drawingArea(pairs);
    return writeSet(
        folder, "png", pairs,
        [&](int p) { return picture(QColor(Colours[p]), area, [](QPainter &, QRectF) {}); },
        [&](int p) {
            return picture(Paper, area, [&, p](QPainter &painter, const QRectF &a) {
                centredText(painter, a, QString::fromUtf8(language.colours[p]), 110, Ink);
            });
        },
        [&](int p) { return caption(words.swatch, QString::fromUtf8(language.colours[p])); },
        [&](int p) { return caption(words.colourWord, QString::fromUtf8(language.colours[p])); });
}

bool writeNumbers(const QString &folder, const Language &language)
{
    const Captions &words = language.captions;
    const QRectF area = drawingArea(36);
    return writeSet(
        folder, "png", 36,
        [&](int p) {
            return picture(Paper, area, [p](QPainter &painter, const QRectF &a) {
                centredText(painter, a, QString::number(p + 1), 200, Ink);
            });
        },
        [&](int p) {
            return picture(Paper, area,
                           [p](QPainter &painter, const QRectF &a) { dots(painter, a, p + 1); });
        },
        [&](int p) { return caption(words.number, QString::number(p + 1)); },
        [&](int p) { return dotsCaption(words, p + 1); });
}

bool writeClocks(const QString &folder, const Language &language)
{
    const Captions &words = language.captions;
    const auto digits = [](int h, int m) {
        return QStringLiteral("%1:%2").arg(h).arg(m, 2, 10, QLatin1Char('0'));
    };
    // Twelve hours at three quarter hours each, where the hands lie apart: 36 times.
    std::vector<std::pair<int, int>> times;
    for (int h = 1; h <= 12; ++h) {
        int taken = 0;
        for (int m = 0; m < 60 && taken < 3; m += 15) {
            const double apart = std::fmod(m / 5.0 - (h % 12 + m / 60.0) + 24.0, 12.0);
            if (std::min(apart, 12.0 - apart) >= 1.0) {
                times.emplace_back(h, m);
                ++taken;
            }
        }
    }
    const auto time = [&](int p) { return times[std::size_t(p)]; };
    const QRectF area = drawingArea(36);
    return writeSet(
        folder, "jpg", 36,
        [&](int p) {
            return picture(QColor(0xE9, 0xF1, 0xFB), area, [&, p](QPainter &painter, QRectF a) {
                const auto [h, m] = time(p);
                clockFace(painter, a, h, m);
            });
        },
        [&](int p) {
            return picture(QColor(0x14, 0x21, 0x3D), area, [&, p](QPainter &painter, QRectF a) {
                const auto [h, m] = time(p);
                centredText(painter, a, digits(h, m), 150, QColor(0x7C, 0xF2, 0x9C));
            });
        },
        // In words on both cards: digits would be read with their colon.
        [&](int p) {
            const auto [h, m] = time(p);
            return caption(words.handsClock, timeInWords(language.time, h, m));
        },
        [&](int p) {
            const auto [h, m] = time(p);
            return caption(words.digitalClock, timeInWords(language.time, h, m));
        });
}

// "estrella roja", "red star": the shape of pair p and its colour, as the language says them.
QString shapeWords(const Language &language, int p)
{
    const int shape = p / 6;
    const QString name = QString::fromUtf8(language.shapes[std::size_t(shape)]);
    const QString colour = QString::fromUtf8(
        language.shapeColours[std::size_t(p % 6)][std::size_t(language.shapeGenders[shape])]);
    return language.colourFirst ? colour + QLatin1Char(' ') + name
                                : name + QLatin1Char(' ') + colour;
}

bool writeShapes(const QString &folder, const Language &language)
{
    const Captions &words = language.captions;
    const QRectF area = drawingArea(36);
    return writeSet(
        folder, "png", 36,
        [&](int p) {
            return picture(Paper, area, [p](QPainter &painter, const QRectF &a) {
                painter.setPen(QPen(Ink, 3));
                painter.setBrush(QColor(ShapeColours[p % 6]));
                painter.drawPath(shapePath(p / 6, a.adjusted(2, 2, -2, -2)));
            });
        },
        [&](int p) {
            return picture(Paper, area, [&, p](QPainter &painter, const QRectF &a) {
                centredText(painter, a, shapeWords(language, p), 80, Ink);
            });
        },
        [&](int p) { return caption(words.shapeDrawing, shapeWords(language, p)); },
        [&](int p) { return caption(words.shapeWords, shapeWords(language, p)); });
}

// Additions whose results are 2 to 22, each result once, so that no sum fits two results.
bool writeSums(const QString &folder, const Language &language)
{
    const Captions &words = language.captions;
    constexpr std::array<std::pair<int, int>, 21> sums = {{
        {1, 1}, {2, 1}, {1, 3}, {3, 2}, {4, 2}, {2, 5},  {5, 3},  {4, 5},  {7, 3},  {6, 5},  {4, 8},
        {9, 4}, {6, 8}, {7, 8}, {9, 7}, {8, 9}, {12, 6}, {11, 8}, {13, 7}, {15, 6}, {14, 8},
    }};
    const int pairs = int(sums.size());
    const QRectF area = drawingArea(pairs);
    return writeSet(
        folder, "png", pairs,
        [&](int p) {
            return picture(Paper, area, [&, p](QPainter &painter, const QRectF &a) {
                const auto [x, y] = sums[std::size_t(p)];
                centredText(painter, a, QStringLiteral("%1 + %2").arg(x).arg(y), 150,
                            QColor(0x0F, 0x5F, 0xCA));
            });
        },
        [&](int p) {
            return picture(QColor(0xFF, 0xF4, 0xD6), area, [&, p](QPainter &painter, QRectF a) {
                const auto [x, y] = sums[std::size_t(p)];
                centredText(painter, a, QString::number(x + y), 200, QColor(0xB0, 0x1A, 0x0A));
            });
        },
        [&](int p) {
            const auto [x, y] = sums[std::size_t(p)];
            return caption(words.sum, QString::number(x), QString::number(y));
        },
        [&](int p) {
            const auto [x, y] = sums[std::size_t(p)];
            return caption(words.number, QString::number(x + y));
        });
}

// The letters of the language's alphabet, capital and small; a serif face keeps capital I
// and small l apart.
bool writeLetters(const QString &folder, const Language &language)
{
    const Captions &words = language.captions;
    const QString alphabet = QString::fromUtf8(language.alphabet);
    const int pairs = int(alphabet.size());
    const QRectF area = drawingArea(pairs);
    const QString serif = QStringLiteral("Liberation Serif");
    return writeSet(
        folder, "png", pairs,
        [&](int p) {
            return picture(Paper, area, [&, p](QPainter &painter, const QRectF &a) {
                centredText(painter, a, alphabet.mid(p, 1), 220, Ink, true, serif);
            });
        },
        [&](int p) {
            return picture(QColor(0xEE, 0xF7, 0xEA), area, [&, p](QPainter &painter, QRectF a) {
                centredText(painter, a, alphabet.mid(p, 1).toLower(), 220, QColor(0x12, 0x6B, 0x09),
                            true, serif);
            });
        },
        [&](int p) { return caption(words.capital, alphabet.mid(p, 1)); },
        [&](int p) { return caption(words.small, alphabet.mid(p, 1).toLower()); });
}

} // namespace

bool writePictureSets(const QString &folder, const Language &language)
{
    const auto set = [&](SetIndex i) {
        return folder + QLatin1Char('/') + QString::fromUtf8(language.setNames[i]);
    };
    return writeColours(set(ColoursSet), language) && writeNumbers(set(NumbersSet), language) &&
           writeClocks(set(ClocksSet), language) && writeShapes(set(ShapesSet), language) &&
           writeSums(set(SumsSet), language) && writeLetters(set(LettersSet), language);
}

bool writeCardBack(const QString &path)
{
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(QColor(0x12, 0x2C, 0x6B));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    constexpr int step = 32;
    p.setPen(QPen(QColor(0x4F, 0x7C, 0xD9), 3));
    for (int x = -image.height(); x < image.width(); x += step) {
        p.drawLine(x, 0, x + image.height(), image.height());
        p.drawLine(x + image.height(), 0, x, image.height());
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0xC9, 0x4C));
    for (int y = 0; y <= image.height(); y += step) {
        for (int x = (y / step % 2) * (step / 2); x <= image.width(); x += step)
            p.drawEllipse(QPointF(x, y), 3, 3);
    }
    p.end();
    return image.save(path, "JPG", 90);
}
