// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "setmaker.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// A set as one plain zip file holding NAME/1/... and NAME/2/... as in the sets folder, so
// that the captions travel inside the pictures.
class SetArchive
{
    Q_DECLARE_TR_FUNCTIONS(SetArchive)

public:
    // Writes the set of `setFolder` to `zipPath`. Why it failed, or nothing when done.
    static QStringList exportSet(const QString &setFolder, const QString &zipPath);

    // Checks the whole archive before writing a byte, then saves its set with `maker` as a
    // made set is saved (options.replace, progress and cancel count).
    static MadeSet importSet(const QString &zipPath, const SetMaker &maker,
                             const SaveOptions &options);
};
