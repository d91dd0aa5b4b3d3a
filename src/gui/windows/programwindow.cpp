// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programwindow.h"

#include "controls/accessiblefactory.h"
#include "platform/services.h"
#include "run/run.h"
#include "screen/twips.h"
#include "windows/windowmanager.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QScreen>
#include <QWindow>

namespace
{

const QIcon &fishIcon()
{
    static const QIcon icon(QStringLiteral(":/images/fish.svg"));
    return icon;
}

// Places the controls of `parent`, and those of the frames among them, where their mirror
// images lie; the toolkit's own controls lay out their insides themselves.
void mirrorControls(QWidget *parent)
{
    for (QWidget *control : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow())
            continue;
        control->move(parent->width() - control->x() - control->width(), control->y());
        if (qobject_cast<QGroupBox *>(control))
            mirrorControls(control);
    }
}

} // namespace

// A window takes the role its form gives it; one without a title (the intro, the board) is
// named after the game. Unnamed panels, such as the cards' boxes, are nothing to read: the
// window lists what they hold, and leaves out unnamed drawing, such as the keyboard's mark.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(ProgramWindow *window)
        : QAccessibleWidget(window, window->accessibleRole())
    {
    }

    QList<QAccessibleInterface *> children() const
    {
        QList<QAccessibleInterface *> shown;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface *c = QAccessibleWidget::child(i);
            const bool unnamed = c && c->text(QAccessible::Name).isEmpty();
            if (unnamed && c->role() == QAccessible::Grouping) {
                for (int j = 0; j < c->childCount(); ++j)
                    shown << c->child(j);
            } else if (c && !(unnamed && c->role() == QAccessible::Client)) {
                shown << c;
            }
        }
        return shown;
    }
    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override { return children().value(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(children().indexOf(child));
    }

    QString text(QAccessible::Text t) const override
    {
        const QString s = QAccessibleWidget::text(t);
        return t == QAccessible::Name && s.isEmpty() ? QStringLiteral("Zindle") : s;
    }
};

ProgramWindow::ProgramWindow(const WindowContext &context) : m_context(context)
{
    useAccessibleInterface<ProgramWindow, WindowAccessible>();
    setWindowIcon(fishIcon());
}

void ProgramWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    closeRequested();
}

void ProgramWindow::keyPressEvent(QKeyEvent *event)
{
    if (!onKeyDown(event))
        QWidget::keyPressEvent(event);
}

void ProgramWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A window under a modal one hands the activation on, so that the keys keep going to
    // the modal window where the compositor gives them to the window clicked.
    QWidget *modal = QApplication::activeModalWidget();
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && modal && modal != this)
        modal->activateWindow();
    // A window the player brings forward lets the windows kept in front of it go behind.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !modal) {
        for (QWindow *w : QGuiApplication::topLevelWindows()) {
            if (w->transientParent() == windowHandle() && w->modality() == Qt::NonModal) {
                w->setTransientParent(nullptr);
                if (QWidget *kept = QWidget::find(w->winId()))
                    WindowManager::setTransientFor(kept, nullptr);
                raise();
            }
        }
    }
    // A fixed-size window is never maximised, also where the toolkit draws the title bar
    // (Wayland) and offers the button all the same.
    if (event->type() == QEvent::WindowStateChange && isMaximized() &&
        minimumSize() == maximumSize())
        setWindowState(windowState() & ~Qt::WindowMaximized);
}

Run &ProgramWindow::run() const
{
    return m_context.run;
}

// Also where more than one monitor forms the desktop.
QPoint ProgramWindow::screenOrigin() const
{
    return run().services().screen->originPixels();
}

void ProgramWindow::build()
{
    // Texts of a right-to-left script read from the right: the window is laid out mirrored,
    // its captions aligned to their right, each control where its mirror image lies.
    setLayoutDirection(run().texts().direction());
    buildControls();
    fillControls();
    if (layoutDirection() == Qt::RightToLeft)
        mirrorControls(this);
}

