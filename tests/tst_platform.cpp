// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/language/languagefile.h"
#include "core/pictures/pictureloader.h"
#include "core/platform/filenames.h"
#include "core/platform/listing.h"
#include "core/platform/regularfile.h"
#include "core/platform/textfile.h"
#include "fakes.h"
#include "system/realservices.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMutex>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWaitCondition>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// A window with a button and a 10 ms timer, counting what its handlers saw.
struct ProbeForm : Form {
    int loads = 0, unloads = 0, ticks = 0;
    QPointer<QPushButton> Command1;
    FormTimer *Timer1 = nullptr;
    std::function<void()> onClick, onTick = [] {};
    void buildControls(FormWindow *window) override
    {
        Command1 = new QPushButton(window);
        connectHandler(Command1.data(), &QPushButton::clicked, [this] { onClick(); });
        Timer1 = addTimer(10, false, [this] { ++ticks, onTick(); });
    }
    // A load while the window shows would count a hundred.
    void Form_Load() override { loads += window()->isVisible() ? 100 : 1; }
    void Form_Unload() override { ++unloads; }
};

// Puts an entry of the kind at `path`; a regular file, or a link's target, holds `bytes`.
void placeEntry(const QString &path, const QString &kind, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    const QString target = path + ".target";
    QFile file(kind == "link" ? target : path);
    if (kind == "file" || kind == "link" || kind == "unreadable") {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
    }
    if (kind == "unreadable")
        file.setPermissions({});
    if (kind.startsWith("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(kind == "fifo" ? path : target).constData(), 0600), 0);
    if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    const QString linked = kind == "device"        ? "/dev/zero"
                           : kind == "dangling"    ? path + ".gone"
                           : kind.contains("link") ? target
                                                   : QString();
    if (!linked.isEmpty())
        QVERIFY(QFile::link(linked, path));
}

} // namespace

class TstPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listingOrder_data();
    void listingOrder();
    void lineRules_data();
    void lineRules();
    void languagePass_data();
    void languagePass();
    void languageChoice_data();
    void languageChoice();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void windowLifeCycle();
    void tickOpeningAModalWindowIsNotEnteredAgain();
    void soundsNeverWaitForTheOutput();
};

void TstPlatform::listingOrder_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("case is ignored")
        << QStringList{"c.jpg", "B.jpg", "a.jpg"} << QStringList{"a.jpg", "B.jpg", "c.jpg"};
    QTest::newRow("an exact comparison breaks a tie")
        << QStringList{"b", "a", "A"} << QStringList{"A", "a", "b"};
    QTest::newRow("hidden names are left out")
        << QStringList{".oculto", "uno"} << QStringList{"uno"};
    // Latin-1 "café" and "ño" as a Windows archive leaves them, next to UTF-8 "né".
    const QString cafe = decodeFileName("caf\xe9"), nyo = decodeFileName("\xf1o");
    QTest::newRow("names that are not UTF-8 keep their bytes")
        << QStringList{nyo, "né", cafe} << QStringList{cafe, "né", nyo};
}

void TstPlatform::listingOrder()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, listed);
    TestProgram program;
    QDir().mkpath(program.path("files"));
    QDir().mkpath(program.path("folders"));
    for (const QString &name : names) {
        const QByteArray bytes = encodeFileName(name);
        QVERIFY(::close(::creat(QFile::encodeName(program.path("files/")) + bytes, 0600)) == 0);
        QVERIFY(::mkdir(QFile::encodeName(program.path("folders/")) + bytes, 0700) == 0);
    }
    QCOMPARE(listFiles(program.path("files")), listed);
    QCOMPARE(listSubfolders(program.path("folders")), listed);
    for (const QString &name : listed) {
        QFile file;
        QVERIFY(openRegularFile(file, program.path("files/") + name));
    }
    // The folder may hand the names over in any order.
    QStringList reversed(listed.crbegin(), listed.crend());
    sortNamesIgnoringCase(reversed);
    QCOMPARE(reversed, listed);
}

