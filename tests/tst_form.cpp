#include "platform/form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace
{

// A window with a label, a button and a timer, counting what its handlers saw.
class ProbeForm : public Form
{
public:
    int loads = 0;
    int unloads = 0;
    bool visibleDuringLoad = true;
    int variable = 0;
    int ticks = 0;
    QPointer<QLabel> Label1;
    QPointer<QPushButton> Command1;
    FormTimer *Timer1 = nullptr;
    std::function<void()> onLoad;
    std::function<void()> onClick;
    std::function<void()> onTick;

protected:
    void buildControls(FormWindow *window) override
    {
        Label1 = new QLabel(window);
        Label1->setObjectName(QStringLiteral("Label1"));
        Command1 = new QPushButton(window);
        Command1->setObjectName(QStringLiteral("Command1"));
        connectHandler(Command1.data(), &QPushButton::clicked, [this] {
            if (onClick)
                onClick();
        });
        Timer1 = addTimer(10, false, [this] {
            ++ticks;
            if (onTick)
                onTick();
        });
    }
    void Form_Load() override
    {
        ++loads;
        visibleDuringLoad = window()->isVisible();
        if (onLoad)
            onLoad();
    }
    void Form_Unload() override { ++unloads; }
    void controlsDestroyed() override { Timer1 = nullptr; }
};

// A window with a close control of its own: the window manager's close unloads it.
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
    void unloadHidesAndStopsTimersAtOnce();
    void aTimerOfAnUnloadedWindowCannotStartAgain();
    void destructionWaitsForTheRunningHandler();
    void tickOpeningAModalWindowIsNotEnteredAgain();
    void modalShowOfAWindowThatUnloadsInItsLoadReturns();
    void closeRequestIsIgnoredUnlessTheWindowHasACloseControl();
    void escapeDoesNotCloseAWindow();
};

void TstForm::loadRunsOnceBeforeTheFirstShow()
{
    ProbeForm form;
    QVERIFY(!form.isLoaded());
    form.show();
    QCOMPARE(form.loads, 1);
    QVERIFY(!form.visibleDuringLoad);
    QVERIFY(form.window()->isVisible());
    form.show();
    form.load();
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
    QVERIFY(second.window()->isVisible());
}

void TstForm::variablesSurviveUnloadAndReloadRunsLoadAgain()
{
    ProbeForm form;
    form.show();
    form.variable = 7;
    QPointer<QLabel> label = form.Label1;
    form.unload();
    QCOMPARE(form.unloads, 1);
    QVERIFY(!form.isLoaded());
    deleteDeferred();
    QVERIFY(label.isNull());
    QCOMPARE(form.variable, 7);

    form.unload();
    QCOMPARE(form.unloads, 1);

    // Referring to the window loads it again, hidden.
    QWidget *window = form.window();
    QCOMPARE(form.loads, 2);
    QVERIFY(!window->isVisible());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label1")), form.Label1.data());
    QCOMPARE(form.variable, 7);
}

void TstForm::unloadHidesAndStopsTimersAtOnce()
{
    ProbeForm form;
    form.show();
    form.Timer1->setEnabled(true);
    QTRY_VERIFY(form.ticks > 0);
    QPointer<QWidget> window = form.window();
    QPointer<FormTimer> timer = form.Timer1;
    form.runHandler([&] {
        form.unload();
        QVERIFY(!window->isVisible());
        QVERIFY(!timer->isEnabled());
    });
    const int ticks = form.ticks;
    QTest::qWait(60);
    QCOMPARE(form.ticks, ticks);
}

void TstForm::aTimerOfAnUnloadedWindowCannotStartAgain()
{
    ProbeForm form;
    form.show();
    form.onClick = [&] {
        FormTimer *timer = form.Timer1;
        form.unload();
        // The handler still runs on its controls, which are not destroyed yet.
        timer->setEnabled(true);
        QTest::qWait(60);
        QVERIFY(!timer->isEnabled());
    };
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QCOMPARE(form.ticks, 0);
}

void TstForm::destructionWaitsForTheRunningHandler()
{
    ProbeForm form;
    form.show();
    QPointer<QLabel> label = form.Label1;
    QPointer<QWidget> window = form.window();
    bool aliveInTheHandler = false;
    form.onClick = [&] {
        form.unload();
        QVERIFY(!window->isVisible());
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
    QVERIFY(window.isNull());
    QVERIFY(!form.isLoaded());
}

void TstForm::tickOpeningAModalWindowIsNotEnteredAgain()
{
    QObject scope;
    ProbeForm board;
    ProbeForm modal;
    board.show();
    int entries = 0;
    int depth = 0;
    int deepest = 0;
    int ticksDuringModal = 0;
    bool modalWasActive = false;
    bool unloadedWhenReturned = false;
    qint64 modalMs = 0;
    board.onTick = [&] {
        ++entries;
        deepest = std::max(deepest, ++depth);
        if (entries == 1) {
            // Restarting gives Qt a fresh timer, which Qt's own recursion check does not
            // cover, as when the handler enables its timer again.
            board.Timer1->setEnabled(false);
            board.Timer1->setEnabled(true);
            QElapsedTimer elapsed;
            elapsed.start();
            QTimer::singleShot(300, &scope, [&] {
                modalWasActive = QApplication::activeModalWidget() == modal.window();
                ticksDuringModal = entries;
                modal.unload();
            });
            modal.showModal();
            modalMs = elapsed.elapsed();
            unloadedWhenReturned = !modal.isLoaded();
        }
        --depth;
    };
    board.Timer1->setEnabled(true);
    QTRY_VERIFY(entries >= 3);
    QCOMPARE(ticksDuringModal, 1);
    QCOMPARE(deepest, 1);
    QVERIFY(modalWasActive);
    QVERIFY(unloadedWhenReturned);
    QVERIFY(modalMs >= 290);
    QCOMPARE(modal.loads, 1);
    QCOMPARE(modal.unloads, 1);
}

void TstForm::modalShowOfAWindowThatUnloadsInItsLoadReturns()
{
    ProbeForm modal;
    modal.onLoad = [&] { modal.unload(); };
    // Should the modal loop run, this ends it so that the failure shows.
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [&] { modal.unload(); });
    rescue.start(1000);
    QElapsedTimer elapsed;
    elapsed.start();
    modal.showModal();
    QVERIFY(elapsed.elapsed() < 500);
    QVERIFY(!modal.isLoaded());
    QCOMPARE(modal.unloads, 1);
}

void TstForm::closeRequestIsIgnoredUnlessTheWindowHasACloseControl()
{
    ProbeForm plain;
    ClosableForm closable;
    plain.show();
    closable.show();

    QVERIFY(!plain.window()->windowHandle()->close());
    QVERIFY(plain.isLoaded());
    QVERIFY(plain.window()->isVisible());
    QCOMPARE(plain.unloads, 0);

    QPointer<QWidget> window = closable.window();
    window->windowHandle()->close();
    QCOMPARE(closable.closeRequests, 1);
    QCOMPARE(closable.unloads, 1);
    QVERIFY(!closable.isLoaded());
    deleteDeferred();
    QVERIFY(window.isNull());
}

void TstForm::escapeDoesNotCloseAWindow()
{
    ClosableForm form;
    form.show();
    QTest::keyClick(form.window(), Qt::Key_Escape);
    QTest::keyClick(form.Command1, Qt::Key_Escape);
    QVERIFY(form.isLoaded());
    QVERIFY(form.window()->isVisible());
    QCOMPARE(form.closeRequests, 0);
}

QTEST_MAIN(TstForm)
#include "tst_form.moc"
