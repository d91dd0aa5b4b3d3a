// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes.h"
#include "gui/controls/colourbutton.h"
#include "gui/windows/flow.h"
#include "gui/windows/form1.h"
#include "gui/windows/form2.h"
#include "gui/windows/form5.h"

#include <QDir>
#include <QTest>

namespace
{

// Per pair-count button: "1" enabled or "0" disabled, then "G" green or "Y" yellow.
QString buttons()
{
    QString enabled, colours;
    for (int i = 0; i < 7; ++i) {
        auto *b =
            dynamic_cast<ColourButton *>(control(form1(), QStringLiteral("Command1_%1").arg(i)));
        enabled += b->isEnabled() ? '1' : '0';
        colours += b->background() == QColor(0, 255, 0) ? 'G' : 'Y';
    }
    return enabled + ' ' + colours;
}

} // namespace

class TstSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pairButtons_data();
    void pairButtons();
    void playOpensOnlyABoardWithAPair_data();
    void playOpensOnlyABoardWithAPair();
    void setsOfEveryPlace_data();
    void setsOfEveryPlace();
};

void TstSetup::pairButtons_data()
{
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QString>("atStart");
    QTest::newRow("a first set of 8") << 8 << "1000000 YYGYYYY";
    QTest::newRow("a first set of 15") << 15 << "1111000 YYGYYYY";
    QTest::newRow("a first set of 36") << 36 << "1111111 YYGYYYY";
    QTest::newRow("a first set without its 1 folder keeps the design") << -1 << "1111111 YYGYYYY";
}

void TstSetup::pairButtons()
{
    QFETCH(int, pictures);
    TestProgram program;
    program.writeLanguage(SpanishTexts);
    program.writeFile(inSets("a/2/x.png"), "x");
    program.writeSet("a", pictures, true);
    program.writeSet("B", 21, true);
    form1().show();
    QTEST(buttons(), "atStart");
    QCOMPARE(Module1::PairChoice, 2);
    QCOMPARE(textOf(form1(), "Label2_2") + textOf(form1(), "Command2"), "SeleccionaJUGAR");
    click(form1(), "Command1_0");
    QCOMPARE(Module1::PairChoice, 0);
    // Picking a set from the list checks its pictures again and keeps the choice.
    form1().Combo1->setCurrentIndex(1);
    Q_EMIT form1().Combo1->activated(1);
    QCOMPARE(buttons(), "1111100 GYYYYYY");
    QCOMPARE(form1().setName(), "B");
}

void TstSetup::playOpensOnlyABoardWithAPair_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("the first set") << QString();
    QTest::newRow("a set with only its 1 folder") << "only1";
    QTest::newRow("a set outside the sets' folder") << "../outside";
    QTest::newRow("a name that names no set") << "missing";
}

void TstSetup::playOpensOnlyABoardWithAPair()
{
    QFETCH(QString, typed);
    TestProgram program;
    program.writeSet("a", 6);
    program.writeSet("only1", 12, true);
    program.writeSet("../outside", 6);
    form5().show();
    form1().show();
    if (!typed.isNull())
        form1().Combo1->setEditText(typed);
    click(form1(), "Command2");
    QCOMPARE(form2().isLoaded(), typed.isNull());
    QVERIFY(!form5().isLoaded() && form1().window()->isVisible());
    // An open board only comes forward, whatever the set box says now.
    form1().Combo1->setEditText("missing");
    click(form1(), "Command2");
    QCOMPARE(program.random.seeded, int(typed.isNull()));
    // Closing the setup window ends the run, also while a board is open.
    form1().window()->close();
    QCOMPARE(program.program.ended, 1);
    QVERIFY(!form1().isLoaded());
}

void TstSetup::setsOfEveryPlace_data()
{
    // Set folders made under the test's program folder, which holds the home too, and the
    // user's user-dirs.dirs (none when empty).
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QByteArray>("userDirs");
    // The set list: each name with the place it is read from.
    QTest::addColumn<QString>("listed");
    const QString program = "graficos/", dataHome = "home/.local/share/zindle/graficos/",
                  shipped = "idioma/es/graficos/";
    QTest::newRow("program folder only")
        << QStringList{program + "b", program + "A"} << QByteArray() << "A graficos, b graficos";
    QTest::newRow("the user's and the shared data folders")
        << QStringList{dataHome + "c", "share/zindle/graficos/d", program + "e"} << QByteArray()
        << "c home/.local/share/zindle/graficos, d share/zindle/graficos, e graficos";
    QTest::newRow("Pictures named by a quoted $HOME path with an accent")
        << QStringList{"home/Imágenes/Zindle/f", "home/Pictures/Zindle/g"}
        << QByteArray("# xdg-user-dirs\nXDG_PICTURES_DIR=\"$HOME/Im\xc3\xa1genes\"\n")
        << "f home/Imágenes/Zindle";
    QTest::newRow("no user-dirs file: Pictures")
        << QStringList{"home/Pictures/Zindle/g"} << QByteArray() << "g home/Pictures/Zindle";
    QTest::newRow("Pictures as the home folder: none")
        << QStringList{"home/Zindle/h"} << QByteArray("XDG_PICTURES_DIR=\"$HOME/\"") << "";
    QTest::newRow("a name in two places: the user's own before the shipped one")
        << QStringList{shipped + "colores", "home/Pictures/Zindle/colores", shipped + "relojes"}
        << QByteArray() << "colores home/Pictures/Zindle, relojes idioma/es/graficos";
    QTest::newRow("a name in two places: the program folder's first")
        << QStringList{dataHome + "s", program + "s"} << QByteArray() << "s graficos";
    QTest::newRow("missing folders hold nothing") << QStringList{} << QByteArray() << "";
}

// The set list and a typed name find a set in the first place that holds its name.
void TstSetup::setsOfEveryPlace()
{
    QFETCH(QStringList, folders);
    QFETCH(QByteArray, userDirs);
    TestProgram program;
    for (const QString &folder : folders)
        QVERIFY(QDir().mkpath(program.path(folder + "/1")));
    if (!userDirs.isEmpty())
        program.writeFile("home/.config/user-dirs.dirs", userDirs);
    form1().load();
    QStringList listed;
    for (const SetEntry &set : listSets()) {
        QCOMPARE(form1().Combo1->itemText(int(listed.size())), set.name);
        QCOMPARE(pictureSetFolder(set.name), set.folder);
        listed << set.name + ' ' + QDir(program.dir.path()).relativeFilePath(set.place);
    }
    QCOMPARE(form1().Combo1->count(), listed.size());
    QTEST(listed.join(", "), "listed");
}

QTEST_MAIN(TstSetup)
#include "tst_setup.moc"