void TstPlatform::lineRules_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF or a lone CR ends a line")
        << QByteArray("a\r\nb\rc\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("a lone LF stays in the text")
        << QByteArray("a\nb\r\nc\n") << QStringList{"a\nb", "c\n"};
    QTest::newRow("CR CR LF is an empty line")
        << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("Windows-1252 as Windows decodes it")
        << QByteArray("im\xE1genes \x80\x81\x8D\x8F\x90\x9D\x9F")
        << QStringList{QStringLiteral("imágenes €\u0081\u008D\u008F\u0090\u009DŸ")};
    QTest::newRow("a UTF-8 byte-order mark: UTF-8, any script")
        << QByteArray("\xEF\xBB\xBF\xCE\x9A\xCE\xB1\xCE\xBB\xCE\xAE\r\n\xD0\x87\xD0\xB6")
        << QStringList{QStringLiteral("Καλή"), QStringLiteral("Їж")};
    QTest::newRow("0xEF 0xBB without the mark's last byte stays Windows-1252")
        << QByteArray("\xEF\xBBx") << QStringList{QStringLiteral("ï»x")};
    QTest::newRow("a long line is cut at 4096 characters")
        << QByteArray(5000, 'x') + "\r\nb" << QStringList{QString(4096, 'x'), "b"};
    // The file is read in pieces of 64 KiB: this CR ends the first, its LF starts the next.
    QTest::newRow("CR LF across two pieces")
        << QByteArray(65535, 'y') + "\r\nb" << QStringList{QString(4096, 'y'), "b"};
}

void TstPlatform::lineRules()
{
    QFETCH(QByteArray, bytes);
    TestProgram program;
    program.writeFile("t.txt", bytes);
    TextFile file;
    QVERIFY(!file.open(program.path("missing.txt")));
    QVERIFY(file.open(program.path("t.txt")));
    QStringList read;
    for (QString line; read.size() < 9 && file.readLine(line);)
        read << line;
    QTEST(read, "lines");
    file.close();
    QString line;
    QVERIFY(!file.readLine(line));
}

void TstPlatform::languagePass_data()
{
    QTest::addColumn<int>("linesInFile");
    QTest::addColumn<LanguageLine>("first");
    QTest::addColumn<LanguageLine>("last");
    // The lines read by number; "-" where a line could not be read.
    QTest::addColumn<QString>("read");
    QTest::newRow("8 lines: the board reads none")
        << 8 << LanguageLine::ResultStart << LanguageLine::ListTitle << "- - - - -";
    QTest::newRow("a short file ends the pass midway")
        << 4 << LanguageLine::SetupInstruction << LanguageLine::PlayButton << "4 -";
}

void TstPlatform::languagePass()
{
    QFETCH(int, linesInFile);
    QFETCH(LanguageLine, first);
    QFETCH(LanguageLine, last);
    TestProgram program;
    QStringList lines;
    for (int i = 1; i <= linesInFile; ++i)
        lines << QString::number(i);
    program.writeLanguage(lines);
    QStringList read;
    const LanguageLines pass = readLanguageLines(first, last);
    for (int n = int(first); n <= int(last); ++n)
        read << pass.line(LanguageLine(n)).value_or("-");
    QTEST(read.join(' '), "read");
}

void TstPlatform::languageChoice_data()
{
    // Files made, each holding its own name: "user", "program" (idioma/idioma.txt), a
    // shipped language's, or "user/" a folder in the user's file's place.
    QTest::addColumn<QString>("files");
    QTest::addColumn<QString>("uiLanguages");
    // The first line a pass reads ("-" for none) and the language of the sets.
    QTest::addColumn<QString>("read");
    QTest::newRow("the user's file first") << "user program fr"
                                           << "fr-FR fr"
                                           << "user fr";
    QTest::newRow("the program folder's as ever") << "program fr es"
                                                  << "fr"
                                                  << "program fr";
    QTest::newRow("a folder for the user's file") << "user/ program"
                                                  << "fr"
                                                  << "program es";
    QTest::newRow("the locale's file") << "es fr"
                                       << "fr-FR fr"
                                       << "fr fr";
    QTest::newRow("a region's language") << "es pt"
                                         << "pt-BR pt-Latn-BR"
                                         << "pt pt";
    QTest::newRow("LANGUAGE: the first with a file") << "es de uk"
                                                     << "nl uk de"
                                                     << "uk uk";
    QTest::newRow("no file for the locale: Spanish") << "es fr"
                                                     << "ja-JP ja"
                                                     << "es es";
    QTest::newRow("C: Spanish") << "es fr"
                                << "C"
                                << "es es";
    QTest::newRow("nothing shipped: the file is missing") << ""
                                                          << "fr"
                                                          << "- es";
}

