// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "focusbutton.h"

#include "look/colours.h"

#include <QKeyEvent>
#include <QPainter>

namespace
{

// In front of the button's own children, such as a picture that fills it.
class ButtonMark : public QWidget
{
public:
    explicit ButtonMark(QWidget *button) : QWidget(button)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        paintFocusMark(painter, rect().adjusted(3, 3, -3, -3), 2);
    }
};

} // namespace

void paintFocusMark(QPainter &painter, const QRect &rect, int width)
{
    const QRectF r = QRectF(rect).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Colours::FocusMark, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawRect(r);
    QPen dashes(Qt::black, width, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({2, 2});
    painter.setPen(dashes);
    painter.drawRect(r);
}

FocusButton::FocusButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent), m_mark(new ButtonMark(this))
{
}

void FocusButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void FocusButton::focusInEvent(QFocusEvent *event)
{
    QPushButton::focusInEvent(event);
    m_mark->raise();
    m_mark->show();
}

void FocusButton::focusOutEvent(QFocusEvent *event)
{
    QPushButton::focusOutEvent(event);
    m_mark->hide();
}

void FocusButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    m_mark->setGeometry(rect());
}
