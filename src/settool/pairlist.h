// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>

// The maker's pairs as assistive tools see them: a list named by the window, whose rows are
// its items, each named by the text it is given ("pair 3: vaca, herba").
class PairList : public QWidget
{
public:
    explicit PairList(QWidget *parent = nullptr);
};

class PairRow : public QFrame
{
public:
    explicit PairRow(QWidget *parent = nullptr);

    const QString &text() const { return m_text; }
    // Also tells assistive tools that the row's name changed.
    void setText(const QString &text);

private:
    QString m_text;
};
