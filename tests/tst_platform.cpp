#include "board/pictureloader.h"
#include "fakes.h"
#include "language/languagefile.h"
#include "platform/controls/design.h"
#include "platform/listing.h"
#include "platform/regularfile.h"
#include "platform/system/realservices.h"
#include "platform/textfile.h"
#include "platform/twips.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

class TstPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listingOrder_data();
    void listingOrder();
    void listingKeepsKindsApartAndLeavesOutHidden();
    void lineRules_data();
    void lineRules();
    void missingOrClosedFileGivesNoLine();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void twipsEdgesRoundAlike();
    void colourAndRounding();
    void unplayableSoundIsNoError_data();
    void unplayableSoundIsNoError();
    void screenIsTheLogicalSizeInTwips();
};

void TstPlatform::listingOrder_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("case is ignored")
        << QStringList{"c.jpg", "B.jpg", "a.jpg"} << QStringList{"a.jpg", "B.jpg", "c.jpg"};
    QTest::newRow("an exact comparison breaks a tie")
        << QStringList{"b.jpg", "a.jpg", "A.jpg"} << QStringList{"A.jpg", "a.jpg", "b.jpg"};
    // Letters beyond ASCII sort by their code once the case is folded, on every machine.
    QTest::newRow("accents in UTF-8 names")
        << QStringList{"Ñandú.png", "Ábaco.png", "imágenes.png", "zorro.png", "ábaco2.png"}
        << QStringList{"imágenes.png", "zorro.png", "Ábaco.png", "ábaco2.png", "Ñandú.png"};
    QTest::newRow("digits sort as text")
        << QStringList{"10.png", "9.png", "01.png"} << QStringList{"01.png", "10.png", "9.png"};
}

void TstPlatform::listingOrder()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, listed);
    TestProgram program;
    for (const QString &f : files)
        program.writeFile(QStringLiteral("graficos/") + f + "/1/" + f, f.toUtf8());
    QCOMPARE(listSubfolders(program.path(QStringLiteral("graficos"))), listed);
    for (const QString &f : listed) {
        const QString folder = program.path(QStringLiteral("graficos/") + f + "/1");
        QCOMPARE(listFiles(folder), QStringList{f});
        QFile file(folder + '/' + f);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(f));
        QCOMPARE(file.readAll(), f.toUtf8());
    }
    // The folder may hand the names over in any order.
    for (QStringList names : {files, QStringList(files.crbegin(), files.crend())}) {
        sortNamesIgnoringCase(names);
        QCOMPARE(names, listed);
    }
}

void TstPlatform::listingKeepsKindsApartAndLeavesOutHidden()
{
    TestProgram program;
    for (const char *f : {"g/.oculto", "g/uno.png", "g/Sets/1/a.png", "g/.git/x", "g/animales/a"})
        program.writeFile(QLatin1String(f), "x");
    QCOMPARE(listFiles(program.path(QStringLiteral("g"))), QStringList{"uno.png"});
    QCOMPARE(listSubfolders(program.path(QStringLiteral("g"))), (QStringList{"animales", "Sets"}));
    QVERIFY(listFiles(program.path(QStringLiteral("no existe"))).isEmpty());
    QVERIFY(listSubfolders(program.path(QStringLiteral("no existe"))).isEmpty());
    QVERIFY(listFiles(program.path(QStringLiteral("g/uno.png"))).isEmpty());

    QCOMPARE(lastPathComponent(QStringLiteral("/opt/zindle/graficos/Ñandú")), "Ñandú");
    QCOMPARE(lastPathComponent(QStringLiteral("/opt/zindle/graficos/animales//")), "animales");
    QCOMPARE(lastPathComponent(QStringLiteral("colores")), "colores");
}

