#include "board/form2.h"
#include "common/module1.h"
#include "fakes.h"
#include "setup/form1.h"
#include "windows/flow.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/form5.h"
#include "windows/form6.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>

namespace
{

template <typename W = QWidget> W *control(Form &form, const QString &name)
{
    W *w = form.window()->findChild<W *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

void click(Form &form, const QString &name)
{
    QTest::mouseClick(control(form, name), Qt::LeftButton);
}

QStringList resultLines()
{
    QStringList lines;
    for (int i = 0; i < form6().List1->count(); ++i)
        lines << form6().List1->item(i)->text();
    return lines;
}

// Runs `step` once, from the event loop, as soon as `ready` holds.
void whenReady(std::function<bool()> ready, std::function<void()> step)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, ready, step] {
        if (!ready())
            return;
        poll->stop();
        poll->deleteLater();
        step();
    });
    poll->start(5);
}

bool gameOverShowing()
{
    return form4().isLoaded() && form4().window()->isVisible();
}

// What the player sees on the game-over window and in the list when it shows.
struct GameOverView {
    QString seconds;
    QString boardSeconds;
    QStringList lines;
    bool boardStillOpen = false;
};

// Clicks both cards of every pair of the board, the 200 ms timer ticking after each
// pair, and returns the board's seconds-left caption as it was when the last pair was
// found. The last tick waits in the game-over window until the test presses `button`.
QString playToTheEnd(GameOverView &view, const QString &button)
{
    Form2 &board = form2();
    std::map<QString, std::vector<int>> pairs;
    for (std::size_t k = 0; k < board.Image1.size(); ++k) {
        if (board.Image1[k]->isVisible())
            pairs[board.game().cardKey(k)].push_back(int(k));
    }
    QString frozen;
    whenReady(gameOverShowing, [&view, button] {
        view.seconds = control<QLabel>(form4(), QStringLiteral("Label1_1"))->text();
        view.boardSeconds = form2().secondsLeftCaption();
        view.boardStillOpen = form2().isLoaded();
        view.lines = resultLines();
        click(form4(), button);
        // The counting program leaves the windows open where the real run would have
        // ended: the test takes the game-over window away so that its modal wait ends.
        if (form4().isLoaded())
            form4().unload();
    });
    std::size_t left = pairs.size();
    for (const auto &[key, cards] : pairs) {
        QTest::mouseClick(board.Image1[std::size_t(cards[0])], Qt::LeftButton);
        QTest::mouseClick(board.Image1[std::size_t(cards[1])], Qt::LeftButton);
        if (--left == 0)
            frozen = board.secondsLeftCaption();
        board.Timer1->tick();
    }
    return frozen;
}

} // namespace

class TstFlow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { Module1::reset(); }

    void wholeRun();
    void setupClosedDuringTheGameOverPause();
};

void TstFlow::wholeRun()
{
    TestProgram program;
    FakeProgram &counting = program.program;
    program.writeLanguage(SpanishTexts);
    program.writeSet(QStringLiteral("animales"), 12);
    program.writeSet(QStringLiteral("barcos"), 10);

    form5().show();
    click(form5(), QStringLiteral("Command1"));
    QVERIFY(!form5().isLoaded());
    QVERIFY(form6().window()->isVisible());
    QTest::keyClicks(control(form3(), QStringLiteral("Text1_0")), QStringLiteral(" Ana "));
    click(form3(), QStringLiteral("Command2"));
    QCOMPARE(Module1::PlayerName, QStringLiteral(" Ana "));
    QVERIFY(form1().window()->isVisible());

    click(form1(), QStringLiteral("Command1_0"));
    click(form1(), QStringLiteral("Command2"));
    QVERIFY(form2().isLoaded());
    QVERIFY(!form3().isLoaded());
    QCOMPARE(form6().window()->windowTitle(), QStringLiteral(" Ana  - resultados"));
    QCOMPARE(form2().Image1.size(), std::size_t(12));
    form2().Timer2->setEnabled(false);
    for (int s = 0; s < 3; ++s)
        form2().Timer2->tick();

    GameOverView first;
    const QString frozen = playToTheEnd(first, QStringLiteral("Command1"));
    // 6 pairs start with 6 x 10 + 2^0 seconds; three have gone.
    QCOMPARE(frozen, QStringLiteral("58"));
    QCOMPARE(first.seconds, frozen);
    QCOMPARE(first.boardSeconds, frozen);
    QVERIFY(first.boardStillOpen);
    QCOMPARE(first.lines, QStringList{QStringLiteral("Con 6 parejas quedaban 58 segundos")});
    QVERIFY(!form2().isLoaded());
    QVERIFY(!form4().isLoaded());
    QVERIFY(form1().window()->isVisible());

    form1().Combo1->setEditText(QStringLiteral("barcos"));
    click(form1(), QStringLiteral("Command1_1"));
    click(form1(), QStringLiteral("Command2"));
    QVERIFY(form2().isLoaded());
    QCOMPARE(form2().Image1.size(), std::size_t(20));
    form2().Timer2->setEnabled(false);
    form2().Timer2->tick();

    GameOverView second;
    const QString frozenAgain = playToTheEnd(second, QStringLiteral("Command2"));
    QCOMPARE(frozenAgain, QStringLiteral("101"));
    QCOMPARE(second.seconds, frozenAgain);
    QCOMPARE(second.lines, (QStringList{QStringLiteral("Con 6 parejas quedaban 58 segundos"),
                                        QStringLiteral("Con 10 parejas quedaban 101 segundos")}));
    QCOMPARE(counting.ended, 1);
}

void TstFlow::setupClosedDuringTheGameOverPause()
{
    TestProgram program;
    FakeProgram &counting = program.program;
    program.writeSet(QStringLiteral("a"), 6);
    form3().show();
    control<QLineEdit>(form3(), QStringLiteral("Text1_0"))->setText(QStringLiteral("Ana"));
    click(form3(), QStringLiteral("Command2"));
    click(form1(), QStringLiteral("Command1_0"));
    click(form1(), QStringLiteral("Command2"));
    QVERIFY(form2().isLoaded());

    // Closing the setup window while the game-over window still pauses ends the run.
    whenReady([] { return form4().isLoaded() && !form4().window()->isVisible(); },
              [] { form1().window()->close(); });
    GameOverView view;
    playToTheEnd(view, QStringLiteral("Command2"));
    QCOMPARE(counting.ended, 2);
    QVERIFY(!form1().isLoaded());
}

QTEST_MAIN(TstFlow)
#include "tst_flow.moc"
