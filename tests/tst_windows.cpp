// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/game/gameoverpause.h"
#include "core/screen/fitting.h"
#include "fakes.h"
#include "gui/windows/flow.h"
#include "gui/windows/form1.h"
#include "gui/windows/form2.h"
#include "gui/windows/form3.h"
#include "gui/windows/form4.h"
#include "gui/windows/form5.h"
#include "gui/windows/form6.h"

#include <QTest>

class TstWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gameOverPause_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<int>("steps");
        // Two seconds past the start rounded half to even, in steps of a quarter second.
        QTest::newRow("100.25 waits until 102") << 100.25 << 7;
        QTest::newRow("100.5 rounds to the even 100") << 100.5 << 6;
        QTest::newRow("101.5 rounds to the even 102") << 101.5 << 10;
        QTest::newRow("86399.25 waits past midnight") << 86399.25 << 7;
    }

    void gameOverPause()
    {
        QFETCH(double, start);
        FakeClock clock;
        clock.now = start;
        clock.step = 0.25;
        ::gameOverPause(clock);
        QTEST(clock.processed, "steps");
    }

    void wholeRun()
    {
        TestProgram program;
        program.writeLanguage(SpanishTexts);
        program.writeSet("animales", 12);
        program.writeSet("barcos", 10);
        WindowFlow::start();
        // Every window but the board centres itself; the intro sits 200 twips higher.
        QCOMPARE(form5().window()->pos(), QPoint(328, 215));
        QCOMPARE(textOf(form5(), "Command1"), "CONTINUAR");
        click(form5(), "Command1");
        QVERIFY(!form5().isLoaded() && form6().window()->isVisible());
        QCOMPARE(QList({form6().window()->pos(), form3().window()->pos()}),
                 QList({QPoint(336, 322), QPoint(415, 357)}));
        QCOMPARE(form6().window()->windowTitle(), "n");
        QCOMPARE(textOf(form3(), "Label1_0") + textOf(form3(), "Command2"), "NombreACEPTAR");
        QCOMPARE(form3().window()->focusWidget(), control(form3(), "Text1_0"));
        // The empty name is refused; blanks around a name stay.
        click(form3(), "Command2");
        QVERIFY(!form1().isLoaded());
        QTest::keyClicks(control(form3(), "Text1_0"), " Ana ");
        click(form3(), "Command2");
        QCOMPARE(Module1::PlayerName, " Ana ");
        QVERIFY(form1().window()->isVisible());
        QCOMPARE(form1().window()->pos(), QPoint(350, 235));

        click(form1(), "Command1_0");
        click(form1(), "Command2");
        QVERIFY(!form3().isLoaded());
        QCOMPARE(form2().Image1.size(), std::size_t(12));
        form2().Timer2->setEnabled(false);
        for (int s = 0; s < 3; ++s)
            form2().Timer2->tick();
        QStringList seen;
        playToTheEnd([&] {
            seen << QString::number(program.clock.processed > 0)
                 << QString::number(form2().isLoaded());
            for (const char *name : {"Command1", "Command2", "Label1_0", "Label1_1"})
                seen << textOf(form4(), name);
            const QPoint at = form4().window()->pos();
            seen << QStringLiteral("%1,%2").arg(at.x()).arg(at.y())
                 << form4().window()->focusWidget()->objectName();
            click(form4(), "Command1");
        });
        QCOMPARE(seen, (QStringList{"1", "1", "SEGUIR JUGANDO", "FIN JUEGO", "Fin", "58", "381,358",
                                    "Command1"}));
        QVERIFY(!form2().isLoaded() && !form4().isLoaded() && form1().window()->isVisible());

        form1().Combo1->setEditText("barcos");
        click(form1(), "Command1_1");
        click(form1(), "Command2");
        QCOMPARE(form2().Image1.size(), std::size_t(20));
        click(form2(), "Command1");
        QCOMPARE(program.program.ended, 1);
        form2().Timer2->setEnabled(false);
        form2().Timer2->tick();
        playToTheEnd([] {
            click(form4(), "Command2");
            // The counting end leaves the windows open: the modal wait ends here.
            form4().unload();
        });
        QCOMPARE(program.program.ended, 2);
        QCOMPARE(resultLines(), (QStringList{"Con 6 parejas quedaban 58 segundos",
                                             "Con 10 parejas quedaban 101 segundos"}));
    }

    void listWindowWithoutTheSetupWindow_data()
    {
        // Pairs in the set, whether the name was accepted, then the list's button pressed ("list")
        // or its window closed, and how many times that ended the run (-1: a board is open, the
        // list window is not the last).
        QTest::addColumn<QString>("row");
        QTest::newRow("list button, a set with pairs: a board") << "6 0 list -1";
        QTest::newRow("list button, no set: nothing, closing ends") << "0 0 list 1";
        QTest::newRow("beside the setup window it stays") << "0 1 close 0";
        QTest::newRow("alone it ends the run") << "0 0 close 1";
    }

    void listWindowWithoutTheSetupWindow()
    {
        QFETCH(QString, row);
        const QStringList f = row.split(' ');
        const int pairs = f[0].toInt(), ended = f[3].toInt();
        TestProgram program;
        program.writeSet("a", pairs);
        form3().show();
        if (f[1] == "1") {
            QTest::keyClicks(control(form3(), "Text1_0"), "Ana");
            click(form3(), "Command2");
        }
        // The name entry's close box closes only it.
        form3().window()->close();
        QVERIFY(!form3().isLoaded());
        if (f[2] == "list") {
            click(form6(), "Command1");
            QCOMPARE(form2().isLoaded(), pairs > 0);
            QVERIFY(form1().isLoaded() && !form1().window()->isVisible() && !program.program.ended);
            QCOMPARE(int(Module1::PairChoice), 2);
            QCOMPARE(form6().window()->windowTitle(), pairs > 0 ? " " : "n");
        }
        QCOMPARE(form1().isShown(), f[1] == "1");
        if (ended >= 0) {
            form6().window()->close();
            QCOMPARE(program.program.ended, ended);
        }
    }

    void windowsFitSmallScreens_data()
    {
        // The screen's available area in logical pixels: its pixels over the session's scale.
        QTest::addColumn<QSize>("available");
        QTest::addColumn<bool>("scaled");
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << false;
        QTest::newRow("1366 x 768 at 2, a 24 pixel panel") << QSize(683, 372) << true;
        QTest::newRow("1920 x 1080 at 3") << QSize(640, 360) << true;
    }

    void windowsFitSmallScreens()
    {
        QFETCH(QSize, available);
        const double scale = fittingScale(available);
        QTEST(scale < 1, "scaled");
        TestProgram program;
        program.writeLanguage(SpanishTexts);
        for (Form *form :
             {(Form *)&form1(), (Form *)&form3(), (Form *)&form5(), (Form *)&form6()}) {
            form->load();
            // With a title bar and borders of an ordinary window manager; the intro has none.
            const QSize frame = form == &form5() ? QSize() : QSize(8, 32);
            const QSize outer = form->window()->size() * scale + frame;
            QVERIFY2(outer.width() <= available.width() && outer.height() <= available.height(),
                     form->window()->metaObject()->className());
        }
    }
};

QTEST_MAIN(TstWindows)
#include "tst_windows.moc"
