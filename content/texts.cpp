// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texts.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QStringList>

namespace
{

bool writeLines(const QString &path, const QStringList &lines)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += QByteArray(encoder.encode(line)) + "\r\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

bool writeLanguageFiles(const QString &folder)
{
    const QStringList spanish = {
        QStringLiteral("CONTINUAR"),
        QStringLiteral("Nombre"),
        QStringLiteral("ACEPTAR"),
        QStringLiteral("Selecciona la carpeta de imágenes y el número de parejas"),
        QStringLiteral("JUGAR"),
        QStringLiteral("SEGUIR JUGANDO"),
        QStringLiteral("FIN JUEGO"),
        QStringLiteral("¡Muy bien!"),
        QStringLiteral("Partida de"),
        QStringLiteral("parejas"),
        QStringLiteral("terminada: quedaban"),
        QStringLiteral("segundos"),
        QStringLiteral("- resultados"),
    };
    const QStringList english = {
        QStringLiteral("CONTINUE"),
        QStringLiteral("Name"),
        QStringLiteral("OK"),
        QStringLiteral("Choose the picture folder and the number of pairs"),
        QStringLiteral("PLAY"),
        QStringLiteral("KEEP PLAYING"),
        QStringLiteral("END GAME"),
        QStringLiteral("Well done!"),
        QStringLiteral("Game of"),
        QStringLiteral("pairs"),
        QStringLiteral("finished with"),
        QStringLiteral("seconds left"),
        QStringLiteral("- results"),
    };
    return QDir().mkpath(folder) && writeLines(folder + QStringLiteral("/idioma.txt"), spanish) &&
           writeLines(folder + QStringLiteral("/english.txt"), english);
}
