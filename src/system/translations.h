// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The program's own texts beyond the language file's lines go through Qt's translation
// system, one translation a shipped language (translations/zindle_<language>.ts), built into
// the program. Their source texts are English.

// Installs into the running application the translation of `language`, a shipped language
// as currentLanguage() names it ("fr"), so that QCoreApplication::translate and tr() give
// its texts. False, with a warning, where the language has none: the texts stay English.
bool installTranslations(const QString &language);
