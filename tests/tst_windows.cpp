// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run/gameoverpause.h"
#include "screen/fitting.h"
#include "windows/boardwindow.h"
#include "windows/gameoverwindow.h"
#include "windows/introwindow.h"
#include "windows/namewindow.h"
#include "windows/resultswindow.h"
#include "windows/setupwindow.h"
#include "windows/windowflow.h"
#include "windowtesting.h"

#include <QDir>
#include <QTest>

class TstWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wholeRun()
    {
        TestProgram program;
        program.writeLanguage(SpanishTexts);
        program.writeSet("animales", 12);
        program.writeSet("barcos", 10);
        flow().start();
        // Every window but the board centres itself; the intro sits 200 twips higher.
        QCOMPARE(introWindow().window()->pos(), QPoint(328, 215));
        QCOMPARE(textOf(introWindow(), "continueButton"), "CONTINUAR");
        click(introWindow(), "continueButton");
        QVERIFY(!introWindow().isLoaded() && resultsWindow().window()->isVisible());
        QCOMPARE(QList({resultsWindow().window()->pos(), nameWindow().window()->pos()}),
                 QList({QPoint(336, 322), QPoint(415, 357)}));
        QCOMPARE(resultsWindow().window()->windowTitle(), "n");
        QCOMPARE(textOf(nameWindow(), "nameLabel") + textOf(nameWindow(), "acceptButton"),
                 "NombreACEPTAR");
        QCOMPARE(nameWindow().window()->focusWidget(), control(nameWindow(), "nameBox"));
        // The empty name is refused; blanks around a name stay.
        click(nameWindow(), "acceptButton");
        QVERIFY(!setupWindow().isLoaded());
        QTest::keyClicks(control(nameWindow(), "nameBox"), " Ana ");
        click(nameWindow(), "acceptButton");
        QCOMPARE(program.run.player().name(), " Ana ");
        QVERIFY(setupWindow().window()->isVisible());
        QCOMPARE(setupWindow().window()->pos(), QPoint(350, 235));

        click(setupWindow(), "pairButton0");
        click(setupWindow(), "playButton");
        QVERIFY(!nameWindow().isLoaded());
        QCOMPARE(boardWindow().cards(), 12);
        // A set deleted under its board leaves the board playable: its cards are in memory.
        QVERIFY(QDir(program.path(inSets("animales"))).removeRecursively());
        boardWindow().clockTimer()->setEnabled(false);
        for (int s = 0; s < 3; ++s)
            boardWindow().clockTimer()->tick();
        QStringList seen;
        playToTheEnd([&] {
            seen << QString::number(!program.clock.pauses.empty())
                 << QString::number(boardWindow().isLoaded());
            for (const char *name :
                 {"keepPlayingButton", "finishButton", "messageLabel", "secondsLabel"})
                seen << textOf(gameOverWindow(), name);
            const QPoint at = gameOverWindow().window()->pos();
            seen << QStringLiteral("%1,%2").arg(at.x()).arg(at.y())
                 << gameOverWindow().window()->focusWidget()->objectName();
            click(gameOverWindow(), "keepPlayingButton");
        });
        QCOMPARE(seen, (QStringList{"1", "1", "SEGUIR JUGANDO", "FIN JUEGO", "Fin", "58", "381,358",
                                    "keepPlayingButton"}));
        QVERIFY(!boardWindow().isLoaded() && !gameOverWindow().isLoaded() &&
                setupWindow().window()->isVisible());

        control<QComboBox>(setupWindow(), "setBox")->setEditText("barcos");
        click(setupWindow(), "pairButton1");
        click(setupWindow(), "playButton");
        QCOMPARE(boardWindow().cards(), 20);
        click(boardWindow(), "closeButton");
        QCOMPARE(program.program.ended, 1);
        boardWindow().clockTimer()->setEnabled(false);
        boardWindow().clockTimer()->tick();
        playToTheEnd([] {
            click(gameOverWindow(), "finishButton");
            // The counting end leaves the windows open: the modal wait ends here.
            gameOverWindow().unload();
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
        nameWindow().show();
        if (f[1] == "1") {
            QTest::keyClicks(control(nameWindow(), "nameBox"), "Ana");
            click(nameWindow(), "acceptButton");
        }
        // The name entry's close box closes only it.
        nameWindow().window()->close();
        QVERIFY(!nameWindow().isLoaded());
        if (f[2] == "list") {
            click(resultsWindow(), "backButton");
            QCOMPARE(boardWindow().isLoaded(), pairs > 0);
            QVERIFY(setupWindow().isLoaded() && !setupWindow().window()->isVisible() &&
                    !program.program.ended);
            QCOMPARE(program.run.choice().pairChoice(), 2);
            QCOMPARE(resultsWindow().window()->windowTitle(), pairs > 0 ? " " : "n");
        }
        QCOMPARE(setupWindow().isShown(), f[1] == "1");
        if (ended >= 0) {
            resultsWindow().window()->close();
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
        for (ProgramWindow *form :
             {(ProgramWindow *)&setupWindow(), (ProgramWindow *)&nameWindow(),
              (ProgramWindow *)&introWindow(), (ProgramWindow *)&resultsWindow()}) {
            form->load();
            // With a title bar and borders of an ordinary window manager; the intro has none.
            const QSize frame = form == &introWindow() ? QSize() : QSize(8, 32);
            const QSize outer = form->window()->size() * scale + frame;
            QVERIFY2(outer.width() <= available.width() && outer.height() <= available.height(),
                     form->window()->metaObject()->className());
        }
    }
};

QTEST_MAIN(TstWindows)
#include "tst_windows.moc"
