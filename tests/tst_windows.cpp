#include "board/form2.h"
#include "common/module1.h"
#include "fakes.h"
#include "platform/controls/colourbutton.h"
#include "platform/twips.h"
#include "setup/form1.h"
#include "windows/centring.h"
#include "windows/flow.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"
#include "windows/form6.h"
#include "windows/gameoverpause.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <functional>

namespace
{

// Gives the readings a test lists, then goes on from the last one by `step`, passing
// midnight as the real clock does.
class ScriptedClock : public Clock
{
public:
    QList<double> readings;
    const double step = 0.1;
    int stepped = 0;
    double secondsSinceMidnight() override
    {
        if (readings.size() > 1 || stepped == 0)
            return readings.front();
        // Counted from the last scripted reading, so that the steps add no rounding drift.
        const double now = readings.front() + stepped * step;
        return now >= 86400.0 ? now - 86400.0 : now;
    }
    void processEvents() override
    {
        if (readings.size() > 1)
            readings.removeFirst();
        else
            ++stepped;
    }
};

Form &formNumber(int n)
{
    switch (n) {
    case 1:
        return form1();
    case 3:
        return form3();
    case 4:
        return form4();
    case 5:
        return form5();
    default:
        return form6();
    }
}

template <typename W = QWidget> W *control(Form &form, const char *name)
{
    return form.window()->findChild<W *>(QLatin1String(name));
}

QColor svgPixel(const QString &resource, int x, int y)
{
    QSvgRenderer renderer(resource);
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.pixelColor(x, y);
}

} // namespace

class TstWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { Module1::reset(); }

    void centring_data();
    void centring();
    void gameOverPause_data();
    void gameOverPause();
    void windowsCentreThemselves_data();
    void windowsCentreThemselves();
    void titleBars_data();
    void titleBars();
    void windowsWithoutCloseControlStay_data();
    void windowsWithoutCloseControlStay();
    void closingNameEntryLeavesTheList();
    void listWindowLastOfTheRun_data();
    void listWindowLastOfTheRun();
    void acceptingAName_data();
    void acceptingAName();
    void acceptingTwiceKeepsTheSecond();
    void nameEntryStartUp();
    void introShowsPictureAndLeadsOn();
    void introCaptionTakesAllOfAnLfFile();
    void gameOverTextsAndSeconds_data();
    void gameOverTextsAndSeconds();
    void keepPlayingReturnsToSetup();
    void finishEndsTheProgram();
    void listKeepsOrderAndTitle();
    void listButtonBeforeAnyGame_data();
    void listButtonBeforeAnyGame();
    void listButtonShowsItsPicture();
};

void TstWindows::centring_data()
{
    QTest::addColumn<double>("screenWidth");
    QTest::addColumn<double>("screenHeight");
    QTest::addColumn<double>("windowWidth");
    QTest::addColumn<double>("windowHeight");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("setup window on 1280 x 1024")
        << 19200.0 << 15360.0 << 8700.0 << 8295.0 << QPoint(5250, 3532);
    QTest::newRow("half rounds down to even") << 1000.5 << 2.5 << 0.0 << 0.0 << QPoint(500, 1);
    QTest::newRow("half rounds up to even") << 1001.5 << 3.5 << 0.0 << 0.0 << QPoint(501, 2);
    QTest::newRow("odd difference halves toward zero")
        << 1001.0 << 1.0 << 0.0 << 0.0 << QPoint(500, 0);
    QTest::newRow("window larger than the screen")
        << 1000.0 << 1000.0 << 1301.0 << 3000.0 << QPoint(-150, -1000);
    QTest::newRow("negative half rounds to even") << 0.0 << 0.0 << 2.5 << 3.5 << QPoint(-1, -2);
}

void TstWindows::centring()
{
    QFETCH(double, screenWidth);
    QFETCH(double, screenHeight);
    QFETCH(double, windowWidth);
    QFETCH(double, windowHeight);
    QFETCH(QPoint, expected);
    QCOMPARE(centredPosition(screenWidth, screenHeight, windowWidth, windowHeight), expected);
}

