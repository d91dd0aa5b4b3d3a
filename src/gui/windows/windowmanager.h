// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>

class QPoint;
class QWidget;

// What an X11 window manager is asked directly, where Qt does not ask it. Off X11 these do
// nothing. While it lives it notes the time of every key and button the player uses, so
// that an activation carries the time of the input that asked for it.
class WindowManager : public QObject
{
public:
    WindowManager();

    // Asks the window manager to activate the shown window as the player's own request (a
    // pager's, source indication 2), which no focus-stealing prevention refuses.
    void activate(QWidget *window) const;

    // Asks the window manager to give the full-screen window only the monitor whose top
    // left corner is at this desktop pixel, where the desktop has more than one monitor.
    static void fullScreenOnOneMonitor(QWidget *window, QPoint monitorOrigin);

    // Keeps a full-screen window above the desktop's panels while a window of the game that
    // belongs to it is active: a window manager such as xfwm4 otherwise lowers a full-screen
    // window under its panels as soon as another window takes the keys. It lets go when the
    // player turns to another program.
    void keepAboveWhileOwned(QWidget *window);

    // Tells the window manager at once that a shown window belongs to `owner` (none: to no
    // window), which Qt only says when a window maps.
    static void setTransientFor(QWidget *window, QWidget *owner);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // An X server timestamp; 0 is its "current time".
    std::uint32_t m_lastUserTime = 0;
    QPointer<QWidget> m_keptAbove;
};
