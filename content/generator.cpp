// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program folder's content into the folder named on the command line.
#include "pictures.h"
#include "sounds.h"
#include "texts.h"

#include "core/sets/setplaces.h"

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
    QDir().mkpath(folder);
    const bool ok = writePictureSets(folder + QLatin1Char('/') + QLatin1String(SetsFolderName)) &&
                    writeCardBack(folder + QStringLiteral("/fondo.jpg")) &&
                    writeSounds(folder + QStringLiteral("/sonidos")) &&
                    writeLanguageFiles(folder + QStringLiteral("/idioma"));
    if (!ok)
        std::fprintf(stderr, "could not write the content into %s\n", argv[1]);
    return ok ? 0 : 1;
}