void TstPlatform::languageChoice()
{
    QFETCH(QString, files);
    QFETCH(QString, uiLanguages);
    TestProgram program;
    for (const QString &file : files.split(' ', Qt::SkipEmptyParts)) {
        const QString path = file.startsWith("user") ? "home/.config/zindle/idioma.txt"
                             : file == "program"     ? "idioma/idioma.txt"
                                                     : "idioma/" + file + "/idioma.txt";
        file == "user/" ? void(QDir().mkpath(program.path(path)))
                        : program.writeFile(path, file.toLatin1() + "\r\n");
    }
    const LanguageChoice choice = chooseLanguage(uiLanguages.split(' '));
    TextFile text;
    QString line = "-";
    if (text.open(choice.file))
        text.readLine(line);
    QTEST(line + ' ' + choice.language, "read");
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

// Anything but a regular file counts as missing for every reader, and none of them waits.
void TstPlatform::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QFETCH(bool, read);
    if (kind == "unreadable" && geteuid() == 0)
        QSKIP("root reads a file without read permission");
    TestProgram program;
    const QByteArray png = encoded(QImage(40, 30, QImage::Format_RGB32));
    placeEntry(program.path("idioma/idioma.txt"), kind, "CONTINUAR\r\n");
    placeEntry(program.path("fondo.jpg"), kind, png);
    placeEntry(program.path("p.png"), kind, png);
    placeEntry(program.path("sonidos/abrir.wav"), kind, "RIFF");
    const LanguageLine intro = LanguageLine::IntroButton;
    QCOMPARE(readLanguageLines(intro, intro).line(intro).has_value(), read);
    QCOMPARE(!loadBackground(program.path("fondo.jpg"), QSize(100, 100)).isNull(), read);
    QCOMPARE(loadCardPictures({{program.path("p.png"), 1500, 1500, 1, QSize(98, 98)}})[0].loaded,
             read);
    QCOMPARE(regularFileUrl(program.path("sonidos/abrir.wav")).isEmpty(), !read);
}

void TstPlatform::windowLifeCycle()
{
    ProbeForm form;
    form.show();
    form.show();
    form.Timer1->setEnabled(true);
    QTRY_VERIFY(form.ticks > 0);
    // Without a close control of its own the window stays.
    QVERIFY(!form.window()->close());
    QPointer<QPushButton> button = form.Command1;
    bool stillAndAlive = false;
    int ticks = 0;
    form.onClick = [&] {
        FormTimer *timer = form.Timer1;
        form.unload();
        ticks = form.ticks;
        // The old controls stay for this handler, but their timer stays still.
        timer->setEnabled(true);
        QTest::qWait(60);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        stillAndAlive = !button.isNull() && !timer->isEnabled() && form.ticks == ticks;
    };
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    form.unload();
    QVERIFY(stillAndAlive);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(button.isNull());
    // Loaded once before the first show, then again, hidden, when referred to after unload.
    QVERIFY(!form.window()->isVisible());
    QCOMPARE(QList({form.loads, form.unloads}), QList({2, 1}));
}

void TstPlatform::tickOpeningAModalWindowIsNotEnteredAgain()
{
    ProbeForm board, modal;
    board.show();
    int depth = 0, deepest = 0, ticksWhileModal = 0;
    board.onTick = [&] {
        deepest = std::max(deepest, ++depth);
        if (board.ticks == 1) {
            // A restart gives Qt a fresh timer, which its own recursion check misses.
            board.Timer1->setEnabled(false);
            board.Timer1->setEnabled(true);
            QTimer::singleShot(200, &board, [&] {
                ticksWhileModal = board.ticks;
                modal.unload();
            });
            modal.showModal();
        }
        --depth;
    };
    board.Timer1->setEnabled(true);
    QTRY_VERIFY(board.ticks >= 3);
    QCOMPARE(QList({ticksWhileModal, deepest, modal.unloads}), QList({1, 1, 1}));
}

void TstPlatform::soundsNeverWaitForTheOutput()
{
    // A sound server that does not answer: every call waits until the test opens it.
    struct StuckOutput : SoundOutput {
        QMutex mutex;
        QWaitCondition opened;
        bool stuck = true;
        QStringList calls;
        void call(const QString &what)
        {
            QMutexLocker lock(&mutex);
            while (stuck)
                opened.wait(&mutex);
            calls << what;
        }
        void load(const QString &path) override { call("load " + path); }
        void play(const QString &path) override { call("play " + path); }
        QStringList seen()
        {
            QMutexLocker lock(&mutex);
            return calls;
        }
    };
    auto owned = std::make_unique<StuckOutput>();
    StuckOutput &output = *owned;
    SystemSound sound(std::move(owned));
    QElapsedTimer waited;
    waited.start();
    sound.preload("a");
    for (int i = 0; i < 3; ++i) {
        sound.play("a");
        sound.play("b");
    }
    QVERIFY(waited.elapsed() < 100);
    {
        QMutexLocker lock(&output.mutex);
        output.stuck = false;
        output.opened.wakeAll();
    }
    // Of the sounds asked for while it waited only the last one plays; a file loads once.
    QTRY_COMPARE(output.seen(), QStringList({"load a", "load b", "play b"}));
    sound.play("a");
    QTRY_COMPARE(output.seen(), QStringList({"load a", "load b", "play b", "play a"}));
}

QTEST_MAIN(TstPlatform)
#include "tst_platform.moc"
