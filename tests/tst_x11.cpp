// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/keyboardmark.h"
#include "sets/setlibrary.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
// Xlib's macros would clash with the test's generated code.
#undef Bool
#undef Status
#undef None

namespace
{

struct TopWindow {
    Window id = 0;
    QRect geometry;
};

// Waits until a window of this size has the keyboard focus, at most `timeout` ms; its
// geometry in root coordinates.
TopWindow waitForFocused(Display *display, QSize size, int timeout = 10000)
{
    TopWindow found;
    const auto focused = [&] {
        Window focus = 0, child = 0;
        int revert = 0, x = 0, y = 0;
        XWindowAttributes a;
        XSync(display, False);
        XGetInputFocus(display, &focus, &revert);
        if (focus <= PointerRoot || !XGetWindowAttributes(display, focus, &a) ||
            QSize(a.width, a.height) != size ||
            !XTranslateCoordinates(display, focus, DefaultRootWindow(display), 0, 0, &x, &y,
                                   &child))
            return false;
        found = {focus, QRect(x, y, a.width, a.height)};
        return true;
    };
    if (!QTest::qWaitFor(focused, timeout))
        return {};
    // The program takes the focus event a moment after the server moved the focus, and
    // nothing it shows tells when: keys sent before then are lost.
    QTest::qWait(100);
    return found;
}

QColor screenPixel(Display *display, QPoint at)
{
    XImage *image =
        XGetImage(display, DefaultRootWindow(display), at.x(), at.y(), 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return {};
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return QColor((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

// How many pixels of this colour the screen shows in the rectangle.
int pixelsOf(Display *display, QRect r, QColor colour)
{
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            count += screenPixel(display, {x, y}) == colour;
    }
    return count;
}

// The centre of card k of a 6-pair board on a monitor, from the grid in twips.
QPoint cardCentre(const QRect &monitor, int k)
{
    const int w = monitor.width() * 15 / 4 - 150, h = monitor.height() * 15 / 3 - 150;
    return monitor.topLeft() +
           QPoint((360 + k % 4 * w + w / 2) / 15, (360 + k / 4 * h + h / 2) / 15);
}

const QSize SetupSize(580, 553);
const QSize GameOverSize(517, 308);
const QSize ListSize(608, 380);

// An X server of the test's own; the programs started on it end before it does, and the
// test's connection to it closes on every path out of the test (members end in reverse).
struct XSession {
    QProcess server;
    std::unique_ptr<Display, decltype(&XCloseDisplay)> x11{nullptr, &XCloseDisplay};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    std::deque<QProcess> programs;

    // Starts a command line, its words parted by single blanks.
    QProcess &run(const QString &command)
    {
        QStringList arguments = command.split(QLatin1Char(' '));
        QProcess &p = programs.emplace_back();
        p.setProcessEnvironment(env);
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(arguments.takeFirst(), arguments);
        return p;
    }
    bool tool(const QString &command)
    {
        QProcess &p = run(command);
        return p.waitForFinished(10000) && p.exitCode() == 0;
    }
    bool xdotool(const QString &arguments) { return tool(QStringLiteral("xdotool ") + arguments); }
    bool click(QPoint p)
    {
        return xdotool(QStringLiteral("mousemove %1 %2 click 1").arg(p.x()).arg(p.y()));
    }
};

// Plays the open 6-pair board to its end by keyboard, the mark on the first card: each card's
// partner is the other card of its colour.
void playByKeys(XSession &x, Display *x11, const QRect &monitor)
{
    std::vector<QColor> cards;
    for (int k = 0; k < 12; ++k)
        cards.push_back(screenPixel(x11, cardCentre(monitor, k)));
    std::vector<bool> clickable(12, true);
    int marked = 0;
    for (int k = 0; k < 12; ++k) {
        if (!clickable[std::size_t(k)])
            continue;
        const int partner = int(
            std::find(cards.begin() + k + 1, cards.end(), cards[std::size_t(k)]) - cards.begin());
        QVERIFY2(partner < 12, "a card without a partner");
        QString keys = QStringLiteral("key");
        for (int card : {k, partner}) {
            while (marked != card) {
                marked = moveCardMark(marked, MarkMove::Right, 4, clickable);
                keys += QStringLiteral(" Right");
            }
            keys += QStringLiteral(" space");
        }
        QVERIFY(x.xdotool(keys));
        clickable[std::size_t(k)] = clickable[std::size_t(partner)] = false;
        QTRY_VERIFY(screenPixel(x11, cardCentre(monitor, partner)) != cards[std::size_t(partner)]);
        // The pair gone, the mark goes on to the next card in play.
        marked = moveCardMark(marked, MarkMove::Right, 4, clickable);
    }
}

} // namespace

class TstX11 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void withoutDisplayEndsAtOnce_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::newRow("no DISPLAY") << false;
        QTest::newRow("a server that never answers") << true;
    }

    void withoutDisplayEndsAtOnce()
    {
        QFETCH(bool, silent);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        // The kernel accepts connections to a listening socket that nobody reads.
        QTcpServer silentServer;
        int display = 50;
        while (silent && display < 100 &&
               !silentServer.listen(QHostAddress::LocalHost, quint16(6000 + display)))
            ++display;
        if (silent)
            env.insert(QStringLiteral("DISPLAY"), QStringLiteral("127.0.0.1:%1").arg(display));
        QProcess zindle;
        zindle.setProcessEnvironment(env);
        zindle.start(QStringLiteral(ZINDLE_EXE), {});
        QVERIFY(zindle.waitForFinished(10000));
        QCOMPARE(zindle.exitCode(), 1);
        const QByteArray said = zindle.readAllStandardError();
        QVERIFY2(said.startsWith("zindle: ") && said.count('\n') == 1, said.constData());
    }

    void keyboardGameWithAListVisit_data()
    {
        // The window manager's command line.
        QTest::addColumn<QString>("wm");
        // The monitor the game plays on, at the screen's right edge: where it is not the whole
        // screen, the primary monitor lies left of it and the test moves the setup window there.
        QTest::addColumn<QRect>("monitor");
        QTest::addColumn<bool>("panel");
        // Games played one after the other through the game-over window's keep-playing button.
        QTest::addColumn<int>("games");
        const QRect whole(0, 0, 1280, 1024), second(1024, 0, 1024, 768);
        QTest::newRow("openbox, panel along the bottom")
            << QStringLiteral("openbox") << whole << true << 1;
        QTest::newRow("openbox, two monitors, setup on the second")
            << QStringLiteral("openbox") << second << false << 1;
        // xfwm4 lowers a full-screen window under the panels when another window takes the
        // keys, and keeps the focus where it was when a window only comes to the front.
        QTest::newRow("xfwm4, panel along the bottom")
            << QStringLiteral("xfwm4 --compositor=off") << whole << true << 1;
        // Neither xfwm4 (monitors set after it starts) nor mutter (it counts outputs) knows the
        // monitors here: both give full screen the whole desktop.
        QTest::newRow("xfwm4, two monitors, setup on the second")
            << QStringLiteral("xfwm4 --compositor=off") << second << false << 1;
        QTest::newRow("mutter, two monitors, ten games in a row")
            << QStringLiteral("mutter --x11 --replace") << second << false << 10;
    }

    void keyboardGameWithAListVisit()
    {
        QFETCH(QString, wm);
        QFETCH(QRect, monitor);
        QFETCH(bool, panel);
        QFETCH(int, games);
        const QSize screen(monitor.right() + 1, monitor.bottom() + 1);
        const bool twoMonitors = monitor.x() > 0;
        for (const QString &program :
             {QStringLiteral("Xvfb"), QStringLiteral("xdotool"), QStringLiteral("dbus-daemon"),
              wm.section(QLatin1Char(' '), 0, 0),
              QString::fromLatin1(twoMonitors ? "xrandr" : "Xvfb"),
              QString::fromLatin1(panel ? "tint2" : "Xvfb")})
            if (QStandardPaths::findExecutable(program).isEmpty())
                QSKIP(qPrintable(program + QStringLiteral(" is not installed")));
        // The server picks a free display and names it once it is ready.
        XSession x;
        x.server.start(QStringLiteral("Xvfb"),
                       QStringLiteral("-displayfd 1 -screen 0 %1x%2x24 -br -nolisten tcp")
                           .arg(screen.width())
                           .arg(screen.height())
                           .split(QLatin1Char(' ')));
        QVERIFY(x.server.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(x.server.canReadLine(), 10000);
        const QString display =
            QLatin1Char(':') + QString::fromLatin1(x.server.readLine()).trimmed();
        x.x11.reset(XOpenDisplay(display.toLocal8Bit().constData()));
        Display *const x11 = x.x11.get();
        QVERIFY(x11);
        // Windows come and go while the test looks at them.
        XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
        x.env.insert(QStringLiteral("DISPLAY"), display);

        QTemporaryDir folder;
        const QPoint underPanel(640, 1021);
        // A session bus of the test's own: without one, the programs would start theirs through
        // the X server, which dbus-launch holds while it looks for a bus there.
        QProcess &bus = x.run(QStringLiteral("dbus-daemon --session --nofork --print-address"));
        QTRY_VERIFY_WITH_TIMEOUT(bus.canReadLine(), 10000);
        x.env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                     QString::fromLatin1(bus.readLine()).trimmed());
        x.run(wm);
        QTRY_VERIFY_WITH_TIMEOUT(XGetSelectionOwner(x11, XInternAtom(x11, "WM_S0", False)), 10000);
        // Two monitors on one output, as a laptop and a projector, once the window manager runs;
        // the server keeps them while the test's connection stays open.
        for (int left = 0; twoMonitors && left < screen.width(); left += monitor.width())
            QVERIFY(
                x.tool(QStringLiteral("xrandr --setmonitor M%1 1024/270x768/200+%1+0 ").arg(left) +
                       QLatin1String(left ? "none" : "screen")));
        if (panel) {
            // An orange panel along the bottom edge, where the board's grid ends.
            QFile config(folder.filePath(QStringLiteral("tint2rc")));
            QVERIFY(config.open(QIODevice::WriteOnly) &&
                    config.write("rounded = 0\nborder_width = 0\nbackground_color = #ff8000 100\n"
                                 "panel_items = S\npanel_layer = normal\n"
                                 "panel_position = bottom center horizontal\n"
                                 "panel_size = 100% 40\npanel_background_id = 1\n") > 0 &&
                    config.flush());
            x.run(QStringLiteral("tint2 -c ") + config.fileName());
            QTRY_COMPARE_WITH_TIMEOUT(screenPixel(x11, underPanel), QColor(255, 128, 0), 10000);
        }

        // A program folder with a set of six pairs that the test tells apart: both pictures of a
        // pair in one colour.
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta, Qt::cyan};
        for (int i = 0; i < 12; ++i) {
            const QString dir =
                folder.filePath(QStringLiteral("%1/a/%2").arg(SetsFolderName).arg(i % 2 + 1));
            QImage picture(8, 8, QImage::Format_RGB32);
            picture.fill(colours[i / 2]);
            QVERIFY(QDir().mkpath(dir) && picture.save(dir + QStringLiteral("/%1.png").arg(i / 2)));
        }
        const QString exe = QStringLiteral(ZINDLE_EXE);
        QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("idioma"))));
        QVERIFY(QFile::copy(QFileInfo(exe).path() + QStringLiteral("/idioma/es/idioma.txt"),
                            folder.filePath(QStringLiteral("idioma/idioma.txt"))));
        QVERIFY(QFile::copy(exe, folder.filePath(QStringLiteral("zindle"))));

        // The program chooses its platform itself, the X server that DISPLAY names, and reads
        // neither the real user's sets nor their language file.
        for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_CONFIG_HOME",
                                 "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            x.env.remove(QLatin1String(name));
        x.env.insert(QStringLiteral("HOME"), folder.filePath(QStringLiteral("home")));
        x.env.insert(QStringLiteral("XDG_DATA_DIRS"), folder.filePath(QStringLiteral("share")));
        QProcess &zindle = x.run(folder.filePath(QStringLiteral("zindle")));
        QVERIFY(waitForFocused(x11, QSize(624, 568)).id);
        QVERIFY(x.xdotool(QStringLiteral("key Return")));
        QVERIFY(waitForFocused(x11, QSize(450, 309)).id);
        // Enter in the name box accepts the name.
        QVERIFY(x.xdotool(QStringLiteral("type Ana")) && x.xdotool(QStringLiteral("key Return")));
        const TopWindow setupFirst = waitForFocused(x11, SetupSize);
        if (twoMonitors) {
            QVERIFY(!monitor.contains(setupFirst.geometry));
            XMoveWindow(x11, setupFirst.id, monitor.x() + 200, 100);
            XFlush(x11);
        }
        // The window manager's word of the new place reaches the program before the keys
        // that follow.
        QTRY_VERIFY(monitor.contains(waitForFocused(x11, SetupSize, 0).geometry.center()));
        // Six pairs, then past the counts this set cannot deal to the play button; later games
        // start from the play button, which keeps the focus.
        QVERIFY(x.xdotool(QStringLiteral("key space Tab Return")));
        for (int game = 0; game < games; ++game) {
            if (game > 0)
                QVERIFY(x.xdotool(QStringLiteral("key Return")));
            // The board covers its monitor exactly, a panel included, once the window manager
            // has settled it: one may first show a new full-screen window elsewhere.
            QVERIFY(waitForFocused(x11, monitor.size()).id);
            QTRY_COMPARE(waitForFocused(x11, monitor.size(), 0).geometry, monitor);
            if (panel)
                QTRY_COMPARE(screenPixel(x11, underPanel), QColor(Qt::white));
            if (game == 0) {
                // The list window by keyboard opens on the board's monitor, its back button
                // marked while no game is listed, and the board stays over the panel; Escape
                // goes back, and the first arrow key moves the mark.
                QVERIFY(x.xdotool(QStringLiteral("key Tab Tab space")));
                const TopWindow list = waitForFocused(x11, ListSize);
                QVERIFY(monitor.contains(list.geometry));
                // The mark's black dashes along the top of the red back button.
                const QRect backMark(list.geometry.topLeft() + QPoint(550, 27), QSize(20, 2));
                QTRY_VERIFY(pixelsOf(x11, backMark, Qt::black) > 0);
                if (panel)
                    QCOMPARE(screenPixel(x11, underPanel), QColor(Qt::white));
                QVERIFY(x.xdotool(QStringLiteral("key Escape")));
                QVERIFY(waitForFocused(x11, monitor.size()).id);
            }
            // Along the left of the first card, the board's white: a fresh board shows no mark
            // until a key is pressed on it; the first arrow moves it on, the next brings its
            // dashes back there.
            const QRect cardMark(monitor.topLeft() + QPoint(22, 40), QSize(2, 100));
            QTRY_COMPARE(pixelsOf(x11, cardMark, Qt::white), 200);
            QCOMPARE(pixelsOf(x11, cardMark, Qt::black), 0);
            QVERIFY(x.xdotool(QStringLiteral("key Right")));
            QTRY_COMPARE(pixelsOf(x11, cardMark, Qt::black), 0);
            QVERIFY(x.xdotool(QStringLiteral("key Left")));
            QTRY_VERIFY(pixelsOf(x11, cardMark, Qt::black) > 0);
            playByKeys(x, x11, monitor);
            if (QTest::currentTestFailed())
                return;

            // The game-over window opens on the board's monitor, over the panel, stays in
            // front of the board that is clicked, and keeps the keys.
            const TopWindow gameOver = waitForFocused(x11, GameOverSize);
            QVERIFY(monitor.contains(gameOver.geometry));
            if (panel)
                QTRY_COMPARE(screenPixel(x11, underPanel), QColor(Qt::white));
            QVERIFY(x.click(cardCentre(monitor, 0)));
            // What must not happen, the board coming over it, is given the time it would take.
            const QPoint inGameOver = gameOver.geometry.topLeft() + QPoint(10, 10);
            QVERIFY(!QTest::qWaitFor(
                [&] { return screenPixel(x11, inGameOver) != QColor(192, 192, 255); }, 300));
            // Keep playing hands the keys to the setup window, also after the list visit.
            QVERIFY(x.xdotool(QStringLiteral("key Return")));
            QVERIFY2(waitForFocused(x11, SetupSize).id, qPrintable(QString::number(game)));
            // The board is gone: the panel shows again.
            if (panel)
                QTRY_COMPARE(screenPixel(x11, underPanel), QColor(255, 128, 0));
        }
        // Closing the setup window (the window manager's Alt+F4 asks it to close) ends the run.
        QVERIFY(x.xdotool(QStringLiteral("key alt+F4")));
        QVERIFY(zindle.waitForFinished(10000));
        QCOMPARE(zindle.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TstX11)
#include "tst_x11.moc"
