#include "board/pictureloader.h"
#include "fakes.h"
#include "platform/twips.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

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

// A JPEG whose EXIF says: turn me 90 degrees clockwise to stand upright.
QByteArray turnedJpeg(const QImage &image)
{
    QByteArray tiff("II*\0\x08\0\0\0", 8);
    tiff += QByteArray("\x01\x00", 2);         // one entry
    tiff += QByteArray("\x12\x01\x03\x00", 4); // orientation, SHORT
    tiff += QByteArray("\x01\x00\x00\x00", 4); // count 1
    tiff += QByteArray("\x06\x00\x00\x00", 4); // value 6
    tiff += QByteArray("\x00\x00\x00\x00", 4); // no next IFD
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    char length[2];
    qToBigEndian(quint16(payload.size() + 2), length);
    segment += QByteArray(length, 2) + payload;
    QByteArray jpeg = encoded(image, "JPG");
    return jpeg.insert(2, segment);
}

// A PNG header that announces a picture of the given size, with no picture behind it.
QByteArray pngHeader(quint32 width, quint32 height)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr("IHDR");
    char v[4];
    qToBigEndian(width, v);
    ihdr += QByteArray(v, 4);
    qToBigEndian(height, v);
    ihdr += QByteArray(v, 4);
    ihdr += QByteArray("\x08\x02\x00\x00\x00", 5);
    qToBigEndian(quint32(13), v);
    png += QByteArray(v, 4) + ihdr + QByteArray(4, '\0');
    return png;
}

CardPicture loadOn(const QString &path, int boxWidth, int boxHeight)
{
    CardPictureRequest r;
    r.path = path;
    r.boxWidth = boxWidth;
    r.boxHeight = boxHeight;
    r.clientSize = QSize(twipsToPixels(boxWidth) - 2, twipsToPixels(boxHeight) - 2);
    return loadCardPictures({r}).front();
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
    void tallPictureDecodesOnlyWhatTheBoxShows();
    void turnedPhotoStandsUpright();
    void pictureOverQtsDefaultLimitLoads();
    void manyPicturesLoadInTheirOrder();
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
    QTest::newRow("height rounds down") << 1000 << 1000 << 3000 << 1000 << 333 << 333;
    QTest::newRow("tall on a wide box: negative top")
        << 2000 << 1000 << 1500 << 3000 << 4000 << -1500;
    QTest::newRow("odd overflow halves toward zero") << 1000 << 1000 << 1000 << 1001 << 1001 << 0;
    QTest::newRow("odd gap halves toward zero") << 1000 << 1000 << 1000 << 997 << 997 << 1;
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
}

void TstPictures::formatsLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QSize wide(64, 32);
    QTest::newRow("JPEG") << encoded(image, "JPG") << "a.jpg" << wide;
    QTest::newRow("PNG") << encoded(image, "PNG") << "a.png" << wide;
    QTest::newRow("BMP") << encoded(image, "BMP") << "a.bmp" << wide;
    QTest::newRow("ICO") << encoded(image, "ICO") << "a.ico" << wide;
    // Qt reads GIF but does not write it: a one-pixel GIF by hand.
    QTest::newRow("GIF") << QByteArray(
                                "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00"
                                "\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;",
                                35)
                         << "a.gif" << QSize(1, 1);
    QTest::newRow("a PNG named .jpg") << encoded(image, "PNG") << "wrong.jpg" << wide;
    QTest::newRow("a name without suffix") << encoded(image, "PNG") << "picture" << wide;
}

void TstPictures::formatsLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    TestProgram program;
    program.writeFile(name, bytes);
    const CardPicture card = loadOn(program.path(name), 1500, 1500);
    QVERIFY(card.loaded);
    QCOMPARE(card.naturalWidth, size.width() * 15);
    QCOMPARE(card.naturalHeight, size.height() * 15);
    QCOMPARE(card.placement.height, 1500 * size.height() / size.width());
    QCOMPARE(card.image.size(), card.visible.size());
}

