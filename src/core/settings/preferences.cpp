// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preferences.h"

namespace
{
constexpr auto NoClockKey = "noClock";
} // namespace

bool Preferences::noClock() const
{
    return m_settings.value(NoClockKey, false).toBool();
}

void Preferences::setNoClock(bool on)
{
    m_settings.setValue(NoClockKey, on);
}
