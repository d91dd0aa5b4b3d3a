#include "fakes.h"
#include "platform/form.h"
#include "platform/listing.h"
#include "platform/realservices.h"
#include "platform/textfile.h"
#include "platform/twips.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace
{

// A window whose handlers a test calls and whose counts it reads.
class CountingForm : public Form
{
public:
    int loads = 0;
    int unloads = 0;
    int ticks = 0;
    int variable = 0;
    QPointer<QLabel> Label1;
    FormTimer *Timer1 = nullptr;
    std::function<void()> onTick;

protected:
    void buildControls(FormWindow *window) override
    {
        Label1 = new QLabel(window);
        Timer1 = addTimer(10, false, [this] {
            ++ticks;
            if (onTick)
                onTick();
        });
    }
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
    void controlsDestroyed() override { Timer1 = nullptr; }
};

class ClosableForm : public CountingForm
{
public:
    void closeRequested() override { unload(); }
};

} // namespace

class TstPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listingOrder_data();
    void listingOrder();
    void listingLeavesOutHiddenAndOtherKinds();
    void lineRules_data();
    void lineRules();
    void twipsEdgesRoundAlike();
    void colourAndRounding();
    void variablesOutliveTheControls();
    void unloadStopsTimersAtOnce();
    void destructionWaitsForTheRunningHandler();
    void tickWaitingInAModalWindowIsNotEnteredAgain();
    void closeRequestIsTheWindowsOwnRule();
    void missingOrBrokenSoundIsNoError();
};

void TstPlatform::listingOrder_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("case is ignored")
        << QStringList{"c.jpg", "B.jpg", "a.jpg"} << QStringList{"a.jpg", "B.jpg", "c.jpg"};
    QTest::newRow("an exact tie-break keeps both folders alike")
        << QStringList{"a.jpg", "A.jpg", "b.jpg"} << QStringList{"A.jpg", "a.jpg", "b.jpg"};
    // Letters beyond ASCII sort by their code after the case is folded, as on every machine.
    QTest::newRow("accents in UTF-8 names")
        << QStringList{"ñandú.png", "Ábaco.png", "imágenes.png", "zorro.png"}
        << QStringList{"imágenes.png", "zorro.png", "Ábaco.png", "ñandú.png"};
    QTest::newRow("digits sort as text")
        << QStringList{"10.png", "9.png", "01.png"} << QStringList{"01.png", "10.png", "9.png"};
}

void TstPlatform::listingOrder()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, listed);
    TestProgram program;
    for (const QString &f : files)
        program.writeFile(QStringLiteral("d/") + f, "x");
    QCOMPARE(listFiles(program.path(QStringLiteral("d"))), listed);
    for (const QString &f : listed)
        QVERIFY(QFile(program.path(QStringLiteral("d/") + f)).open(QIODevice::ReadOnly));
}

void TstPlatform::listingLeavesOutHiddenAndOtherKinds()
{
    TestProgram program;
    program.writeFile(QStringLiteral("g/.oculto"), "x");
    program.writeFile(QStringLiteral("g/uno.png"), "x");
    program.writeFile(QStringLiteral("g/Sets/1/a.png"), "x");
    program.writeFile(QStringLiteral("g/.git/x"), "x");
    program.writeFile(QStringLiteral("g/animales/1/a.png"), "x");
    QCOMPARE(listFiles(program.path(QStringLiteral("g"))), QStringList{"uno.png"});
    QCOMPARE(listSubfolders(program.path(QStringLiteral("g"))), (QStringList{"animales", "Sets"}));
    QVERIFY(listFiles(program.path(QStringLiteral("no existe"))).isEmpty());
    QVERIFY(listSubfolders(QString()).isEmpty());
}

void TstPlatform::lineRules_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF ends a line") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("a lone CR ends a line") << QByteArray("a\rb") << QStringList{"a", "b"};
    QTest::newRow("a lone LF stays in the text")
        << QByteArray("a\nb\r\nc") << QStringList{"a\nb", "c"};
    QTest::newRow("no final terminator") << QByteArray("a\r\nlast") << QStringList{"a", "last"};
    QTest::newRow("empty lines") << QByteArray("\r\n\r\nx") << QStringList{"", "", "x"};
    QTest::newRow("CR CR LF is an empty line")
        << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("zero bytes: no line") << QByteArray() << QStringList{};
    QTest::newRow("accented letters") << QByteArray("im\xE1genes n\xFAmero \xD1")
                                      << QStringList{QStringLiteral("imágenes número Ñ")};
    QTest::newRow("0x80 to 0x9F as Windows decodes them")
        << QByteArray("\x80\x81\x8D\x8F\x90\x9D\x9F")
        << QStringList{QStringLiteral("€\u0081\u008D\u008F\u0090\u009DŸ")};
}

