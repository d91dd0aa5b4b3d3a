// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/game/keyboardmark.h"
#include "core/sets/setplaces.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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

// Waits until a window of this size has the keyboard focus; its geometry in root coordinates.
TopWindow waitForFocused(Display *display, QSize size)
{
    for (int i = 0; i < 100; ++i) {
        Window focus = 0, child = 0;
        int revert = 0, x = 0, y = 0;
        XWindowAttributes a;
        XSync(display, False);
        XGetInputFocus(display, &focus, &revert);
        if (focus > PointerRoot && XGetWindowAttributes(display, focus, &a) &&
            QSize(a.width, a.height) == size &&
            XTranslateCoordinates(display, focus, DefaultRootWindow(display), 0, 0, &x, &y,
                                  &child)) {
            // Qt takes the focus event a moment after the server moved the focus.
            QTest::qWait(100);
            return {focus, QRect(x, y, a.width, a.height)};
        }
        QTest::qWait(100);
    }
    return {};
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

QString at(QPoint p)
{
    return QStringLiteral("%1 %2").arg(p.x()).arg(p.y());
}

// The centre of card k of a 6-pair board on the 1280 x 1024 screen, from the grid in twips.
QPoint cardCentre(int k)
{
    const int w = 19200 / 4 - 150, h = 15360 / 3 - 150;
    return {(360 + k % 4 * w + w / 2) / 15, (360 + k / 4 * h + h / 2) / 15};
}

const QSize SetupSize(580, 553);
const QSize GameOverSize(517, 308);
const QSize ScreenSize(1280, 1024);

} // namespace

class TstX11 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void withoutDisplayEndsAtOnce_data();
    void withoutDisplayEndsAtOnce();
    void keyboardGameUnderWindowManagerWithPanel();
};

void TstX11::withoutDisplayEndsAtOnce_data()
{
    QTest::addColumn<bool>("silent");
    QTest::newRow("no DISPLAY") << false;
    QTest::newRow("a server that never answers") << true;
}

void TstX11::withoutDisplayEndsAtOnce()
{
    QFETCH(bool, silent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    // The kernel accepts connections to a listening socket that nobody reads.
    const int silentServer = ::socket(AF_INET, SOCK_STREAM, 0);
    const auto closeServer = qScopeGuard([silentServer] { ::close(silentServer); });
    if (silent) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int display = 50;
        for (; display < 100; ++display) {
            address.sin_port = htons(quint16(6000 + display));
            if (::bind(silentServer, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0)
                break;
        }
        QVERIFY(display < 100 && ::listen(silentServer, 8) == 0);
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral("127.0.0.1:%1").arg(display));
    }
    QProcess zindle;
    zindle.setProcessEnvironment(env);
    QElapsedTimer took;
    took.start();
    zindle.start(QStringLiteral(ZINDLE_EXE), {});
    QVERIFY(zindle.waitForFinished(10000));
    qInfo("ended after %lld ms", took.elapsed());
    QCOMPARE(zindle.exitStatus(), QProcess::NormalExit);
    QCOMPARE(zindle.exitCode(), 1);
    const QByteArray said = zindle.readAllStandardError();
    QVERIFY2(said.startsWith("zindle: ") && said.count('\n') == 1, said.constData());
}

