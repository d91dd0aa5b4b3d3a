// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/filenames.h"
#include "files/listing.h"
#include "files/regularfile.h"
#include "files/textfile.h"
#include "pictures/pictureloader.h"
#include "realservices.h"
#include "texts/languagefile.h"
#include "windowtesting.h"

#include <QDir>
#include <QMutex>
#include <QPushButton>
#include <QSemaphore>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A window with a button and a 10 ms timer, counting what its handlers saw.
struct ProbeWindow : ProgramWindow {
    using ProgramWindow::ProgramWindow;
    int loads = 0, unloads = 0, ticks = 0;
    QPointer<QPushButton> button;
    WindowTimer *timer = nullptr;
    std::function<void()> onClick, onTick = [] {};
    void buildControls(WindowWidget *window) override
    {
        button = new QPushButton(window);
        connectHandler(button.data(), &QPushButton::clicked, [this] { onClick(); });
        timer = addTimer(10, false, [this] { ++ticks, onTick(); });
    }
    // A load while the window shows would count a hundred.
    void onLoad() override { loads += window()->isVisible() ? 100 : 1; }
    void onUnload() override { ++unloads; }
};

// Puts an entry of the kind at `path`; a regular file, or a link's target, holds `bytes`.
static void placeEntry(const QString &path, const QString &kind, const QByteArray &bytes)
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

