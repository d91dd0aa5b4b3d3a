// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "languagefile.h"

#include "core/platform/services.h"
#include "core/platform/textfile.h"

std::vector<std::optional<QString>> readLanguageLines(int skip, int count)
{
    std::vector<std::optional<QString>> lines(static_cast<std::size_t>(count));
    TextFile file;
    if (!file.open(programPath(QString::fromLatin1(LanguageFileLiteral))))
        return lines;
    QString line;
    for (int i = 0; i < skip; ++i) {
        if (!file.readLine(line))
            return lines;
    }
    for (auto &slot : lines) {
        if (!file.readLine(line))
            break;
        slot = line;
    }
    file.close();
    return lines;
}
