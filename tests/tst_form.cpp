#include "platform/system/form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace
{

// A window with a label, a button and a 10 ms timer, counting what its handlers saw.
class ProbeForm : public Form
{
public:
    int loads = 0;
    int unloads = 0;
    int ticks = 0;
    int variable = 0;
    bool visibleDuringLoad = true;
    QPointer<QLabel> Label1;
    QPointer<QPushButton> Command1;
    FormTimer *Timer1 = nullptr;
    std::function<void()> onLoad = [] {};
    std::function<void()> onClick = [] {};
    std::function<void()> onTick = [] {};

protected:
    void buildControls(FormWindow *window) override
    {
        Label1 = new QLabel(window);
        Label1->setObjectName(QStringLiteral("Label1"));
        Command1 = new QPushButton(window);
        connectHandler(Command1.data(), &QPushButton::clicked, [this] { onClick(); });
        Timer1 = addTimer(10, false, [this] {
            ++ticks;
            onTick();
        });
    }
    void Form_Load() override
    {
        ++loads;
        visibleDuringLoad = window()->isVisible();
        onLoad();
    }
    void Form_Unload() override { ++unloads; }
    void controlsDestroyed() override { Timer1 = nullptr; }
};

// A window with a close control of its own.
class ClosableForm : public ProbeForm
{
public:
    int closeRequests = 0;
    void closeRequested() override
    {
        ++closeRequests;
        unload();
    }
};

void deleteDeferred()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TstForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadRunsOnceBeforeTheFirstShow();
    void showingAVisibleWindowBringsItToTheFront();
    void variablesSurviveUnloadAndReloadRunsLoadAgain();
    void unloadHidesAndStopsTimersForGood();
    void destructionWaitsForTheRunningHandler();
    void tickOpeningAModalWindowIsNotEnteredAgain();
    void modalShowOfAWindowThatUnloadsInItsLoadReturns();
    void onlyAWindowWithACloseControlCloses();
};

void TstForm::loadRunsOnceBeforeTheFirstShow()
{
    ProbeForm form;
    form.show();
    QCOMPARE(form.loads, 1);
    QVERIFY(!form.visibleDuringLoad);
    QVERIFY(form.window()->isVisible());
    form.show();
    QCOMPARE(form.loads, 1);
}

void TstForm::showingAVisibleWindowBringsItToTheFront()
{
    ProbeForm first;
    ProbeForm second;
    first.show();
    second.show();
    QTRY_COMPARE(QApplication::activeWindow(), second.window());
    first.show();
    QTRY_COMPARE(QApplication::activeWindow(), first.window());
    QCOMPARE(first.loads, 1);
}

void TstForm::variablesSurviveUnloadAndReloadRunsLoadAgain()
{
    ProbeForm form;
    form.show();
    form.variable = 7;
    QPointer<QLabel> label = form.Label1;
    form.unload();
    form.unload();
    QCOMPARE(form.unloads, 1);
    QVERIFY(!form.isLoaded());
    deleteDeferred();
    QVERIFY(label.isNull());

    // Referring to the window loads it again, hidden.
    QWidget *window = form.window();
    QCOMPARE(form.loads, 2);
    QVERIFY(!window->isVisible());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label1")), form.Label1.data());
    QCOMPARE(form.variable, 7);
}

void TstForm::unloadHidesAndStopsTimersForGood()
{
    ProbeForm form;
    form.show();
    form.Timer1->setEnabled(true);
    QTRY_VERIFY(form.ticks > 0);
    QWidget *window = form.window();
    form.onClick = [&] {
        FormTimer *timer = form.Timer1;
        form.unload();
        QVERIFY(!window->isVisible());
        QVERIFY(!timer->isEnabled());
        const int ticks = form.ticks;
        // The old controls are still there for this handler, but their timer stays still.
        timer->setEnabled(true);
        QTest::qWait(60);
        QCOMPARE(form.ticks, ticks);
    };
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QVERIFY(!form.isLoaded());
}

void TstForm::destructionWaitsForTheRunningHandler()
{
    ProbeForm form;
    form.show();
    QPointer<QLabel> label = form.Label1;
    bool aliveInTheHandler = false;
    form.onClick = [&] {
        form.unload();
        deleteDeferred();
        QTest::qWait(20);
        aliveInTheHandler = !label.isNull();
        if (label)
            label->setText(QStringLiteral("still here"));
    };
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QVERIFY(aliveInTheHandler);
    deleteDeferred();
    QVERIFY(label.isNull());
}

void TstForm::tickOpeningAModalWindowIsNotEnteredAgain()
{
    QObject scope;
    ProbeForm board;
    ProbeForm modal;
    board.show();
    int depth = 0;
    int deepest = 0;
    int ticksWhileModal = 0;
    bool modalWasActive = false;
    bool unloadedOnReturn = false;
    qint64 modalMs = 0;
    board.onTick = [&] {
        deepest = std::max(deepest, ++depth);
        if (board.ticks == 1) {
            // A restart gives Qt a fresh timer, which its own recursion check misses.
            board.Timer1->setEnabled(false);
            board.Timer1->setEnabled(true);
            QTimer::singleShot(300, &scope, [&] {
                modalWasActive = QApplication::activeModalWidget() == modal.window();
                ticksWhileModal = board.ticks;
                modal.unload();
            });
            QElapsedTimer elapsed;
            elapsed.start();
            modal.showModal();
            modalMs = elapsed.elapsed();
            unloadedOnReturn = !modal.isLoaded();
        }
        --depth;
    };
    board.Timer1->setEnabled(true);
    QTRY_VERIFY(board.ticks >= 3);
    QCOMPARE(ticksWhileModal, 1);
    QCOMPARE(deepest, 1);
    QVERIFY(modalWasActive);
    QVERIFY(unloadedOnReturn);
    QVERIFY(modalMs >= 290);
    QCOMPARE(modal.loads, 1);
}

void TstForm::modalShowOfAWindowThatUnloadsInItsLoadReturns()
{
    ProbeForm modal;
    modal.onLoad = [&] { modal.unload(); };
    // Should the modal loop run after all, this ends it so that the failure shows.
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [&] { modal.unload(); });
    rescue.start(1000);
    QElapsedTimer elapsed;
    elapsed.start();
    modal.showModal();
    QVERIFY(elapsed.elapsed() < 500);
    QCOMPARE(modal.unloads, 1);
}

void TstForm::onlyAWindowWithACloseControlCloses()
{
    ProbeForm plain;
    ClosableForm closable;
    plain.show();
    closable.show();
    QVERIFY(!plain.window()->windowHandle()->close());
    QVERIFY(plain.window()->isVisible());
    QCOMPARE(plain.unloads, 0);

    QTest::keyClick(closable.window(), Qt::Key_Escape);
    QTest::keyClick(closable.Command1, Qt::Key_Escape);
    QVERIFY(closable.window()->isVisible());
    QCOMPARE(closable.closeRequests, 0);

    closable.window()->windowHandle()->close();
    QCOMPARE(closable.closeRequests, 1);
    QCOMPARE(closable.unloads, 1);
    QVERIFY(!closable.isLoaded());
}

QTEST_MAIN(TstForm)
#include "tst_form.moc"
