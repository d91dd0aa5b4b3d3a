// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program folder's content into the folder named on the command line: the card
// back, the sounds, and for every language its language file and its picture sets, in
// "idioma/<code>", where the game looks for them when the locale asks for that language.
#include "pictures.h"
#include "sounds.h"
#include "texts.h"

#include "platform/programfolder.h"
#include "sets/setlibrary.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = QDir().mkpath(folder) && writeCardBack(folder + QStringLiteral("/fondo.jpg")) &&
              writeSounds(folder + QStringLiteral("/sonidos"));
    const QString sets = QLatin1Char('/') + QLatin1String(SetsFolderName);
    for (const Language &language : Languages) {
        const QString own = languageFolder(folder, QString::fromLatin1(language.code));
        ok = ok && writeLanguageFile(own + QStringLiteral("/idioma.txt"), language) &&
             writePictureSets(own + sets, language);
    }
    if (!ok)
        std::fprintf(stderr, "could not write the content into %s\n", argv[1]);
    return ok ? 0 : 1;
}
