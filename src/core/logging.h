// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// What the program tells a developer: warnings for every failure it goes on from, debug
// lines for what it chose. All are off unless asked for, as in
// QT_LOGGING_RULES="zindle.*=true", so that a player's terminal stays quiet.

// Sets read, and the sets and pairs left out.
Q_DECLARE_LOGGING_CATEGORY(setsLog)
// Pictures that cannot be read or decoded, and those left out, refused or waited for.
Q_DECLARE_LOGGING_CATEGORY(picturesLog)
// The desktop's shared thumbnails that do not serve or cannot be written.
Q_DECLARE_LOGGING_CATEGORY(thumbnailsLog)
// Folders that cannot be listed.
Q_DECLARE_LOGGING_CATEGORY(filesLog)
// Sounds that cannot be played.
Q_DECLARE_LOGGING_CATEGORY(soundsLog)
// Translations of the program's own texts that could not be installed.
Q_DECLARE_LOGGING_CATEGORY(translationsLog)
// Start-up settings of the environment that the program leaves out or corrects.
Q_DECLARE_LOGGING_CATEGORY(startupLog)
