// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "listing.h"

#include <QDir>
#include <algorithm>

namespace
{

QStringList listEntries(const QString &folder, QDir::Filters kind)
{
    if (folder.isEmpty())
        return {};
    QDir dir(folder);
    QStringList names = dir.entryList(kind | QDir::NoDotAndDotDot, QDir::Unsorted);
    names.removeIf([](const QString &name) { return name.startsWith(QLatin1Char('.')); });
    sortNamesIgnoringCase(names);
    return names;
}

} // namespace

void sortNamesIgnoringCase(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
}

QStringList listSubfolders(const QString &folder)
{
    return listEntries(folder, QDir::Dirs);
}

QStringList listFiles(const QString &folder)
{
    return listEntries(folder, QDir::Files);
}
