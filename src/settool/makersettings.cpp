// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "makersettings.h"

#include "settings/preferences.h"

#include <QStandardPaths>

QString MakerSettings::lastFolder()
{
    const QString folder = Preferences().makerFolder();
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                            : folder;
}

void MakerSettings::setLastFolder(const QString &folder)
{
    Preferences().setMakerFolder(folder);
}
