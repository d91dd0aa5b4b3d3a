#include "board/form2.h"
#include "common/module1.h"
#include "fakes.h"
#include "platform/controls/colourbutton.h"
#include "setup/form1.h"
#include "setup/pairbuttons.h"
#include "windows/flow.h"
#include "windows/form5.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace
{

// Counts the ends of the run and leaves the windows as they are, so a test can look at
// them afterwards and no window object goes while its handler runs.
ColourButton *pairButton(int index)
{
    return form1().window()->findChild<ColourButton *>(QStringLiteral("Command1_%1").arg(index));
}

ColourButton *playButton()
{
    return form1().window()->findChild<ColourButton *>(QStringLiteral("Command2"));
}

// "1" for an enabled pair-count button, "0" for a disabled one, by index.
QString enabledMask()
{
    QString mask;
    for (int i = 0; i < 7; ++i)
        mask += pairButton(i)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return mask;
}

// "G" for a green pair-count button, "Y" for a yellow one, by index.
QString colourMask()
{
    QString mask;
    for (int i = 0; i < 7; ++i) {
        const QColor c = pairButton(i)->background();
        mask += c == QColor(0, 255, 0)     ? QLatin1Char('G')
                : c == QColor(255, 255, 0) ? QLatin1Char('Y')
                                           : QLatin1Char('?');
    }
    return mask;
}

// Only the "1" folder of a set, with `pictures` files.
void writeFirstFolder(const TestProgram &program, const QString &set, int pictures)
{
    for (int p = 0; p < pictures; ++p)
        program.writePicture(QStringLiteral("graficos/%1/1/%2.png").arg(set).arg(p), 4, 4);
}

void pickSet(const QString &set)
{
    const int index = form1().Combo1->findText(set);
    QVERIFY(index >= 0);
    form1().Combo1->setCurrentIndex(index);
    Q_EMIT form1().Combo1->activated(index);
}

} // namespace

class TstSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { Module1::reset(); }

    void pairButtonsFollowPictures_data();
    void pairButtonsFollowPictures();
    void firstSetSetsTheButtons_data();
    void firstSetSetsTheButtons();
    void setListIgnoresCase();
    void hundredsOfSetsAreListed();
    void choosingMovesTheHighlight();
    void pickingASetRechecksAndKeepsTheChoice_data();
    void pickingASetRechecksAndKeepsTheChoice();
    void typingASetNameDoesNotRecheck();
    void languageLinesFourAndFive_data();
    void languageLinesFourAndFive();
    void playOpensOnlyABoardWithAPair_data();
    void playOpensOnlyABoardWithAPair();
    void playBringsAnOpenBoardForward();
    void closingTheSetupWindowEndsTheProgram_data();
    void closingTheSetupWindowEndsTheProgram();
    void disabledButtonsKeepTheirColour();
};

void TstSetup::pairButtonsFollowPictures_data()
{
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QString>("mask");
    QTest::newRow("no pictures") << 0 << "0000000";
    QTest::newRow("one short of 6") << 5 << "0000000";
    QTest::newRow("exactly 6") << 6 << "1000000";
    QTest::newRow("8 serve only 6") << 8 << "1000000";
    QTest::newRow("one short of 15") << 14 << "1110000";
    QTest::newRow("exactly 15") << 15 << "1111000";
    QTest::newRow("one short of 36") << 35 << "1111110";
    QTest::newRow("exactly 36") << 36 << "1111111";
    QTest::newRow("more than 36") << 400 << "1111111";
}

void TstSetup::pairButtonsFollowPictures()
{
    QFETCH(int, pictures);
    QFETCH(QString, mask);
    QString got;
    for (bool on : pairButtonsEnabled(pictures))
        got += on ? QLatin1Char('1') : QLatin1Char('0');
    QCOMPARE(got, mask);
}

void TstSetup::firstSetSetsTheButtons_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mask");
    QTest::newRow("first set of 15") << "15"
                                     << "a"
                                     << "1111000";
    QTest::newRow("first set of 8") << "8"
                                    << "a"
                                    << "1000000";
    QTest::newRow("first set without a 1 folder keeps the design") << "no1"
                                                                   << "a"
                                                                   << "1111111";
    QTest::newRow("no graficos folder") << "none"
                                        << ""
                                        << "0000000";
    QTest::newRow("graficos without a set") << "empty"
                                            << ""
                                            << "0000000";
}

