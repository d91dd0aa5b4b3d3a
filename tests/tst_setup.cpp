// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes.h"
#include "gui/controls/colourbutton.h"
#include "gui/windows/flow.h"
#include "gui/windows/form1.h"
#include "gui/windows/form2.h"
#include "gui/windows/form5.h"

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

QTEST_MAIN(TstSetup)
#include "tst_setup.moc"
