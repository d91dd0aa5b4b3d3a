// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The program folder: the executable's own, which holds the card back, the sounds, the
// shipped languages and the administrator's sets and texts.

// The folder the program's own files take in the user's and the shared data and
// configuration folders: "zindle/graficos", "zindle/idioma.txt".
inline constexpr auto AppFolderName = "zindle";

// The program folder's folder of the shipped languages: "idioma/<code>" holds a language's
// texts and its picture sets.
inline constexpr auto ShippedLanguagesFolderName = "idioma";

// The running executable's folder, without a trailing separator (but "/" itself).
QString executableFolder();

// The folder of a shipped language in a program folder: "<programFolder>/idioma/fr".
QString languageFolder(const QString &programFolder, const QString &language);