void TstSetup::firstSetSetsTheButtons()
{
    QFETCH(QString, layout);
    QFETCH(QString, text);
    QFETCH(QString, mask);
    TestProgram program;
    if (layout == QLatin1String("no1"))
        program.writePicture(QStringLiteral("graficos/a/2/x.png"), 4, 4);
    else if (layout == QLatin1String("empty"))
        program.writeFile(QStringLiteral("graficos/loose.txt"), "not a set");
    else if (layout != QLatin1String("none"))
        writeFirstFolder(program, QStringLiteral("a"), layout.toInt());
    writeFirstFolder(program, QStringLiteral("b"), 36);
    if (layout == QLatin1String("none") || layout == QLatin1String("empty"))
        QDir(program.path(QStringLiteral("graficos/b"))).removeRecursively();

    form1().load();
    QCOMPARE(form1().setName(), text);
    QCOMPARE(enabledMask(), mask);
    QCOMPARE(colourMask(), QStringLiteral("YYGYYYY"));
    QCOMPARE(int(Module1::PairChoice), 2);
}

void TstSetup::setListIgnoresCase()
{
    TestProgram program;
    const QStringList names = {QStringLiteral("zorro"), QStringLiteral("Barcos"),
                               QStringLiteral("\u00e1rboles de oto\u00f1o"),
                               QStringLiteral("animales"), QStringLiteral("Coches rojos")};
    for (const QString &name : names)
        writeFirstFolder(program, name, 6);
    program.writeFile(QStringLiteral("graficos/readme.txt"), "a file is no set");

    form1().load();
    QStringList listed;
    for (int i = 0; i < form1().Combo1->count(); ++i)
        listed << form1().Combo1->itemText(i);
    QCOMPARE(listed.size(), names.size());
    QCOMPARE(listed.mid(0, 1), QStringList{QStringLiteral("animales")});
    QVERIFY(listed.indexOf(QStringLiteral("Barcos")) <
            listed.indexOf(QStringLiteral("Coches rojos")));
    QVERIFY(listed.indexOf(QStringLiteral("Coches rojos")) <
            listed.indexOf(QStringLiteral("zorro")));
    QVERIFY(listed.contains(QStringLiteral("\u00e1rboles de oto\u00f1o")));
    QCOMPARE(form1().setName(), QStringLiteral("animales"));
}

void TstSetup::hundredsOfSetsAreListed()
{
    TestProgram program;
    QDir().mkpath(program.path(QStringLiteral("graficos")));
    for (int i = 0; i < 300; ++i)
        QDir().mkpath(
            program.path(QStringLiteral("graficos/set %1/1").arg(i, 3, 10, QLatin1Char('0'))));
    form1().load();
    QCOMPARE(form1().Combo1->count(), 300);
    QCOMPARE(form1().setName(), QStringLiteral("set 000"));
    QCOMPARE(enabledMask(), QStringLiteral("0000000"));
}

void TstSetup::choosingMovesTheHighlight()
{
    TestProgram program;
    writeFirstFolder(program, QStringLiteral("a"), 36);
    form1().show();
    QTest::mouseClick(pairButton(6), Qt::LeftButton);
    QCOMPARE(int(Module1::PairChoice), 6);
    QCOMPARE(colourMask(), QStringLiteral("YYYYYYG"));
    QTest::mouseClick(pairButton(0), Qt::LeftButton);
    QCOMPARE(int(Module1::PairChoice), 0);
    QCOMPARE(colourMask(), QStringLiteral("GYYYYYY"));
}

void TstSetup::pickingASetRechecksAndKeepsTheChoice_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("mask");
    QTest::newRow("a set of 8") << "b8"
                                << "1000000";
    QTest::newRow("a set of 21") << "c21"
                                 << "1111100";
    QTest::newRow("a set without a 1 folder offers no count") << "d"
                                                              << "0000000";
    QTest::newRow("a set with an empty 1 folder") << "e"
                                                  << "0000000";
}

void TstSetup::pickingASetRechecksAndKeepsTheChoice()
{
    QFETCH(QString, set);
    QFETCH(QString, mask);
    TestProgram program;
    writeFirstFolder(program, QStringLiteral("a36"), 36);
    writeFirstFolder(program, QStringLiteral("b8"), 8);
    writeFirstFolder(program, QStringLiteral("c21"), 21);
    program.writePicture(QStringLiteral("graficos/d/2/x.png"), 4, 4);
    QDir().mkpath(program.path(QStringLiteral("graficos/e/1")));
    form1().show();
    QTest::mouseClick(pairButton(3), Qt::LeftButton);

    pickSet(set);
    QCOMPARE(enabledMask(), mask);
    QCOMPARE(int(Module1::PairChoice), 3);
    QCOMPARE(colourMask(), QStringLiteral("YYYGYYY"));
    QCOMPARE(form1().setName(), set);
}

void TstSetup::typingASetNameDoesNotRecheck()
{
    TestProgram program;
    writeFirstFolder(program, QStringLiteral("a"), 36);
    writeFirstFolder(program, QStringLiteral("b"), 6);
    form1().show();
    QLineEdit *edit = form1().Combo1->lineEdit();
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("b"));
    QCOMPARE(form1().setName(), QStringLiteral("b"));
    QCOMPARE(enabledMask(), QStringLiteral("1111111"));

    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("elsewhere"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(form1().Combo1->count(), 2);
    QCOMPARE(form1().setName(), QStringLiteral("elsewhere"));
    QCOMPARE(enabledMask(), QStringLiteral("1111111"));
}