void TstPlatform::lineRules_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF ends a line") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("a lone CR ends a line") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("a lone LF stays in the text")
        << QByteArray("a\nb\r\nc\n") << QStringList{"a\nb", "c\n"};
    QTest::newRow("LF CR is a LF in the text, then the end")
        << QByteArray("a\n\rb") << QStringList{"a\n", "b"};
    QTest::newRow("no final terminator") << QByteArray("a\r\nlast") << QStringList{"a", "last"};
    QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n\r\n") << QStringList{"", "", "x", ""};
    QTest::newRow("CR CR LF is an empty line")
        << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("zero bytes: no line") << QByteArray() << QStringList{};
    QTest::newRow("blanks are kept") << QByteArray("  a \t\r\n") << QStringList{"  a \t"};
    QTest::newRow("accented letters") << QByteArray("im\xE1genes n\xFAmero \xD1\xE7\xFF")
                                      << QStringList{QStringLiteral("imágenes número Ñçÿ")};
    QTest::newRow("0x80 to 0x9F as Windows decodes them")
        << QByteArray("\x80\x81\x82\x8D\x8E\x8F\x90\x91\x9D\x9E\x9F")
        << QStringList{QStringLiteral("€\u0081‚\u008DŽ\u008F\u0090‘\u009DžŸ")};
    QTest::newRow("a long line is cut at 4096 characters")
        << QByteArray(5000, 'x') + "\r\nb" << QStringList{QString(4096, 'x'), "b"};
    // The file is read in pieces of 64 KiB: this CR ends the first, its LF starts the next.
    QTest::newRow("CR LF across two pieces")
        << QByteArray(65535, 'y') + "\r\nb" << QStringList{QString(4096, 'y'), "b"};
}

void TstPlatform::lineRules()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    TestProgram program;
    program.writeFile(QStringLiteral("idioma/idioma.txt"), bytes);
    TextFile file;
    QVERIFY(file.open(programPath(QStringLiteral("/idioma/idioma.txt"))));
    QStringList read;
    QString line;
    while (read.size() <= lines.size() && file.readLine(line))
        read << line;
    QCOMPARE(read, lines);
}

void TstPlatform::missingOrClosedFileGivesNoLine()
{
    TestProgram program;
    program.writeFile(QStringLiteral("t.txt"), "uno\r\ndos");
    TextFile file;
    QString line;
    QVERIFY(!file.readLine(line));
    QVERIFY(!file.open(program.path(QStringLiteral("missing.txt"))));
    QVERIFY(!file.readLine(line));
    QVERIFY(!file.open(program.folder()));
    QVERIFY(!file.readLine(line));

    QVERIFY(file.open(program.path(QStringLiteral("t.txt"))));
    QVERIFY(file.readLine(line));
    file.close();
    QVERIFY(!file.readLine(line));
    // Every pass starts again at the top.
    QVERIFY(file.open(program.path(QStringLiteral("t.txt"))));
    QVERIFY(file.readLine(line));
    QCOMPARE(line, QStringLiteral("uno"));
}

void TstPlatform::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("read");
    QTest::newRow("regular file") << "file" << true;
    QTest::newRow("link to a regular file") << "link" << true;
    QTest::newRow("named pipe") << "fifo" << false;
    QTest::newRow("link to a named pipe") << "fifo link" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("link to a device") << "device" << false;
    QTest::newRow("dangling link") << "dangling" << false;
    QTest::newRow("no read permission") << "unreadable" << false;
}

// Puts an entry of the kind at `path`; a regular file, or a link's target, holds `bytes`.
void placeEntry(const QString &path, const QString &kind, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    const QString target = path + QStringLiteral(".target");
    QFile file(kind == QLatin1String("link") ? target : path);
    if (kind == QLatin1String("file") || kind == QLatin1String("link") ||
        kind == QLatin1String("unreadable")) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
    }
    if (kind == QLatin1String("unreadable"))
        file.setPermissions({});
    if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (kind == QLatin1String("fifo link"))
        QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    const QString linked = kind == QLatin1String("device")        ? QStringLiteral("/dev/zero")
                           : kind == QLatin1String("dangling")    ? path + QStringLiteral(".gone")
                           : kind.contains(QLatin1String("link")) ? target
                                                                  : QString();
    if (!linked.isEmpty())
        QVERIFY(QFile::link(linked, path));
}

