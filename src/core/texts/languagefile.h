// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The language file: its lines by position. Texts (texts/texts.h) reads it anew in every
// pass, so that a file changed while the program runs reaches the windows created
// afterwards; which file a pass reads is chosen anew as well, by chooseLanguage.
inline constexpr auto LanguageFileLiteral = "/idioma/idioma.txt";
// The user's own is "idioma.txt" in the program's folder of the user's configuration folder
// ($XDG_CONFIG_HOME/zindle, ~/.config/zindle).
// The language of the design's texts, shipped as the program folder's "idioma/es/idioma.txt".
inline constexpr auto DesignLanguage = "es";

struct LanguageChoice {
    // The file a pass reads; it may be missing, which the pass treats as the design says.
    QString file;
    // The shipped language whose picture sets go with these texts.
    QString language;
    // Where the lines a short `file` lacks come from: for the user's own file, the shipped
    // file of `language` (Spanish's when there is none); empty for the others, whose
    // missing lines stay empty.
    QString completion;
    // Whether `file` is the shipped file of `language`; the others do not say their language.
    bool shipped = false;
};

// Where the texts come from, the first that is there of: the user's own file; the program
// folder's "idioma/idioma.txt", by which an administrator decides for everybody; the
// shipped file of the first of `uiLanguages` ("pt-BR", "pt", as QLocale gives them) that
// has one; the shipped Spanish file. A file counts as there when it is a readable regular
// file. The first two do not say their language: their texts go with the shipped sets of
// the language the locale picks. Only the user's own file is completed.
LanguageChoice chooseLanguage(const QString &programFolder, const QStringList &uiLanguages);
// The choice for the system's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
LanguageChoice currentLanguage(const QString &programFolder);

// The lines of the file by what they become, numbered as in the file.
enum class LanguageLine {
    IntroButton = 1,
    NameLabel,
    NameButton,
    SetupInstruction,
    PlayButton,
    KeepPlayingButton,
    FinishButton,
    GameOverMessage,
    // A result line reads <ResultStart> <pairs> <ResultAfterPairs> <ResultBeforeSeconds>
    // <seconds left> <ResultEnd>.
    ResultStart,
    ResultAfterPairs,
    ResultBeforeSeconds,
    ResultEnd,
    // The list window's title after the player's name.
    ListTitle,
};
inline constexpr int LanguageLineCount = int(LanguageLine::ListTitle);

// What one reading pass read, by line.
class LanguageLines
{
public:
    // Empty (nullopt) where the line could not be read: the file is missing or ends before
    // it (only its first 110 KiB are read), the line has no visible character, or the pass
    // did not reach it. A line read is clean (texts/cleantext.h).
    const std::optional<QString> &line(LanguageLine which) const
    {
        return m_lines[std::size_t(which) - 1];
    }
    // A caption: a line that could not be read gives the empty text.
    QString caption(LanguageLine which) const { return line(which).value_or(QString()); }

private:
    friend LanguageLines readLanguageLines(const QString &, LanguageLine, LanguageLine);
    friend LanguageLines readLanguageLines(const LanguageChoice &, LanguageLine, LanguageLine);
    std::array<std::optional<QString>, LanguageLineCount> m_lines;
};

// One reading pass of `file`: opens it, skips the lines before `first`, reads `first` to
// `last` and closes it.
LanguageLines readLanguageLines(const QString &file, LanguageLine first, LanguageLine last);
// A pass of the chosen file, the lines it lacks read from its completion.
LanguageLines readLanguageLines(const LanguageChoice &choice, LanguageLine first,
                                LanguageLine last);