void TstPictures::brokenFilesDoNotLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QImage red(300, 300, QImage::Format_RGB32);
    red.fill(Qt::red);
    QTest::newRow("zero bytes") << QByteArray();
    QTest::newRow("text") << QByteArray("just some words\r\n");
    QTest::newRow("truncated JPEG header") << encoded(red, "JPG").left(60);
    QTest::newRow("a 4000 x 1 strip") << encoded(QImage(4000, 1, QImage::Format_RGB32), "PNG");
    QTest::newRow("20000 x 20000 PNG needs too much memory") << pngHeader(20000, 20000);
}

void TstPictures::brokenFilesDoNotLoad()
{
    QFETCH(QByteArray, bytes);
    TestProgram program;
    program.writeFile(QStringLiteral("p"), bytes);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!loadOn(program.path(QStringLiteral("p")), 2000, 1500).loaded);
    QVERIFY(timer.elapsed() < 2000);
}

void TstPictures::tallPictureDecodesOnlyWhatTheBoxShows()
{
    TestProgram program;
    QImage tall(100, 400, QImage::Format_RGB32);
    tall.fill(Qt::blue);
    // A red band in the middle quarter, which the box shows.
    for (int y = 150; y < 250; ++y)
        for (int x = 0; x < 100; ++x)
            tall.setPixelColor(x, y, Qt::red);
    program.writeFile(QStringLiteral("tall.png"), encoded(tall, "PNG"));
    const CardPicture card = loadOn(program.path(QStringLiteral("tall.png")), 1500, 1500);
    QVERIFY(card.loaded);
    QCOMPARE(card.geometry.size(), QSize(100, 400));
    QCOMPARE(card.geometry.top(), -150);
    QCOMPARE(card.visible, QRect(0, 150, 98, 98));
    QCOMPARE(card.image.size(), QSize(98, 98));
    QCOMPARE(card.image.pixelColor(49, 49), QColor(Qt::red));
}

void TstPictures::turnedPhotoStandsUpright()
{
    TestProgram program;
    // Stored lying down, 80 x 40: the left half green, the right half blue.
    QImage lying(80, 40, QImage::Format_RGB32);
    lying.fill(Qt::green);
    for (int y = 0; y < 40; ++y)
        for (int x = 40; x < 80; ++x)
            lying.setPixelColor(x, y, Qt::blue);
    program.writeFile(QStringLiteral("turned.jpg"), turnedJpeg(lying));
    const CardPicture card = loadOn(program.path(QStringLiteral("turned.jpg")), 600, 1200);
    QVERIFY(card.loaded);
    QCOMPARE(card.naturalWidth, 40 * 15);
    QCOMPARE(card.naturalHeight, 80 * 15);
    QCOMPARE(card.geometry.size(), QSize(40, 80));
    // Turned clockwise, the stored left half is on top.
    const QImage &shown = card.image;
    const QColor top = shown.pixelColor(shown.width() / 2, card.visible.height() / 5);
    const QColor bottom = shown.pixelColor(shown.width() / 2, card.visible.height() * 4 / 5);
    QVERIFY2(top.green() > 200 && top.blue() < 80, qPrintable(top.name()));
    QVERIFY2(bottom.blue() > 200 && bottom.green() < 80, qPrintable(bottom.name()));
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
    QCOMPARE(card.image.pixelColor(10, 10), QColor(Qt::darkYellow));
}

void TstPictures::manyPicturesLoadInTheirOrder()
{
    TestProgram program;
    std::vector<CardPictureRequest> requests;
    for (int i = 0; i < 20; ++i) {
        QImage image(30 + i, 30, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 15, 255, 255));
        const QString name = QStringLiteral("%1.png").arg(i);
        program.writeFile(name, encoded(image, "PNG"));
        CardPictureRequest r;
        r.path = program.path(name);
        r.boxWidth = 1500;
        r.boxHeight = 1500;
        r.clientSize = QSize(98, 98);
        requests.push_back(r);
    }
    const auto cards = loadCardPictures(requests);
    QCOMPARE(cards.size(), requests.size());
    for (int i = 0; i < 20; ++i) {
        QVERIFY(cards[std::size_t(i)].loaded);
        QCOMPARE(cards[std::size_t(i)].naturalWidth, (30 + i) * 15);
    }
}

QTEST_MAIN(TstPictures)
#include "tst_pictures.moc"
