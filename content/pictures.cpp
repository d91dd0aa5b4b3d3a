#include "pictures.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <array>
#include <functional>

namespace
{

constexpr int Pairs = 36;

using Draw = std::function<void(QPainter &, QRectF)>;

QFont sans(int pixels, bool bold = true)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A picture drawn on a light card with a soft rounded edge.
QImage picture(QSize size, QColor paper, const Draw &draw)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xF4, 0xF1, 0xEA));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area = QRectF(image.rect()).adjusted(8, 8, -8, -8);
    p.setPen(QPen(QColor(0, 0, 0, 40), 2));
    p.setBrush(paper);
    p.drawRoundedRect(area, 18, 18);
    draw(p, area);
    return image;
}

void centredText(QPainter &p, const QRectF &area, const QString &text, int pixels, QColor colour)
{
    QFont font = sans(pixels);
    // Long names shrink until they fit on at most two lines.
    for (; pixels > 12; pixels -= 2) {
        font.setPixelSize(pixels);
        const QRectF needed = QFontMetricsF(font).boundingRect(
            area.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, text);
        if (needed.width() <= area.width() - 24 && needed.height() <= area.height() - 24)
            break;
    }
    p.setFont(font);
    p.setPen(colour);
    p.drawText(area.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, text);
}

bool writeSet(const QString &folder, const char *format, const std::function<QImage(int)> &first,
              const std::function<QImage(int)> &second)
{
    if (!QDir().mkpath(folder + QStringLiteral("/1")) ||
        !QDir().mkpath(folder + QStringLiteral("/2")))
        return false;
    for (int p = 0; p < Pairs; ++p) {
        const QString name =
            QStringLiteral("%1.%2").arg(p + 1, 2, 10, QLatin1Char('0')).arg(QLatin1String(format));
        if (!first(p).save(folder + QStringLiteral("/1/") + name, format, 88) ||
            !second(p).save(folder + QStringLiteral("/2/") + name, format, 88))
            return false;
    }
    return true;
}

struct NamedColour {
    const char *name;
    QRgb rgb;
};

constexpr std::array<NamedColour, Pairs> Colours = {{
    {"rojo", 0xD62828},     {"azul", 0x1D4ED8},    {"verde", 0x2E9E44},
    {"amarillo", 0xF6D32D}, {"naranja", 0xF77F00}, {"morado", 0x7B2CBF},
    {"rosa", 0xF4A6C0},     {"marrón", 0x7F4F24},  {"negro", 0x111111},
    {"blanco", 0xFFFFFF},   {"gris", 0x8D99AE},    {"celeste", 0x8ECAE6},
    {"turquesa", 0x2EC4B6}, {"granate", 0x800020}, {"lila", 0xC8A2C8},
    {"beis", 0xE8D8B0},     {"oliva", 0x808000},   {"dorado", 0xD4AF37},
    {"plateado", 0xC0C0C0}, {"coral", 0xFF7F50},   {"salmón", 0xFA8072},
    {"fucsia", 0xE0218A},   {"añil", 0x3F00FF},    {"esmeralda", 0x50C878},
    {"limón", 0xE3F542},    {"cian", 0x00B7EB},    {"magenta", 0xC2185B},
    {"ocre", 0xCC7722},     {"crema", 0xFFF5CC},   {"menta", 0x98E2C6},
    {"caqui", 0xC3B091},    {"burdeos", 0x5E0B15}, {"mostaza", 0xD8A31A},
    {"vino", 0x722F37},     {"arena", 0xD9C8A0},   {"azul marino", 0x14213D},
}};

struct Shape {
    const char *name;
    int kind;
};

constexpr std::array<Shape, 6> Shapes = {{{"círculo", 0},
                                          {"cuadrado", 1},
                                          {"triángulo", 2},
                                          {"estrella", 3},
                                          {"rombo", 4},
                                          {"corazón", 5}}};

struct ShapeColour {
    const char *name;
    QRgb rgb;
};

constexpr std::array<ShapeColour, 6> ShapeColours = {{{"rojo", 0xD62828},
                                                      {"azul", 0x1D4ED8},
                                                      {"verde", 0x2E9E44},
                                                      {"amarillo", 0xF6C000},
                                                      {"morado", 0x7B2CBF},
                                                      {"naranja", 0xF77F00}}};

QPainterPath shapePath(int kind, const QRectF &r)
{
    QPainterPath path;
    const QPointF c = r.center();
    const double s = std::min(r.width(), r.height()) * 0.38;
    switch (kind) {
    case 0:
        path.addEllipse(c, s, s);
        break;
    case 1:
        path.addRect(QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s));
        break;
    case 2:
        path.moveTo(c.x(), c.y() - s);
        path.lineTo(c.x() + s * 1.1, c.y() + s * 0.85);
        path.lineTo(c.x() - s * 1.1, c.y() + s * 0.85);
        path.closeSubpath();
        break;
    case 3:
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double radius = i % 2 ? s * 0.45 : s * 1.1;
            const QPointF pt(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a));
            i ? path.lineTo(pt) : path.moveTo(pt);
        }
        path.closeSubpath();
        break;
    case 4:
        path.moveTo(c.x(), c.y() - s * 1.1);
        path.lineTo(c.x() + s * 0.8, c.y());
        path.lineTo(c.x(), c.y() + s * 1.1);
        path.lineTo(c.x() - s * 0.8, c.y());
        path.closeSubpath();
        break;
    default:
        path.moveTo(c.x(), c.y() + s);
        path.cubicTo(c.x() - s * 1.6, c.y() - s * 0.2, c.x() - s * 0.7, c.y() - s * 1.3, c.x(),
                     c.y() - s * 0.45);
        path.cubicTo(c.x() + s * 0.7, c.y() - s * 1.3, c.x() + s * 1.6, c.y() - s * 0.2, c.x(),
                     c.y() + s);
        break;
    }
    return path;
}

