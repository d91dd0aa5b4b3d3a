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
#include <utility>

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
    explicit WindowAccessible(WindowWidget *window)
        : QAccessibleWidget(window, window->form()->accessibleRole())
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

WindowWidget::WindowWidget(ProgramWindow *form) : m_form(form)
{
    useAccessibleInterface<WindowWidget, WindowAccessible>();
    setWindowIcon(fishIcon());
}

void WindowWidget::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_form->closeRequested();
}

void WindowWidget::keyPressEvent(QKeyEvent *event)
{
    if (!m_form->onKeyDown(event))
        QWidget::keyPressEvent(event);
}

void WindowWidget::changeEvent(QEvent *event)
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

ProgramWindow::~ProgramWindow()
{
    // Forgotten first: the window's own events while it goes must not reach a half-gone one.
    delete std::exchange(m_window, nullptr).data();
}

QWidget *ProgramWindow::window()
{
    load();
    return m_window;
}

void ProgramWindow::load()
{
    if (m_window)
        return;
    m_window = new WindowWidget(this);
    // Texts of a right-to-left script read from the right: the window is laid out mirrored,
    // its captions aligned to their right, each control where its mirror image lies.
    m_window->setLayoutDirection(run().texts().direction());
    buildControls(m_window);
    onLoad();
    if (m_window && m_window->layoutDirection() == Qt::RightToLeft)
        mirrorControls(m_window);
}

void ProgramWindow::show()
{
    load();
    if (!m_window)
        return;
    // A window that shows anew comes up in front; one already showing is brought there.
    if (m_window->isVisible()) {
        m_window->raise();
    } else {
        m_window->show();
        // A compositor may map it later and stack it under the window that had the keys: it
        // is brought forward again once it is on the screen.
        m_window->windowHandle()->installEventFilter(this);
        m_activateOnExpose = true;
    }
    m_window->activateWindow();
    m_context.windowManager.activate(m_window);
}

void ProgramWindow::showBehind()
{
    load();
    if (!m_window || m_window->isVisible())
        return;
    m_activateOnExpose = false;
    m_window->setAttribute(Qt::WA_ShowWithoutActivating);
    m_window->show();
    m_window->setAttribute(Qt::WA_ShowWithoutActivating, false);
}

void ProgramWindow::open(ProgramWindow *owner)
{
    load();
    if (!m_window)
        return;
    m_window->setWindowModality(Qt::ApplicationModal);
    // Kept above its owner by the window manager or compositor, also when the owner is
    // clicked or fills the screen.
    if (owner)
        setOwner(owner);
    m_window->show();
    m_window->activateWindow();
    m_context.windowManager.activate(m_window);
}

void ProgramWindow::setOwner(ProgramWindow *owner)
{
    load();
    if (!m_window)
        return;
    m_window->winId();
    QWindow *parent = nullptr;
    if (owner && owner->m_window) {
        owner->m_window->winId();
        parent = owner->m_window->windowHandle();
    }
    m_window->windowHandle()->setTransientParent(parent);
    if (m_window->isVisible())
        WindowManager::setTransientFor(m_window, parent ? owner->m_window : nullptr);
    if (parent && owner->m_window->isFullScreen())
        m_context.windowManager.keepAboveWhileOwned(owner->m_window);
}

void ProgramWindow::unload()
{
    if (!m_window)
        return;
    onUnload();
    discard();
}

void ProgramWindow::discard()
{
    if (!m_window)
        return;
    WindowWidget *window = m_window;
    m_window = nullptr;
    m_activateOnExpose = false;
    window->hide();
    // The handler that unloads the window may be one of its controls'.
    window->deleteLater();
    controlsDestroyed();
}

void ProgramWindow::closeRequested() {}

void ProgramWindow::moveTwips(int left, int top)
{
    if (m_window)
        m_window->move(screenOrigin() + QPoint(twipsToPixels(left), twipsToPixels(top)));
}

void ProgramWindow::fillScreen(int widthTwips, int heightTwips)
{
    if (!m_window)
        return;
    if (QScreen *monitor = QGuiApplication::screenAt(screenOrigin()))
        m_window->setScreen(monitor);
    m_screenRect =
        QRect(screenOrigin(), QSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips)));
    m_window->setGeometry(m_screenRect);
    // A window manager gives a window that maps full screen a monitor of its own choice; one
    // that turns full screen where it already shows keeps its monitor.
    m_window->winId();
    m_window->windowHandle()->installEventFilter(this);
    m_fillScreen = FillScreen::OnceShown;
}

bool ProgramWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_window || watched != m_window->windowHandle())
        return QObject::eventFilter(watched, event);
    if (m_activateOnExpose && event->type() == QEvent::Expose &&
        m_window->windowHandle()->isExposed()) {
        m_activateOnExpose = false;
        m_window->raise();
        m_window->activateWindow();
        m_context.windowManager.activate(m_window);
    }
    if (m_fillScreen == FillScreen::No)
        return QObject::eventFilter(watched, event);
    if (m_fillScreen == FillScreen::OnceShown && event->type() == QEvent::Expose &&
        m_window->windowHandle()->isExposed()) {
        m_fillScreen = FillScreen::Asked;
        m_window->setWindowState(m_window->windowState() | Qt::WindowFullScreen);
        WindowManager::fullScreenOnOneMonitor(m_window, screenOrigin());
    } else if (m_fillScreen == FillScreen::Asked && event->type() == QEvent::Resize &&
               m_window->isFullScreen()) {
        // A window manager that knows the desktop as one monitor spans it all: the window
        // then covers the monitor the game plays on without the full-screen state.
        const QRect given = m_window->windowHandle()->geometry();
        if (given != m_screenRect && given.contains(m_screenRect)) {
            m_fillScreen = FillScreen::No;
            m_window->setWindowState(m_window->windowState() & ~Qt::WindowFullScreen);
            m_window->setGeometry(m_screenRect);
        }
    }
    return QObject::eventFilter(watched, event);
}

QSize ProgramWindow::outerSizeTwips() const
{
    if (!m_window)
        return {};
    return m_window->frameGeometry().size() * TwipsPerPixel;
}

QPoint ProgramWindow::centrePixels() const
{
    return m_window ? m_window->frameGeometry().center() : QPoint();
}

bool ProgramWindow::isOnScreen() const
{
    Screen *screen = run().services().screen;
    const QSize size(twipsToPixels(screen->widthTwips()), twipsToPixels(screen->heightTwips()));
    return m_window && QRect(screenOrigin(), size).contains(centrePixels());
}
