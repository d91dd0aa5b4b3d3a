// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>
#include <vector>

// The language file: its lines by position, read anew in every pass so that a file
// changed while the program runs reaches the windows created afterwards.
inline constexpr auto LanguageFileLiteral = "/idioma/idioma.txt";

// One reading pass: opens the file, skips `skip` lines, reads `count` lines and closes it.
// An element is empty (nullopt) where its line could not be read: the file is missing or
// ends before it.
std::vector<std::optional<QString>> readLanguageLines(int skip, int count);

// A caption from a pass: a line that could not be read gives the empty text.
inline QString captionOf(const std::optional<QString> &line)
{
    return line.value_or(QString());
}
