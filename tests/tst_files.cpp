// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/filenames.h"
#include "files/listing.h"
#include "files/regularfile.h"
#include "files/textfile.h"
#include "pictures/pictureloader.h"
#include "pictures/thumbnailparts.h"
#include "pictures/thumbnails.h"
#include "screen/twips.h"
#include "testfiles.h"
#include "texts/cleantext.h"
#include "texts/languagefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTest>
#include <exiv2/exiv2.hpp>
#include <fcntl.h>
#include <glib.h>
#include <memory>
#include <ranges>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Puts an entry of the kind at `path`; a regular file, or a link's target, holds `bytes`.
void placeEntry(const QString &path, const QString &kind, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    const QString target = path + ".target";
    QFile file(kind == "link" ? target : path);
    if (kind == "file" || kind == "link")
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    if (kind.startsWith("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(kind == "fifo" ? path : target).constData(), 0600), 0);
    if (kind == "device" || kind.contains("link"))
        QVERIFY(QFile::link(kind == "device" ? "/dev/zero" : target, path));
}

// The URI GLib itself makes of the path's bytes.
QByteArray glibUri(const QString &path)
{
    const std::unique_ptr<gchar, decltype(&g_free)> uri(
        g_filename_to_uri(encodeFileName(path).constData(), nullptr, nullptr), &g_free);
    return uri.get();
}

// The file's status, found by its bytes.
struct stat statusOf(const QString &path)
{
    struct stat st {
    };
    ::stat(encodeFileName(path).constData(), &st);
    return st;
}

// The picture on a card of a box 3000 twips wide and high, in a Spanish game.
CardPicture loadCard(const QString &path, bool sharedThumbnails = false)
{
    const QSize inner(twipsToPixels(3000) - 2, 198);
    return loadCardPictures({{path, 3000, 3000, 1, inner, 1.0, "es"}}, nullptr, sharedThumbnails)
        .front();
}

// Writes a thumbnail of the file into the folder's cache, as the game does; the files then
// in the cache's folder "large".
int writeThumbnail(const TestFolder &folder, const char *file)
{
    Thumbnails::write(Thumbnails::sourceOf(folder.path(file), 0, 1, {800, 600}), 256,
                      filled({256, 192}, Qt::red));
    return int(QDir(folder.path("home/.cache/thumbnails/large")).entryList(QDir::Files).size());
}

} // namespace

class TstFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listingOrder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("case is ignored, an exact comparison breaks a tie, hidden names left out")
            << QStringList{"c.jpg", "B.jpg", "a.jpg", "b", "a", "A", ".oculto"}
            << QStringList{"A", "a", "a.jpg", "b", "B.jpg", "c.jpg"};
        // Latin-1 "café" and "ño" as a Windows archive leaves them, next to UTF-8 "né".
        const QString cafe = decodeFileName("caf\xe9"), nyo = decodeFileName("\xf1o");
        QTest::newRow("names that are not UTF-8 keep their bytes")
            << QStringList{nyo, "né", cafe} << QStringList{cafe, "né", nyo};
    }

    void listingOrder()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, listed);
        TestFolder folder;
        QVERIFY(QDir().mkpath(folder.path("folders")));
        for (const QString &name : names) {
            folder.writeFile("files/" + name, {});
            QVERIFY(::mkdir(encodeFileName(folder.path("folders/") + name).constData(), 0700) == 0);
        }
        QCOMPARE(listFiles(folder.path("files")), listed);
        QCOMPARE(listSubfolders(folder.path("folders")), listed);
        for (const QString &name : listed) {
            QFile file;
            QVERIFY(openRegularFile(file, folder.path("files/") + name));
        }
    }

    void fileNames_data()
    {
        // A file's name as bytes, the name as shown, and the end of its URI.
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("uriEnd");
        QTest::newRow("Latin-1 é, uppercase hex")
            << QByteArray("caf\xe9.wav") << "caf\uFFFD.wav" << QByteArray("/caf%E9.wav");
        QTest::newRow("another Latin-1 name, another URI")
            << QByteArray("caf\xe8.wav") << "caf\uFFFD.wav" << QByteArray("/caf%E8.wav");
        QTest::newRow("UTF-8 ñ") << QByteArray("\xc3\xb1u.wav") << "ñu.wav"
                                 << QByteArray("/%C3%B1u.wav");
        QTest::newRow("overlong UTF-8 for / is two bytes, not a character")
            << QByteArray("\xc0\xaf.wav") << "\uFFFD\uFFFD.wav" << QByteArray("/%C0%AF.wav");
        QTest::newRow("NFD ñ, its own bytes")
            << QByteArray("n\xcc\x83u.wav") << "n\u0303u.wav" << QByteArray("/n%CC%83u.wav");
        QTest::newRow("; as GLib escapes it")
            << QByteArray("a;b.wav") << "a;b.wav" << QByteArray("/a%3Bb.wav");
        QTest::newRow("% # ? and a blank")
            << QByteArray("5% #1?.wav") << "5% #1?.wav" << QByteArray("/5%25%20%231%3F.wav");
        const QByteArray longName = QByteArray(76, 'x') + ".wav";
        QTest::newRow("80 characters") << longName << QString(longName) << "/" + longName;
    }

    // One rule from bytes to a name and back, to the thumbnails' URI and to the sounds' URL.
    void fileNames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, uriEnd);
        TestFolder folder;
        const QString path = folder.path(decodeFileName(bytes));
        folder.writeFile(decodeFileName(bytes), "RIFF");
        QCOMPARE(encodeFileName(path), encodeFileName(folder.dir.path()) + '/' + bytes);
        QTEST(shownFileName(decodeFileName(bytes)), "shown");
        const QByteArray uri = glibUri(canonicalPath(path));
        QVERIFY2(uri.endsWith(uriEnd), uri.constData());
        QCOMPARE(Thumbnails::sourceOf(path, 0, 0, {}).uri, uri);
        QCOMPARE(regularFileUrl(path).toEncoded(), glibUri(path));
    }

    void eachNameItsOwnPicture_data()
    {
        // Two names that differ in bytes a careless URI would lose.
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::newRow("Latin-1 á and é") << QByteArray("\xe1.png") << QByteArray("\xe9.png");
        QTest::newRow("NFC and NFD ñ") << QByteArray("\xc3\xb1.png") << QByteArray("n\xcc\x83.png");
        QTest::newRow("; and its escape") << QByteArray("a;b.png") << QByteArray("a%3Bb.png");
    }

    // Two pictures modified in the same second get a thumbnail each, named by GLib's URI;
    // each card shows its own picture, decoded and then from its thumbnail.
    void eachNameItsOwnPicture()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        TestFolder folder;
        const QList<std::pair<QString, QColor>> pictures = {
            {folder.path(decodeFileName(first)), Qt::red},
            {folder.path(decodeFileName(second)), Qt::blue}};
        for (const auto &[path, colour] : pictures) {
            folder.writeFile(QFileInfo(path).fileName(), encoded(filled({400, 300}, colour)));
            const timespec sameSecond[2] = {{1700000000, 0}, {1700000000, 0}};
            QCOMPARE(::utimensat(AT_FDCWD, encodeFileName(path).constData(), sameSecond, 0), 0);
        }
        for (int run = 0; run < 2; ++run) {
            for (const auto &[path, colour] : pictures)
                QCOMPARE(centreOf(loadCard(path, true)), colour);
        }
        const QString large =
            QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
            "/thumbnails/large/";
        for (const auto &[path, colour] : pictures) {
            const QByteArray md5 = QCryptographicHash::hash(glibUri(path), QCryptographicHash::Md5);
            QImage thumbnail(large + md5.toHex() + ".png");
            QCOMPARE(thumbnail.pixelColor(0, 0), colour);
        }
    }

    void lineRules_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF, a lone CR or a lone LF ends a line")
            << QByteArray("a\r\nb\rc\n\nd") << QStringList{"a", "b", "c", "", "d"};
        QTest::newRow("CR CR LF, a CR LF file converted twice, ends one line")
            << QByteArray("a\r\r\nb\r\r\n\r\r\nc") << QStringList{"a", "b", "", "c"};
        QTest::newRow("LF CR ends one line")
            << QByteArray("a\n\rb\n\r\n\rc\n\r") << QStringList{"a", "b", "", "c"};
        // 0xEF 0xBB without the byte-order mark's last byte is no mark.
        QTest::newRow("Windows-1252 as Windows decodes it")
            << QByteArray("\xEF\xBBx im\xE1genes \x80\x81\x8D\x8F\x90\x9D\x9F")
            << QStringList{QStringLiteral("ï»x imágenes €\u0081\u008D\u008F\u0090\u009DŸ")};
        QTest::newRow("a UTF-8 byte-order mark: UTF-8, any script")
            << QByteArray("\xEF\xBB\xBF\xCE\x9A\xCE\xB1\xCE\xBB\xCE\xAE\r\n\xD0\x87\xD0\xB6")
            << QStringList{QStringLiteral("Καλή"), QStringLiteral("Їж")};
        const auto utf16 = [](QStringConverter::Encoding encoding, const QString &text) {
            return QByteArray(QStringEncoder(encoding, QStringEncoder::Flag::WriteBom)(text));
        };
        QTest::newRow("a UTF-16 LE byte-order mark: UTF-16")
            << utf16(QStringConverter::Utf16LE, "Καλή\r\n€\n") << QStringList{"Καλή", "€"};
        QTest::newRow("a UTF-16 BE byte-order mark: UTF-16")
            << utf16(QStringConverter::Utf16BE, "Їж\r€") << QStringList{"Їж", "€"};
        // A long line is cut at 4096 characters. The file is read in pieces of 64 KiB: this CR
        // ends the first, its LF starts the next.
        QTest::newRow("CR LF across two pieces")
            << QByteArray(65535, 'y') + "\r\nb" << QStringList{QString(4096, 'y'), "b"};
    }

    void lineRules()
    {
        QFETCH(QByteArray, bytes);
        TestFolder folder;
        folder.writeFile("t.txt", bytes);
        TextFile file;
        QVERIFY(file.open(folder.path("t.txt")));
        QStringList read;
        for (QString line; read.size() < 9 && file.readLine(line);)
            read << line;
        QTEST(read, "lines");
    }

    void languageChoice_data()
    {
        // "files | UI languages | read": files made, each holding its own name on one line
        // ("user", "program" for idioma/idioma.txt, or "user/" a folder in the user's file's
        // place), on two for a shipped language's; then the two lines a pass reads ("-" for
        // none) and the language of the sets.
        QTest::addColumn<QString>("row");
        const auto row = [](const char *tag, const char *text) {
            QTest::newRow(tag) << QString(text);
        };
        row("the user's short file first, completed", "user program fr | fr-FR fr | user fr fr");
        row("the user's, completed from Spanish's", "user es | ja | user es es");
        row("the program folder's as ever, short", "program fr es | fr | program - fr");
        row("a folder for the user's file", "user/ program | fr | program - es");
        row("the locale's file", "es fr | fr-FR fr | fr fr fr");
        row("a region's language", "es pt | pt-BR pt-Latn-BR | pt pt pt");
        row("LANGUAGE: the first with a file", "es de uk | nl uk de | uk uk uk");
        row("no file for the locale: Spanish", "es fr | ja-JP ja | es es es");
        row("nothing shipped: the file is missing", " | fr | - - es");
    }

    void languageChoice()
    {
        QFETCH(QString, row);
        const QStringList parts = row.split(" | ");
        TestFolder folder;
        for (const QString &file : parts[0].split(' ', Qt::SkipEmptyParts)) {
            const QString path = file.startsWith("user") ? "home/.config/zindle/idioma.txt"
                                 : file == "program"     ? "idioma/idioma.txt"
                                                         : "idioma/" + file + "/idioma.txt";
            const QByteArray line = file.toLatin1() + '\n';
            file == "user/" ? void(QDir().mkpath(folder.path(path)))
                            : folder.writeFile(path, file.size() == 2 ? line + line : line);
        }
        const LanguageChoice choice = chooseLanguage(folder.dir.path(), parts[1].split(' '));
        const LanguageLines lines =
            readLanguageLines(choice, LanguageLine::IntroButton, LanguageLine::NameLabel);
        QCOMPARE(lines.line(LanguageLine::IntroButton).value_or("-") + ' ' +
                     lines.line(LanguageLine::NameLabel).value_or("-") + ' ' + choice.language,
                 parts[2]);
        // Only a shipped file says its language, which the program's own words then follow.
        QCOMPARE(choice.shipped, choice.file.endsWith("idioma/" + choice.language + "/idioma.txt"));
    }

    void languageLines_data()
    {
        // The user's own file, then the sparse size it is stretched to; the shipped file
        // completes it with "SHIPPED1", "SHIPPED2".
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("sparse");
        QTest::addColumn<QString>("read");
        QTest::newRow("blanks or invisible marks take the shipped text")
            << QByteArray("\xEF\xBB\xBF \xC2\xA0\t\r\n\xE2\x80\x8B\xE2\x80\x8E\r\n") << qint64(0)
            << "SHIPPED1 SHIPPED2";
        QTest::newRow("20 GB sparse: its first bytes, read once")
            << QByteArray("OK\n") << (qint64(20) << 30) << "OK SHIPPED2";
    }

    void languageLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, sparse);
        QFETCH(QString, read);
        TestFolder folder;
        folder.writeFile("idioma/es/idioma.txt", "SHIPPED1\nSHIPPED2\n");
        const QString own = folder.path("home/.config/zindle/idioma.txt");
        folder.writeFile("home/.config/zindle/idioma.txt", bytes);
        if (sparse)
            QCOMPARE(::truncate(encodeFileName(own).constData(), sparse), 0);
        const auto readBytes = [] {
            QFile io("/proc/self/io");
            return io.open(QIODevice::ReadOnly) ? io.readAll().split('\n')[0].mid(7).toLongLong()
                                                : 0;
        };
        const qint64 before = readBytes();
        const LanguageLines lines =
            readLanguageLines(chooseLanguage(folder.dir.path(), {"es"}), LanguageLine::IntroButton,
                              LanguageLine::NameLabel);
        QCOMPARE(lines.caption(LanguageLine::IntroButton) + ' ' +
                     lines.caption(LanguageLine::NameLabel),
                 read);
        QCOMPARE_LT(readBytes() - before, 1 << 20);
    }

    void cleanTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("clean");
        const auto row = [](const char *tag, const QString &text, const QString &clean) {
            QTest::newRow(tag) << text << clean;
        };
        const QString rightToLeft = "\u05E9\u05DC\u05D5\u05DD\u200F (5) \u0645\u200D\u200E";
        row("no override, embedding or isolate: no name shown reversed",
            "Ana\u202Egnp\u202A\u202B\u202C\u202D\u2066\u2067\u2068\u2069", "Anagnp");
        row("controls go, tabs and breaks are blanks", "a\tb\nc\x01\x7F\u0081\u0085d\u2028e",
            "a b c d e");
        row("direction marks, joiners, right-to-left stay", rightToLeft, rightToLeft);
        row("a name not UTF-8 keeps its bytes", decodeFileName("caf\xe9"),
            decodeFileName("caf\xe9"));
    }

    // What reaches a window, a title or an assistive tool of a name, a caption or a line.
    void cleanTexts()
    {
        QFETCH(QString, text);
        QTEST(cleanText(text), "clean");
    }

    void onlyRegularFilesAreRead_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"file", "link", "fifo", "fifo link", "device"})
            QTest::newRow(kind) << QString(kind);
    }

    // Anything but a regular file or a link to one counts as missing for every reader, and
    // none of them waits.
    void onlyRegularFilesAreRead()
    {
        QFETCH(QString, kind);
        const bool read = kind == "file" || kind == "link";
        TestFolder folder;
        const QByteArray png = encoded(QImage(40, 30, QImage::Format_RGB32));
        placeEntry(folder.path("idioma/idioma.txt"), kind, "CONTINUAR\r\n");
        for (const char *file : {"fondo.jpg", "p.png", "sonidos/abrir.wav"})
            placeEntry(folder.path(file), kind, png);
        const LanguageLine intro = LanguageLine::IntroButton;
        QCOMPARE(readLanguageLines(folder.path("idioma/idioma.txt"), intro, intro)
                     .line(intro)
                     .has_value(),
                 read);
        QCOMPARE(!loadBackground(folder.path("fondo.jpg"), QSize(100, 100)).isNull(), read);
        QCOMPARE(loadCard(folder.path("p.png")).loaded, read);
        QCOMPARE(regularFileUrl(folder.path("sonidos/abrir.wav")).isEmpty(), !read);
    }

    void svgNamesNoFile_data()
    {
        // What the SVG's <image> over its blue names, and the colour its card then shows.
        QTest::addColumn<QString>("href");
        QTest::addColumn<QColor>("centre");
        QTest::newRow("a FIFO: never opened") << "fifo" << QColor(Qt::blue);
        QTest::newRow("a picture file: outside the budget, left out")
            << "red.png" << QColor(Qt::blue);
        QTest::newRow("a picture inside the file: shown")
            << QString("data:image/png;base64," + encoded(filled({8, 6}, Qt::red)).toBase64())
            << QColor(Qt::red);
    }

    void svgNamesNoFile()
    {
        QFETCH(QString, href);
        TestFolder folder;
        placeEntry(folder.path("fifo"), "fifo", {});
        folder.writeFile("red.png", encoded(filled({8, 6}, Qt::red)));
        folder.writeFile("p.svg",
                         "<svg xmlns='http://www.w3.org/2000/svg' "
                         "xmlns:xlink='http://www.w3.org/1999/xlink' width='40' "
                         "height='30'><rect width='40' height='30' fill='blue'/><image "
                         "width='40' height='30' xlink:href='" +
                             (href.startsWith("data:") ? href : folder.path(href)).toUtf8() +
                             "'/></svg>");
        QTEST(centreOf(loadCard(folder.path("p.svg"))), "centre");
    }

    void captions_data()
    {
        // The file's name, and a PNG text's key (written by Qt, or "type|key" by hand, "|after"
        // the picture data, its bytes as a file name's), Exiv2's key of an EXIF or XMP tag,
        // or "Jpeg.Comment" (several split by |), with its text.
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QString>("caption");
        const QString longTitle = QString("perro ").repeated(100000);
        const auto row = [](const char *tag, const QString &name, const QString &key,
                            const QString &text, const QString &caption) {
            QTest::newRow(tag) << QStringList{name, key, text} << caption;
        };
        row("PNG Title, blanks run together", "07.png", "Title", " un\n perro ", "un perro");
        row("oversized PNG Title is cut, the card still deals", "07.png", "Title", longTitle,
            longTitle.left(200).trimmed());
        row("PNG Title of a Latin-1 name",
            decodeFileName("\xf1"
                           "and\xfa.png"),
            "Title", "Rhea", "Rhea");
        row("EXIF ImageDescription", "07.jpg", "Exif.Image.ImageDescription", "Gato gris",
            "Gato gris");
        row("XMP dc:title in the game's language (Spanish here), else the default one", "07.jpg",
            "Xmp.dc.title", "lang=x-default owl|lang=\"es-ES\" búho", "búho");
        row("JPEG comment, whole though it reads as key: text", "07.jpg", "Jpeg.Comment",
            "Nota: un pez", "Nota: un pez");
        row("the first of several JPEG comments", "07.jpg", "Jpeg.Comment", "primero|segundo",
            "primero");
        row("ImageMagick's raw profile is never a caption", "07.png", "zTXt|Raw profile type exif",
            "\nexif\n 4\n45786966\n", "07");
        row("Latin-1 tEXt Title", "07.png", "tEXt|Title", decodeFileName("ni\xf1o"), "niño");
        row("zTXt Title after the picture data", "07.png", "zTXt|Title|after", "gato", "gato");
        row("iTXt Title is UTF-8", "07.png", "iTXt|Title", "Καλή", "Καλή");
        row("PNG Description alone", "07.png", "Description", "un búho", "un búho");
        row("iTXt Title not UTF-8: the file name", "07.png", "iTXt|Title",
            decodeFileName("ni\xf1o"), "07");
        const QString xmp = "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf="
                            "'http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description "
                            "xmlns:dc='http://purl.org/dc/elements/1.1/'><dc:title><rdf:Alt>"
                            "<rdf:li xml:lang='x-default'>búho</rdf:li></rdf:Alt></dc:title>"
                            "</rdf:Description></rdf:RDF></x:xmpmeta>";
        row("XMP packet in a PNG", "07.png", "iTXt|XML:com.adobe.xmp", xmp, "búho");
        row("XMP packet beyond the budget: the file name", "07.png", "iTXt|XML:com.adobe.xmp",
            xmp + QString(3 << 20, ' '), "07");
        row("broken EXIF block: the file name, the card still deals", "07.jpg", "broken", "", "07");
        row("blank Title: the file name without its extension, non-ASCII too", "ñandú.07.png",
            "Title", " ", "ñandú.07");
        row("no caption: a Latin-1 name shown with U+FFFD", decodeFileName("\xf1.png"), "", "",
            "\uFFFD");
    }

    void captions()
    {
        QFETCH(QStringList, file);
        const QString &name = file[0], &key = file[1], &text = file[2];
        TestFolder folder;
        QImage image = filled({40, 30}, Qt::darkCyan);
        if (!key.contains('.') && !key.contains('|') && key != "broken")
            image.setText(key, text);
        QByteArray bytes = encoded(image, name.endsWith("jpg") ? "JPEG" : "PNG");
        const QStringList chunk = key.split('|');
        if (chunk.size() > 1)
            bytes = withText(bytes, chunk[0].toLatin1(), chunk[1].toLatin1(), encodeFileName(text),
                             chunk.size() > 2);
        for (const QString &comment : text.split('|') | std::views::reverse) {
            if (key == "Jpeg.Comment")
                bytes.insert(2, "\xff\xfe" + QByteArray(1, '\0') +
                                    char(comment.toUtf8().size() + 2) + comment.toUtf8());
        }
        // An EXIF block whose first directory lies far past its end.
        if (key == "broken")
            bytes.insert(2, QByteArray::fromHex("ffe1001045786966000049492a00ffffff7f"));
        folder.writeFile(name, bytes);
        if (key.startsWith("Exif") || key.startsWith("Xmp")) {
            auto metadata =
                Exiv2::ImageFactory::open(encodeFileName(folder.path(name)).toStdString());
            metadata->readMetadata();
            Exiv2::LangAltValue inLanguages;
            for (const QString &inOne : text.split('|'))
                inLanguages.read(inOne.toStdString());
            if (key.startsWith("Xmp"))
                metadata->xmpData().add(Exiv2::XmpKey(key.toStdString()), &inLanguages);
            else
                metadata->exifData()[key.toStdString()] = text.toStdString();
            metadata->writeMetadata();
        }
        const CardPicture card = loadCard(folder.path(name));
        QVERIFY(card.loaded);
        QTEST(card.caption, "caption");
    }

    void thumbnailSizeClass_data()
    {
        // The smallest of the shared cache's sizes (128, 256, 512, 1024) whose thumbnail still
        // covers the card; none for a picture no larger than that size, or a card no size covers.
        QTest::addColumn<QSize>("natural");
        QTest::addColumn<QSize>("card");
        QTest::addColumn<int>("edge");
        QTest::newRow("photo, small card") << QSize(4000, 3000) << QSize(100, 75) << 128;
        QTest::newRow("photo, card just over 128") << QSize(4000, 3000) << QSize(129, 90) << 256;
        QTest::newRow("photo, tall card") << QSize(4000, 3000) << QSize(100, 300) << 512;
        QTest::newRow("photo, card of 600") << QSize(4000, 3000) << QSize(600, 450) << 1024;
        QTest::newRow("photo, card over 1024") << QSize(4000, 3000) << QSize(1100, 800) << 0;
        QTest::newRow("picture of 256 itself") << QSize(256, 100) << QSize(200, 78) << 0;
        QTest::newRow("picture of 300") << QSize(300, 200) << QSize(250, 160) << 256;
    }

    void thumbnailSizeClass()
    {
        QFETCH(QSize, natural);
        QFETCH(QSize, card);
        QTEST(Thumbnails::edgeFor(natural, card), "edge");
    }

    void sharedThumbnails_data()
    {
        // A red 400 x 300 picture on a card of 200 x 150 pixels; the test's own cache holds a
        // blue thumbnail of it, 256 pixels wide: matching, its keys in plain, compressed or
        // international text chunks; with a stale modification time, made of another file
        // (one whose Latin-1 name differs by a byte too), smaller than the card, without its
        // keys, claiming 13000 x 9750 pixels, a link to a thumbnail outside the cache, in a
        // size folder that is such a link; or a cache that cannot be read, a picture inside
        // the cache, a disk too full for a thumbnail. Only a matching one shows; the game
        // writes a fresh one in place of any other it may write, never through a link.
        QTest::addColumn<QString>("cached");
        for (const char *cached :
             {"tEXt", "zTXt", "iTXt", "stale", "other", "Latin-1", "small", "bare", "huge", "link",
              "folder link", "unreadable", "inside", "full disk"})
            QTest::newRow(cached) << QString(cached);
    }

    void sharedThumbnails()
    {
        QFETCH(QString, cached);
        TestFolder folder;
        const QString cache =
            QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/thumbnails";
        const bool latin1 = cached == "Latin-1", matching = cached.endsWith("Xt");
        const QString path = cached == "inside" ? cache + "/p.bmp"
                             : latin1           ? folder.path(decodeFileName("caf\xe8.bmp"))
                                                : folder.path("p.bmp");
        const QString thumbnailOf = latin1 ? folder.path(decodeFileName("caf\xe9.bmp")) : path;
        for (const QString &picture : {path, thumbnailOf})
            folder.writeFile(QDir(folder.path("")).relativeFilePath(picture),
                             encoded(filled({400, 300}, Qt::red), "BMP"));
        const auto md5Png = [](const QByteArray &uri) {
            return QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png";
        };
        const QByteArray uri = glibUri(path), cachedUri = glibUri(thumbnailOf);
        const qint64 mtime = statusOf(path).st_mtime;
        QByteArray png =
            encoded(filled(cached == "small" ? QSize(128, 96) : QSize(256, 192), Qt::blue));
        if (cached == "huge")
            png = withSize(png, 13000, 9750);
        if (cached != "bare") {
            png = withText(png, matching ? cached.toLatin1() : "tEXt", "Thumb::URI",
                           cachedUri + QByteArray(cached == "other" ? "x" : ""));
            png = withText(png, "tEXt", "Thumb::MTime",
                           QByteArray::number(mtime - (cached == "stale")));
        }
        const QString subfolder = cached == "small" ? "/normal/" : "/large/";
        QVERIFY(QDir().mkpath(cache + subfolder));
        QFile file(cache + subfolder + md5Png(cachedUri));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(png) == png.size());
        file.close();
        for (const QString &f : {cache, cache + subfolder})
            QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (cached == "unreadable") {
            QDir(cache).removeRecursively();
            folder.writeFile(QDir(folder.path("")).relativeFilePath(cache), "not a folder");
        }
        const QString outside = folder.path("outside");
        const QString linked = cached == "link" ? file.fileName() : cache + "/large";
        if (cached.contains("link"))
            QVERIFY(QDir().rename(linked, outside) && QFile::link(outside, linked));
        if (cached == "full disk")
            QVERIFY(file.remove());
        QColor shown;
        onAFullDisk(cached == "full disk" ? 100 : RLIM_INFINITY,
                    [&] { shown = centreOf(loadCard(path, true)); });
        QCOMPARE(shown, QColor(matching ? Qt::blue : Qt::red));
        if (cached == "full disk" || cached == "folder link") {
            // Nothing written, not even a part of the thumbnail under another name.
            const bool full = cached == "full disk";
            QCOMPARE(QDir(full ? cache + "/large" : outside).entryList(QDir::Files).size(),
                     qsizetype(!full));
            QVERIFY(full || QImage(outside + "/" + md5Png(uri)).pixelColor(0, 0) == Qt::blue);
            return;
        }
        // A thumbnail the game writes follows the standard: plain text keys, for the owner
        // alone; one it must not write is not there, and a fresh one stays as it was.
        QFile left(cache + "/large/" + md5Png(uri));
        if (matching || cached == "unreadable" || cached == "inside") {
            QVERIFY(!left.exists() || QImage(left.fileName()).pixelColor(0, 0) == QColor(Qt::blue));
            return;
        }
        QVERIFY(left.open(QIODevice::ReadOnly) && !QFileInfo(left).isSymLink());
        QFile kept(outside);
        QVERIFY(cached != "link" || (kept.open(QIODevice::ReadOnly) && kept.readAll() == png));
        const QByteArray written = left.readAll();
        const QList<std::pair<QByteArray, QByteArray>> keys = {
            {"Thumb::URI", uri},
            {"Thumb::MTime", QByteArray::number(mtime)},
            {"Thumb::Size", QByteArray::number(qint64(statusOf(path).st_size))},
            {"Thumb::Image::Width", "400"}};
        for (const auto &[key, value] : keys)
            QVERIFY2(written.contains("tEXt" + key + '\0' + value), key.constData());
        QCOMPARE(QImage::fromData(written).size(), QSize(256, 192));
        // Owner, group and others' bits: 0600 and 0700.
        QCOMPARE(int(left.permissions() & 0x7077), int(QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(int(QFile(cache + "/large").permissions() & 0x7077), 0x7000);
    }

    void partFilesNeverStay_data()
    {
        // A part file's name and age in seconds in the cache's folder "large", and whether it
        // is still there after the game's next thumbnail.
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("kept");
        const QString own = QString(32, 'a') + ".png.1x2y3z.part";
        QTest::newRow("the game's own, an hour old: left by a kill") << own << 3600 << false;
        QTest::newRow("the game's own, fresh: another game writes it") << own << 0 << true;
        QTest::newRow("another program's") << "gnome-thumb.png.part" << 3600 << true;
    }

    void partFilesNeverStay()
    {
        QFETCH(QString, name);
        QFETCH(int, age);
        QFETCH(bool, kept);
        TestFolder folder;
        const QString part = folder.path("home/.cache/thumbnails/large/" + name);
        folder.writeFile("home/.cache/thumbnails/large/" + name, "PNG");
        const timespec when[2] = {{time(nullptr) - age, 0}, {time(nullptr) - age, 0}};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(part).constData(), when, 0), 0);
        QCOMPARE(writeThumbnail(folder, "a.png"), kept ? 2 : 1);
        QCOMPARE(QFile::exists(part), kept);
    }

    // Last: the end closes the writing for the whole test program.
    void nothingWrittenOnceTheProgramEnds()
    {
        TestFolder folder;
        ThumbnailParts::finishWriting(std::chrono::seconds(1));
        QCOMPARE(writeThumbnail(folder, "a.png"), 0);
    }
};

QTEST_GUILESS_MAIN(TstFiles)
#include "tst_files.moc"