void ProgramWindow::showInFront()
{
    // A window that shows anew comes up in front; one already showing is brought there.
    if (isVisible()) {
        raise();
    } else {
        show();
        // A compositor may map it later and stack it under the window that had the keys: it
        // is brought forward again once it is on the screen.
        windowHandle()->installEventFilter(this);
        m_activateOnExpose = true;
    }
    activateWindow();
    m_context.windowManager.activate(this);
}

void ProgramWindow::showBehind()
{
    if (isVisible())
        return;
    m_activateOnExpose = false;
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
}

void ProgramWindow::open(ProgramWindow *owner)
{
    setWindowModality(Qt::ApplicationModal);
    // Kept above its owner by the window manager or compositor, also when the owner is
    // clicked or fills the screen.
    if (owner)
        setOwner(owner);
    show();
    activateWindow();
    m_context.windowManager.activate(this);
}

void ProgramWindow::setOwner(ProgramWindow *owner)
{
    winId();
    QWindow *parent = nullptr;
    if (owner) {
        owner->winId();
        parent = owner->windowHandle();
    }
    windowHandle()->setTransientParent(parent);
    if (isVisible())
        WindowManager::setTransientFor(this, parent ? owner : nullptr);
    if (parent && owner->isFullScreen())
        m_context.windowManager.keepAboveWhileOwned(owner);
}

void ProgramWindow::retire()
{
    m_activateOnExpose = false;
    hide();
    deleteLater();
}

void ProgramWindow::closeRequested() {}

void ProgramWindow::moveTwips(int left, int top)
{
    move(screenOrigin() + QPoint(twipsToPixels(left), twipsToPixels(top)));
}

void ProgramWindow::fillScreen(int widthTwips, int heightTwips)
{
    if (QScreen *monitor = QGuiApplication::screenAt(screenOrigin()))
        setScreen(monitor);
    m_screenRect =
        QRect(screenOrigin(), QSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips)));
    setGeometry(m_screenRect);
    // A window manager gives a window that maps full screen a monitor of its own choice; one
    // that turns full screen where it already shows keeps its monitor.
    winId();
    windowHandle()->installEventFilter(this);
    m_fillScreen = FillScreen::OnceShown;
}

bool ProgramWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != windowHandle())
        return QWidget::eventFilter(watched, event);
    if (m_activateOnExpose && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        m_activateOnExpose = false;
        raise();
        activateWindow();
        m_context.windowManager.activate(this);
    }
    if (m_fillScreen == FillScreen::No)
        return QWidget::eventFilter(watched, event);
    if (m_fillScreen == FillScreen::OnceShown && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        m_fillScreen = FillScreen::Asked;
        setWindowState(windowState() | Qt::WindowFullScreen);
        WindowManager::fullScreenOnOneMonitor(this, screenOrigin());
    } else if (m_fillScreen == FillScreen::Asked && event->type() == QEvent::Resize &&
               isFullScreen()) {
        // A window manager that knows the desktop as one monitor spans it all: the window
        // then covers the monitor the game plays on without the full-screen state.
        const QRect given = windowHandle()->geometry();
        if (given != m_screenRect && given.contains(m_screenRect)) {
            m_fillScreen = FillScreen::No;
            setWindowState(windowState() & ~Qt::WindowFullScreen);
            setGeometry(m_screenRect);
        }
    }
    return QWidget::eventFilter(watched, event);
}

QSize ProgramWindow::outerSizeTwips() const
{
    return frameGeometry().size() * TwipsPerPixel;
}

QPoint ProgramWindow::centrePixels() const
{
    return frameGeometry().center();
}

bool ProgramWindow::isOnScreen() const
{
    Screen *screen = run().services().screen;
    const QSize size(twipsToPixels(screen->widthTwips()), twipsToPixels(screen->heightTwips()));
    return QRect(screenOrigin(), size).contains(centrePixels());
}
