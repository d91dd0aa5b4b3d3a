// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>
#include <optional>

// The language file: its lines by position, read anew in every pass so that a file
// changed while the program runs reaches the windows created afterwards.
inline constexpr auto LanguageFileLiteral = "/idioma/idioma.txt";

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
    // it, or the pass did not reach it.
    const std::optional<QString> &line(LanguageLine which) const
    {
        return m_lines[std::size_t(which) - 1];
    }
    // A caption: a line that could not be read gives the empty text.
    QString caption(LanguageLine which) const { return line(which).value_or(QString()); }

private:
    friend LanguageLines readLanguageLines(LanguageLine, LanguageLine);
    std::array<std::optional<QString>, LanguageLineCount> m_lines;
};

// One reading pass: opens the file, skips the lines before `first`, reads `first` to
// `last` and closes it.
LanguageLines readLanguageLines(LanguageLine first, LanguageLine last);
