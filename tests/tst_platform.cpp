// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/workprogress.h"
#include "realservices.h"
#include "windowtesting.h"

#include <QAccessible>
#include <QMutex>
#include <QPushButton>
#include <QSemaphore>
#include <QTest>

// A window with a button whose handler the test gives.
struct ProbeWindow : ProgramWindow {
    using ProgramWindow::ProgramWindow;
    QPointer<QPushButton> button;
    std::function<void()> onClick;
    void buildControls() override
    {
        button = new QPushButton(this);
        connectHandler(button.data(), &QPushButton::clicked, [this] { onClick(); });
    }
};

class TstPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void systemTimersFireAsAsked()
    {
        // A single shot fires once, however long the run goes on; a later one ends the wait.
        SystemClock clock;
        int once = 0, done = 0;
        const auto single = clock.startTimer(std::chrono::milliseconds(5), false, [&] { ++once; });
        const auto last = clock.startTimer(std::chrono::milliseconds(300), false, [&] { ++done; });
        QTRY_VERIFY(done);
        QCOMPARE(once, 1);
    }

    void progressIsNamedWithItsShare_data()
    {
        // The bar's range, from 0, and value; what a screen reader says of the window.
        QTest::addColumn<QList<int>>("bar");
        QTest::addColumn<QString>("name");
        QTest::newRow("busy") << QList{0, 0} << "Dealing the cards…";
        QTest::newRow("not started") << QList{12, -1} << "Dealing the cards…";
        QTest::newRow("first") << QList{12, 0} << "Dealing the cards… 0 %";
        QTest::newRow("half") << QList{12, 6} << "Dealing the cards… 50 %";
        QTest::newRow("all") << QList{12, 12} << "Dealing the cards… 100 %";
    }

    void progressIsNamedWithItsShare()
    {
        QFETCH(QList<int>, bar);
        WorkProgress progress(nullptr, std::chrono::hours(1));
        progress.setRange(0, bar[0]);
        progress.setValue(bar[1]);
        QTEST(QAccessible::queryAccessibleInterface(&progress)->text(QAccessible::Name), "name");
    }

    void windowLifeCycle()
    {
        TestProgram program;
        QPointer<ProbeWindow> form = new ProbeWindow(program.flow.windowContext());
        form->build();
        form->showInFront();
        // Without a close control of its own the window stays.
        QVERIFY(!form->close() && form->isVisible());
        bool hiddenAndAlive = false;
        form->onClick = [&] {
            program.flow.close(*form);
            // The window stays for the handler that closed it.
            hiddenAndAlive = !form.isNull() && !form->isVisible();
        };
        QTest::mouseClick(form->button, Qt::LeftButton);
        QVERIFY(hiddenAndAlive);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }

    void soundsNeverWaitForTheOutput()
    {
        // A sound server that does not answer: every call waits until the test opens the gate.
        struct StuckOutput : SoundOutput {
            QSemaphore gate;
            QMutex mutex;
            QStringList calls;
            void call(const QString &what)
            {
                gate.acquire();
                gate.release();
                QMutexLocker lock(&mutex);
                calls << what;
            }
            void load(const QString &path) override { call("load " + path); }
            void play(const QString &path) override { call("play " + path); }
        };
        auto owned = std::make_unique<StuckOutput>();
        StuckOutput &output = *owned;
        SystemSound sound(std::move(owned));
        // Were a call to wait, the test would never open the gate.
        sound.preload("a");
        for (int i = 0; i < 3; ++i) {
            sound.play("a");
            sound.play("b");
        }
        output.gate.release();
        const auto seen = [&] {
            QMutexLocker lock(&output.mutex);
            return output.calls;
        };
        // Of the sounds asked for while it waited only the last one plays; a file loads once.
        QTRY_COMPARE(seen(), QStringList({"load a", "load b", "play b"}));
        sound.play("a");
        QTRY_COMPARE(seen(), QStringList({"load a", "load b", "play b", "play a"}));
    }
};

QTEST_MAIN(TstPlatform)
#include "tst_platform.moc"