void clockFace(QPainter &p, const QRectF &area, int hour, int minute)
{
    const QPointF c = area.center();
    const double r = std::min(area.width(), area.height()) * 0.42;
    p.setPen(QPen(QColor(0x22, 0x22, 0x33), 5));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        const QPointF dir(std::sin(a), -std::cos(a));
        p.setPen(QPen(QColor(0x22, 0x22, 0x33), i % 3 ? 2 : 5));
        p.drawLine(c + dir * r * 0.82, c + dir * r * 0.95);
    }
    const double minuteAngle = minute * M_PI / 30;
    const double hourAngle = (hour % 12 + minute / 60.0) * M_PI / 6;
    p.setPen(QPen(QColor(0x1D, 0x4E, 0xD8), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(std::sin(hourAngle), -std::cos(hourAngle)) * r * 0.5);
    p.setPen(QPen(QColor(0xD6, 0x28, 0x28), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(std::sin(minuteAngle), -std::cos(minuteAngle)) * r * 0.78);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x22, 0x33));
    p.drawEllipse(c, 7, 7);
}

void dots(QPainter &p, const QRectF &area, int count)
{
    // Dots in rows of up to six, the way dice group them.
    const int columns = count <= 4 ? count : count <= 9 ? 3 : count <= 16 ? 4 : 6;
    const int rows = (count + columns - 1) / columns;
    const double cell = std::min((area.width() - 30) / columns, (area.height() - 30) / rows);
    const QPointF origin(area.center().x() - cell * columns / 2,
                         area.center().y() - cell * rows / 2);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const int row = i / columns, column = i % columns;
        p.setBrush(QColor::fromHsv((i * 37) % 360, 190, 220));
        p.drawEllipse(origin + QPointF((column + 0.5) * cell, (row + 0.5) * cell), cell * 0.38,
                      cell * 0.38);
    }
}

} // namespace

bool writePictureSets(const QString &folder)
{
    const QSize wide(320, 240);
    const QSize square(300, 300);
    const QColor paper(0xFF, 0xFD, 0xF7);

    const bool colours = writeSet(
        folder + QStringLiteral("/colores"), "png",
        [&](int p) { return picture(wide, QColor(Colours[p].rgb), [](QPainter &, QRectF) {}); },
        [&](int p) {
            return picture(wide, paper, [p](QPainter &painter, QRectF area) {
                centredText(painter, area, QString::fromUtf8(Colours[p].name), 48,
                            QColor(0x22, 0x22, 0x33));
            });
        });

    const bool numbers = writeSet(
        folder + QStringLiteral("/números y puntos"), "png",
        [&](int p) {
            return picture(square, paper, [p](QPainter &painter, QRectF area) {
                centredText(painter, area, QString::number(p + 1), 150,
                            QColor::fromHsv((p * 47) % 360, 200, 170));
            });
        },
        [&](int p) {
            return picture(square, paper,
                           [p](QPainter &painter, QRectF area) { dots(painter, area, p + 1); });
        });

    // Twelve hours at three quarters of each: 36 times.
    const auto time = [](int p) { return std::pair{p / 3 + 1, (p % 3) * 15 + 10}; };
    const bool clocks = writeSet(
        folder + QStringLiteral("/relojes"), "jpg",
        [&](int p) {
            return picture(square, QColor(0xE9, 0xF1, 0xFB), [&, p](QPainter &painter, QRectF a) {
                const auto [h, m] = time(p);
                clockFace(painter, a, h, m);
            });
        },
        [&](int p) {
            return picture(square, QColor(0x14, 0x21, 0x3D), [&, p](QPainter &painter, QRectF a) {
                const auto [h, m] = time(p);
                centredText(painter, a,
                            QStringLiteral("%1:%2").arg(h).arg(m, 2, 10, QLatin1Char('0')), 96,
                            QColor(0x7C, 0xF2, 0x9C));
            });
        });

    const bool shapes = writeSet(
        folder + QStringLiteral("/formas"), "png",
        [&](int p) {
            return picture(wide, paper, [p](QPainter &painter, QRectF area) {
                painter.setPen(QPen(QColor(0, 0, 0, 90), 3));
                painter.setBrush(QColor(ShapeColours[p % 6].rgb));
                painter.drawPath(shapePath(Shapes[p / 6].kind, area));
            });
        },
        [&](int p) {
            return picture(wide, paper, [p](QPainter &painter, QRectF area) {
                centredText(painter, area,
                            QString::fromUtf8(Shapes[p / 6].name) + QLatin1Char(' ') +
                                QString::fromUtf8(ShapeColours[p % 6].name),
                            44, QColor(0x22, 0x22, 0x33));
            });
        });
    return colours && numbers && clocks && shapes;
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
