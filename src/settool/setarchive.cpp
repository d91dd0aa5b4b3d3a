// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setarchive.h"

#include "setcheck.h"

QStringList SetArchive::exportSet(const QString &setFolder, const QString &zipPath)
{
    Q_UNUSED(setFolder);
    return {tr("cannot write %1 yet").arg(quoted(zipPath))};
}

MadeSet SetArchive::importSet(const QString &zipPath, const SetMaker &maker,
                              const SaveOptions &options)
{
    Q_UNUSED(maker);
    Q_UNUSED(options);
    MadeSet made;
    made.problems << tr("cannot read %1 yet").arg(quoted(zipPath));
    return made;
}
