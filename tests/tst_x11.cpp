#include "board/keyboardmark.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <X11/Xatom.h>
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

// The mapped windows the window manager manages, in root coordinates.
QList<TopWindow> mappedTopWindows(Display *display)
{
    QList<TopWindow> found;
    const Window root = DefaultRootWindow(display);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, root, XInternAtom(display, "_NET_CLIENT_LIST", False), 0, 1024,
                           False, XA_WINDOW, &type, &format, &count, &after, &data) != Success)
        return found;
    const auto *windows = reinterpret_cast<const Window *>(data);
    for (unsigned long i = 0; i < count; ++i) {
        const Window id = windows[i];
        XWindowAttributes a;
        if (!XGetWindowAttributes(display, id, &a) || a.map_state != IsViewable ||
            a.override_redirect)
            continue;
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display, id, root, 0, 0, &x, &y, &child);
        found << TopWindow{id, QRect(x, y, a.width, a.height)};
    }
    if (data)
        XFree(data);
    return found;
}

// Waits until a mapped top-level window of this size shows.
TopWindow waitForWindow(Display *display, QSize size, int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        XSync(display, False);
        for (const TopWindow &w : mappedTopWindows(display)) {
            if (w.geometry.size() == size)
                return w;
        }
        QTest::qWait(100);
    }
    return {};
}

// Waits until a window of this size shows and has the keyboard focus.
TopWindow waitForFocused(Display *display, QSize size)
{
    const TopWindow w = waitForWindow(display, size);
    Window focus = 0;
    int revert = 0;
    for (int i = 0; i < 50 && w.id && focus != w.id; ++i) {
        QTest::qWait(100);
        XGetInputFocus(display, &focus, &revert);
    }
    // Qt takes the focus event a moment after the server moved the focus.
    QTest::qWait(100);
    return focus == w.id ? w : TopWindow{};
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

// What a window manager sends when the close box is used.
void sendDeleteWindow(Display *display, Window window)
{
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

int freeDisplayNumber()
{
    for (int n = 140; n < 200; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) &&
            !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            return n;
    }
    return -1;
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
    void initTestCase();
    void cleanupTestCase();
    void keyboardGameUnderWindowManagerWithPanel();

private:
    // Runs xdotool with its arguments split at blanks.
    bool xdotool(const QString &arguments);

    QProcess m_server;
    QString m_display;
    Display *m_x = nullptr;
};

void TstX11::initTestCase()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        QSKIP("Xvfb is not installed");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed");
    const int number = freeDisplayNumber();
    QVERIFY(number > 0);
    m_display = QStringLiteral(":%1").arg(number);
    m_server.start(xvfb, QStringLiteral("%1 -screen 0 1280x1024x24 -br -nolisten tcp")
                             .arg(m_display)
                             .split(QLatin1Char(' ')));
    QVERIFY(m_server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)),
                             10000);
    QTRY_VERIFY_WITH_TIMEOUT((m_x = XOpenDisplay(m_display.toLocal8Bit().constData())), 10000);
    // Windows come and go while the test looks at them.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
}

void TstX11::cleanupTestCase()
{
    if (m_x)
        XCloseDisplay(m_x);
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }
}

bool TstX11::xdotool(const QString &arguments)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), arguments.split(QLatin1Char(' ')));
    return tool.waitForFinished(10000) && tool.exitCode() == 0;
}

void TstX11::keyboardGameUnderWindowManagerWithPanel()
{
    const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    const QString tint2 = QStandardPaths::findExecutable(QStringLiteral("tint2"));
    if (openbox.isEmpty() || tint2.isEmpty())
        QSKIP("openbox or tint2 is not installed");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
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
    QTRY_COMPARE_WITH_TIMEOUT(screenPixel(m_x, underPanel), QColor(255, 128, 0), 10000);

    // A program folder with a set of six pairs that the test tells apart: both pictures of a
    // pair in one colour.
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta, Qt::cyan};
    for (int i = 0; i < 6; ++i) {
        for (const char *half : {"1", "2"}) {
            const QString dir =
                folder.filePath(QStringLiteral("graficos/a/") + QLatin1String(half));
            QImage picture(8, 8, QImage::Format_RGB32);
            picture.fill(colours[i]);
            QVERIFY(QDir().mkpath(dir) && picture.save(dir + QStringLiteral("/%1.png").arg(i)));
        }
    }
    const QString exe = QStringLiteral(ZINDLE_EXE);
    QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("idioma"))));
    QVERIFY(QFile::copy(QFileInfo(exe).path() + QStringLiteral("/idioma/idioma.txt"),
                        folder.filePath(QStringLiteral("idioma/idioma.txt"))));
    QVERIFY(QFile::copy(exe, folder.filePath(QStringLiteral("zindle"))));

    // The program chooses its platform itself: the X server that DISPLAY names.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess zindle;
    zindle.setProcessEnvironment(env);
    zindle.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    zindle.start(folder.filePath(QStringLiteral("zindle")), {});
    QVERIFY(zindle.waitForStarted());
    QVERIFY(waitForFocused(m_x, QSize(624, 568)).id);
    QVERIFY(xdotool(QStringLiteral("key Return")));
    QVERIFY(waitForFocused(m_x, QSize(450, 309)).id);
    // Enter in the name box accepts the name.
    QVERIFY(xdotool(QStringLiteral("type Ana")) && xdotool(QStringLiteral("key Return")));
    QVERIFY(waitForFocused(m_x, SetupSize).id);
    // Six pairs, then past the counts this set cannot deal to the play button.
    QVERIFY(xdotool(QStringLiteral("key space Tab Return")));

    // The board covers the whole screen, the panel included.
    const TopWindow board = waitForFocused(m_x, ScreenSize);
    QVERIFY2(board.id, "the board does not fill the screen");
    QCOMPARE(board.geometry.topLeft(), QPoint(0, 0));
    QTRY_COMPARE(screenPixel(m_x, underPanel), QColor(Qt::white));

    // Space on a fresh board only shows the mark on the first card; nothing ends.
    QVERIFY(xdotool(QStringLiteral("key space")));
    QTest::qWait(300);
    QCOMPARE(zindle.state(), QProcess::Running);
    std::vector<QColor> cards;
    for (int k = 0; k < 12; ++k)
        cards.push_back(screenPixel(m_x, cardCentre(k)));
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
        QTRY_VERIFY(screenPixel(m_x, cardCentre(partner)) != cards[std::size_t(partner)]);
    }

    // The game-over window stays in front of the board that is clicked, and keeps the keys.
    const TopWindow gameOver = waitForFocused(m_x, GameOverSize);
    QVERIFY2(gameOver.id, "no game-over window");
    QVERIFY(xdotool(QStringLiteral("mousemove %1 click 1").arg(at(cardCentre(0)))));
    QTest::qWait(300);
    QCOMPARE(screenPixel(m_x, gameOver.geometry.topLeft() + QPoint(10, 10)), QColor(192, 192, 255));
    QVERIFY(xdotool(QStringLiteral("key Return")));
    const TopWindow setup = waitForWindow(m_x, SetupSize);
    QVERIFY(setup.id);
    QTRY_VERIFY(!waitForWindow(m_x, ScreenSize, 100).id);
    // Closing the setup window ends the run.
    sendDeleteWindow(m_x, setup.id);
    QVERIFY(zindle.waitForFinished(10000));
    QCOMPARE(zindle.exitCode(), 0);
    for (QProcess *p : {&panel, &wm}) {
        p->terminate();
        p->waitForFinished(5000);
    }
}

QTEST_GUILESS_MAIN(TstX11)
#include "tst_x11.moc"
