// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/resultwords.h"
#include "texts/languagefile.h"

#include <QString>

// The window texts of the language file, for every window: each call is one reading pass
// of the file chosen for the program folder and the system's locale at that moment.
class Texts
{
public:
    explicit Texts(QString programFolder) : m_programFolder(std::move(programFolder)) {}

    // Lines `first` to `last`, in one pass.
    LanguageLines read(LanguageLine first, LanguageLine last) const;
    // One line as a caption, in a pass of its own.
    QString caption(LanguageLine line) const { return read(line, line).caption(line); }
    // Where the texts come from now, and the language of the sets that go with them.
    LanguageChoice choice() const { return currentLanguage(m_programFolder); }
    // Right to left when the first letter of the lines is of a right-to-left script, as a
    // family's own Hebrew or Arabic file: the windows then lay themselves out mirrored.
    Qt::LayoutDirection direction() const;

    const QString &programFolder() const { return m_programFolder; }

private:
    QString m_programFolder;
};

// The words of a result line among the lines of a pass.
ResultWords resultWords(const LanguageLines &lines);
