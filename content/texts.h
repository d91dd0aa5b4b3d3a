// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "languages.h"

#include <QString>

// The language's 13 lines at `path`, CR LF each: in Windows-1252 when it holds every
// character, as the game has always read its file, else in UTF-8 after the byte-order mark.
bool writeLanguageFile(const QString &path, const Language &language);