void TstWindows::gameOverPause_data()
{
    QTest::addColumn<QList<double>>("readings");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("seconds");
    QTest::newRow("100.4 ends at 102") << QList<double>{100.4} << 102.0 << 1.6;
    QTest::newRow("100.6 ends at 103") << QList<double>{100.6} << 103.0 << 2.4;
    QTest::newRow("100.5 rounds to the even 100") << QList<double>{100.5} << 102.0 << 1.5;
    QTest::newRow("101.5 rounds to the even 102") << QList<double>{101.5} << 104.0 << 2.5;
    QTest::newRow("86399.4 ends after midnight") << QList<double>{86399.4} << 1.0 << 1.6;
    QTest::newRow("86399.6 rounds to midnight") << QList<double>{86399.6} << 2.0 << 2.4;
    QTest::newRow("a clock set back a little is no midnight")
        << QList<double>{100.0, 99.5} << 102.0 << 2.5;
}

void TstWindows::gameOverPause()
{
    QFETCH(QList<double>, readings);
    QFETCH(double, end);
    QFETCH(double, seconds);
    ScriptedClock clock;
    clock.readings = readings;
    ::gameOverPause(clock);
    // The pause ends at the first reading that reaches its end.
    const double last = clock.secondsSinceMidnight();
    QVERIFY2(last > end - 1e-6 && last < end + clock.step - 1e-6,
             qPrintable(QString::number(last)));
    QCOMPARE(clock.stepped, qRound(seconds / clock.step));
}

void TstWindows::windowsCentreThemselves_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<QPoint>("twips");
    // The offscreen platform has no frame, so the outer size is the client size.
    QTest::newRow("setup") << 1 << 19200 << 15360 << QPoint(5250, 3532);
    QTest::newRow("name entry") << 3 << 19200 << 15360 << QPoint(6225, 5362);
    QTest::newRow("game over") << 4 << 19200 << 15360 << QPoint(5722, 5370);
    QTest::newRow("intro 200 twips higher") << 5 << 19200 << 15360 << QPoint(4920, 3220);
    QTest::newRow("list") << 6 << 19200 << 15360 << QPoint(5040, 4830);
    QTest::newRow("intro on a small screen") << 5 << 9600 << 7200 << QPoint(120, -860);
    QTest::newRow("setup on a small screen") << 1 << 600 * 15 << 480 * 15 << QPoint(150, -547);
}

void TstWindows::windowsCentreThemselves()
{
    QFETCH(int, form);
    QFETCH(int, screenWidth);
    QFETCH(int, screenHeight);
    QFETCH(QPoint, twips);
    TestProgram program;
    program.screen.width = screenWidth;
    program.screen.height = screenHeight;
    Form &f = formNumber(form);
    f.load();
    QCOMPARE(f.window()->pos(), QPoint(twipsToPixels(twips.x()), twipsToPixels(twips.y())));
}

void TstWindows::titleBars_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("frameless");
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("setup has a close box") << 1 << false << true;
    QTest::newRow("name entry has a close box") << 3 << false << true;
    QTest::newRow("game over has no title bar") << 4 << true << false;
    QTest::newRow("intro has no title bar") << 5 << true << false;
    QTest::newRow("list has a title without buttons") << 6 << false << false;
}

void TstWindows::titleBars()
{
    QFETCH(int, form);
    QFETCH(bool, frameless);
    QFETCH(bool, closeBox);
    TestProgram program;
    const Qt::WindowFlags flags = formNumber(form).window()->windowFlags();
    QCOMPARE(bool(flags & Qt::FramelessWindowHint), frameless);
    if (!frameless) {
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(flags & Qt::WindowTitleHint);
        QCOMPARE(bool(flags & Qt::WindowCloseButtonHint), closeBox);
        QVERIFY(!(flags & Qt::WindowMinMaxButtonsHint));
    }
}

