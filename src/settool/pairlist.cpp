// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pairlist.h"

#include "controls/accessiblefactory.h"

#include <QAccessibleWidget>

namespace
{

class PairListAccessible : public QAccessibleWidget
{
public:
    explicit PairListAccessible(PairList *list) : QAccessibleWidget(list, QAccessible::List) {}
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
};

} // namespace

PairList::PairList(QWidget *parent) : QWidget(parent)
{
    useAccessibleInterface<PairList, PairListAccessible>();
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
