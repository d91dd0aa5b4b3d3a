// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/filenames.h"
#include "setcheck.h"
#include "sets/setlibrary.h"
#include "setsheet.h"
#include "testfiles.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A 4:3 picture on white paper with a block of its own colour in rows top to bottom (as
// fractions of its height), across its middle half.
static QImage drawn(int hue, double top, double bottom)
{
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(QRectF(40, top * 120, 80, (bottom - top) * 120),
                              QColor::fromHsv(hue % 360, 255, 180));
    return image;
}

class TstSets : public QObject
{
    Q_OBJECT
private:
    QString set(const QString &name) const { return m_sets.path(name); }
    TestFolder m_sets;

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString name :
             {"clean", "broken", "short", "cut", "turned", "twins", "slip", "latin", "numbered"}) {
            for (int p = 0; p < 6; ++p) {
                // Files "a.png" to "f.png", or numbered "01.png" to "06.png".
                const QString file =
                    (name == "numbered" ? QStringLiteral("%1").arg(p + 1, 2, 10, QChar('0'))
                                        : QString(QChar('a' + p))) +
                    ".png";
                m_sets.writeFile(name + "/1/" + file, encoded(drawn(p * 50, 0.35, 0.65)));
                m_sets.writeFile(name + "/2/" + file, encoded(drawn(p * 50 + 25, 0.4, 0.6)));
            }
        }
        m_sets.writeFile("broken/2/c.png", "not a picture");
        m_sets.writeFile("broken/2/e.png", withSize(encoded(drawn(0, 0.4, 0.6)), 30000, 30000));
        QCOMPARE(::truncate(qPrintable(set("broken") + "/1/b.png"), qint64(20) << 30), 0);
        for (int p = 0; p <= MaxCheckedPairs; ++p) {
            for (const char *half : {"/1/", "/2/"})
                m_sets.writeFile("many" + QString(half) + QString::number(p), {});
        }
        QVERIFY(mkfifo(qPrintable(set("broken") + "/1/fifo"), 0644) == 0);
        QFile::remove(set("short") + "/2/f.png");
        m_sets.writeFile("cut/1/b.png", encoded(drawn(0, 0.02, 0.98)));
        QFile::remove(set("turned") + "/1/a.png");
        // EXIF orientation 6 asks to turn the picture clockwise.
        const QByteArray exif(
            "Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x06\0\0\0\0\0\0\0", 32);
        QImage small(160, 120, QImage::Format_RGB32);
        small.fill(Qt::white);
        QPainter(&small).fillRect(70, 50, 20, 20, Qt::darkRed);
        m_sets.writeFile("turned/1/a.jpg",
                         encoded(small, "JPG").insert(2, QByteArray("\xFF\xE1\0\x22", 4) + exif));
        m_sets.writeFile("twins/2/d.png", encoded(drawn(50, 0.35, 0.65)));
        QFile::rename(set("slip") + "/2/d.png", set("slip") + "/2/dd.png");
        m_sets.writeFile("missing/1/a.png", encoded(drawn(0, 0.4, 0.6)));
        QImage titled = drawn(50, 0.4, 0.6);
        titled.setText("Title", "uno");
        m_sets.writeFile("numbered/1/01.png", encoded(titled));
        titled.setText("Title", "reloj: 10:15");
        m_sets.writeFile("slip/1/a.png", encoded(titled));
        titled.setText("Title", "sol & luna");
        m_sets.writeFile("slip/2/a.png", encoded(titled));
        // A Latin-1 name as a Windows archive leaves it: the folder "café".
        QCOMPARE(::rename(QFile::encodeName(set("latin")), QFile::encodeName(set("caf")) + "\xe9"),
                 0);
    }

    void findings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        const auto row = [](const char *tag, const QString &name, const char *line, int status) {
            QTest::newRow(tag) << name << QString(line) << status;
        };
        row("clean", "clean", R"(verdict "clean": playable, nothing to warn about)", 0);
        row("not a picture", "broken",
            R"(warning "broken" pair 3: never dealt: "2/c.png" is not a picture)", 1);
        row("too big to decode", "broken",
            R"(warning "broken" pair 5: never dealt: "2/e.png" is too big)", 1);
        row("20 GB sparse: too big by its size", "broken",
            R"(warning "broken" pair 2: never dealt: "1/b.png" is too big to decode (a file of )"
            R"(20480 MB)",
            1);
        row("past 1000 pairs only counted", "many",
            R"(note "many": pairs 1001 to 1001 not checked)", 2);
        row("a FIFO is not listed", "broken", R"(files "broken": 6 in "1")", 1);
        row("2 shorter", "short", R"(warning "short" pair 6: never dealt: "2" has no)", 1);
        row("fewer than offered", "short", R"(warning "short": offers 6 pairs but can deal only 5)",
            1);
        row("cut", "cut",
            R"(warning "cut" pair 2: cut: "1/b.png" has its drawing in rows 1%-99%; a card shows )"
            R"(rows 13%-87% (74% of its height) at 6 pairs on 2560x1080; cut on 2560x1080 6)",
            1);
        row("turned", "turned", R"(note "turned": "1/a.jpg" is turned 90 degrees clockwise)", 0);
        row("same picture", "twins",
            R"(warning "twins" pairs 2 and 4: same picture: "1/b.png" and "2/d.png")", 1);
        row("names differ", "slip",
            R"(warning "slip" pair 4: names differ: "1/d.png" and "2/dd.png", while 5)", 1);
        row("captioned by their file numbers alone", "numbered",
            R"(note "numbered": 11 pictures have no caption but their file number, all a screen )"
            R"(reader says of them: "2/01.png" and 10 more)",
            0);
        row("captions a screen reader spells out", "slip",
            R"(note "slip": 2 captions hold characters a screen reader reads out as words )"
            R"((":&"): "1/a.png" "reloj: 10:15" and 1 more)",
            1);
        row("no folder 2", "missing", R"(error "missing": no folder "2")", 2);
        row("names that are not UTF-8", decodeFileName("caf\xe9"),
            R"(files "caf\xE9": 6 in "1", 6 in "2")", 0);
    }

    void findings()
    {
        QFETCH(QString, name);
        QFETCH(QString, line);
        QFETCH(int, status);
        const auto found = setsIn(m_sets.dir.path());
        QVERIFY(std::count_if(found.begin(), found.end(),
                              [&](const auto &s) { return s.first == name; }));
        const SetReport report = checkSet(name, set(name));
        const QStringList lines = reportLines({report});
        QVERIFY2(std::any_of(lines.begin(), lines.end(),
                             [&](const QString &l) { return l.startsWith(line); }),
                 qPrintable(lines.join('\n')));
        QCOMPARE(exitStatus({report}), status);
    }

    void aReportLostIsAFailure()
    {
        const int kept = ::dup(1);
        const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
        std::fflush(stdout);
        QVERIFY(kept >= 0 && full >= 0 && ::dup2(full, 1) == 1);
        std::fputs("summary: 1 sets\n", stdout);
        const bool written = reportWritten();
        std::clearerr(stdout);
        ::dup2(kept, 1);
        ::close(kept);
        ::close(full);
        QVERIFY(!written);
    }

    void folderOfAName_data()
    {
        QTest::addColumn<QString>("name");
        // Relative to the program folder, which holds the set "s"; empty for none.
        QTest::addColumn<QString>("folder");
        QTest::newRow("a set") << "s"
                               << "graficos/s";
        QTest::newRow("empty names no set") << ""
                                            << "";
        QTest::newRow("\".\" names no set") << "."
                                            << "";
        QTest::newRow("\"..\" names no set") << ".."
                                             << "";
        QTest::newRow("a name with a \"/\" names no set") << "s/1"
                                                          << "";
    }

    // Nothing outside the places is read: not the places themselves, nor a folder in a set.
    void folderOfAName()
    {
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QVERIFY(QDir().mkpath(m_sets.path("graficos/s/1")));
        const QString found = SetLibrary(m_sets.dir.path(), "es").folderOf(name);
        QCOMPARE(found, folder.isEmpty() ? folder : m_sets.path(folder));
    }

    void namesNeverBreakALine()
    {
        QCOMPARE(quoted("a\"b\\c\nd"), QStringLiteral("\"a\\\"b\\\\c\\u000ad\""));
    }

    void sheetCrossesOutPicturesNeverDealt()
    {
        const auto crossed = [this](const char *name) {
            const QImage sheet = drawSheet({checkSet(name, set(name))}, {0, QSize(1280, 1024)}, {})
                                     .convertToFormat(QImage::Format_RGB32);
            // 32-bit rows hold no padding: the pixels can be searched as one run.
            const auto *pixels = reinterpret_cast<const QRgb *>(sheet.constBits());
            const auto *end = pixels + sheet.width() * sheet.height();
            return std::find(pixels, end, qRgb(0xC0, 0x10, 0x10)) != end;
        };
        QVERIFY(crossed("broken") && !crossed("clean"));
    }

    void aSheetThatCannotBeWrittenKeepsTheOldOne()
    {
        m_sets.writeFile("sheet.png", "the old sheet");
        QImage sheet(600, 600, QImage::Format_RGB32);
        QRandomGenerator(1).fillRange(reinterpret_cast<quint32 *>(sheet.bits()), 600 * 600);
        bool saved = true;
        onAFullDisk(64 * 1024, [&] { saved = saveSheet(sheet, m_sets.path("sheet.png")); });
        QVERIFY(!saved);
        QFile old(m_sets.path("sheet.png"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), "the old sheet");
    }
};

QTEST_MAIN(TstSets)
#include "tst_sets.moc"
