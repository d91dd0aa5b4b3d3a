// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

// The player of the run: the name accepted at name entry, untrimmed.
class Player : public QObject
{
    Q_OBJECT
public:
    const QString &name() const { return m_name; }
    void setName(const QString &name)
    {
        if (name == m_name)
            return;
        m_name = name;
        Q_EMIT nameChanged(m_name);
    }

Q_SIGNALS:
    void nameChanged(const QString &name);

private:
    QString m_name;
};