// Anything but a regular file counts as missing for every reader, and none of them waits.
void TstPlatform::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QFETCH(bool, read);
    if (kind == QLatin1String("unreadable") && geteuid() == 0)
        QSKIP("root reads a file without read permission");
    TestProgram program;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    placeEntry(program.path(QStringLiteral("idioma/idioma.txt")), kind, "CONTINUAR\r\n");
    placeEntry(program.path(QStringLiteral("fondo.jpg")), kind, png.data());
    placeEntry(program.path(QStringLiteral("p.png")), kind, png.data());
    placeEntry(program.path(QStringLiteral("sonidos/abrir.wav")), kind, "RIFF");

    QCOMPARE(readLanguageLines(0, 1).front().has_value(), read);
    QCOMPARE(!loadBackground(program.path(QStringLiteral("fondo.jpg"))).isNull(), read);
    CardPictureRequest card;
    card.path = program.path(QStringLiteral("p.png"));
    card.boxWidth = card.boxHeight = 1500;
    card.clientSize = QSize(98, 98);
    QCOMPARE(loadCardPictures({card}).front().loaded, read);
    QCOMPARE(regularFileUrl(program.path(QStringLiteral("sonidos/abrir.wav"))).isEmpty(), !read);
}

void TstPlatform::twipsEdgesRoundAlike()
{
    QCOMPARE(twipsToPixels(7), 0);
    QCOMPARE(twipsToPixels(8), 1);
    QCOMPARE(twipsToPixels(22), 1);
    QCOMPARE(twipsToPixels(-7), 0);
    QCOMPARE(twipsToPixels(-8), -1);
    // Boxes 1000 twips wide (66.7 pixels) side by side from 360 and from -2000: each
    // pixel edge is shared by both neighbours and the widths differ by a pixel at most.
    for (int start : {360, -2000}) {
        for (int k = 0; k < 20; ++k) {
            const QRect a = twipsRect(start + k * 1000, -7, 1000, 1000);
            const QRect b = twipsRect(start + (k + 1) * 1000, -7 + 1000, 1000, 1000);
            QCOMPARE(a.right() + 1, b.left());
            QCOMPARE(a.bottom() + 1, b.top());
            QVERIFY2(a.width() == 66 || a.width() == 67, qPrintable(QString::number(k)));
        }
    }
    QCOMPARE(twipsRect(-30, -15, 30, 15), QRect(-2, -1, 2, 1));
    QCOMPARE(twipsRect(7, 7, 1, 1), QRect(0, 0, 1, 1));
}

void TstPlatform::colourAndRounding()
{
    QCOMPARE(vbColor(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(vbColor(0xFF0000), QColor(0, 0, 255));
    QCOMPARE(vbColor(0x0080C0FF), QColor(255, 192, 128));
    QCOMPARE(roundHalfEven(0.5), 0LL);
    QCOMPARE(roundHalfEven(1.5), 2LL);
    QCOMPARE(roundHalfEven(2.5), 2LL);
    QCOMPARE(roundHalfEven(-0.5), 0LL);
    QCOMPARE(roundHalfEven(-1.5), -2LL);
    QCOMPARE(roundHalfEven(2.4999), 2LL);
    QCOMPARE(roundHalfEven(6442450944.5), 6442450944LL);
}

void TstPlatform::unplayableSoundIsNoError_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing file") << QByteArray();
    QByteArray noise(4000, Qt::Uninitialized);
    QRandomGenerator generator(7);
    for (char &c : noise)
        c = char(generator.bounded(256));
    QTest::newRow("random bytes named .wav") << noise;
    QTest::newRow("a RIFF header and nothing after it")
        << QByteArray("RIFF\x24\x10\x00\x00WAVEfmt ", 16);
}

void TstPlatform::unplayableSoundIsNoError()
{
    QFETCH(QByteArray, bytes);
    TestProgram program;
    if (!bytes.isEmpty())
        program.writeFile(QStringLiteral("sonidos/abrir.wav"), bytes);
    const QString path = programPath(QStringLiteral("/sonidos/abrir.wav"));
    SystemSound sound;
    sound.preload(path);
    QTest::qWait(50);
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        sound.play(path);
        QVERIFY(timer.elapsed() < 50);
        QTest::qWait(20);
    }
}

void TstPlatform::screenIsTheLogicalSizeInTwips()
{
    // main sets up a screen of 1000 x 700 device pixels at a scale of 2.
    SystemScreen screen;
    QCOMPARE(screen.widthTwips(), 500 * 15);
    QCOMPARE(screen.heightTwips(), 350 * 15);
}

// A screen of a known size at twice the scale, so that device and logical pixels differ.
int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("screen.json")));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1000, "height": 700,
                     "logicalDpi": 96, "logicalBaseDpi": 96}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TstPlatform test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