void TstX11::keyboardGameUnderWindowManagerWithPanel()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("Xvfb or xdotool is not installed");
    // The server picks a free display and names it once it is ready; every process the test
    // starts ends with it.
    QProcess server;
    server.start(xvfb, QStringLiteral("-displayfd 1 -screen 0 1280x1024x24 -br -nolisten tcp")
                           .split(QLatin1Char(' ')));
    QVERIFY(server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 10000);
    const QString display = QLatin1Char(':') + QString::fromLatin1(server.readLine()).trimmed();
    // Closed on every way out, a skip or a failure included.
    const std::unique_ptr<Display, decltype(&XCloseDisplay)> connection(
        XOpenDisplay(display.toLocal8Bit().constData()), XCloseDisplay);
    Display *const x11 = connection.get();
    QVERIFY(x11);
    // Windows come and go while the test looks at them.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    const auto xdotool = [&env](const QString &arguments) {
        QProcess tool;
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral("xdotool"), arguments.split(QLatin1Char(' ')));
        return tool.waitForFinished(10000) && tool.exitCode() == 0;
    };

    const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    const QString tint2 = QStandardPaths::findExecutable(QStringLiteral("tint2"));
    if (openbox.isEmpty() || tint2.isEmpty())
        QSKIP("openbox or tint2 is not installed");
    QProcess wm, panel;
    for (QProcess *p : {&wm, &panel}) {
        p->setProcessEnvironment(env);
        p->setStandardErrorFile(QProcess::nullDevice());
    }
    // An orange panel along the bottom edge, where the board's grid ends.
    QTemporaryDir folder;
    QFile config(folder.filePath(QStringLiteral("tint2rc")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("rounded = 0\nborder_width = 0\nbackground_color = #ff8000 100\n"
                 "panel_items = S\npanel_position = bottom center horizontal\n"
                 "panel_size = 100% 40\npanel_background_id = 1\n");
    config.close();
    wm.start(openbox, {});
    panel.start(tint2, {QStringLiteral("-c"), config.fileName()});
    const QPoint underPanel(640, 1021);
    QTRY_COMPARE_WITH_TIMEOUT(screenPixel(x11, underPanel), QColor(255, 128, 0), 10000);

    // A program folder with a set of six pairs that the test tells apart: both pictures of a
    // pair in one colour.
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta, Qt::cyan};
    for (int i = 0; i < 6; ++i) {
        for (const char *half : {"1", "2"}) {
            const QString dir = folder.filePath(QLatin1String(SetsFolderName) +
                                                QStringLiteral("/a/") + QLatin1String(half));
            QImage picture(8, 8, QImage::Format_RGB32);
            picture.fill(colours[i]);
            QVERIFY(QDir().mkpath(dir) && picture.save(dir + QStringLiteral("/%1.png").arg(i)));
        }
    }
    const QString exe = QStringLiteral(ZINDLE_EXE);
    QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("idioma"))));
    QVERIFY(QFile::copy(QFileInfo(exe).path() + QStringLiteral("/idioma/es/idioma.txt"),
                        folder.filePath(QStringLiteral("idioma/idioma.txt"))));
    QVERIFY(QFile::copy(exe, folder.filePath(QStringLiteral("zindle"))));

    // The program chooses its platform itself: the X server that DISPLAY names.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // Nor does it read the real user's sets or language file.
    env.insert(QStringLiteral("HOME"), folder.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_DATA_DIRS"), folder.filePath(QStringLiteral("share")));
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.remove(QLatin1String(name));
    QProcess zindle;
    zindle.setProcessEnvironment(env);
    zindle.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    zindle.start(folder.filePath(QStringLiteral("zindle")), {});
    QVERIFY(zindle.waitForStarted());
    QVERIFY(waitForFocused(x11, QSize(624, 568)).id);
    QVERIFY(xdotool(QStringLiteral("key Return")));
    QVERIFY(waitForFocused(x11, QSize(450, 309)).id);
    // Enter in the name box accepts the name.
    QVERIFY(xdotool(QStringLiteral("type Ana")) && xdotool(QStringLiteral("key Return")));
    QVERIFY(waitForFocused(x11, SetupSize).id);
    // Six pairs, then past the counts this set cannot deal to the play button.
    QVERIFY(xdotool(QStringLiteral("key space Tab Return")));

    // The board covers the whole screen, the panel included.
    const TopWindow board = waitForFocused(x11, ScreenSize);
    QVERIFY2(board.id, "the board does not fill the screen");
    QCOMPARE(board.geometry.topLeft(), QPoint(0, 0));
    QTRY_COMPARE(screenPixel(x11, underPanel), QColor(Qt::white));

    // Space on a fresh board only shows the mark on the first card; nothing ends.
    QVERIFY(xdotool(QStringLiteral("key space")));
    QTest::qWait(300);
    QCOMPARE(zindle.state(), QProcess::Running);
    std::vector<QColor> cards;
    for (int k = 0; k < 12; ++k)
        cards.push_back(screenPixel(x11, cardCentre(k)));
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
        QVERIFY(xdotool(keys));
        clickable[std::size_t(k)] = clickable[std::size_t(partner)] = false;
        QTRY_VERIFY(screenPixel(x11, cardCentre(partner)) != cards[std::size_t(partner)]);
    }

    // The game-over window stays in front of the board that is clicked, and keeps the keys.
    const TopWindow gameOver = waitForFocused(x11, GameOverSize);
    QVERIFY2(gameOver.id, "no game-over window");
    QVERIFY(xdotool(QStringLiteral("mousemove %1 click 1").arg(at(cardCentre(0)))));
    QTest::qWait(300);
    QCOMPARE(screenPixel(x11, gameOver.geometry.topLeft() + QPoint(10, 10)), QColor(192, 192, 255));
    QVERIFY(xdotool(QStringLiteral("key Return")));
    const TopWindow setup = waitForFocused(x11, SetupSize);
    QVERIFY(setup.id);
    // The board is gone: the panel shows again.
    QTRY_COMPARE(screenPixel(x11, underPanel), QColor(255, 128, 0));
    // Closing the setup window (openbox's Alt+F4 asks it to close) ends the run.
    QVERIFY(xdotool(QStringLiteral("key alt+F4")));
    QVERIFY(zindle.waitForFinished(10000));
    QCOMPARE(zindle.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TstX11)
#include "tst_x11.moc"