void TstPlatform::lineRules()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    TestProgram program;
    program.writeFile(QStringLiteral("t.txt"), bytes);
    TextFile file;
    QVERIFY(file.open(program.path(QStringLiteral("t.txt"))));
    QStringList read;
    QString line;
    while (file.readLine(line))
        read << line;
    file.close();
    QCOMPARE(read, lines);
    QVERIFY(!file.open(program.path(QStringLiteral("missing.txt"))));
    QVERIFY(!file.readLine(line));
}

void TstPlatform::twipsEdgesRoundAlike()
{
    // Boxes of 1000 twips side by side: each pixel edge is shared by both neighbours.
    for (int k = 0; k < 20; ++k) {
        const QRect a = twipsRect(360 + k * 1000, 0, 1000, 10);
        const QRect b = twipsRect(360 + (k + 1) * 1000, 0, 1000, 10);
        QCOMPARE(a.right() + 1, b.left());
        QVERIFY(a.width() == 66 || a.width() == 67);
    }
    QCOMPARE(twipsToPixels(7), 0);
    QCOMPARE(twipsToPixels(8), 1);
    QCOMPARE(twipsToPixels(-8), -1);
    QCOMPARE(twipsRect(-30, -15, 30, 15), QRect(-2, -1, 2, 1));
}

void TstPlatform::colourAndRounding()
{
    QCOMPARE(vbColor(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(vbColor(0xC0E0FF), QColor(255, 224, 192));
    QCOMPARE(vbColor(0x004000), QColor(0, 64, 0));
    QCOMPARE(roundHalfEven(0.5), 0LL);
    QCOMPARE(roundHalfEven(1.5), 2LL);
    QCOMPARE(roundHalfEven(2.5), 2LL);
    QCOMPARE(roundHalfEven(-0.5), 0LL);
    QCOMPARE(roundHalfEven(-1.5), -2LL);
    QCOMPARE(roundHalfEven(100.6), 101LL);
}

void TstPlatform::variablesOutliveTheControls()
{
    CountingForm form;
    form.variable = 7;
    form.show();
    QCOMPARE(form.loads, 1);
    form.show();
    QCOMPARE(form.loads, 1);
    QPointer<QLabel> label = form.Label1;
    form.unload();
    QCOMPARE(form.unloads, 1);
    QVERIFY(!form.isLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(label.isNull());
    QCOMPARE(form.variable, 7);
    form.window();
    QCOMPARE(form.loads, 2);
    QVERIFY(form.Label1);
    QVERIFY(!form.window()->isVisible());
}

void TstPlatform::unloadStopsTimersAtOnce()
{
    CountingForm form;
    form.show();
    form.Timer1->setEnabled(true);
    QTRY_VERIFY(form.ticks > 0);
    QWidget *window = form.window();
    form.unload();
    QVERIFY(!window->isVisible());
    const int ticks = form.ticks;
    QTest::qWait(60);
    QCOMPARE(form.ticks, ticks);
}

void TstPlatform::destructionWaitsForTheRunningHandler()
{
    CountingForm form;
    form.show();
    QPointer<QLabel> label = form.Label1;
    bool labelAliveAfterUnload = false;
    form.runHandler([&] {
        form.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        labelAliveAfterUnload = !label.isNull();
        if (label)
            label->setText(QStringLiteral("still here"));
    });
    QVERIFY(labelAliveAfterUnload);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(label.isNull());
}

void TstPlatform::tickWaitingInAModalWindowIsNotEnteredAgain()
{
    CountingForm board;
    CountingForm modal;
    board.show();
    int depth = 0, deepest = 0;
    bool returnedAfterClose = false;
    board.onTick = [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        if (board.ticks == 1) {
            QTimer::singleShot(300, [&] { modal.unload(); });
            modal.showModal();
            returnedAfterClose = !modal.isLoaded();
        }
        --depth;
    };
    board.Timer1->setEnabled(true);
    QTRY_VERIFY(board.ticks >= 3);
    QCOMPARE(deepest, 1);
    QVERIFY(returnedAfterClose);
    QCOMPARE(modal.loads, 1);
}

void TstPlatform::closeRequestIsTheWindowsOwnRule()
{
    CountingForm plain;
    ClosableForm closable;
    plain.show();
    closable.show();
    QVERIFY(!plain.window()->close());
    QVERIFY(plain.isLoaded());
    QTest::keyClick(plain.window(), Qt::Key_Escape);
    QVERIFY(plain.window()->isVisible());
    QWidget *w = closable.window();
    w->close();
    QVERIFY(!closable.isLoaded());
    QCOMPARE(closable.unloads, 1);
}

void TstPlatform::missingOrBrokenSoundIsNoError()
{
    TestProgram program;
    program.writeFile(QStringLiteral("sonidos/roto.wav"), QByteArray(200, '\x07'));
    SystemSound sound;
    QElapsedTimer timer;
    timer.start();
    for (const char *name : {"sonidos/roto.wav", "sonidos/no.wav", "sonidos/roto.wav"}) {
        sound.preload(program.path(QLatin1String(name)));
        sound.play(program.path(QLatin1String(name)));
    }
    QVERIFY(timer.elapsed() < 500);
}

QTEST_MAIN(TstPlatform)
#include "tst_platform.moc"
