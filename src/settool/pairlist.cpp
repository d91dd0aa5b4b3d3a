// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pairlist.h"

#include "controls/accessiblefactory.h"

#include <QAccessibleWidget>

namespace
{

// The list's items are the rows themselves: the scroll area's viewport and the widget that
// holds the rows stay out of the way.
class PairListAccessible : public QAccessibleWidget
{
public:
    explicit PairListAccessible(PairList *list) : QAccessibleWidget(list, QAccessible::List) {}

    int childCount() const override { return int(list()->items().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QWidgetList items = list()->items();
        return index >= 0 && index < items.size()
                   ? QAccessible::queryAccessibleInterface(items[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(list()->items().indexOf(child->object())) : -1;
    }

private:
    PairList *list() const { return static_cast<PairList *>(widget()); }
};

class PairRowAccessible : public QAccessibleWidget
{
public:
    explicit PairRowAccessible(PairRow *row) : QAccessibleWidget(row, QAccessible::ListItem) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<PairRow *>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
    // The list, past the widgets that hold the rows.
    QAccessibleInterface *parent() const override
    {
        for (QWidget *w = widget()->parentWidget(); w; w = w->parentWidget()) {
            if (auto *list = dynamic_cast<PairList *>(w))
                return QAccessible::queryAccessibleInterface(list);
        }
        return QAccessibleWidget::parent();
    }
};

} // namespace

PairList::PairList(QWidget *parent) : QScrollArea(parent)
{
    useAccessibleInterface<PairList, PairListAccessible>();
    setWidgetResizable(true);
}

QWidgetList PairList::items() const
{
    QWidgetList items;
    if (widget()) {
        for (PairRow *row : widget()->findChildren<PairRow *>(Qt::FindDirectChildrenOnly))
            items << row;
    }
    return items;
}

PairRow::PairRow(QWidget *parent) : QFrame(parent)
{
    useAccessibleInterface<PairRow, PairRowAccessible>();
    setFrameShape(QFrame::StyledPanel);
}

void PairRow::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
