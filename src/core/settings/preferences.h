// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>

// The player's preferences, kept by QSettings under the application's organisation and name
// ("zindle" and "zindle": ~/.config/zindle/zindle.conf, $XDG_CONFIG_HOME too). Reading one
// writes nothing: the file appears when a preference is first set. Each object reads the
// file anew, so one made after another one's change reads that change.
class Preferences
{
public:
    // Play without a clock. Off unless set.
    bool noClock() const;
    void setNoClock(bool on);

private:
    QSettings m_settings;
};
