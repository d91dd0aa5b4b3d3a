// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "focusbutton.h"

#include "controls/accessiblefactory.h"
#include "look/colours.h"

#include <QAccessibleWidget>
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

// A button as assistive tools see it: named by its caption, no object inside it (its focus
// mark and picture are drawing, nothing to read), and a checkable one is a radio button,
// which screen readers say checked where they say nothing of a push button's state.
class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(FocusButton *button) : QAccessibleWidget(button) {}

    QAccessible::Role role() const override
    {
        return button()->isCheckable() ? QAccessible::RadioButton : QAccessible::Button;
    }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        const QString s = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !s.isEmpty())
            return s;
        return button()->text().remove(QLatin1Char('&'));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        s.pressed = button()->isDown();
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && button()->isEnabled())
            button()->click();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    FocusButton *button() const { return static_cast<FocusButton *>(widget()); }
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
    : QPushButton(parent), m_mark(new ButtonMark(this))
{
    // Set once the button is whole, so that assistive tools meet it as one of the game's.
    setText(caption);
    useAccessibleInterface<FocusButton, ButtonAccessible>();
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
