// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setplaces.h"

#include "files/filenames.h"
#include "files/listing.h"
#include "files/regularfile.h"
#include "texts/languagefile.h"

#include <QDir>
#include <QHash>
#include <QStandardPaths>
#include <optional>

namespace
{

// The value of a line `XDG_PICTURES_DIR="$HOME/Bilder"` of user-dirs.dirs: quotes and
// backslashes as the shell reads them, $HOME at its start. Empty when it is neither under
// $HOME nor absolute.
QString userDirValue(const QString &text, const QString &home)
{
    QString value;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char('\\') && i + 1 < text.size())
            value += text[++i];
        else if (c == QLatin1Char('#') && !quoted)
            break;
        else
            value += c;
    }
    value = value.trimmed();
    if (value.startsWith(QLatin1String("$HOME")))
        return home + value.mid(5);
    return value.startsWith(QLatin1Char('/')) ? value : QString();
}

// The user's Pictures folder as user-dirs.dirs names it, ~/Pictures when it names none;
// nothing when it names the home folder itself, its way of saying there is none.
std::optional<QString> picturesFolder()
{
    const QString home = QDir::homePath();
    QString folder = home + QStringLiteral("/Pictures");
    QFile file;
    const QString dirs = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/user-dirs.dirs");
    if (openRegularFile(file, dirs)) {
        const QString key = QStringLiteral("XDG_PICTURES_DIR=");
        const QStringList lines = QString::fromUtf8(file.read(64 * 1024)).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(key)) {
                const QString value = userDirValue(trimmed.mid(key.size()), home);
                if (!value.isEmpty())
                    folder = value;
            }
        }
    }
    if (QDir::cleanPath(folder) == QDir::cleanPath(home))
        return std::nullopt;
    return folder;
}

} // namespace

SetLibrary::SetLibrary(QString programFolder, QString language)
    : m_programFolder(std::move(programFolder)), m_language(std::move(language))
{
}

QStringList SetLibrary::places() const
{
    const QString sets = QLatin1Char('/') + QLatin1String(SetsFolderName);
    const QString own = QStringLiteral("/zindle") + sets;
    QStringList places = {m_programFolder + sets};
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QStringList dataDirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    dataDirs.removeAll(dataHome);
    places << dataHome + own;
    if (const auto pictures = picturesFolder())
        places << *pictures + QStringLiteral("/Zindle");
    for (const QString &dir : dataDirs)
        places << dir + own;
    places << shippedLanguageFolder(m_programFolder, m_language) + sets;
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
    return all.front() + QLatin1Char('/') + setName;
}
