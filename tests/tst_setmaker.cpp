// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures/caption.h"
#include "setdraft.h"
#include "setmaker.h"
#include "sets/dealing.h"
#include "testfiles.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <map>
#include <sys/stat.h>

// Left half red, right half blue, as the file holds it.
static QImage halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, width / 2, height, Qt::red);
    return image;
}

static QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        m_files.writeFile("copy.png", encoded(halves(300, 200)));
        m_files.writeFile("thin.png", encoded(halves(1, 30000)));
        m_files.writeFile("flat.png", encoded(halves(30000, 1)));
        m_files.writeFile("scan.tif", encoded(halves(4960, 7016), "TIFF"));
        m_files.writeFile("dir/x", "");
        const QByteArray photo = encoded(halves(3000, 1000), "JPEG");
        m_files.writeFile("cut.jpg", photo.left(photo.size() / 2));
        // Progressive, 16000 x 16000 by its header: its decoder would hold every coefficient.
        QByteArray huge = encoded(halves(16, 16), "JPEG", {}, true);
        const qsizetype frame = huge.indexOf("\xff\xc2") + 5;
        huge.replace(frame, 4, QByteArray("\x3e\x80\x3e\x80", 4));
        m_files.writeFile("huge.jpg", huge);
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
        row("a thin picture stays a pixel wide", "thin.png", "hilo", "01.png", {1, 2048});
        row("a flat picture stays a pixel high", "flat.png", "raya", "01.png", {2048, 1});
        row("an A4 scan past Qt's own allocation limit", "scan.tif", "hoja", "01.png",
            {1447, 2048});
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
        for (int p = 0; p < 12; ++p) {
            const QString first = QString("n%1.png").arg(p), second = QString("n%1.jpg").arg(p);
            m_files.writeFile(first, encoded(filled({40, 30}, QColor(p * 20, 0, 0))));
            m_files.writeFile(second, encoded(filled({40, 30}, QColor(0, p * 20, 0)), "JPEG"));
            pictures.insert(pictures.end(), {{m_files.path(first), QString("a%1").arg(p)},
                                             {m_files.path(second), QString("b%1").arg(p)}});
        }
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
        QTest::addRow("a name of spaces and invisible marks")
            << QString(" \u200b\u0301 ") << two << "the set has no name";
        QTest::addRow("a control character") << "a\x1b[31m" << two << "control character";
        QTest::addRow("a name over 255 bytes") << QString(128, QChar(0xe9)) << two << "too long";
        QTest::addRow("another case") << "KEPT" << two << "looks like that of the set \"kept\"";
        QTest::addRow("another normalisation") << "\uff4bept" << two << "looks like that";
        QTest::addRow("spaces around an existing name") << "  kept " << two << "already exists";
        QTest::addRow("a name a place listed first holds")
            << "Shadow" << two << "which the game plays instead";
        QTest::addRow("the same picture in a pair")
            << "twice" << QStringList{"a.png", "a.png"} << "the same picture, twice in pair 1";
        QTest::addRow("the same picture in two pairs")
            << "twice" << QStringList{"a.png", "b.png", "copy.png", "tall.png"}
            << "the same picture, in pairs 1 and 2";
        QTest::addRow("a JPEG cut short")
            << "cut" << QStringList{"cut.jpg", "a.png"} << "cut.jpg\" is cut short";
        QTest::addRow("a folder as a picture")
            << "folder" << QStringList{"dir", "a.png"} << "dir\" is a folder, not a picture";
        QTest::addRow("a picture over the decoding budget")
            << "huge" << QStringList{"huge.jpg", "a.png"} << "more than the 512 MB";
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
        SetMaker maker(folder);
        home.writeFile("data/graficos/shadow/1/x.png", "x");
        maker.setEarlierPlaces({home.path("data/graficos")});
        const MadeSet made = maker.save(name, pictures, false);
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

    // Replacing a set deletes nothing of the user's: a linked set's folder and what the
    // user keeps beside the pictures stay.
    void replacingKeepsTheUsersFiles_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::addRow("a set that is a link to the user's folder") << true;
        QTest::addRow("a set folder with notes beside its pictures") << false;
    }
    void replacingKeepsTheUsersFiles()
    {
        QFETCH(bool, linked);
        TestFolder home;
        home.writeFile("Documents/Animales/1/a.png", "a");
        home.writeFile("Documents/Animales/2/a.png", "b");
        home.writeFile("Documents/Animales/notas.txt", "mis notas");
        QDir().mkpath(home.path("Zindle"));
        const QString set = home.path("Zindle/Animales");
        QVERIFY(linked ? QFile::link(home.path("Documents/Animales"), set)
                       : QDir().rename(home.path("Documents/Animales"), set));
        const MadeSet made =
            SetMaker(home.path("Zindle")).save("Animales", pair("a.png", "b.png"), true);
        QVERIFY2(made.saved(), qPrintable(made.problems.join('\n')));
        QVERIFY(!QFileInfo(set).isSymLink());
        QCOMPARE(entries(set + "/1"), QStringList{"01.png"});
        QCOMPARE(entries(home.path("Zindle")), QStringList{"Animales"});
        const QString notes = linked ? home.path("Documents/Animales") : set;
        QCOMPARE(entries(notes), QStringList({"1", "2", "notas.txt"}));
        if (linked)
            QCOMPARE(entries(notes + "/1"), QStringList{"a.png"});
    }

    void modesFollowTheUmask_data()
    {
        QTest::addColumn<mode_t>("umask");
        QTest::addColumn<QFile::Permissions>("file");
        const QFile::Permissions owner =
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
        QTest::addRow("022: readable by every account")
            << mode_t(022) << (owner | QFile::ReadGroup | QFile::ReadOther);
        QTest::addRow("077: the owner's alone") << mode_t(077) << owner;
    }
    void modesFollowTheUmask()
    {
        QFETCH(mode_t, umask);
        QFETCH(QFile::Permissions, file);
        TestFolder home;
        const mode_t before = ::umask(umask);
        const MadeSet made =
            SetMaker(home.path("Zindle")).save("modos", pair("a.png", "b.png"), false);
        ::umask(before);
        QVERIFY(made.saved());
        const QFile::Permissions exe =
            QFile::ExeOwner | QFile::ExeUser |
            (umask == 022 ? QFile::ExeGroup | QFile::ExeOther : QFile::Permissions());
        for (const QString &folder : {made.folder, made.folder + "/1", made.folder + "/2"})
            QCOMPARE(QFileInfo(folder).permissions(), file | exe);
        QCOMPARE(QFileInfo(made.folder + "/2/01.png").permissions(), file);
    }

    // An edited set keeps every byte but the caption changed.
    void editingRewritesOnlyTheCaptionChanged_data()
    {
        QTest::addColumn<int>("changed");
        QTest::addRow("a JPEG's caption") << 1;
        QTest::addRow("a PNG's caption") << 2;
        QTest::addRow("none") << -1;
    }
    void editingRewritesOnlyTheCaptionChanged()
    {
        QFETCH(int, changed);
        TestFolder home;
        const SetMaker maker(home.path("Zindle"));
        std::vector<MadePicture> pictures = pair("a.png", "photo.jpg");
        pictures.push_back({m_files.path("b.png"), "tres"});
        pictures.push_back({m_files.path("tall.png"), "cuatro"});
        QVERIFY(maker.save("Granja", pictures, false).saved());
        LoadedSet set = maker.load(" Granja ");
        QCOMPARE(set.pictures.size(), std::size_t(4));
        QCOMPARE(set.pictures[1].caption, "two");
        std::map<QString, QByteArray> before;
        for (const MadePicture &picture : set.pictures)
            before[QFileInfo(picture.source).dir().dirName() +
                   QFileInfo(picture.source).fileName()] = bytesOf(picture.source);
        const QImage pixels = changed < 0 ? QImage() : QImage(set.pictures[changed].source);
        if (changed >= 0)
            set.pictures[std::size_t(changed)].caption = "oveja negra";
        SaveOptions options;
        options.editing = set.folder;
        const MadeSet made = maker.save(set.name, set.pictures, options);
        QVERIFY2(made.saved(), qPrintable(made.problems.join('\n')));
        const LoadedSet again = maker.load("Granja");
        for (std::size_t i = 0; i < 4; ++i) {
            const QString &path = again.pictures[i].source;
            const QString key = QFileInfo(path).dir().dirName() + QFileInfo(path).fileName();
            QCOMPARE(again.pictures[i].caption, set.pictures[i].caption);
            if (int(i) == changed)
                QCOMPARE(QImage(path), pixels);
            else
                QCOMPARE(bytesOf(path), before[key]);
        }
    }

    void nothingIsLeftBehind_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addRow("the work of a save that was killed") << false;
        QTest::addRow("a save cancelled") << true;
    }
    void nothingIsLeftBehind()
    {
        QFETCH(bool, cancel);
        TestFolder home;
        home.writeFile("Zindle/.new-killed/1/01.png", "half");
        QVERIFY(QFile::setPermissions(home.path("Zindle/.new-killed/1"),
                                      QFile::ReadOwner | QFile::ExeOwner));
        std::atomic_bool stop = cancel;
        SaveOptions options;
        options.cancel = &stop;
        const MadeSet made =
            SetMaker(home.path("Zindle")).save("otro", pair("a.png", "b.png"), options);
        QCOMPARE(made.saved(), !cancel);
        QCOMPARE(entries(home.path("Zindle")), cancel ? QStringList() : QStringList{"otro"});
    }

    void draftEditing_data()
    {
        // Three pairs, a1-a2, b1-b2, c1-c2, and a seventh picture still without its partner:
        // the steps = the pictures in order | what each undo gave back.
        QTest::addColumn<QString>("row");
        QTest::newRow("first pair up") << "move 0 -1 = a1 a2 b1 b2 c1 c2 d1";
        QTest::newRow("second pair up") << "move 1 -1 = b1 b2 a1 a2 c1 c2 d1";
        QTest::newRow("last whole pair down") << "move 2 1 = a1 a2 b1 b2 c1 c2 d1";
        QTest::newRow("lone picture up") << "move 3 -1 = a1 a2 b1 b2 c1 c2 d1";
        QTest::newRow("swap") << "swap 1 = a1 a2 b2 b1 c1 c2 d1";
        QTest::newRow("swap the lone one") << "swap 3 = a1 a2 b1 b2 c1 c2 d1";
        QTest::newRow("exchange") << "exchange 0 6 = d1 a2 b1 b2 c1 c2 a1";
        QTest::newRow("exchange past the end") << "exchange 0 7 = a1 a2 b1 b2 c1 c2 d1";
        QTest::newRow("exchange from past the end") << "exchange 7 0 = a1 a2 b1 b2 c1 c2 d1";
        QTest::newRow("exchange before the start") << "exchange -1 2 = a1 a2 b1 b2 c1 c2 d1";
        QTest::newRow("remove, undo") << "remove 1 undo = a1 a2 b1 b2 c1 c2 d1 | 1";
        QTest::newRow("remove twice, undo twice")
            << "remove 0 remove 0 undo undo = a1 a2 b1 b2 c1 c2 d1 | 0 0";
        QTest::newRow("remove the lone one") << "remove 3 = a1 a2 b1 b2 c1 c2";
        QTest::newRow("remove past the end, undo") << "remove 4 undo = a1 a2 b1 b2 c1 c2 d1 | -1";
        QTest::newRow("remove the last pair and the lone one, undo")
            << "remove 2 remove 2 undo = a1 a2 b1 b2 d1 | 2";
    }

    void draftEditing()
    {
        QFETCH(QString, row);
        const QString steps = row.section(" = ", 0, 0);
        std::vector<MadePicture> made;
        for (const char *caption : {"a1", "a2", "b1", "b2", "c1", "c2", "d1"})
            made.push_back({m_files.path(QString("none/%1.png").arg(caption)), caption});
        SetDraft draft;
        draft.reset("s", made);
        QStringList undone;
        const QStringList words = steps.split(' ');
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString &step = words[i];
            if (step == "move")
                draft.movePair(words[i + 1].toInt(), words[i + 2].toInt()), i += 2;
            if (step == "swap")
                draft.swapPair(words[++i].toInt());
            if (step == "exchange")
                draft.exchange(words[i + 1].toInt(), words[i + 2].toInt()), i += 2;
            if (step == "remove")
                draft.removePair(words[++i].toInt());
            if (step == "undo")
                undone << QString::number(draft.undoRemoval());
        }
        QStringList pictures;
        for (const MadePicture &picture : draft.pictures())
            pictures << picture.caption;
        QString shown = pictures.join(' ');
        if (!undone.isEmpty())
            shown += " | " + undone.join(' ');
        QCOMPARE(shown, row.section(" = ", 1));
    }

    void advice_data()
    {
        QTest::addColumn<int>("pairs");
        QTest::addColumn<QString>("advice");
        QTest::addRow("short of a board")
            << 4 << "4 pairs: no board yet; 2 more pairs give boards of 6";
        QTest::addRow("one board") << 8 << "8 pairs: boards of 6; 2 more pairs give boards of 10";
        QTest::addRow("several boards")
            << 12 << "12 pairs: boards of 6, 10 and 12; 3 more pairs give boards of 15";
        QTest::addRow("every board") << 40 << "40 pairs: boards of 6, 10, 12, 15, 21, 28 and 36";
    }
    void advice()
    {
        QFETCH(int, pairs);
        QTEST(SetMaker::boardsAdvice(pairs), "advice");
    }

    void cameraNames_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("camera");
        QTest::addRow("a phone's photo") << "IMG_20250312_091102" << true;
        QTest::addRow("a camera's photo") << "DSC01234" << true;
        QTest::addRow("a messenger's photo") << "IMG-20250312-WA0001" << true;
        QTest::addRow("digits only") << "20250312 091102" << true;
        QTest::addRow("a word") << "vaca" << false;
        QTest::addRow("a word and a number") << "p1" << false;
        QTest::addRow("a number and a word") << "3 gallinas" << false;
    }
    void cameraNames()
    {
        QFETCH(QString, caption);
        QTEST(SetMaker::looksLikeCameraName(caption), "camera");
    }
};

QTEST_MAIN(TstSetMaker)
#include "tst_setmaker.moc"
