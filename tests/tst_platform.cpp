// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "realservices.h"
#include "windowtesting.h"

#include <QMutex>
#include <QPushButton>
#include <QSemaphore>
#include <QTest>
#include <QTimer>

// A window with a button and a 10 ms timer, counting what its handlers saw.
struct ProbeWindow : ProgramWindow {
    using ProgramWindow::ProgramWindow;
    int loads = 0, unloads = 0, ticks = 0;
    QPointer<QPushButton> button;
    WindowTimer *timer = nullptr;
    std::function<void()> onClick, onTick = [] {};
    void buildControls(WindowWidget *window) override
    {
        button = new QPushButton(window);
        connectHandler(button.data(), &QPushButton::clicked, [this] { onClick(); });
        timer = addTimer(10, false, [this] { ++ticks, onTick(); });
    }
    // A load while the window shows would count a hundred.
    void onLoad() override { loads += window()->isVisible() ? 100 : 1; }
    void onUnload() override { ++unloads; }
};

class TstPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windowLifeCycle()
    {
        TestProgram program;
        ProbeWindow form(program.flow);
        form.show();
        form.show();
        form.timer->setEnabled(true);
        QTRY_VERIFY(form.ticks > 0);
        // Without a close control of its own the window stays.
        QVERIFY(!form.window()->close());
        QPointer<QPushButton> button = form.button;
        bool stillAndAlive = false;
        int ticks = 0;
        form.onClick = [&] {
            WindowTimer *timer = form.timer;
            form.unload();
            ticks = form.ticks;
            // The old controls stay for this handler, but their timer stays still.
            timer->setEnabled(true);
            QTest::qWait(60);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            stillAndAlive = !button.isNull() && !timer->isEnabled() && form.ticks == ticks;
        };
        QTest::mouseClick(form.button, Qt::LeftButton);
        form.unload();
        QVERIFY(stillAndAlive);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(button.isNull());
        // Loaded once before the first show, then again, hidden, when referred to after unload.
        QVERIFY(!form.window()->isVisible());
        QCOMPARE(QList({form.loads, form.unloads}), QList({2, 1}));
    }

    void tickOpeningAModalWindowIsNotEnteredAgain()
    {
        TestProgram program;
        ProbeWindow board(program.flow), modal(program.flow);
        board.show();
        int depth = 0, deepest = 0, ticksWhileModal = 0;
        board.onTick = [&] {
            deepest = std::max(deepest, ++depth);
            if (board.ticks == 1) {
                // A restart gives Qt a fresh timer, which its own recursion check misses.
                board.timer->setEnabled(false);
                board.timer->setEnabled(true);
                QTimer::singleShot(200, &board, [&] {
                    ticksWhileModal = board.ticks;
                    modal.unload();
                });
                modal.showModal();
            }
            --depth;
        };
        board.timer->setEnabled(true);
        QTRY_VERIFY(board.ticks >= 3);
        QCOMPARE(QList({ticksWhileModal, deepest, modal.unloads}), QList({1, 1, 1}));
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
