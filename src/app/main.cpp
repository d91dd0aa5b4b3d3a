// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/xdgfolders.h"
#include "platform/programfolder.h"
#include "realservices.h"
#include "run/run.h"
#include "screen/fitting.h"
#include "settings/preferences.h"
#include "texts/languagefile.h"
#include "translations.h"
#include "windows/windowflow.h"

#include "logging.h"

#include <QAccessibleObject>
#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace
{

// An X server answers its clients' first request at once; one that has not answered by then
// never will.
constexpr int XServerAnswerMs = 3000;

// The probe's connection to the X server, held until Qt has its own: an X server whose last
// client leaves resets itself, and refuses the clients that come meanwhile.
xcb_connection_t *probeConnection = nullptr;

// Whether the X server that DISPLAY names answers in time. A server that accepts the
// connection and never answers would keep xcb_connect waiting for good, so it runs on a
// thread of its own that is left behind when it does not return.
bool xServerAnswers()
{
    // Shared with the probe, which may outlive this call.
    const auto connection = std::make_shared<std::atomic<xcb_connection_t *>>(nullptr);
    QThread *probe = QThread::create([connection] { *connection = xcb_connect(nullptr, nullptr); });
    probe->start();
    if (!probe->wait(QDeadlineTimer(XServerAnswerMs)))
        return false;
    delete probe;
    if (xcb_connection_has_error(*connection) != 0) {
        xcb_disconnect(*connection);
        return false;
    }
    if (probeConnection)
        xcb_disconnect(probeConnection);
    probeConnection = *connection;
    return true;
}

// Why the program cannot start: a text of the "Startup" context and what fills its %1.
// Translated only once the platform is known to be missing, by a core application of its
// own: none may live while the X server is probed.
struct StartFailure {
    const char *text;
    QString argument;
};

StartFailure noXServer(const QByteArray &display)
{
    return {QT_TRANSLATE_NOOP("Startup", "the X server of display %1 does not answer"),
            QString::fromLocal8Bit(display)};
}

// Says why the program cannot start, in one line in the player's language after the
// program's name, which starts the line in every language as it does in every command's
// messages, and ends it. Not exit(): the X server probe may still be waiting on its thread.
[[noreturn]] void cannotStart(int &argc, char *argv[], const StartFailure &failure)
{
    QCoreApplication app(argc, argv);
    installTranslations(currentLanguage(executableFolder()));
    QString why = QCoreApplication::translate("Startup", failure.text);
    if (!failure.argument.isNull())
        why = why.arg(failure.argument);
    std::fputs(qPrintable(QStringLiteral("zindle: ") + why + QLatin1Char('\n')), stderr);
    std::_Exit(1);
}

// Whether a Wayland compositor listens where the Wayland client library looks: the socket
// WAYLAND_DISPLAY names ("wayland-0" unless set), under XDG_RUNTIME_DIR unless a path, or
// the connection the session handed over in WAYLAND_SOCKET. Connecting to a socket of the
// file system answers at once, whether anything listens or not; a compositor too busy to
// accept at once still listens.
bool waylandCompositorAnswers(QString *socketPath)
{
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
        return true;
    QByteArray path = qgetenv("WAYLAND_DISPLAY");
    if (path.isEmpty())
        path = "wayland-0";
    if (!path.startsWith('/')) {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        path = runtime.isEmpty() ? QByteArray() : runtime + '/' + path;
    }
    *socketPath = QString::fromLocal8Bit(path.isEmpty() ? qgetenv("WAYLAND_DISPLAY") : path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const bool answers =
        ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 ||
        errno == EAGAIN;
    ::close(fd);
    return answers;
}

// The names Qt's platform plugins answer to ("xcb", "wayland", "offscreen" ...), read from
// the plugins' metadata without loading them.
QStringList platformNames()
{
    QStringList folders{QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                        QStringLiteral("/platforms")};
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM_PLUGIN_PATH"))
        folders.prepend(qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"));
    QStringList names;
    for (const QString &folder : folders) {
        for (const QString &file : QDir(folder).entryList({QStringLiteral("*.so")}, QDir::Files)) {
            const QJsonObject meta = QPluginLoader(folder + QLatin1Char('/') + file)
                                         .metaData()
                                         .value(u"MetaData")
                                         .toObject();
            for (const QJsonValue &key : meta.value(u"Keys").toArray())
                names << key.toString().toLower();
        }
    }
    return names;
}

// Qt ends the program with an abort when the platform it is asked for cannot start, so the
// platforms that QT_QPA_PLATFORM (or -platform) lists, "wayland;xcb" say, are tried here
// first: the first that can start is the one Qt gets; with none, why the first cannot.
std::optional<StartFailure> checkChosenPlatform(const QString &chosen)
{
    const QStringList known = platformNames();
    const StartFailure unknown{
        QT_TRANSLATE_NOOP("Startup", "no display: Qt has no platform called %1"), chosen};
    std::optional<StartFailure> first;
    for (const QString &entry : chosen.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
        std::optional<StartFailure> failure;
        QString socketPath;
        if (!known.isEmpty() && !known.contains(name))
            failure = StartFailure{unknown.text, name};
        else if (name.startsWith(QLatin1String("wayland")) &&
                 !waylandCompositorAnswers(&socketPath))
            failure = StartFailure{
                QT_TRANSLATE_NOOP("Startup", "no display: no Wayland compositor answers at %1"),
                socketPath.isEmpty() ? QStringLiteral("XDG_RUNTIME_DIR") : socketPath};
        else if (name == QLatin1String("xcb") && qEnvironmentVariableIsEmpty("DISPLAY"))
            failure =
                StartFailure{QT_TRANSLATE_NOOP("Startup", "no display: DISPLAY is not set"), {}};
        else if (name == QLatin1String("xcb") && !xServerAnswers())
            failure = noXServer(qgetenv("DISPLAY"));
        if (!failure) {
            qputenv("QT_QPA_PLATFORM", entry.toLocal8Bit());
            return std::nullopt;
        }
        if (!first)
            first = failure;
    }
    return first.value_or(unknown);
}

// The window flow needs windows that place themselves, come to the front on request and
// stay above the board while modal; only an X server gives a client all three. Where the
// session offers one (XWayland included) and the player chose no platform, run on it, else
// on Wayland. With neither, why not.
std::optional<StartFailure> choosePlatform(const QString &platformArgument)
{
    if (!platformArgument.isEmpty())
        qputenv("QT_QPA_PLATFORM", platformArgument.toLocal8Bit());
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return checkChosenPlatform(qEnvironmentVariable("QT_QPA_PLATFORM"));
    const QByteArray display = qgetenv("DISPLAY");
    if (!display.isEmpty() && xServerAnswers()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return std::nullopt;
    }
    QString socketPath;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        if (waylandCompositorAnswers(&socketPath))
            return std::nullopt;
        return StartFailure{
            QT_TRANSLATE_NOOP("Startup", "no display: no Wayland compositor answers at %1"),
            socketPath};
    }
    if (display.isEmpty())
        return StartFailure{
            QT_TRANSLATE_NOOP("Startup", "no display: neither DISPLAY nor WAYLAND_DISPLAY is set"),
            {}};
    return noXServer(display);
}

// Qt takes QT_SCALE_FACTOR as it comes: a negative one crashes the program, zero or one
// that is not a number shows no window, a tiny one a window of a pixel. Such a factor is
// left out; one below MinScaleFactor, where no text can be read, is raised to it, and one
// above MaxScaleFactor lowered (twice what the densest screens ask): fitToScreen then
// shrinks what is still too big for the screen.
constexpr double MinScaleFactor = 0.5;
constexpr double MaxScaleFactor = 8;

void checkScaleFactor()
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    const QByteArray value = qgetenv("QT_SCALE_FACTOR");
    bool isNumber = false;
    const double factor = value.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(factor) || factor <= 0) {
        qCWarning(startupLog) << "QT_SCALE_FACTOR" << value << "is not a positive number: left out";
        qunsetenv("QT_SCALE_FACTOR");
    } else if (factor < MinScaleFactor || factor > MaxScaleFactor) {
        const double clamped = std::clamp(factor, MinScaleFactor, MaxScaleFactor);
        qCWarning(startupLog) << "QT_SCALE_FACTOR" << factor << "taken as" << clamped;
        qputenv("QT_SCALE_FACTOR", QByteArray::number(clamped));
    }
}

