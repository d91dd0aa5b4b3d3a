// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/colourbutton.h"
#include "windows/boardwindow.h"
#include "windows/introwindow.h"
#include "windows/namewindow.h"
#include "windows/resultswindow.h"
#include "windows/setupwindow.h"
#include "windows/windowflow.h"
#include "windowtesting.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTest>

// Per pair-count button: "1" enabled or "0" disabled, then "G" green or "Y" yellow.
static QString buttons()
{
    QString enabled, colours;
    for (int i = 0; i < 7; ++i) {
        auto *b =
            static_cast<ColourButton *>(control(setupWindow(), "pairButton" + QString::number(i)));
        enabled += b->isEnabled() ? '1' : '0';
        colours += b->background() == QColor(0, 255, 0) ? 'G' : 'Y';
    }
    return enabled + ' ' + colours;
}

class TstSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pairButtons_data()
    {
        QTest::addColumn<int>("pictures");
        QTest::addColumn<QString>("atStart");
        QTest::newRow("a first set of 8") << 8 << "1000000 YYGYYYY";
        QTest::newRow("a first set of 36") << 36 << "1111111 YYGYYYY";
        QTest::newRow("a first set without its 1 folder keeps the design")
            << -1 << "1111111 YYGYYYY";
    }

    void pairButtons()
    {
        QFETCH(int, pictures);
        TestProgram program;
        program.writeLanguage(SpanishTexts);
        program.writeFile(inSets("a/2/x.png"), "x");
        program.writeSet("a", pictures, true);
        program.writeSet("B", 21, true);
        setupWindow().showInFront();
        QTEST(buttons(), "atStart");
        // Opening the window shows the run's choice and leaves it as it was.
        QCOMPARE(program.run.choice().pairChoice(), 2);
        QVERIFY(!program.run.choice().isSetChosen());
        QCOMPARE(textOf(setupWindow(), "instructionLabel") + textOf(setupWindow(), "playButton"),
                 "SeleccionaJUGAR");
        click(setupWindow(), "pairButton0");
        QCOMPARE(program.run.choice().pairChoice(), 0);
        // Picking a set from the list checks its pictures again and keeps the choice.
        control<QComboBox>(setupWindow(), "setBox")->setCurrentIndex(1);
        Q_EMIT control<QComboBox>(setupWindow(), "setBox")->activated(1);
        QCOMPARE(buttons(), "1111100 GYYYYYY");
        QCOMPARE(program.run.choice().setName(), "B");
    }

    void arrowsGoInReadingOrder_data()
    {
        // Pictures in the set; the button index focused, the arrow, the index it chooses. The
        // buttons read 10 12 15, 6 21, 36 28: indexes 1 2 3, 0 4, 6 5.
        QTest::addColumn<int>("pictures");
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("left from 28 to 36") << 36 << QList<int>{5, Qt::Key_Left, 6};
        QTest::newRow("right from 15 to the next row") << 36 << QList<int>{3, Qt::Key_Right, 0};
        QTest::newRow("round, past counts not offered") << 21 << QList<int>{4, Qt::Key_Down, 1};
    }

    void arrowsGoInReadingOrder()
    {
        QFETCH(int, pictures);
        QFETCH(QList<int>, keys);
        TestProgram program;
        program.writeSet("a", pictures, true);
        setupWindow().showInFront();
        QWidget *button = control(setupWindow(), "pairButton" + QString::number(keys[0]));
        QCOMPARE(button->accessibleDescription(),
                 QString::number(PairCounts::pairsFor(keys[0])) + " pairs");
        QTest::keyClick(button, Qt::Key(keys[1]));
        QCOMPARE(program.run.choice().pairChoice(), keys[2]);
    }

    void playOpensOnlyABoardWithAPair_data()
    {
        // The set typed in the set box (none: the first set), the bytes of the last six pairs
        // of a set of its own where they are broken, and the message PLAY gives of the set.
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("broken");
        QTest::addColumn<QString>("message");
        const QByteArray png = encoded(QImage(40, 30, QImage::Format_RGB32));
        // Everything up to the picture data, which is missing.
        const QByteArray cut = png.left(png.indexOf("IDAT") + 4);
        const QString unreadable = "The picture set «%1» cannot be opened: it needs two folders, "
                                   "«1» and «2», that can be read.",
                      noPair = "The picture set «%1» has no pair of pictures that can be shown.",
                      noSet = "There is no picture set called «%1».";
        QTest::newRow("the first set") << QString() << QByteArray() << "";
        QTest::newRow("a set with only its 1 folder") << "only1" << QByteArray() << unreadable;
        QTest::newRow("a file for its 1 folder") << "file1" << QByteArray() << unreadable;
        QTest::newRow("a set deleted after the list was read")
            << "gone" << QByteArray() << "The picture set «%1» is no longer there.";
        QTest::newRow("a set outside the sets' folder") << "../outside" << QByteArray() << noSet;
        QTest::newRow("a name that names no set") << "missing" << QByteArray() << noSet;
        QTest::newRow("six pairs cut off after their header") << "six" << cut << noPair;
        QTest::newRow("six pairs claiming 30000 x 30000")
            << "six" << withSize(png, 30000, 30000) << noPair;
        QTest::newRow("six pairs each with a broken second picture") << "halves" << cut << noPair;
        // The check finds pair 0 whole; the deal draws the six others.
        QTest::newRow("a deal that differs from the check") << "seven" << cut << noPair;
        // Thousands of files that are no pictures, within a check shortened to 100 ms.
        QTest::newRow("folders that show no pair in time")
            << "slow" << QByteArray()
            << "The picture set «%1» could not be dealt in time: its folders hold too many files "
               "that are no pictures, or answer too slowly.";
    }

    // Play opens a board only where the set deals a pair; else a message says why, and every
    // window stays as it was.
    void playOpensOnlyABoardWithAPair()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, broken);
        QFETCH(QString, message);
        TestProgram program;
        program.writeSet("a", 6);
        program.writeSet("only1", 12, true);
        program.writeSet("../outside", 6);
        program.writeSet("gone", 6);
        program.writeFile(inSets("file1/1"), "a file");
        QVERIFY(QDir().mkpath(program.path(inSets("slow"))));
        for (const char *half : {"/1", "/2"})
            QFile::link("/usr/lib/x86_64-linux-gnu", program.path(inSets("slow") + half));
        if (typed == "slow")
            program.run.opening().setCheckBound(std::chrono::milliseconds(100));
        const int pairs = typed == "seven" ? 7 : 6;
        for (int p = 0; !broken.isEmpty() && p < pairs; ++p) {
            for (const char *half : {"1", "2"})
                program.writeFile(inSets(QStringLiteral("%1/%2/0%3.png").arg(typed, half).arg(p)),
                                  p < pairs - 6 || (typed == "halves" && *half == '1')
                                      ? encoded(QImage(40, 30, QImage::Format_RGB32))
                                      : broken);
        }
        program.random.draws = {1.5 / 7, 2.5 / 7, 3.5 / 7, 4.5 / 7, 5.5 / 7, 6.5 / 7};
        introWindow().showInFront();
        nameWindow().showInFront();
        setupWindow().showInFront();
        QDir(program.path(inSets("gone"))).removeRecursively();
        program.run.choice().setPairChoice(0);
        if (!typed.isNull())
            control<QComboBox>(setupWindow(), "setBox")->setEditText(typed);
        const QString title = resultsWindow().window()->windowTitle();
        click(setupWindow(), "playButton");
        waitForTheDeal();
        QCOMPARE(flow().isOpen<BoardWindow>(), typed.isNull());
        QVERIFY(!flow().isOpen<IntroWindow>() && setupWindow().window()->isVisible());
        QCOMPARE(nameWindow().isShown() && resultsWindow().window()->windowTitle() == title,
                 !typed.isNull());
        // The message, named for assistive tools by what it says.
        QMessageBox *box = setupWindow().window()->findChild<QMessageBox *>();
        const QString said = box ? box->text() : "";
        QCOMPARE(said, typed.isNull() ? "" : message.arg(typed));
        QVERIFY(!box ||
                QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name) == said);
        delete box;
        // Once answered, the setup window opens a board of a good set; an open board only comes
        // forward, whatever the set box says now.
        for (const char *next : {"a", "missing"}) {
            control<QComboBox>(setupWindow(), "setBox")->setEditText(next);
            click(setupWindow(), "playButton");
            waitForTheDeal();
        }
        QVERIFY(flow().isOpen<BoardWindow>());
        // Only where the check passed did a board start to load.
        QCOMPARE(program.random.seeded, 1 + int(typed == "seven"));
        // Closing the setup window ends the run, also while a board is open.
        setupWindow().window()->close();
        QCOMPARE(program.program.ended, 1);
        QVERIFY(!flow().isOpen<SetupWindow>());
    }

    void setsOfEveryPlace_data()
    {
        // Set folders made under the test's program folder, which holds the home too, and the
        // user's user-dirs.dirs (none when empty).
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QByteArray>("userDirs");
        // The set list: each name with the place it is read from.
        QTest::addColumn<QString>("listed");
        const auto row = [](const char *tag, const QString &folders, const QByteArray &dirs,
                            const char *listed) {
            QTest::newRow(tag) << folders.split(' ', Qt::SkipEmptyParts) << dirs << QString(listed);
        };
        const QString program = "graficos/", dataHome = "home/.local/share/zindle/graficos/",
                      shipped = "idioma/es/graficos/", pictures = "home/Pictures/Zindle/";
        row("program folder only", program + "b " + program + "A", {}, "A graficos, b graficos");
        row("the user's and the shared data folders",
            dataHome + "c share/zindle/graficos/d " + program + "e", {},
            "c home/.local/share/zindle/graficos, d share/zindle/graficos, e graficos");
        row("Pictures named by a quoted $HOME path with an accent",
            "home/Imágenes/Zindle/f " + pictures + "g",
            "# xdg-user-dirs\nXDG_PICTURES_DIR=\"$HOME/Im\xc3\xa1genes\"\n",
            "f home/Imágenes/Zindle");
        row("Pictures as the home folder: none", "home/Zindle/h", "XDG_PICTURES_DIR=\"$HOME/\"",
            "");
        row("no user-dirs file: Pictures, the user's own before the shipped",
            shipped + "colores " + pictures + "colores " + shipped + "relojes", {},
            "colores home/Pictures/Zindle, relojes idioma/es/graficos");
        row("a name in two places: the program folder's first", dataHome + "s " + program + "s", {},
            "s graficos");
        row("as people read: accents and İ by their letter, numbers by value",
            program + "sumas " + program + "set10 " + program + "Ñandú " + program + "set2 " +
                program + "İstanbul",
            {}, "İstanbul graficos, Ñandú graficos, set2 graficos, set10 graficos, sumas graficos");
        row("an override in a name: listed without it, found by what is shown",
            program + "uno\u202Eodot", {}, "uno\u202Eodot graficos");
    }

    // The set list and a typed name find a set in the first place that holds its name.
    void setsOfEveryPlace()
    {
        QFETCH(QStringList, folders);
        QFETCH(QByteArray, userDirs);
        TestProgram program;
        for (const QString &folder : folders)
            QVERIFY(QDir().mkpath(program.path(folder + "/1")));
        if (!userDirs.isEmpty())
            program.writeFile("home/.config/user-dirs.dirs", userDirs);
        setupWindow();
        QStringList listed;
        for (const SetEntry &set : program.run.sets().list()) {
            const QString shown =
                control<QComboBox>(setupWindow(), "setBox")->itemText(int(listed.size()));
            QCOMPARE(shown, QString(set.name).remove(QChar(0x202E)));
            QCOMPARE(program.run.sets().folderOf(shown), set.folder);
            listed << set.name + ' ' + QDir(program.dir.path()).relativeFilePath(set.place);
        }
        QCOMPARE(control<QComboBox>(setupWindow(), "setBox")->count(), listed.size());
        QTEST(listed.join(", "), "listed");
    }
};

QTEST_MAIN(TstSetup)
#include "tst_setup.moc"
