// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setplaces.h"

#include "core/platform/listing.h"
#include "core/platform/services.h"

#include <QFileInfo>
#include <QHash>

QStringList setPlaces()
{
    return {programPath(QLatin1Char('/') + QLatin1String(SetsFolderName))};
}

std::vector<SetEntry> listSets()
{
    QHash<QString, SetEntry> byName;
    QStringList names;
    for (const QString &place : setPlaces()) {
        for (const QString &name : listSubfolders(place)) {
            if (!byName.contains(name)) {
                byName.insert(name, {name, place + QLatin1Char('/') + name, place});
                names << name;
            }
        }
    }
    sortNamesIgnoringCase(names);
    std::vector<SetEntry> sets;
    for (const QString &name : names)
        sets.push_back(byName.value(name));
    return sets;
}

QString pictureSetFolder(const QString &setName)
{
    if (setName.isEmpty() || setName == QLatin1String(".") || setName == QLatin1String("..") ||
        setName.contains(QLatin1Char('/')))
        return {};
    const QStringList places = setPlaces();
    for (const QString &place : places) {
        const QString folder = place + QLatin1Char('/') + setName;
        if (QFileInfo(folder).isDir())
            return folder;
    }
    return places.front() + QLatin1Char('/') + setName;
}
