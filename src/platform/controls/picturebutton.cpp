#include "picturebutton.h"

#include <QPainter>

PictureButton::PictureButton(const QPixmap &picture, QWidget *parent)
    : FocusButton(QString(), parent), m_picture(picture)
{
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paintEvent(QPaintEvent *event)
{
    FocusButton::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(rect());
    const QSize size = m_picture.deviceIndependentSize().toSize();
    painter.drawPixmap(
        QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size),
        m_picture);
}
