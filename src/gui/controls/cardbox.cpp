// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardbox.h"

#include "core/cards/cardgeometry.h"

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
    setLineWidth(CardBoxFrame);
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
