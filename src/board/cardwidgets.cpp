#include "cardwidgets.h"

#include "platform/twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace
{

// The inner area of a box: the background picture once, from the top left, where a
// palette brush would tile it over a box larger than the picture.
class BoxInner : public QWidget
{
public:
    BoxInner(CardBox *box) : QWidget(box), m_box(box) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_box->background().isNull())
            return;
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_box->background());
    }

private:
    CardBox *m_box;
};

} // namespace

CardBox::CardBox(QWidget *parent) : QFrame(parent), m_inner(new BoxInner(this))
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
}

void CardBox::setBackground(const QPixmap &background)
{
    m_background = background;
    m_inner->update();
}

void CardBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_inner->setGeometry(contentsRect());
}

CardImage::CardImage(QWidget *parent) : QWidget(parent) {}

void CardImage::setPicture(const QImage &image, const QRect &visible)
{
    m_picture = QPixmap::fromImage(image);
    m_visible = visible;
    update();
}

void CardImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(m_visible, m_picture);
}

void CardImage::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void CardImage::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click && onClick)
        onClick();
}

void CardImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

SelectionFrame::SelectionFrame(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SelectionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(vbColor(0x0000FF));
    const QRect r = rect();
    constexpr int w = 4;
    painter.drawRect(0, 0, r.width(), w);
    painter.drawRect(0, r.height() - w, r.width(), w);
    painter.drawRect(0, w, w, r.height() - 2 * w);
    painter.drawRect(r.width() - w, w, w, r.height() - 2 * w);
}

PictureButton::PictureButton(const QPixmap &picture, QWidget *parent)
    : QPushButton(parent), m_picture(picture)
{
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(rect());
    const QSize size = m_picture.deviceIndependentSize().toSize();
    painter.drawPixmap(
        QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size),
        m_picture);
}
