// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
#include <QFile>
#include <QTest>

// The windows as recorded; where they differ, what they show now is written beside the test
// program, to be compared and, where the change is meant, copied over the record.
static void compareWithRecord(const QStringList &design)
{
    QFile file(QStringLiteral(ZINDLE_TESTS_DIR "/windowdesign.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList recorded = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    if (recorded != design) {
        QFile now(QCoreApplication::applicationDirPath() + "/windowdesign.txt");
        QVERIFY(now.open(QIODevice::WriteOnly | QIODevice::Text));
        now.write((design.join('\n') + '\n').toUtf8());
        for (qsizetype i = 0; i < std::max(design.size(), recorded.size()); ++i)
            QCOMPARE(design.value(i), recorded.value(i));
    }
}

class TstWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A whole run in Spanish: every window as it shows, its controls' places, fonts, colours
    // and texts, against the record in windowdesign.txt.
    void wholeRun()
    {
        TestProgram program;
        program.writeLanguage(SpanishTexts);
        program.writeSet("animales", 12);
        program.writeSet("barcos", 10);
        flow().start();
        QStringList design = designOf(introWindow());
        click(introWindow(), "continueButton");
        QVERIFY(!flow().isOpen<IntroWindow>());
        design << designOf(resultsWindow()) << designOf(nameWindow());
        QCOMPARE(nameWindow().window()->focusWidget(), control(nameWindow(), "nameBox"));
        // The empty name is refused; blanks around a name stay.
        click(nameWindow(), "acceptButton");
        QVERIFY(!flow().isOpen<SetupWindow>());
        QTest::keyClicks(control(nameWindow(), "nameBox"), " Ana ");
        click(nameWindow(), "acceptButton");
        QCOMPARE(program.run.player().name(), " Ana ");
        QVERIFY(setupWindow().window()->isVisible());
        design << designOf(setupWindow());

        click(setupWindow(), "pairButton0");
        // As the board shows, before the offscreen screen's full-screen size reaches it.
        const QMetaObject::Connection shown = connect(&program.run.opening(), &BoardOpening::dealt,
                                                      [&] { design << designOf(boardWindow()); });
        click(setupWindow(), "playButton");
        waitForTheDeal();
        disconnect(shown);
        QVERIFY(!flow().isOpen<NameWindow>());
        // A set deleted under its board leaves the board playable: its cards are in memory.
        QVERIFY(QDir(program.path(inSets("animales"))).removeRecursively());
        program.clock.advance(std::chrono::seconds(3));
        playToTheEnd([&] {
            QVERIFY(flow().isOpen<BoardWindow>());
            design << designOf(gameOverWindow())
                   << gameOverWindow().window()->focusWidget()->objectName();
            // F9 shows the list over the game over, modal as it is; Escape goes back there.
            QTest::keyClick(gameOverWindow().window(), Qt::Key_F9);
            QVERIFY(resultsWindow().window()->isModal() && resultsWindow().isShown());
            QTest::keyClick(resultsWindow().window(), Qt::Key_Escape);
            QVERIFY(!resultsWindow().window()->isModal() && gameOverWindow().isShown());
            click(gameOverWindow(), "keepPlayingButton");
        });
        QVERIFY(!flow().isOpen<BoardWindow>() && !flow().isOpen<GameOverWindow>() &&
                setupWindow().window()->isVisible());
        design << designOf(resultsWindow());
        compareWithRecord(design);

        control<QComboBox>(setupWindow(), "setBox")->setEditText("barcos");
        click(setupWindow(), "pairButton1");
        click(setupWindow(), "playButton");
        waitForTheDeal();
        QCOMPARE(boardWindow().cards(), 20);
        click(boardWindow(), "closeButton");
        QCOMPARE(program.program.ended, 1);
        program.clock.advance(std::chrono::seconds(1));
        playToTheEnd([] {
            click(gameOverWindow(), "finishButton");
            // The counting end leaves the windows open.
            flow().close(gameOverWindow());
        });
        QCOMPARE(program.program.ended, 2);
        QCOMPARE(resultLines(), (QStringList{"Con 6 parejas quedaban 58 segundos",
                                             "Con 10 parejas quedaban 101 segundos"}));
    }

    void listWindowWithoutTheSetupWindow_data()
    {
        // Pairs in the set, whether the name was accepted, then the list's button pressed ("list"),
        // F9 there and Escape back ("escape") or its window closed, and how many times that
        // ended the run (-1: a board is open, the list window is not the last).
        QTest::addColumn<QString>("row");
        QTest::newRow("list button, a set with pairs: a board") << "6 0 list -1";
        QTest::newRow("list button, no set: nothing, closing ends") << "0 0 list 1";
        QTest::newRow("beside the setup window it stays") << "0 1 close 0";
        QTest::newRow("F9 from setup, Escape back never deals") << "6 1 escape 0";
        QTest::newRow("alone it ends the run") << "0 0 close 1";
    }

    void listWindowWithoutTheSetupWindow()
    {
        QFETCH(QString, row);
        const QStringList f = row.split(' ');
        const int pairs = f[0].toInt(), ended = f[3].toInt();
        TestProgram program;
        program.writeSet("a", pairs);
        nameWindow().showInFront();
        if (f[1] == "1") {
            QTest::keyClicks(control(nameWindow(), "nameBox"), "Ana");
            click(nameWindow(), "acceptButton");
        }
        // The name entry's close box closes only it.
        nameWindow().window()->close();
        QVERIFY(!flow().isOpen<NameWindow>());
        if (f[2] == "list") {
            click(resultsWindow(), "backButton");
            waitForTheDeal();
            // The run knows its first set without the setup window.
            QCOMPARE(flow().isOpen<BoardWindow>(), pairs > 0);
            QVERIFY(!flow().isOpen<SetupWindow>() && !program.program.ended);
            QCOMPARE(program.run.choice().pairChoice(), 2);
            QCOMPARE(resultsWindow().window()->windowTitle(), pairs > 0 ? " " : "n");
        }
        if (f[2] == "escape") {
            QTest::keyClick(setupWindow().window(), Qt::Key_F9);
            QCOMPARE(control(resultsWindow(), "backButton")->accessibleName(), "Play a new board");
            QTest::keyClick(resultsWindow().window(), Qt::Key_Escape);
            QVERIFY(!program.run.opening().isRunning() && !flow().isOpen<BoardWindow>());
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
        for (ProgramWindow *form : std::initializer_list<ProgramWindow *>{
                 &setupWindow(), &nameWindow(), &introWindow(), &resultsWindow()}) {
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
