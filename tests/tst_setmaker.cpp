// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures/caption.h"
#include "setmaker.h"
#include "sets/dealing.h"
#include "testfiles.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

// Left half red, right half blue, as the file holds it.
static QImage halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, width / 2, height, Qt::red);
    return image;
}

static QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

class TstSetMaker : public QObject
{
    Q_OBJECT
private:
    TestFolder m_files;
    // Where sets are made; it holds nothing until a set is saved.
    QString sets() const { return m_files.path("Pictures/Zindle"); }
    std::vector<MadePicture> pair(const QString &first, const QString &second) const
    {
        return {{m_files.path(first), "one"}, {m_files.path(second), "two"}};
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_files.writeFile("a.png", encoded(halves(300, 200)));
        m_files.writeFile("b.png", encoded(halves(200, 300)));
        m_files.writeFile("photo.jpg", encoded(halves(3000, 1000), "JPEG"));
        m_files.writeFile("turned.jpg", encoded(halves(400, 300), "JPEG",
                                                QImageIOHandler::TransformationRotate90));
        m_files.writeFile("tall.png", encoded(halves(1000, 5000)));
        m_files.writeFile("bitmap.bmp", encoded(halves(64, 48), "BMP"));
        QImage noise(600, 600, QImage::Format_RGB32);
        QRandomGenerator(1).fillRange(reinterpret_cast<quint32 *>(noise.bits()), 600 * 600);
        m_files.writeFile("noise.png", encoded(noise));
        m_files.writeFile("notes.txt", "not a picture");
    }

    void copies_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QSize>("size");
        const auto row = [](const char *tag, const char *source, const char *caption,
                            const char *copy, QSize size) {
            QTest::newRow(tag) << QString(source) << QString(caption) << QString(copy) << size;
        };
        row("a small PNG keeps its size", "a.png", "perro", "01.png", {300, 200});
        row("a big JPEG is 2048 long", "photo.jpg", "vaca", "01.jpg", {2048, 682});
        row("a tall picture is 2048 high", "tall.png", "jirafa", "01.png", {409, 2048});
        row("an EXIF-turned photo stands upright", "turned.jpg", "oveja", "01.jpg", {300, 400});
        row("a BMP becomes PNG", "bitmap.bmp", "γάτα", "01.png", {64, 48});
        row("a blank caption is the file name", "a.png", " ", "01.png", {300, 200});
    }
    void copies()
    {
        QFETCH(QString, source);
        QFETCH(QString, caption);
        QFile original(m_files.path(source));
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray before = original.readAll();
        const MadeSet made = SetMaker(sets()).save(
            "copies", {{original.fileName(), caption}, {m_files.path("b.png"), "b"}}, true);
        QVERIFY2(made.saved(), qPrintable(made.problems.join('\n')));
        QCOMPARE(made.folder, sets() + "/copies");
        QFETCH(QString, copy);
        QImageReader reader(made.folder + "/1/" + copy);
        QTEST(reader.size(), "size");
        const QImage upright = reader.read();
        // The red half that the camera held left lies at the top once turned.
        if (source == "turned.jpg")
            QVERIFY(qRed(upright.pixel(150, 50)) > 200 && qBlue(upright.pixel(150, 350)) > 200);
        QCOMPARE(embeddedCaption(made.folder + "/1/" + copy, "es"),
                 caption.trimmed().isEmpty() ? "a" : caption);
        QVERIFY(original.seek(0));
        QCOMPARE(original.readAll(), before);
        QCOMPARE(entries(sets()), QStringList{"copies"});
    }

    void pairsSortInTheirOrder()
    {
        std::vector<MadePicture> pictures;
        for (int p = 0; p < 12; ++p)
            pictures.insert(pictures.end(), {{m_files.path("a.png"), QString("a%1").arg(p)},
                                             {m_files.path("photo.jpg"), QString("b%1").arg(p)}});
        const MadeSet made = SetMaker(sets()).save("twelve", pictures, false);
        QVERIFY(made.saved());
        const SetFiles files = listSetFiles(made.folder);
        QCOMPARE(files.pairs(), 12);
        for (int p = 0; p < 12; ++p) {
            QCOMPARE(embeddedCaption(files.firstFolder + files.first[p], "es"),
                     QString("a%1").arg(p));
            QCOMPARE(embeddedCaption(files.secondFolder + files.second[p], "es"),
                     QString("b%1").arg(p));
        }
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("problem");
        const QStringList two = {"a.png", "b.png"};
        QTest::addRow("an empty name") << "" << two << "the set has no name";
        QTest::addRow("the name \".\"") << "." << two << "\".\" cannot be a folder's name";
        QTest::addRow("the name \"..\"") << ".." << two << "\"..\" cannot be a folder's name";
        QTest::addRow("a name with \"/\"") << "a/b" << two << "\"a/b\" cannot hold a \"/\"";
        QTest::addRow("a hidden name") << ".x" << two << "hides the set from the game";
        QTest::addRow("an odd number of pictures")
            << "odd" << QStringList{"a.png", "b.png", "tall.png"}
            << "3 pictures: each pair needs two, so";
        QTest::addRow("no pictures") << "none" << QStringList{} << "no pictures";
        QTest::addRow("a missing file")
            << "missing" << QStringList{"a.png", "gone.png"} << "gone.png\": no such file";
        QTest::addRow("a file that is not a picture")
            << "text" << QStringList{"notes.txt", "a.png"} << "notes.txt\" is not a picture";
        QTest::addRow("a set of the name")
            << "kept" << two << "a set named \"kept\" already exists";
        QTest::addRow("a sets folder that is a file")
            << "blocked" << two << "cannot make the folder";
    }
    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, files);
        TestFolder home;
        const QString folder = home.path(name == "blocked" ? "file/Zindle" : "Zindle");
        home.writeFile(name == "blocked" ? "file" : "Zindle/kept/1/old.png", "old");
        std::vector<MadePicture> pictures;
        for (const QString &file : files)
            pictures.push_back({m_files.path(file), file});
        const MadeSet made = SetMaker(folder).save(name, pictures, false);
        QVERIFY(!made.saved());
        QFETCH(QString, problem);
        QVERIFY2(made.problems.join('\n').contains(problem), qPrintable(made.problems.join('\n')));
        QCOMPARE(entries(home.path("Zindle")),
                 name == "blocked" ? QStringList() : QStringList{"kept"});
        QCOMPARE(entries(home.path("Zindle/kept/1")),
                 name == "blocked" ? QStringList() : QStringList{"old.png"});
    }

    void aFailedReplaceKeepsTheOldSet()
    {
        const SetMaker maker(sets());
        QVERIFY(maker.save("granja", pair("a.png", "b.png"), true).saved());
        MadeSet failed;
        onAFullDisk(64 * 1024,
                    [&] { failed = maker.save("granja", pair("noise.png", "tall.png"), true); });
        QVERIFY(!failed.saved());
        QVERIFY(failed.problems.join('\n').contains("cannot write the copy of"));
        QCOMPARE(entries(maker.folderOf("granja") + "/1"), QStringList{"01.png"});
        QVERIFY(maker.save("granja", pair("photo.jpg", "tall.png"), true).saved());
        QCOMPARE(entries(maker.folderOf("granja") + "/1"), QStringList{"01.jpg"});
        QVERIFY(!entries(sets()).join(' ').contains('.'));
    }
};

QTEST_MAIN(TstSetMaker)
#include "tst_setmaker.moc"
