// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/paircounts.h"

#include <QObject>
#include <QString>

// What the next board plays: the set, by the name the set box holds, the pair count, by
// the index of its button, and whether a clock counts down or the player takes their time.
class GameChoice : public QObject
{
    Q_OBJECT
public:
    // The set named by the player; the empty name too, once they named it.
    const QString &setName() const { return m_setName; }
    bool isSetChosen() const { return m_setChosen; }
    void setSetName(const QString &name)
    {
        const bool changed = !m_setChosen || name != m_setName;
        m_setChosen = true;
        if (!changed)
            return;
        m_setName = name;
        Q_EMIT setNameChanged(m_setName);
    }

    // 0 <= index < PairCounts::ChoiceCount.
    int pairChoice() const { return m_pairChoice; }
    void setPairChoice(int index)
    {
        if (index < 0 || index >= PairCounts::ChoiceCount || index == m_pairChoice)
            return;
        m_pairChoice = index;
        Q_EMIT pairChoiceChanged(m_pairChoice);
    }
    int pairs() const { return PairCounts::pairsFor(m_pairChoice); }

    // For the run: the player's preference or the command line decide it as the run starts.
    bool withClock() const { return m_withClock; }
    void setWithClock(bool on) { m_withClock = on; }

Q_SIGNALS:
    void setNameChanged(const QString &name);
    void pairChoiceChanged(int index);

private:
    QString m_setName;
    bool m_setChosen = false;
    int m_pairChoice = PairCounts::DefaultChoice;
    bool m_withClock = true;
};