void TstWindows::windowsWithoutCloseControlStay_data()
{
    QTest::addColumn<int>("form");
    QTest::newRow("intro") << 5;
    QTest::newRow("game over") << 4;
    QTest::newRow("list") << 6;
}

void TstWindows::windowsWithoutCloseControlStay()
{
    QFETCH(int, form);
    TestProgram program;
    FakeProgram &counting = program.program;
    Form &f = formNumber(form);
    // The list window alone on the screen has a way out of its own.
    if (form == 6)
        form3().show();
    f.show();
    QWidget *w = f.window();
    QVERIFY(!w->close());
    QTest::keyClick(w, Qt::Key_Escape);
    QTest::keyClick(w, Qt::Key_F4, Qt::AltModifier);
    QVERIFY(f.isLoaded());
    QVERIFY(w->isVisible());
    QCOMPARE(counting.ended, 0);
}

void TstWindows::closingNameEntryLeavesTheList()
{
    TestProgram program;
    FakeProgram &counting = program.program;
    form3().show();
    auto *name = control<QLineEdit>(form3(), "Text1_0");
    QTest::keyClicks(name, QStringLiteral("Ana"));
    QTest::mouseClick(control(form3(), "Command2"), Qt::LeftButton);
    form3().window()->close();
    QVERIFY(!form3().isLoaded());
    QVERIFY(form6().window()->isVisible());
    QCOMPARE(Module1::PlayerName, QStringLiteral("Ana"));
    QCOMPARE(counting.ended, 0);
}

void TstWindows::listWindowLastOfTheRun_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("nameClosed");
    QTest::addColumn<bool>("listButton");
    QTest::addColumn<int>("ended");
    QTest::newRow("beside the name entry it stays") << false << false << false << 0;
    QTest::newRow("beside the setup window it stays") << true << true << false << 0;
    QTest::newRow("alone it ends the run") << false << true << false << 1;
    QTest::newRow("alone after its button found no set, it ends the run")
        << false << true << true << 1;
}

void TstWindows::listWindowLastOfTheRun()
{
    QFETCH(bool, accepted);
    QFETCH(bool, nameClosed);
    QFETCH(bool, listButton);
    QFETCH(int, ended);
    TestProgram program;
    form3().show();
    if (accepted) {
        QTest::keyClicks(control<QLineEdit>(form3(), "Text1_0"), QStringLiteral("Ana"));
        QTest::mouseClick(control(form3(), "Command2"), Qt::LeftButton);
    }
    if (nameClosed)
        form3().window()->close();
    if (listButton)
        QTest::mouseClick(control(form6(), "Command1"), Qt::LeftButton);
    QCOMPARE(form1().isShown(), accepted);
    form6().window()->close();
    QCOMPARE(program.program.ended, ended);
}

void TstWindows::acceptingAName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("the empty name is refused") << QString() << false;
    QTest::newRow("a name of blanks is accepted") << "   " << true;
    QTest::newRow("blanks around a name stay") << "  Ana " << true;
    QTest::newRow("ten thousand characters") << QString(10000, QLatin1Char('x')) << true;
}

void TstWindows::acceptingAName()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    TestProgram program;
    form3().show();
    auto *name = control<QLineEdit>(form3(), "Text1_0");
    name->setText(typed);
    QTest::mouseClick(control(form3(), "Command2"), Qt::LeftButton);
    QCOMPARE(Module1::PlayerName, accepted ? typed : QString());
    QCOMPARE(form1().isLoaded(), accepted);
    QVERIFY(form3().window()->isVisible());
}

void TstWindows::acceptingTwiceKeepsTheSecond()
{
    TestProgram program;
    form3().show();
    auto *name = control<QLineEdit>(form3(), "Text1_0");
    QTest::keyClicks(name, QStringLiteral("Ana"));
    QTest::mouseClick(control(form3(), "Command2"), Qt::LeftButton);
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Luis"));
    QTest::mouseClick(control(form3(), "Command2"), Qt::LeftButton);
    QCOMPARE(Module1::PlayerName, QStringLiteral("Luis"));
    name->clear();
    QTest::mouseClick(control(form3(), "Command2"), Qt::LeftButton);
    QCOMPARE(Module1::PlayerName, QStringLiteral("Luis"));
}

