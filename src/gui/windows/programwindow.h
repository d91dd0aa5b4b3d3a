// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QObject>
#include <QPointer>
#include <QWidget>

class ProgramWindow;
class QKeyEvent;
class Run;
class WindowFlow;
class WindowManager;

// What a window works with: the flow that says which window follows, the run it shows, and
// the window manager it asks for activation.
struct WindowContext {
    WindowFlow &flow;
    Run &run;
    WindowManager &windowManager;
};

// The top-level widget of a window: it holds the controls and turns the window manager's
// close request into the window's own rule.
class WindowWidget : public QWidget
{
public:
    explicit WindowWidget(ProgramWindow *form);
    ProgramWindow *form() const { return m_form; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    ProgramWindow *m_form;
};

// One window kind. The object and its variables live for the whole run; the controls are
// built when it loads and go when it unloads: unloading hides the window at once and lets
// its controls go once the handler that unloaded it has returned to the event loop.
class ProgramWindow : public QObject
{
    friend class WindowWidget;
    friend class WindowAccessible;

public:
    explicit ProgramWindow(const WindowContext &context) : m_context(context) {}
    ~ProgramWindow() override;

    bool isLoaded() const { return m_window != nullptr; }
    // Loaded and shown on the screen (a window loaded hidden is not).
    bool isShown() const { return m_window && m_window->isVisible(); }
    // The window's top-level widget, loading the window hidden when it is not loaded.
    QWidget *window();
    void load();
    // Loads the window if needed, shows it and brings it to the front.
    void show();
    // Loads the window if needed and shows it without taking the keys from the window in
    // front, which a window manager may hand a newly mapped window.
    void showBehind();
    // Shows the window modal to the whole program, kept above `owner`'s window; it answers
    // through its handlers, and the input goes elsewhere again once it unloads.
    void open(ProgramWindow *owner);
    // Keeps the window in front of `owner`'s window, as the window manager keeps a window in
    // front of the one it belongs to (and that one above panels while either is active);
    // without an owner it can go behind again. The tie ends when the owner becomes active.
    void setOwner(ProgramWindow *owner);
    // Runs the unload handler, then takes the controls away.
    void unload();
    // Takes the controls away without the unload handler, as ending the program does.
    void discard();

    // What the window manager's close request does: windows without a close control
    // ignore it.
    virtual void closeRequested();

    // Moves the window to a position in twips on the screen.
    void moveTwips(int left, int top);
    // Gives the window the whole screen: full-screen state where a window manager runs,
    // once the window shows, and the screen's geometry where none does.
    void fillScreen(int widthTwips, int heightTwips);
    // The window's outer size (frame included where the platform can tell) in twips.
    QSize outerSizeTwips() const;
    // The centre of the window on the desktop, in pixels.
    QPoint centrePixels() const;
    // Whether the window's centre lies on the monitor the game plays on.
    bool isOnScreen() const;

protected:
    // Which window follows which, and the model of the run the windows show.
    WindowFlow &flow() const { return m_context.flow; }
    Run &run() const;

    // Builds the design-time controls into the new top-level widget.
    virtual void buildControls(WindowWidget *window) = 0;
    virtual void onLoad() {}
    virtual void onUnload() {}
    // A key pressed while the window itself has the focus; true when it was used.
    virtual bool onKeyDown(QKeyEvent *) { return false; }
    // Called when the controls are gone, to forget pointers kept outside QPointer.
    virtual void controlsDestroyed() {}
    // What the window is to assistive tools.
    virtual QAccessible::Role accessibleRole() const { return QAccessible::Window; }

    // Connects a control's signal to a handler of this window.
    template <typename Sender, typename Signal, typename Handler>
    void connectHandler(Sender *sender, Signal signal, Handler handler)
    {
        QObject::connect(sender, signal, this, [handler](auto &&...) { handler(); });
    }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The top left corner of the monitor the game plays on: positions count from there.
    QPoint screenOrigin() const;

    WindowContext m_context;
    QPointer<WindowWidget> m_window;
    // The window turns full screen once it shows, then checks what the window manager gave.
    enum class FillScreen { No, OnceShown, Asked };
    FillScreen m_fillScreen = FillScreen::No;
    // The window shown last is activated again when it first reaches the screen.
    bool m_activateOnExpose = false;
    QRect m_screenRect;
};
