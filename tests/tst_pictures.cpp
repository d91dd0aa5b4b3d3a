#include "board/pictureloader.h"
#include "fakes.h"
#include "platform/twips.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <QTransform>
#include <QtEndian>
#include <cmath>

namespace
{

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray bigEndian(quint32 value, int bytes)
{
    char v[4];
    qToBigEndian(value, v);
    return QByteArray(v + 4 - bytes, bytes);
}

// A JPEG whose EXIF says how to turn or mirror it to stand upright (1 to 8).
QByteArray jpegWithOrientation(const QImage &image, quint16 orientation)
{
    QByteArray tiff("II*\0\x08\0\0\0", 8);
    tiff += QByteArray("\x01\x00", 2);         // one entry
    tiff += QByteArray("\x12\x01\x03\x00", 4); // orientation, SHORT
    tiff += QByteArray("\x01\x00\x00\x00", 4); // count 1
    tiff += char(orientation);
    tiff += QByteArray(3, '\0');
    tiff += QByteArray(4, '\0'); // no next IFD
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const QByteArray segment =
        QByteArray("\xFF\xE1", 2) + bigEndian(quint32(payload.size() + 2), 2) + payload;
    // Right after the start-of-image marker.
    return encoded(image, "JPG").insert(2, segment);
}

// A JPEG that announces the given size: the scan of a small picture is far too short for
// it, so the decoder fills the rest, as it does for a photo cut off in transfer.
QByteArray jpegAnnouncing(quint16 width, quint16 height)
{
    QImage small(64, 64, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    QByteArray jpeg = encoded(small, "JPG");
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    jpeg.replace(frame + 5, 2, bigEndian(height, 2));
    jpeg.replace(frame + 7, 2, bigEndian(width, 2));
    return jpeg;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 c = 0xFFFFFFFFu;
    for (const char ch : bytes) {
        c ^= quint8(ch);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

// A well-formed PNG header for an RGB picture of the given size, and no picture behind it.
QByteArray pngHeader(quint32 width, quint32 height)
{
    const QByteArray ihdr = QByteArray("IHDR") + bigEndian(width, 4) + bigEndian(height, 4) +
                            QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + bigEndian(13, 4) + ihdr + bigEndian(crc32(ihdr), 4);
}

QImage noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    return image;
}

CardPictureRequest request(const QString &path, int boxWidth, int boxHeight)
{
    CardPictureRequest r;
    r.path = path;
    r.boxWidth = boxWidth;
    r.boxHeight = boxHeight;
    r.clientSize = QSize(twipsToPixels(boxWidth) - 2, twipsToPixels(boxHeight) - 2);
    return r;
}

CardPicture loadOn(const QString &path, int boxWidth, int boxHeight)
{
    return loadCardPictures({request(path, boxWidth, boxHeight)}).front();
}

// The nearest of the few colours the clipping test paints.
QString colourName(QColor c)
{
    const std::pair<const char *, QColor> named[] = {
        {"red", Qt::red},   {"yellow", Qt::yellow}, {"green", Qt::green},
        {"cyan", Qt::cyan}, {"black", Qt::black},
    };
    const auto distance = [&](QColor n) {
        return qAbs(c.red() - n.red()) + qAbs(c.green() - n.green()) + qAbs(c.blue() - n.blue());
    };
    const auto *best =
        std::min_element(std::begin(named), std::end(named), [&](const auto &a, const auto &b) {
            return distance(a.second) < distance(b.second);
        });
    return QString::fromLatin1(best->first);
}

// How far, on average in red and green, the card's picture lies from the same part cut
// from the whole picture decoded upright at full size.
double differenceFromWholeDecode(const QString &path, const CardPicture &card)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage expected =
        reader.read()
            .scaled(card.geometry.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .copy(card.visible)
            .convertToFormat(QImage::Format_RGB32);
    const QImage shown = card.image.convertToFormat(QImage::Format_RGB32);
    qint64 difference = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb a = shown.pixel(x, y), b = expected.pixel(x, y);
            difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b));
        }
    return double(difference) / (2 * shown.width() * shown.height());
}

// Fine waves across and down, which show any shift of the part decoded.
QImage stripes(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                           qRgb(int(128 + 120 * std::sin(x * M_PI / 16)),
                                int(128 + 120 * std::sin(y * M_PI / 16)), 128));
    return image;
}

} // namespace

class TstPictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void placement_data();
    void placement();
    void formatsLoad_data();
    void formatsLoad();
    void brokenFilesDoNotLoad_data();
    void brokenFilesDoNotLoad();
    void clippedToWhatTheBoxShows_data();
    void clippedToWhatTheBoxShows();
    void pictureOverQtsDefaultLimitLoads();
    void manyPicturesLoadInTheirOrder();
    void background_data();
    void background();
};

void TstPictures::placement_data()
{
    QTest::addColumn<int>("boxWidth");
    QTest::addColumn<int>("boxHeight");
    QTest::addColumn<int>("naturalWidth");
    QTest::addColumn<int>("naturalHeight");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("top");
    QTest::newRow("2:1 on a 900-twip box") << 900 << 700 << 3000 << 1500 << 450 << 125;
    QTest::newRow("2:1 on a 900-twip box taller than the picture")
        << 900 << 1451 << 3000 << 1500 << 450 << 500;
    QTest::newRow("height rounds down") << 1000 << 1000 << 3000 << 1000 << 333 << 333;
    QTest::newRow("height rounds down, not to nearest")
        << 1000 << 1000 << 1500 << 1000 << 666 << 167;
    QTest::newRow("tall on a wide box: negative top")
        << 2000 << 1000 << 1500 << 3000 << 4000 << -1500;
    QTest::newRow("tall on a wide box with an odd overflow")
        << 2000 << 1000 << 1500 << 3015 << 4020 << -1510;
    QTest::newRow("overflow of one halves toward zero")
        << 1000 << 1000 << 1000 << 1001 << 1001 << 0;
    QTest::newRow("overflow of three halves toward zero, not down")
        << 1000 << 1000 << 1000 << 1003 << 1003 << -1;
    QTest::newRow("odd gap halves toward zero") << 1000 << 1000 << 1000 << 997 << 997 << 1;
    QTest::newRow("36-pair box on a 1920 x 1080 screen, a 4:3 photo")
        << 3130 << 1955 << 60000 << 45000 << 2347 << -196;
    QTest::newRow("big photo sizes do not overflow the product")
        << 4685 << 3935 << 120000 << 90000 << 3513 << 211;
}

void TstPictures::placement()
{
    QFETCH(int, boxWidth);
    QFETCH(int, boxHeight);
    QFETCH(int, naturalWidth);
    QFETCH(int, naturalHeight);
    QFETCH(int, height);
    QFETCH(int, top);
    const PicturePlacement p = placePicture(boxWidth, boxHeight, naturalWidth, naturalHeight);
    QCOMPARE(p.width, boxWidth);
    QCOMPARE(p.height, height);
    QCOMPARE(p.top, top);
    // Centred: what lies above the box and what lies below differ by a twip at most.
    const int above = -p.top;
    const int below = p.top + p.height - boxHeight;
    QVERIFY2(qAbs(above - below) <= 1, qPrintable(QStringLiteral("%1 %2").arg(above).arg(below)));
}

void TstPictures::formatsLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("compare");
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QSize wide(64, 32);
    QTest::newRow("JPEG") << encoded(image, "JPG") << "a.jpg" << wide << true;
    QTest::newRow("PNG") << encoded(image, "PNG") << "a.png" << wide << true;
    QTest::newRow("BMP") << encoded(image, "BMP") << "a.bmp" << wide << true;
    QTest::newRow("ICO") << encoded(image, "ICO") << "a.ico" << wide << true;
    // Qt reads GIF but does not write it: a one-pixel GIF by hand.
    QTest::newRow("GIF") << QByteArray(
                                "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00"
                                "\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;",
                                35)
                         << "a.gif" << QSize(1, 1) << true;
    QTest::newRow("a PNG named .jpg") << encoded(image, "PNG") << "wrong.jpg" << wide << true;
    QTest::newRow("a JPEG named .txt") << encoded(image, "JPG") << "notes.txt" << wide << true;
    QTest::newRow("a name without suffix") << encoded(image, "PNG") << "picture" << wide << true;
    const QByteArray photo = encoded(noise(300, 200), "JPG");
    QTest::newRow("a JPEG cut off halfway shows what arrived")
        << photo.left(photo.size() / 2) << "cut.jpg" << QSize(300, 200) << true;
    QTest::newRow("a 16000 x 16000 JPEG decodes scaled down")
        << jpegAnnouncing(16000, 16000) << "huge.jpg" << QSize(16000, 16000) << false;
    QTest::newRow("a wide JPEG whose bottom is off the decoder's 8-pixel grid")
        << encoded(stripes(QSize(400, 203)), "JPG") << "odd.jpg" << QSize(400, 203) << true;
}

