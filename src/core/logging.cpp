// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logging.h"

Q_LOGGING_CATEGORY(setsLog, "zindle.sets", QtWarningMsg)
Q_LOGGING_CATEGORY(picturesLog, "zindle.pictures", QtWarningMsg)
