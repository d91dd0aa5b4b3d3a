#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <signal.h>

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
    QString title;
};

// The mapped windows right under the root: without a window manager these are the
// program's own windows.
QList<TopWindow> mappedTopWindows(Display *display)
{
    QList<TopWindow> found;
    Window root = DefaultRootWindow(display);
    Window rootReturn = 0, parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &rootReturn, &parent, &children, &count))
        return found;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) ||
            attributes.map_state != IsViewable || attributes.override_redirect)
            continue;
        TopWindow w;
        w.id = children[i];
        w.geometry = QRect(attributes.x, attributes.y, attributes.width, attributes.height);
        char *name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            w.title = QString::fromLocal8Bit(name);
            XFree(name);
        }
        found << w;
    }
    if (children)
        XFree(children);
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

} // namespace

class TstX11 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void introToSetupAndCloseBox();

private:
    bool xdotool(const QStringList &arguments);

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
    m_server.start(xvfb, {m_display, QStringLiteral("-screen"), QStringLiteral("0"),
                          QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                          QStringLiteral("tcp")});
    QVERIFY(m_server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)),
                             10000);
    QTRY_VERIFY_WITH_TIMEOUT((m_x = XOpenDisplay(m_display.toLocal8Bit().constData())), 10000);
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

bool TstX11::xdotool(const QStringList &arguments)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), arguments);
    return tool.waitForFinished(10000) && tool.exitCode() == 0;
}

void TstX11::introToSetupAndCloseBox()
{
    QProcess zindle;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    zindle.setProcessEnvironment(env);
    zindle.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    zindle.start(QStringLiteral(ZINDLE_EXE), {});
    QVERIFY(zindle.waitForStarted());
    const qint64 pid = zindle.processId();

    // The intro: 9360 x 8520 twips, its title picture from the top left.
    const TopWindow intro = waitForWindow(m_x, QSize(624, 568));
    QVERIFY2(intro.id, "no intro window");
    QCOMPARE(intro.geometry.topLeft(), QPoint(328, 215));
    QTest::qWait(500);
    QVERIFY(screenPixel(m_x, intro.geometry.topLeft() + QPoint(100, 70)) !=
            screenPixel(m_x, intro.geometry.topLeft() + QPoint(620, 560)));
    QCOMPARE(screenPixel(m_x, intro.geometry.topLeft() + QPoint(620, 530)), QColor(Qt::white));
    // The continue button, cyan, below the picture.
    const QPoint cont = intro.geometry.topLeft() + QPoint(120 + 369 / 2, 520 + 49 / 2);
    QCOMPARE(screenPixel(m_x, intro.geometry.topLeft() + QPoint(125, 525)), QColor(0, 255, 255));

    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(cont.x()),
                     QString::number(cont.y()), QStringLiteral("click"), QStringLiteral("1")}));

    // Name entry (6750 x 4635 twips) in front of the list window.
    const TopWindow entry = waitForWindow(m_x, QSize(450, 309));
    QVERIFY2(entry.id, "no name-entry window");
    QVERIFY(entry.title.startsWith(QStringLiteral("Zindle 1.0")));
    QVERIFY(waitForWindow(m_x, QSize(608, 380)).id);
    QTRY_VERIFY_WITH_TIMEOUT(!waitForWindow(m_x, QSize(624, 568), 100).id, 5000);

    const QPoint nameBox = entry.geometry.topLeft() + QPoint(48 + 96 + 112, 32 + 56 + 16);
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(nameBox.x()),
                     QString::number(nameBox.y()), QStringLiteral("click"), QStringLiteral("1")}));
    QVERIFY(xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"),
                     QStringLiteral("Ana")}));
    const QPoint accept = entry.geometry.topLeft() + QPoint(48 + 172, 200 + 40);
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(accept.x()),
                     QString::number(accept.y()), QStringLiteral("click"), QStringLiteral("1")}));

    // The setup window, 8700 x 8295 twips, titled "Zindle".
    const TopWindow setup = waitForWindow(m_x, QSize(580, 553));
    QVERIFY2(setup.id, "no setup window");
    QCOMPARE(setup.title, QStringLiteral("Zindle"));

    sendDeleteWindow(m_x, setup.id);
    QVERIFY(zindle.waitForFinished(10000));
    QCOMPARE(zindle.exitStatus(), QProcess::NormalExit);
    QCOMPARE(zindle.exitCode(), 0);
    QVERIFY(::kill(pid_t(pid), 0) != 0);
    XSync(m_x, False);
    QVERIFY(mappedTopWindows(m_x).isEmpty());
}

QTEST_GUILESS_MAIN(TstX11)
#include "tst_x11.moc"
