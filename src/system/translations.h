// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "texts/languagefile.h"

#include <QString>
#include <QStringList>

// The program's own texts beyond the language file's lines go through Qt's translation
// system, one translation a shipped language (translations/zindle_<language>.ts), built into
// the program. Their source texts are English.

// Installs into the running application the translation of `language`, a shipped language
// as currentLanguage() names it ("fr"), so that QCoreApplication::translate and tr() give
// its texts. False, with a warning, where the language has none: the texts stay English.
bool installTranslations(const QString &language);

// The language of the program's own texts beside the texts of `choice`: the language of a
// shipped file; for a file of the player's or the administrator's, which does not say its
// language, the first of `uiLanguages` ("pt-BR", "pt") the program has a translation into,
// else English, so that a Hebrew file does not leave its player with Spanish messages.
QString programLanguage(const LanguageChoice &choice, const QStringList &uiLanguages);

// installTranslations(programLanguage(choice, the system locale's languages)).
bool installTranslations(const LanguageChoice &choice);
