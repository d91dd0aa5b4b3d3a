// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include "controls/accessiblefactory.h"

#include <QAccessibleWidget>

namespace
{

class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Announcer *>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
};

} // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    useAccessibleInterface<Announcer, AnnouncerAccessible>();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void Announcer::announce(const QString &text)
{
    hide();
    m_text = text;
    show();
}
