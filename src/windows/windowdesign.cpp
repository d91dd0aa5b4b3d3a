#include "windowdesign.h"

#include "centring.h"
#include "platform/form.h"
#include "platform/services.h"

#include <QWidget>

QFont designFont(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setBackgroundColour(QWidget *widget, const QColor &colour, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    if (role == QPalette::Window)
        widget->setAutoFillBackground(true);
}

void centreOnScreen(Form &form, int raise)
{
    Screen *screen = services().screen;
    const QSize outer = form.outerSizeTwips();
    const QPoint at =
        centredPosition(screen->widthTwips(), screen->heightTwips(), outer.width(), outer.height());
    form.moveTwips(at.x(), at.y() - raise);
}
