// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// What the program tells a developer, off unless asked for, as in
// QT_LOGGING_RULES="zindle.*.debug=true": sets read and pictures left out, refused or
// waited for.
Q_DECLARE_LOGGING_CATEGORY(setsLog)
Q_DECLARE_LOGGING_CATEGORY(picturesLog)