void TstSetup::languageLinesFourAndFive_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("play");
    const QStringList full = {
        QStringLiteral("CONTINUAR"), QStringLiteral("Nombre"),
        QStringLiteral("ACEPTAR"),   QStringLiteral("Selecciona la carpeta de im\u00e1genes"),
        QStringLiteral("JUGAR"),     QStringLiteral("SEGUIR JUGANDO")};
    QTest::newRow("full file") << full << full[3] << full[4];
    QTest::newRow("four lines leave the play button empty")
        << full.mid(0, 4) << full[3] << QString();
    QTest::newRow("missing file empties both") << QStringList() << QString() << QString();
    QTest::newRow("a line of blanks stays blanks")
        << QStringList{QString(), QString(), QString(), QStringLiteral("  "), QString()}
        << QStringLiteral("  ") << QString();
}

void TstSetup::languageLinesFourAndFive()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, label);
    QFETCH(QString, play);
    TestProgram program;
    if (!lines.isEmpty())
        program.writeLanguage(lines);
    form1().load();
    auto *label2 = form1().window()->findChild<QLabel *>(QStringLiteral("Label2_2"));
    QVERIFY(label2);
    QCOMPARE(label2->text(), label);
    QVERIFY(label2->wordWrap());
    QCOMPARE(playButton()->text(), play);
}

void TstSetup::playOpensOnlyABoardWithAPair_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");
    QTest::newRow("the first set") << QString() << true;
    QTest::newRow("a typed set of the list") << "b" << true;
    QTest::newRow("a set with only its 1 folder") << "only1" << false;
    QTest::newRow("a set name that names no folder") << "missing" << false;
    QTest::newRow("a parent folder") << "../outside" << false;
    QTest::newRow("a nested path") << "b/.." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("an empty set name") << "" << false;
}

void TstSetup::playOpensOnlyABoardWithAPair()
{
    QFETCH(QString, typed);
    QFETCH(bool, opens);
    TestProgram program;
    program.writeSet(QStringLiteral("a"), 6);
    program.writeSet(QStringLiteral("b"), 12);
    writeFirstFolder(program, QStringLiteral("only1"), 12);
    // A set outside the sets' folder must never be dealt from.
    for (int p = 0; p < 6; ++p) {
        program.writePicture(QStringLiteral("outside/1/%1.png").arg(p), 4, 4);
        program.writePicture(QStringLiteral("outside/2/%1.png").arg(p), 4, 4);
    }
    form5().show();
    form1().show();
    if (!typed.isNull())
        form1().Combo1->setEditText(typed);

    QTest::mouseClick(playButton(), Qt::LeftButton);
    QCOMPARE(form2().isLoaded(), opens);
    QVERIFY(!form5().isLoaded());
    QVERIFY(form1().window()->isVisible());
}

void TstSetup::playBringsAnOpenBoardForward()
{
    TestProgram program;
    program.writeSet(QStringLiteral("a"), 12);
    form1().show();
    QTest::mouseClick(playButton(), Qt::LeftButton);
    QVERIFY(form2().isLoaded());
    QWidget *board = form2().window();
    const int draws = program.random.seeded;
    form1().Combo1->setEditText(QStringLiteral("no such set"));
    QTest::mouseClick(playButton(), Qt::LeftButton);
    QCOMPARE(form2().window(), board);
    QCOMPARE(program.random.seeded, draws);
}

void TstSetup::closingTheSetupWindowEndsTheProgram_data()
{
    QTest::addColumn<bool>("withBoard");
    QTest::newRow("no board") << false;
    QTest::newRow("a board open") << true;
}

void TstSetup::closingTheSetupWindowEndsTheProgram()
{
    QFETCH(bool, withBoard);
    TestProgram program;
    FakeProgram &counting = program.program;
    program.writeSet(QStringLiteral("a"), 6);
    form1().show();
    if (withBoard)
        QTest::mouseClick(playButton(), Qt::LeftButton);
    QCOMPARE(form2().isLoaded(), withBoard);

    form1().window()->close();
    QCOMPARE(counting.ended, 1);
    QVERIFY(!form1().isLoaded());
}

void TstSetup::disabledButtonsKeepTheirColour()
{
    TestProgram program;
    writeFirstFolder(program, QStringLiteral("a"), 8);
    form1().show();
    QVERIFY(!pairButton(2)->isEnabled());
    const QImage green = pairButton(2)->grab().toImage();
    const QImage yellow = pairButton(6)->grab().toImage();
    QCOMPARE(green.pixelColor(8, 8), QColor(0, 255, 0));
    QCOMPARE(yellow.pixelColor(8, 8), QColor(255, 255, 0));
}

QTEST_MAIN(TstSetup)
#include "tst_setup.moc"
