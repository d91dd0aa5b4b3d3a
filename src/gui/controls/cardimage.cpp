// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardimage.h"

#include "controls/accessiblefactory.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace
{

// A card as assistive tools see it: a check box, as Qt presents a checkable button, so that
// screen readers say when the card is framed (Qt has no toggle-button role, and Orca says
// nothing of a push button's checked state). Its press and its toggle are both the game's
// click: the checked state follows the game's frame, never the action.
class CardAccessible : public QAccessibleWidget
{
public:
    explicit CardAccessible(CardImage *card) : QAccessibleWidget(card, QAccessible::CheckBox) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? card()->caption() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        s.checkable = true;
        s.checked = card()->isFramed();
        s.focused = card()->isMarked() && card()->window()->hasFocus();
        return s;
    }
    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() || action == toggleAction())
            card()->click();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    // The window lists the cards themselves: their boxes are nothing to read.
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(card()->window());
    }

private:
    CardImage *card() const { return static_cast<CardImage *>(widget()); }
};

} // namespace

CardImage::CardImage(QWidget *parent) : QWidget(parent)
{
    useAccessibleInterface<CardImage, CardAccessible>();
}

void CardImage::setPicture(const QImage &image, const QRect &visible)
{
    m_picture = QPixmap::fromImage(image);
    m_visible = visible;
    update();
}

void CardImage::frameChanged()
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void CardImage::setMarked(bool marked)
{
    m_marked = marked;
    if (!marked)
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void CardImage::click()
{
    Q_EMIT clicked();
}

void CardImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    // The picture holds the screen's own pixels: drawn as it is, unscaled.
    QPainter painter(this);
    painter.drawPixmap(m_visible.topLeft(), m_picture);
}

void CardImage::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void CardImage::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clicked = m_pressed && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    m_pressed = false;
    if (clicked)
        click();
}

void CardImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}
