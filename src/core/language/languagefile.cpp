// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "languagefile.h"

#include "core/platform/services.h"
#include "core/platform/textfile.h"

LanguageLines readLanguageLines(LanguageLine first, LanguageLine last)
{
    LanguageLines lines;
    TextFile file;
    if (!file.open(programPath(QString::fromLatin1(LanguageFileLiteral))))
        return lines;
    QString line;
    for (int n = 1; n <= int(last); ++n) {
        if (!file.readLine(line))
            break;
        if (n >= int(first))
            lines.m_lines[std::size_t(n) - 1] = line;
    }
    file.close();
    return lines;
}
