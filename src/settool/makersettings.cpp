// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "makersettings.h"

#include "logging.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace
{

constexpr auto LastFolderKey = "maker/lastFolder";

// The game's preferences' file, unless it is there as something QSettings would block on or
// fail to read.
std::unique_ptr<QSettings> settings()
{
    // QSettings reads its file as it is made: the file is looked at first.
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/zindle/zindle.conf");
    const QFileInfo file(path);
    if (file.exists() && (!file.isFile() || file.isSymLink())) {
        qCWarning(filesLog) << "the settings file is not a regular file, left alone:" << path;
        return nullptr;
    }
    return std::make_unique<QSettings>(QStringLiteral("zindle"), QStringLiteral("zindle"));
}

} // namespace

QString MakerSettings::lastFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const auto s = settings();
    if (!s)
        return pictures;
    const QVariant value = s->value(LastFolderKey);
    const QString folder = value.typeId() == QMetaType::QString ? value.toString() : QString();
    return QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir() ? folder : pictures;
}

void MakerSettings::setLastFolder(const QString &folder)
{
    if (const auto s = settings(); s && folder != s->value(LastFolderKey).toString())
        s->setValue(LastFolderKey, folder);
}
