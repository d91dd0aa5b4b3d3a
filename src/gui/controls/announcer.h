// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// What a window says to screen readers beyond its controls: a notification that shows anew
// with each announcement, since screen readers speak a notification as it shows, where they
// leave a changed name or description unsaid. It draws nothing.
class Announcer : public QWidget
{
public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &text);
    const QString &text() const { return m_text; }

private:
    QString m_text;
};
