// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QScrollArea>

// The maker's pairs: a scrolled column of rows, which assistive tools see as one list named
// by the window, its items the rows, with nothing between them.
class PairList : public QScrollArea
{
public:
    explicit PairList(QWidget *parent = nullptr);

    // What the list holds now, in order.
    QWidgetList items() const;
};

// A row of the pairs list, named by the text it is given ("pair 3: vaca, herba").
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