void TstPictures::formatsLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, compare);
    TestProgram program;
    program.writeFile(name, bytes);
    const CardPicture card = loadOn(program.path(name), 1500, 1500);
    QVERIFY(card.loaded);
    QCOMPARE(card.naturalWidth, size.width() * 15);
    QCOMPARE(card.naturalHeight, size.height() * 15);
    QCOMPARE(card.placement.height, 1500 * size.height() / size.width());
    QVERIFY(!card.image.isNull());
    QCOMPARE(card.image.size(), card.visible.size());
    QVERIFY(QRect(0, 0, 98, 98).contains(card.visible.translated(card.geometry.topLeft())));
    // Where the whole picture fits in memory, a whole decode cut down shows the same.
    if (compare)
        QVERIFY(differenceFromWholeDecode(program.path(name), card) < 10);
}

void TstPictures::brokenFilesDoNotLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("zero bytes") << QByteArray();
    QTest::newRow("text") << QByteArray("just some words\r\n");
    QTest::newRow("a JPEG cut inside its header") << encoded(noise(300, 300), "JPG").left(60);
    QTest::newRow("a PNG signature and nothing else") << QByteArray("\x89PNG\r\n\x1a\n", 8);
    QTest::newRow("a 4000 x 1 strip, under a pixel high on its card")
        << encoded(QImage(4000, 1, QImage::Format_RGB32), "PNG");
    QTest::newRow("a 20000 x 20000 PNG needs too much memory") << pngHeader(20000, 20000);
    QTest::newRow("a 8200 x 8200 PNG needs just over 256 MB") << pngHeader(8200, 8200);
}

void TstPictures::brokenFilesDoNotLoad()
{
    QFETCH(QByteArray, bytes);
    TestProgram program;
    program.writeFile(QStringLiteral("p"), bytes);
    QElapsedTimer timer;
    timer.start();
    const CardPicture card = loadOn(program.path(QStringLiteral("p")), 2000, 1500);
    QVERIFY(!card.loaded);
    QVERIFY(card.image.isNull());
    QVERIFY(timer.elapsed() < 2000);
}

void TstPictures::clippedToWhatTheBoxShows_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("stripes");
    // Upright and four times as tall as wide. In colours: the middle quarter, which a
    // square box shows, in four colours, black around it. In stripes: fine waves across
    // and down, which show any shift of the part decoded.
    const auto upright = [](QSize size, bool stripes) {
        if (stripes)
            return ::stripes(size);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            const int w = size.width() / 2, h = size.height() / 8;
            QPainter p(&image);
            p.fillRect(0, 3 * h, w, h, Qt::red);
            p.fillRect(w, 3 * h, w, h, Qt::yellow);
            p.fillRect(0, 4 * h, w, h, Qt::green);
            p.fillRect(w, 4 * h, w, h, Qt::cyan);
        }
        return image;
    };
    // How each orientation lies in the file, so that turning it as its EXIF says gives
    // the upright picture back.
    const std::pair<const char *, QTransform> turns[] = {
        {"mirrored (EXIF 2)", QTransform(-1, 0, 0, 1, 0, 0)},
        {"upside down (EXIF 3)", QTransform().rotate(180)},
        {"transposed (EXIF 5)", QTransform(0, 1, 1, 0, 0, 0)},
        {"to turn clockwise (EXIF 6)", QTransform().rotate(-90)},
        {"to turn anticlockwise (EXIF 8)", QTransform().rotate(90)},
    };
    const quint16 orientations[] = {2, 3, 5, 6, 8};
    for (const bool stripes : {false, true}) {
        const QString pattern = stripes ? QStringLiteral("stripes") : QStringLiteral("colours");
        const auto row = [&](const QString &name) {
            return &QTest::newRow(qPrintable(name + QStringLiteral(" in ") + pattern));
        };
        const QSize size(200, 800);
        const QImage picture = upright(size, stripes);
        *row(QStringLiteral("PNG")) << encoded(picture, "PNG") << size << stripes;
        *row(QStringLiteral("JPEG")) << encoded(picture, "JPG") << size << stripes;
        for (std::size_t i = 0; i < std::size(turns); ++i)
            *row(QStringLiteral("JPEG ") + QLatin1String(turns[i].first))
                << jpegWithOrientation(picture.transformed(turns[i].second), orientations[i])
                << size << stripes;
    }
    // Edges off the decoder's 8-pixel grid.
    const QSize odd(203, 805);
    const QImage picture = upright(odd, true);
    QTest::newRow("JPEG of 203 x 805 in stripes") << encoded(picture, "JPG") << odd << true;
    QTest::newRow("JPEG of 805 x 203 to turn clockwise (EXIF 6) in stripes")
        << jpegWithOrientation(picture.transformed(QTransform().rotate(-90)), 6) << odd << true;
}

