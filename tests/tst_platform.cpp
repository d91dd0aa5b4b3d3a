// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "realservices.h"
#include "windowtesting.h"

#include <QMutex>
#include <QPushButton>
#include <QSemaphore>
#include <QTest>

// A window with a button, counting what its handlers saw.
struct ProbeWindow : ProgramWindow {
    using ProgramWindow::ProgramWindow;
    int loads = 0, unloads = 0;
    QPointer<QPushButton> button;
    std::function<void()> onClick;
    void buildControls(WindowWidget *window) override
    {
        button = new QPushButton(window);
        connectHandler(button.data(), &QPushButton::clicked, [this] { onClick(); });
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
        ProbeWindow form(program.flow.windowContext());
        form.show();
        form.show();
        // Without a close control of its own the window stays.
        QVERIFY(!form.window()->close());
        QPointer<QPushButton> button = form.button;
        bool hiddenAndAlive = false;
        form.onClick = [&] {
            form.unload();
            // The old controls stay for the handler that unloaded them.
            hiddenAndAlive = !button.isNull() && !button->window()->isVisible();
        };
        QTest::mouseClick(form.button, Qt::LeftButton);
        form.unload();
        QVERIFY(hiddenAndAlive);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(button.isNull());
        // Loaded once before the first show, then again, hidden, when referred to after unload.
        QVERIFY(!form.window()->isVisible());
        QCOMPARE(QList({form.loads, form.unloads}), QList({2, 1}));
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