class TstPlatform : public QObject
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
        TestProgram program;
        QVERIFY(QDir().mkpath(program.path("files")) && QDir().mkpath(program.path("folders")));
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
    }

    void lineRules_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF or a lone CR ends a line, CR CR LF is an empty one")
            << QByteArray("a\r\nb\rc\r\r\nd") << QStringList{"a", "b", "c", "", "d"};
        QTest::newRow("a lone LF stays in the text")
            << QByteArray("a\nb\r\nc\n") << QStringList{"a\nb", "c\n"};
        // 0xEF 0xBB without the byte-order mark's last byte is no mark.
        QTest::newRow("Windows-1252 as Windows decodes it")
            << QByteArray("\xEF\xBBx im\xE1genes \x80\x81\x8D\x8F\x90\x9D\x9F")
            << QStringList{QStringLiteral("ï»x imágenes €\u0081\u008D\u008F\u0090\u009DŸ")};
        QTest::newRow("a UTF-8 byte-order mark: UTF-8, any script")
            << QByteArray("\xEF\xBB\xBF\xCE\x9A\xCE\xB1\xCE\xBB\xCE\xAE\r\n\xD0\x87\xD0\xB6")
            << QStringList{QStringLiteral("Καλή"), QStringLiteral("Їж")};
        // A long line is cut at 4096 characters. The file is read in pieces of 64 KiB: this CR
        // ends the first, its LF starts the next.
        QTest::newRow("CR LF across two pieces")
            << QByteArray(65535, 'y') + "\r\nb" << QStringList{QString(4096, 'y'), "b"};
    }

    void lineRules()
    {
        QFETCH(QByteArray, bytes);
        TestProgram program;
        program.writeFile("t.txt", bytes);
        TextFile file;
        QVERIFY(file.open(program.path("t.txt")));
        QStringList read;
        for (QString line; read.size() < 9 && file.readLine(line);)
            read << line;
        QTEST(read, "lines");
    }

    void languageChoice_data()
    {
        // "files | UI languages | read": files made, each holding its own name ("user",
        // "program" for idioma/idioma.txt, a shipped language's, or "user/" a folder in the
        // user's file's place); then the first line a pass reads ("-" for none) and the
        // language of the sets.
        QTest::addColumn<QString>("row");
        QTest::newRow("the user's file first") << QString("user program fr | fr-FR fr | user fr");
        QTest::newRow("the program folder's as ever") << QString("program fr es | fr | program fr");
        QTest::newRow("a folder for the user's file") << QString("user/ program | fr | program es");
        QTest::newRow("the locale's file") << QString("es fr | fr-FR fr | fr fr");
        QTest::newRow("a region's language") << QString("es pt | pt-BR pt-Latn-BR | pt pt");
        QTest::newRow("LANGUAGE: the first with a file") << QString("es de uk | nl uk de | uk uk");
        QTest::newRow("no file for the locale: Spanish") << QString("es fr | ja-JP ja | es es");
        QTest::newRow("nothing shipped: the file is missing") << QString(" | fr | - es");
    }

    void languageChoice()
    {
        QFETCH(QString, row);
        const QStringList parts = row.split(" | ");
        TestProgram program;
        for (const QString &file : parts[0].split(' ', Qt::SkipEmptyParts)) {
            const QString path = file.startsWith("user") ? "home/.config/zindle/idioma.txt"
                                 : file == "program"     ? "idioma/idioma.txt"
                                                         : "idioma/" + file + "/idioma.txt";
            file == "user/" ? void(QDir().mkpath(program.path(path)))
                            : program.writeFile(path, file.toLatin1() + "\r\n");
        }
        const LanguageChoice choice = chooseLanguage(program.dir.path(), parts[1].split(' '));
        TextFile text;
        QString line = "-";
        if (text.open(choice.file))
            text.readLine(line);
        QCOMPARE(line + ' ' + choice.language, parts[2]);
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
        TestProgram program;
        const QByteArray png = encoded(QImage(40, 30, QImage::Format_RGB32));
        placeEntry(program.path("idioma/idioma.txt"), kind, "CONTINUAR\r\n");
        for (const char *file : {"fondo.jpg", "p.png", "sonidos/abrir.wav"})
            placeEntry(program.path(file), kind, png);
        const LanguageLine intro = LanguageLine::IntroButton;
        QCOMPARE(program.run.texts().read(intro, intro).line(intro).has_value(), read);
        QCOMPARE(!loadBackground(program.path("fondo.jpg"), QSize(100, 100)).isNull(), read);
        QCOMPARE(
            loadCardPictures({{program.path("p.png"), 1500, 1500, 1, QSize(98, 98)}})[0].loaded,
            read);
        QCOMPARE(regularFileUrl(program.path("sonidos/abrir.wav")).isEmpty(), !read);
    }

    void windowLifeCycle()
    {
        TestProgram program;
        ProbeWindow form(program.flow);
        form.show();
        form.show();
        form.timer->setEnabled(true);
        QTRY_VERIFY(form.ticks > 0);
        // Without a close control of its own the window stays.
        QVERIFY(!form.window()->close());
        QPointer<QPushButton> button = form.button;
        bool stillAndAlive = false;
        int ticks = 0;
        form.onClick = [&] {
            WindowTimer *timer = form.timer;
            form.unload();
            ticks = form.ticks;
            // The old controls stay for this handler, but their timer stays still.
            timer->setEnabled(true);
            QTest::qWait(60);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            stillAndAlive = !button.isNull() && !timer->isEnabled() && form.ticks == ticks;
        };
        QTest::mouseClick(form.button, Qt::LeftButton);
        form.unload();
        QVERIFY(stillAndAlive);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(button.isNull());
        // Loaded once before the first show, then again, hidden, when referred to after unload.
        QVERIFY(!form.window()->isVisible());
        QCOMPARE(QList({form.loads, form.unloads}), QList({2, 1}));
    }

    void tickOpeningAModalWindowIsNotEnteredAgain()
    {
        TestProgram program;
        ProbeWindow board(program.flow), modal(program.flow);
        board.show();
        int depth = 0, deepest = 0, ticksWhileModal = 0;
        board.onTick = [&] {
            deepest = std::max(deepest, ++depth);
            if (board.ticks == 1) {
                // A restart gives Qt a fresh timer, which its own recursion check misses.
                board.timer->setEnabled(false);
                board.timer->setEnabled(true);
                QTimer::singleShot(200, &board, [&] {
                    ticksWhileModal = board.ticks;
                    modal.unload();
                });
                modal.showModal();
            }
            --depth;
        };
        board.timer->setEnabled(true);
        QTRY_VERIFY(board.ticks >= 3);
        QCOMPARE(QList({ticksWhileModal, deepest, modal.unloads}), QList({1, 1, 1}));
    }

    void soundsNeverWaitForTheOutput()
    {
        // A sound server that does not answer: every call waits until the test opens the gate.
        struct StuckOutput : SoundOutput {
            QSemaphore gate;
            QMutex mutex;
            QStringList calls;
            void call(const QString &what)
            {
                gate.acquire();
                gate.release();
                QMutexLocker lock(&mutex);
                calls << what;
            }
            void load(const QString &path) override { call("load " + path); }
            void play(const QString &path) override { call("play " + path); }
        };
        auto owned = std::make_unique<StuckOutput>();
        StuckOutput &output = *owned;
        SystemSound sound(std::move(owned));
        // Were a call to wait, the test would never open the gate.
        sound.preload("a");
        for (int i = 0; i < 3; ++i) {
            sound.play("a");
            sound.play("b");
        }
        output.gate.release();
        const auto seen = [&] {
            QMutexLocker lock(&output.mutex);
            return output.calls;
        };
        // Of the sounds asked for while it waited only the last one plays; a file loads once.
        QTRY_COMPARE(seen(), QStringList({"load a", "load b", "play b"}));
        sound.play("a");
        QTRY_COMPARE(seen(), QStringList({"load a", "load b", "play b", "play a"}));
    }
};

QTEST_MAIN(TstPlatform)
#include "tst_platform.moc"
