#include "platform/realservices.h"
#include "windows/form5.h"
#include "windows/forms.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The run ends only in the ways the window flow names, never because the last
    // visible window closed.
    app.setQuitOnLastWindowClosed(false);
    installSystemServices();
    form5().show();
    return app.exec();
}
