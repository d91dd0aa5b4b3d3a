// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setlibrary.h"

#include "files/filenames.h"
#include "files/listing.h"
#include "logging.h"
#include "platform/programfolder.h"
#include "texts/cleantext.h"

#include <QCollator>
#include <QDir>
#include <QHash>
#include <QLocale>
#include <QStandardPaths>
#include <algorithm>
#include <utility>

SetLibrary::SetLibrary(QString programFolder, QString language)
    : m_programFolder(std::move(programFolder)), m_language(std::move(language))
{
}

QStringList SetLibrary::places() const
{
    const QString sets = QLatin1Char('/') + QLatin1String(SetsFolderName);
    const QString own = QLatin1Char('/') + QLatin1String(AppFolderName) + sets;
    QStringList places = {m_programFolder + sets};
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QStringList dataDirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    dataDirs.removeAll(dataHome);
    places << dataHome + own;
    // user-dirs.dirs names the home folder itself to say that there is no Pictures folder.
    // What it may not hold (neither absolute nor under $HOME) Qt hands on as a relative path,
    // which would be read from the working folder: the default ~/Pictures then.
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (QDir::isRelativePath(pictures))
        pictures = QDir::homePath() + QStringLiteral("/Pictures");
    if (QDir::cleanPath(pictures) != QDir::cleanPath(QDir::homePath()))
        places << pictures + QStringLiteral("/Zindle");
    for (const QString &dir : dataDirs)
        places << dir + own;
    places << languageFolder(m_programFolder, m_language) + sets;
    for (QString &place : places)
        place = QDir::cleanPath(place);
    places.removeDuplicates();
    return places;
}

std::vector<SetEntry> SetLibrary::list() const
{
    QHash<QString, SetEntry> byName;
    QStringList names;
    for (const QString &place : places()) {
        // Qt reads these paths from the environment and user-dirs.dirs as text: bytes that
        // do not decode become U+FFFD, and the folder named so is never there.
        if (place.contains(QChar::ReplacementCharacter))
            qCWarning(setsLog) << "the place" << place
                               << "comes from a path that does not decode: its sets are not listed";
        if (isFolder(place) && !isReadableFolder(place))
            qCWarning(setsLog) << "the place" << place << "cannot be read: its sets are not listed";
        for (const QString &name : listSubfolders(place)) {
            if (!byName.contains(name)) {
                byName.insert(name, {name, place + QLatin1Char('/') + name, place});
                names << name;
            }
        }
    }
    // As people read a list in their language: "Ñandú" beside "nubes", "set 2" before
    // "set 10"; names that differ only in case in a fixed order all the same. The C locale
    // has no collation but code points: the language of the texts has one.
    QCollator collator(QLocale().language() == QLocale::C ? QLocale(m_language) : QLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    // Each name's key made once: comparing through the collator costs a hundred thousand
    // folders seconds.
    std::vector<std::pair<QCollatorSortKey, QString>> keyed;
    keyed.reserve(std::size_t(names.size()));
    for (const QString &name : names)
        keyed.emplace_back(collator.sortKey(name), name);
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        const int c = a.first.compare(b.first);
        return c != 0 ? c < 0 : a.second < b.second;
    });
    std::vector<SetEntry> sets;
    sets.reserve(keyed.size());
    for (const auto &[key, name] : keyed)
        sets.push_back(byName.value(name));
    return sets;
}

QString SetLibrary::folderOf(const QString &setName) const
{
    if (setName.isEmpty() || setName == QLatin1String(".") || setName == QLatin1String("..") ||
        setName.contains(QLatin1Char('/')))
        return {};
    const QStringList all = places();
    for (const QString &place : all) {
        const QString folder = place + QLatin1Char('/') + setName;
        if (isFolder(folder))
            return folder;
    }
    // The set box lists names clean (texts/cleantext.h): the name shown finds its set too.
    for (const SetEntry &set : list()) {
        if (cleanText(set.name) == setName)
            return set.folder;
    }
    return all.front() + QLatin1Char('/') + setName;
}