void TstPictures::clippedToWhatTheBoxShows()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(bool, stripes);
    TestProgram program;
    const QString path = program.path(QStringLiteral("tall"));
    program.writeFile(QStringLiteral("tall"), bytes);
    const CardPicture card = loadOn(path, 1500, 1500);
    QVERIFY(card.loaded);
    QCOMPARE(card.naturalWidth, size.width() * 15);
    QCOMPARE(card.naturalHeight, size.height() * 15);
    QCOMPARE(card.geometry.width(), 100);
    QVERIFY(card.geometry.height() > 395);
    // The middle of the picture, as much as the box's inner area shows.
    QCOMPARE(card.visible, QRect(0, -card.geometry.top(), 98, 98));
    const QImage &shown = card.image;
    QCOMPARE(shown.size(), QSize(98, 98));
    if (!stripes) {
        QCOMPARE(colourName(shown.pixelColor(20, 20)), QStringLiteral("red"));
        QCOMPARE(colourName(shown.pixelColor(75, 20)), QStringLiteral("yellow"));
        QCOMPARE(colourName(shown.pixelColor(20, 75)), QStringLiteral("green"));
        QCOMPARE(colourName(shown.pixelColor(75, 75)), QStringLiteral("cyan"));
        return;
    }
    const double mean = differenceFromWholeDecode(path, card);
    QVERIFY2(mean < 10, qPrintable(QString::number(mean)));
}

void TstPictures::pictureOverQtsDefaultLimitLoads()
{
    TestProgram program;
    // 6000 x 6000 decodes to 144 MB, over Qt's own default of 128 MB.
    QImage big(6000, 6000, QImage::Format_RGB32);
    big.fill(Qt::darkYellow);
    program.writeFile(QStringLiteral("big.png"), encoded(big, "PNG"));
    big = QImage();
    const CardPicture card = loadOn(program.path(QStringLiteral("big.png")), 3000, 3000);
    QVERIFY(card.loaded);
    QCOMPARE(card.image.size(), QSize(198, 198));
    QCOMPARE(card.image.pixelColor(10, 10), QColor(Qt::darkYellow));
}

void TstPictures::manyPicturesLoadInTheirOrder()
{
    TestProgram program;
    std::vector<CardPictureRequest> requests;
    for (int i = 0; i < 20; ++i) {
        const QString name = QStringLiteral("%1.png").arg(i);
        if (i == 7) {
            program.writeFile(name, "not a picture");
        } else {
            QImage image(30 + i, 30, QImage::Format_RGB32);
            image.fill(Qt::white);
            program.writeFile(name, encoded(image, "PNG"));
        }
        requests.push_back(request(program.path(name), 1500, 1500));
    }
    const auto cards = loadCardPictures(requests);
    QCOMPARE(cards.size(), requests.size());
    for (std::size_t i = 0; i < cards.size(); ++i) {
        QCOMPARE(cards[i].loaded, i != 7);
        QCOMPARE(cards[i].naturalWidth, i == 7 ? 0 : int(30 + i) * 15);
    }
    QVERIFY(loadCardPictures({}).empty());
}

void TstPictures::background_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QTest::newRow("JPEG at its natural size") << encoded(image, "JPG") << QSize(40, 30);
    QTest::newRow("a PNG under the JPEG's name") << encoded(image, "PNG") << QSize(40, 30);
    QTest::newRow("text") << QByteArray("fondo") << QSize();
    QTest::newRow("zero bytes") << QByteArray() << QSize();
    QTest::newRow("a 20000 x 20000 PNG") << pngHeader(20000, 20000) << QSize();
}

void TstPictures::background()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    TestProgram program;
    QVERIFY(loadBackground(program.path(QStringLiteral("fondo.jpg"))).isNull());
    program.writeFile(QStringLiteral("fondo.jpg"), bytes);
    const QImage background = loadBackground(program.path(QStringLiteral("fondo.jpg")));
    if (size.isValid())
        QCOMPARE(background.size(), size);
    else
        QVERIFY(background.isNull());
}

QTEST_MAIN(TstPictures)
#include "tst_pictures.moc"
