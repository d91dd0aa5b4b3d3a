// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texts.h"

#include "files/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

bool writeLanguageFile(const QString &path, const Language &language)
{
    QString text;
    for (const char *line : language.texts)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder.encode(text);
    if (decodeWindows1252(bytes) != text)
        bytes = "\xEF\xBB\xBF" + text.toUtf8();
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}
