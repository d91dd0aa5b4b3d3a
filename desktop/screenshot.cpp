// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes the AppStream screenshot from the game itself: the board of 12 pairs of the set
// "colores" for the player "Ana", dealt from a fixed seed with the first card clicked, and
// saves the X server's whole screen. scripts/screenshot runs it on a virtual X server.
//
//   zindle_screenshot PROGRAM_FOLDER OUT.png
#include "realservices.h"
#include "run/run.h"
#include "windows/boardwindow.h"
#include "windows/setupwindow.h"
#include "windows/windowflow.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace
{

constexpr int Pairs = 12;
const QString SetName = QStringLiteral("colores");
const QString PlayerName = QStringLiteral("Ana");
constexpr quint32 Seed = 2026;

// Deals the same board whenever the board seeds it.
class FixedRandom : public Random
{
public:
    void seedFromClock() override { m_generator.seed(Seed); }
    double draw() override { return m_generator.generateDouble(); }

private:
    QRandomGenerator m_generator;
};

// The board's time stands still while the screen is read.
class StillClock : public SystemClock
{
public:
    std::unique_ptr<ClockTimer> startTimer(std::chrono::milliseconds, bool,
                                           std::function<void()>) override
    {
        return std::make_unique<ClockTimer>();
    }
};

// A screenshot needs no sound, nor a sound system to play one.
class Silence : public Sound
{
public:
    void preload(const QString &) override {}
    void play(const QString &) override {}
};

void click(QWidget *widget)
{
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, {});
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

bool fail(const char *what)
{
    std::fprintf(stderr, "zindle_screenshot: %s\n", what);
    return false;
}

bool showBoard(WindowFlow &flow)
{
    Run &run = flow.run();
    const auto &pairs = PairCounts::PairsForChoice;
    flow.setupWindow();
    run.choice().setPairChoice(int(std::find(pairs.begin(), pairs.end(), Pairs) - pairs.begin()));
    run.player().setName(PlayerName);
    auto *setBox = flow.setupWindow().window()->findChild<QComboBox *>(QStringLiteral("setBox"));
    if (setBox->findText(SetName) < 0)
        return fail("the program folder has no set \"colores\"");
    setBox->setEditText(SetName);
    flow.playChosen();
    return true;
}

// Once dealt: the clock shows the first second gone, and the first card is clicked.
bool clickFirstCard(WindowFlow &flow)
{
    Run &run = flow.run();
    BoardWindow &board = flow.boardWindow();
    if (!board.isShown() || run.board().pairCount() != Pairs)
        return fail("the board did not deal 12 pairs");
    run.board().clock().tick();
    click(board.cardImage(0));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER OUT.png\n", argv[0]);
        return 2;
    }
    StillClock clock;
    FixedRandom random;
    Silence silence;
    SystemScreen screen;
    SystemProgram program;
    Run run({&clock, &random, &silence, &screen, &program, QString::fromLocal8Bit(argv[1])});
    WindowFlow flow(run);
    QObject::connect(&run.opening(), &BoardOpening::notDealt, &app, [] {
        fail("the set was not dealt");
        QCoreApplication::exit(1);
    });
    QObject::connect(&run.opening(), &BoardOpening::dealt, &app, [&] {
        if (!clickFirstCard(flow))
            return QCoreApplication::exit(1);
        // Time for the X server to show the board before the screen is read.
        QTimer::singleShot(1000, &app, [&] {
            const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
            const bool saved = !shot.isNull() && shot.save(QString::fromLocal8Bit(argv[2]), "PNG");
            if (!saved)
                fail("could not read the screen or write the picture");
            QCoreApplication::exit(saved ? 0 : 1);
        });
    });
    if (!showBoard(flow))
        return 1;
    return app.exec();
}
