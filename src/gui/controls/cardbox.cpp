// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardbox.h"

#include "cards/cardgeometry.h"
#include "controls/accessiblefactory.h"
#include "controls/cardimage.h"

#include <QAccessibleWidget>
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

// To assistive tools a box is a group holding its card alone: the inner area, the
// selection frame and the background are nothing a player acts on.
class CardBoxAccessible : public QAccessibleWidget
{
public:
    explicit CardBoxAccessible(CardBox *box) : QAccessibleWidget(box, QAccessible::Grouping) {}

    int childCount() const override { return card() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && card() ? QAccessible::queryAccessibleInterface(card()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && card() && child->object() == card() ? 0 : -1;
    }

private:
    CardImage *card() const
    {
        for (QObject *o : static_cast<CardBox *>(widget())->inner()->children()) {
            if (auto *image = dynamic_cast<CardImage *>(o))
                return image;
        }
        return nullptr;
    }
};

} // namespace

CardBox::CardBox(QWidget *parent) : QFrame(parent), m_inner(new BoxInner(this))
{
    useAccessibleInterface<CardBox, CardBoxAccessible>();
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
