// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programfolder.h"

#include <QCoreApplication>

QString executableFolder()
{
    QString folder = QCoreApplication::applicationDirPath();
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

QString languageFolder(const QString &programFolder, const QString &language)
{
    return programFolder + QLatin1Char('/') + QLatin1String(ShippedLanguagesFolderName) +
           QLatin1Char('/') + language;
}
