// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowmanager.h"

#include <QGuiApplication>
#include <QInputEvent>
#include <QScreen>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <xcb/randr.h>
#include <xcb/xcb.h>

namespace
{

xcb_connection_t *connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr),
        &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// An EWMH request about the window, sent to the root window where the window manager
// listens for it.
void sendToWindowManager(xcb_connection_t *c, QWidget *window, const char *type,
                         const std::array<uint32_t, 5> &data)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
    message.type = atom(c, type);
    std::copy(data.begin(), data.end(), message.data.data32);
    xcb_send_event(c, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(c);
}

// The window manager counts monitors in the order the X server lists them.
std::optional<int> monitorIndexAt(xcb_connection_t *c, QPoint nativePixel)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const std::unique_ptr<xcb_randr_get_monitors_reply_t, decltype(&free)> reply(
        xcb_randr_get_monitors_reply(c, xcb_randr_get_monitors(c, screen->root, 1), nullptr),
        &free);
    if (!reply)
        return std::nullopt;
    int index = 0;
    for (auto it = xcb_randr_get_monitors_monitors_iterator(reply.get()); it.rem;
         xcb_randr_monitor_info_next(&it), ++index) {
        if (QRect(it.data->x, it.data->y, it.data->width, it.data->height).contains(nativePixel))
            return index;
    }
    return std::nullopt;
}

} // namespace

// _NET_WM_STATE's actions.
constexpr uint32_t StateRemove = 0;
constexpr uint32_t StateAdd = 1;

WindowManager::WindowManager()
{
    static_assert(XCB_CURRENT_TIME == 0);
    qApp->installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                xcb_connection_t *c = connection();
                if (state == Qt::ApplicationActive || !c || !m_keptAbove)
                    return;
                sendToWindowManager(c, m_keptAbove, "_NET_WM_STATE",
                                    {StateRemove, atom(c, "_NET_WM_STATE_ABOVE"), 0, 2, 0});
                m_keptAbove = nullptr;
            });
}

bool WindowManager::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        m_lastUserTime = xcb_timestamp_t(static_cast<QInputEvent *>(event)->timestamp());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowManager::activate(QWidget *window) const
{
    xcb_connection_t *c = connection();
    if (c && window->isVisible())
        sendToWindowManager(c, window, "_NET_ACTIVE_WINDOW", {2, m_lastUserTime, 0, 0, 0});
}

void WindowManager::fullScreenOnOneMonitor(QWidget *window, QPoint monitorOrigin)
{
    xcb_connection_t *c = connection();
    if (!c || QGuiApplication::screens().size() < 2)
        return;
    // A monitor's corner is at the same place in Qt's pixels and the X server's.
    if (const std::optional<int> monitor = monitorIndexAt(c, monitorOrigin)) {
        const auto m = uint32_t(*monitor);
        sendToWindowManager(c, window, "_NET_WM_FULLSCREEN_MONITORS", {m, m, m, m, 1});
    }
}

void WindowManager::setTransientFor(QWidget *window, QWidget *owner)
{
    xcb_connection_t *c = connection();
    if (!c)
        return;
    const auto id = xcb_window_t(window->winId());
    if (owner) {
        const auto ownerId = xcb_window_t(owner->winId());
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_TRANSIENT_FOR,
                            XCB_ATOM_WINDOW, 32, 1, &ownerId);
    } else {
        xcb_delete_property(c, id, XCB_ATOM_WM_TRANSIENT_FOR);
    }
    xcb_flush(c);
}

void WindowManager::keepAboveWhileOwned(QWidget *window)
{
    xcb_connection_t *c = connection();
    if (!c || !window->isVisible())
        return;
    // Taken away first, so that a window manager that still holds the state applies it anew.
    const xcb_atom_t above = atom(c, "_NET_WM_STATE_ABOVE");
    for (uint32_t action : {StateRemove, StateAdd})
        sendToWindowManager(c, window, "_NET_WM_STATE", {action, above, 0, 2, 0});
    m_keptAbove = window;
}
