// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logging.h"

// Critical messages only by default: a set of a thousand pictures, some unreadable, would
// otherwise fill the player's terminal with warnings.
Q_LOGGING_CATEGORY(setsLog, "zindle.sets", QtCriticalMsg)
Q_LOGGING_CATEGORY(picturesLog, "zindle.pictures", QtCriticalMsg)
Q_LOGGING_CATEGORY(thumbnailsLog, "zindle.thumbnails", QtCriticalMsg)
Q_LOGGING_CATEGORY(filesLog, "zindle.files", QtCriticalMsg)
Q_LOGGING_CATEGORY(soundsLog, "zindle.sounds", QtCriticalMsg)
Q_LOGGING_CATEGORY(translationsLog, "zindle.translations", QtCriticalMsg)
Q_LOGGING_CATEGORY(startupLog, "zindle.startup", QtCriticalMsg)
