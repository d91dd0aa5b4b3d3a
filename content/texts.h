// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// "idioma.txt" in Spanish and "english.txt" beside it: 13 lines, Windows-1252, CR LF.
bool writeLanguageFiles(const QString &folder);
