// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/windows/flow.h"
#include "system/realservices.h"

#include <QApplication>
#include <xcb/xcb.h>

namespace
{

// The window flow needs windows that place themselves, come to the front on request and
// stay above the board while modal; only an X server gives a client all three. Where the
// session offers one (XWayland included) and the player chose no platform, run on it.
void preferXServer()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (reachable)
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char *argv[])
{
    preferXServer();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(ZINDLE_APP_ID));
    // The run ends only in the ways the window flow names, never because the last
    // visible window closed.
    app.setQuitOnLastWindowClosed(false);
    installSystemServices();
    WindowFlow::start();
    return app.exec();
}