void TstWindows::nameEntryStartUp()
{
    TestProgram program;
    program.writeLanguage(SpanishTexts);
    form5().show();
    form3().show();
    QVERIFY(!form5().isLoaded());
    QVERIFY(form6().window()->isVisible());
    QCOMPARE(form6().window()->windowTitle(), QStringLiteral("n"));
    QCOMPARE(control<QLabel>(form3(), "Label1_0")->text(), QStringLiteral("Nombre"));
    QCOMPARE(control<QPushButton>(form3(), "Command2")->text(), QStringLiteral("ACEPTAR"));
    QVERIFY(form3().window()->windowTitle().startsWith(QStringLiteral("Zindle 1.0 ")));
    QCOMPARE(form3().window()->windowTitle().count(QStringLiteral(" - ")), 1);
    QCOMPARE(form3().window()->focusWidget(), control(form3(), "Text1_0"));
    auto *label = control<QLabel>(form3(), "Label1_0");
    QCOMPARE(label->parentWidget(), control<QGroupBox>(form3(), "Frame1_0"));
}

void TstWindows::introShowsPictureAndLeadsOn()
{
    TestProgram program;
    program.writeLanguage(SpanishTexts);
    form5().show();
    auto *button = control<ColourButton>(form5(), "Command1");
    QCOMPARE(button->text(), QStringLiteral("CONTINUAR"));
    QCOMPARE(button->background(), QColor(0, 255, 255));
    const QImage shot = form5().window()->grab().toImage();
    const QString picture = QStringLiteral(":/images/intro_title.svg");
    for (const QPoint p : {QPoint(60, 60), QPoint(300, 260), QPoint(600, 500)})
        QCOMPARE(shot.pixelColor(p), svgPixel(picture, p.x(), p.y()));
    // Below the picture the window is white.
    QCOMPARE(shot.pixelColor(10, 530), QColor(Qt::white));

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!form5().isLoaded());
    QVERIFY(form3().window()->isVisible());
}

void TstWindows::introCaptionTakesAllOfAnLfFile()
{
    TestProgram program;
    program.writeFile(QStringLiteral("idioma/idioma.txt"), "uno\ndos\ntres");
    form5().load();
    QCOMPARE(control<QPushButton>(form5(), "Command1")->text(), QStringLiteral("uno\ndos\ntres"));
    form3().load();
    QCOMPARE(control<QLabel>(form3(), "Label1_0")->text(), QString());
    QCOMPARE(control<QPushButton>(form3(), "Command2")->text(), QString());
}

void TstWindows::gameOverTextsAndSeconds_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("full file") << SpanishTexts
                               << QStringList{QStringLiteral("SEGUIR JUGANDO"),
                                              QStringLiteral("FIN JUEGO"), QStringLiteral("Fin")};
    QTest::newRow("missing file") << QStringList() << QStringList{QString(), QString(), QString()};
    QTest::newRow("seven lines leave the message empty")
        << SpanishTexts.mid(0, 7)
        << QStringList{QStringLiteral("SEGUIR JUGANDO"), QStringLiteral("FIN JUEGO"), QString()};
}

void TstWindows::gameOverTextsAndSeconds()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, texts);
    TestProgram program;
    if (!lines.isEmpty())
        program.writeLanguage(lines);
    program.writeSet(QStringLiteral("a"), 12);
    form1().show();
    QTest::mouseClick(control(form1(), "Command2"), Qt::LeftButton);
    QVERIFY(form2().isLoaded());
    form2().Timer2->tick();
    const QString seconds = form2().secondsLeftCaption();
    QVERIFY(!seconds.isEmpty());

    const double start = program.clock.now;
    form4().load();
    QVERIFY(program.clock.now - start >= 1.5 - 1e-9);
    QCOMPARE(control<QPushButton>(form4(), "Command1")->text(), texts[0]);
    QCOMPARE(control<QPushButton>(form4(), "Command2")->text(), texts[1]);
    QCOMPARE(control<QLabel>(form4(), "Label1_0")->text(), texts[2]);
    QCOMPARE(control<QLabel>(form4(), "Label1_1")->text(), seconds);
    QCOMPARE(form4().window()->focusWidget(), control(form4(), "Command1"));
}

