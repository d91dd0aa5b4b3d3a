// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a language file: every line read, as the windows read them and line by line.
#include "texts/languagefile.h"
#include "files/textfile.h"

#include <QDir>
#include <QFile>
#include <cstdint>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString path =
        QDir::tempPath() + QStringLiteral("/zindle-fuzz-idioma-%1.txt").arg(::getpid());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    readLanguageLines(path, LanguageLine::IntroButton, LanguageLine::ListTitle);
    TextFile text;
    text.open(path, 4096);
    for (QString line; text.readLine(line);) {
        if (line.size() > MaxLineLength)
            __builtin_trap();
    }
    return 0;
}