// Qt's own options, which QApplication takes out of the arguments itself: known here only
// so that they are not refused.
void addQtOptions(QCommandLineParser &parser)
{
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "display", "name",
                             "title", "style", "stylesheet", "session", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// What the command line asks for.
struct CommandLine {
    // --clock or --no-clock, kept as the player's preference.
    std::optional<bool> withClock;
    // -platform, which Qt prefers to QT_QPA_PLATFORM.
    QString platform;
};

// --help and --version answer, in the player's language, and an option the game does not
// know ends it with a line and status 2, all before any display is looked for. A core
// application of its own serves the translations.
CommandLine readCommandLine(int &argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    installTranslations(currentLanguage(executableFolder()));
    QCommandLineParser parser;
    // Qt's options start with one dash: "-platform xcb".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "Startup", "Pairs game: find the pictures that belong together"));
    const QCommandLineOption noClock(
        QStringLiteral("no-clock"),
        QCoreApplication::translate("Startup", "Play at your own pace: the clock counts the "
                                               "seconds played and never runs out."));
    const QCommandLineOption clock(
        QStringLiteral("clock"), QCoreApplication::translate("Startup", "Play against the clock."));
    parser.addOptions({noClock, clock});
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    addQtOptions(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fputs(qPrintable(QStringLiteral("zindle: ") + parser.errorText() + QLatin1Char('\n')),
                   stderr);
        std::exit(2);
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    CommandLine line;
    if (parser.isSet(noClock) || parser.isSet(clock))
        line.withClock = !parser.isSet(noClock);
    line.platform = parser.value(QStringLiteral("platform"));
    return line;
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
bool playsWithClock(std::optional<bool> asked)
{
    Preferences preferences;
    if (asked)
        preferences.setNoClock(!*asked);
    return !preferences.noClock();
}

} // namespace

int main(int argc, char *argv[])
{
    // The preferences' file: ~/.config/zindle/zindle.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("zindle"));
    QCoreApplication::setApplicationName(QStringLiteral("zindle"));
    ignoreRelativeXdgFolders();
    QCoreApplication::setApplicationVersion(QStringLiteral(ZINDLE_VERSION));
    const CommandLine commandLine = readCommandLine(argc, argv);
    checkScaleFactor();
    if (const std::optional<StartFailure> failure = choosePlatform(commandLine.platform))
        cannotStart(argc, argv, *failure);
    // Qt takes its own options out of argv.
    std::vector<char *> arguments(argv, argv + argc + 1);
    QAccessible::installFactory(GameAccessible::factory);
    QApplication app(argc, argv);
    if (probeConnection)
        xcb_disconnect(probeConnection);
    fitToScreen(arguments.data());
    QGuiApplication::setDesktopFileName(QStringLiteral(ZINDLE_APP_ID));
    // The run ends only in the ways the window flow names, never because the last
    // visible window closed.
    app.setQuitOnLastWindowClosed(false);
    SystemServices system;
    Run run(system.services());
    installTranslations(run.texts().choice());
    run.choice().setWithClock(playsWithClock(commandLine.withClock));
    WindowFlow flow(run);
    flow.start();
    return app.exec();
}
