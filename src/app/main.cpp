// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/programfolder.h"
#include "realservices.h"
#include "run/run.h"
#include "screen/fitting.h"
#include "settings/preferences.h"
#include "texts/languagefile.h"
#include "translations.h"
#include "windows/windowflow.h"

#include <QAccessibleObject>
#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace
{

// An X server answers its clients' first request at once; one that has not answered by then
// never will.
constexpr int XServerAnswerMs = 3000;

// Whether the X server that DISPLAY names answers in time. A server that accepts the
// connection and never answers would keep xcb_connect waiting for good, so it runs on a
// thread of its own that is left behind when it does not return.
bool xServerAnswers()
{
    // Shared with the probe, which may outlive this call.
    const auto reachable = std::make_shared<std::atomic<bool>>(false);
    QThread *probe = QThread::create([reachable] {
        xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
        *reachable = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
    });
    probe->start();
    if (!probe->wait(QDeadlineTimer(XServerAnswerMs)))
        return false;
    delete probe;
    return *reachable;
}

// Why the program cannot start, one line in the player's language after the program's name,
// which starts the line in every language as it does in every command's messages.
QString noDisplayLine(const QByteArray &display)
{
    const QString why =
        display.isEmpty()
            ? QCoreApplication::translate("Startup",
                                          "no display: neither DISPLAY nor WAYLAND_DISPLAY is set")
            : QCoreApplication::translate("Startup", "the X server of display %1 does not answer")
                  .arg(QString::fromLocal8Bit(display));
    return QStringLiteral("zindle: ") + why + QLatin1Char('\n');
}

// The window flow needs windows that place themselves, come to the front on request and
// stay above the board while modal; only an X server gives a client all three. Where the
// session offers one (XWayland included) and the player chose no platform, run on it, else
// on Wayland. With neither the program says so in one line and ends; only to say it in the
// player's language does it start Qt, without a platform.
void choosePlatform(int &argc, char *argv[])
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const QByteArray display = qgetenv("DISPLAY");
    if (!display.isEmpty() && xServerAnswers()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return;
    }
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    QCoreApplication app(argc, argv);
    installTranslations(currentLanguage(executableFolder()));
    std::fputs(qPrintable(noDisplayLine(display)), stderr);
    // Not exit(): the X server probe may still be waiting on its thread.
    std::_Exit(1);
}

// On a screen too small for the windows at the scale the session asked for, the program
// starts once more with the whole interface scaled down, so that every control can be
// reached by mouse: Qt takes its scale only as it starts. Below one device pixel a logical
// pixel Qt draws controls cut off, so the interface shrinks at most to the screen's own
// pixels. The marker keeps it to one new start.
void fitToScreen(char *argv[])
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || qEnvironmentVariableIsSet("ZINDLE_SCALED"))
        return;
    const double ratio = screen->devicePixelRatio();
    const double fitted = std::max(1.0, ratio * fittingScale(screen->availableGeometry().size()));
    if (fitted >= ratio)
        return;
    bool isNumber = false;
    double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&isNumber);
    if (!isNumber || factor <= 0)
        factor = 1;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor * fitted / ratio));
    qputenv("ZINDLE_SCALED", "1");
    ::execv("/proc/self/exe", argv);
}

// The game to assistive tools: its name and what it is, where Qt would give the program's
// path.
class GameAccessible : public QAccessibleApplication
{
public:
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return QCoreApplication::translate(
                "Startup", "Pairs game: find the pictures that belong together");
        return t == QAccessible::Name ? QStringLiteral("Zindle") : QAccessibleApplication::text(t);
    }

    static QAccessibleInterface *factory(const QString &, QObject *object)
    {
        return object == QCoreApplication::instance() ? new GameAccessible : nullptr;
    }
};

// Whether the run plays with the clock: --no-clock and --clock choose and keep the choice
// as the player's preference, so that the menu's "Play without a clock" lasts; without
// either, the preference decides, and the design's countdown unless one was set.
bool playsWithClock(const QApplication &app)
{
    QCommandLineParser parser;
    const QCommandLineOption noClock(
        QStringLiteral("no-clock"),
        QCoreApplication::translate("Startup", "Play at your own pace: the clock counts the "
                                               "seconds played and never runs out."));
    const QCommandLineOption clock(
        QStringLiteral("clock"), QCoreApplication::translate("Startup", "Play against the clock."));
    parser.addOptions({noClock, clock});
    parser.addHelpOption();
    parser.process(app);
    Preferences preferences;
    if (parser.isSet(noClock) || parser.isSet(clock))
        preferences.setNoClock(parser.isSet(noClock));
    return !preferences.noClock();
}

} // namespace

int main(int argc, char *argv[])
{
    // The preferences' file: ~/.config/zindle/zindle.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("zindle"));
    QCoreApplication::setApplicationName(QStringLiteral("zindle"));
    choosePlatform(argc, argv);
    // Qt takes its own options out of argv.
    std::vector<char *> arguments(argv, argv + argc + 1);
    QAccessible::installFactory(GameAccessible::factory);
    QApplication app(argc, argv);
    fitToScreen(arguments.data());
    QGuiApplication::setDesktopFileName(QStringLiteral(ZINDLE_APP_ID));
    // The run ends only in the ways the window flow names, never because the last
    // visible window closed.
    app.setQuitOnLastWindowClosed(false);
    SystemServices system;
    Run run(system.services());
    installTranslations(run.texts().choice());
    run.choice().setWithClock(playsWithClock(app));
    WindowFlow flow(run);
    flow.start();
    return app.exec();
}
