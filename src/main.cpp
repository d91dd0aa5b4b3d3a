#include "platform/system/realservices.h"
#include "windows/flow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The run ends only in the ways the window flow names, never because the last
    // visible window closed.
    app.setQuitOnLastWindowClosed(false);
    installSystemServices();
    WindowFlow::start();
    return app.exec();
}
