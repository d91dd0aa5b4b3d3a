#include "picturelabel.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace
{

QPixmap renderSvg(const QString &resource)
{
    QSvgRenderer renderer(resource);
    QPixmap pixmap(renderer.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace

PictureLabel::PictureLabel(const QString &svgResource, Qt::Alignment alignment, QWidget *parent)
    : QLabel(parent)
{
    setPixmap(renderSvg(svgResource));
    setAlignment(alignment);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}