void TstWindows::keepPlayingReturnsToSetup()
{
    TestProgram program;
    program.writeSet(QStringLiteral("a"), 6);
    form1().show();
    QTest::mouseClick(control(form1(), "Command2"), Qt::LeftButton);
    QVERIFY(form2().isLoaded());
    form4().show();
    QTest::mouseClick(control(form4(), "Command1"), Qt::LeftButton);
    QVERIFY(!form2().isLoaded());
    QVERIFY(!form4().isLoaded());
    QVERIFY(form1().window()->isVisible());
}

void TstWindows::finishEndsTheProgram()
{
    TestProgram program;
    FakeProgram &counting = program.program;
    form4().show();
    QTest::mouseClick(control(form4(), "Command2"), Qt::LeftButton);
    QCOMPARE(counting.ended, 1);
}

void TstWindows::listKeepsOrderAndTitle()
{
    TestProgram program;
    form6().show();
    QCOMPARE(form6().window()->windowTitle(), QStringLiteral("n"));
    const QStringList lines = {QStringLiteral("Con 6 parejas quedaban 40 segundos"),
                               QStringLiteral("Con 36 parejas quedaban 0 segundos"),
                               QStringLiteral("Con 10 parejas quedaban 85 segundos")};
    for (const QString &line : lines)
        form6().addResult(line);
    QStringList listed;
    for (int i = 0; i < form6().List1->count(); ++i)
        listed << form6().List1->item(i)->text();
    QCOMPARE(listed, lines);
    QCOMPARE(form6().List1->palette().color(QPalette::Base), QColor(0, 0x40, 0));
}

void TstWindows::listButtonBeforeAnyGame_data()
{
    QTest::addColumn<int>("pairs");
    QTest::addColumn<bool>("opens");
    QTest::newRow("a first set with pairs opens a board") << 6 << true;
    QTest::newRow("no set opens nothing") << 0 << false;
}

void TstWindows::listButtonBeforeAnyGame()
{
    QFETCH(int, pairs);
    QFETCH(bool, opens);
    TestProgram program;
    if (pairs > 0)
        program.writeSet(QStringLiteral("a"), pairs);
    form3().show();
    QTest::mouseClick(control(form6(), "Command1"), Qt::LeftButton);
    QCOMPARE(form2().isLoaded(), opens);
    QVERIFY(form1().isLoaded());
    QVERIFY(!form1().window()->isVisible());
    QCOMPARE(int(Module1::PairChoice), 2);
    QVERIFY(form6().window()->isVisible());
    if (opens) {
        QVERIFY(!form3().isLoaded());
        QCOMPARE(form6().window()->windowTitle(), QStringLiteral(" "));
    }
}

void TstWindows::listButtonShowsItsPicture()
{
    TestProgram program;
    form6().show();
    QWidget *button = control(form6(), "Command1");
    QCOMPARE(button->geometry(), twipsRect(8040, 360, 735, 735));
    const QImage shot = button->grab().toImage();
    const QString picture = QStringLiteral(":/images/list_back.svg");
    // The picture keeps its size: centred on the smaller button, its edges are cut.
    const int dx = (51 - button->width()) / 2;
    const int dy = (52 - button->height()) / 2;
    for (const QPoint p : {QPoint(button->width() / 2, button->height() / 2), QPoint(5, 20)})
        QCOMPARE(shot.pixelColor(p), svgPixel(picture, p.x() + dx, p.y() + dy));
}

QTEST_MAIN(TstWindows)
#include "tst_windows.moc"
