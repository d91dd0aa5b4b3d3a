// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
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

// A top-level window of the game. The flow creates it when it is first wanted and lets it
// go when it closes: a window that comes again is built anew, its controls as designed and
// filled from the run. It turns the window manager's close request into its own rule.
class ProgramWindow : public QWidget
{
    friend class WindowAccessible;

public:
    explicit ProgramWindow(const WindowContext &context);

    // Builds the controls and fills them from the run; the flow calls it once, hidden.
    void build();
    // Shown on the screen.
    bool isShown() const { return isVisible(); }
    // Shows the window and brings it to the front.
    void showInFront();
    // Shows the window without taking the keys from the window in front, which a window
    // manager may hand a newly mapped window.
    void showBehind();
    // Shows the window modal to the whole program, kept above `owner`; it answers through
    // its signals or the flow, and the input goes elsewhere again once it closes.
    void open(ProgramWindow *owner);
    // Keeps the window in front of `owner`, as the window manager keeps a window in front of
    // the one it belongs to (and that one above panels while either is active); without an
    // owner it can go behind again. The tie ends when the owner becomes active.
    void setOwner(ProgramWindow *owner);
    // Hides the window at once and lets it go once the handler that closed it has returned
    // to the event loop: that handler may be one of its own controls'.
    void retire();

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

    // Builds the design-time controls.
    virtual void buildControls() = 0;
    // Fills the built controls from the run, as the window is about to show.
    virtual void fillControls() {}
    // A key pressed while the window itself has the focus; true when it was used.
    virtual bool onKeyDown(QKeyEvent *) { return false; }
    // What the window is to assistive tools.
    virtual QAccessible::Role accessibleRole() const { return QAccessible::Window; }

    // Connects a control's signal to a handler of this window.
    template <typename Sender, typename Signal, typename Handler>
    void connectHandler(Sender *sender, Signal signal, Handler handler)
    {
        QObject::connect(sender, signal, this, [handler](auto &&...) { handler(); });
    }

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The top left corner of the monitor the game plays on: positions count from there.
    QPoint screenOrigin() const;

    WindowContext m_context;
    // The window turns full screen once it shows, then checks what the window manager gave.
    enum class FillScreen { No, OnceShown, Asked };
    FillScreen m_fillScreen = FillScreen::No;
    // The window shown last is activated again when it first reaches the screen.
    bool m_activateOnExpose = false;
    QRect m_screenRect;
};
