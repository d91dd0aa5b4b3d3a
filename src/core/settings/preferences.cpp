// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preferences.h"

#include "files/regularfile.h"
#include "logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>
#include <optional>

namespace
{

constexpr auto General = "General";
constexpr auto NoClockKey = "noClock";
constexpr auto Maker = "maker";
constexpr auto LastFolderKey = "lastFolder";
constexpr qint64 MaxFileBytes = 64 * 1024;

std::optional<bool> truthValue(const QByteArray &value)
{
    const QByteArray word = value.trimmed().toLower();
    if (word == "true" || word == "1" || word == "yes" || word == "on")
        return true;
    if (word == "false" || word == "0" || word == "no" || word == "off")
        return false;
    return std::nullopt;
}

bool isSection(const QByteArray &line)
{
    return line.trimmed().startsWith('[');
}

bool isHeaderOf(const QByteArray &line, QByteArrayView section)
{
    const QByteArray header = line.trimmed();
    return header.size() == section.size() + 2 && header.startsWith('[') && header.endsWith(']') &&
           header.mid(1, section.size()) == section;
}

// The key a "key=value" line sets, trimmed.
QByteArray keyOf(const QByteArray &line)
{
    const qsizetype equals = line.indexOf('=');
    return equals < 0 ? QByteArray() : line.left(equals).trimmed();
}

} // namespace

Preferences::Preferences()
{
    QFile file;
    if (openRegularFile(file, filePath()))
        m_text = file.read(MaxFileBytes);
}

QString Preferences::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/zindle/zindle.conf");
}

QByteArray Preferences::value(QByteArrayView section, QByteArrayView key) const
{
    // Keys before any section header are QSettings' [General] ones.
    bool inSection = section == General;
    for (const QByteArray &line : m_text.split('\n')) {
        if (isSection(line))
            inSection = isHeaderOf(line, section);
        else if (inSection && keyOf(line) == key)
            return line.mid(line.indexOf('=') + 1);
    }
    return {};
}

bool Preferences::noClock() const
{
    const std::optional<bool> on = truthValue(value(General, NoClockKey));
    if (!on && !value(General, NoClockKey).isEmpty())
        qCWarning(filesLog) << filePath() << "sets noClock to no truth value: off";
    return on.value_or(false);
}

bool Preferences::setNoClock(bool on)
{
    return set(General, NoClockKey, on ? "true" : "false");
}

QString Preferences::makerFolder() const
{
    const QString folder = QString::fromUtf8(value(Maker, LastFolderKey));
    return QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir() ? folder : QString();
}

bool Preferences::setMakerFolder(const QString &folder)
{
    const QByteArray bytes = folder.toUtf8();
    if (bytes == value(Maker, LastFolderKey))
        return true;
    // A line end in a folder's name would end the setting there.
    return !bytes.contains('\n') && !bytes.contains('\r') && set(Maker, LastFolderKey, bytes);
}

bool Preferences::set(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    // The other lines stay as they are; the key's line is replaced, or added to its section:
    // [General] leads, as QSettings writes it, another section follows the rest.
    QList<QByteArray> lines = m_text.isEmpty() ? QList<QByteArray>() : m_text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QByteArray setting = key.toByteArray() + '=' + value.toByteArray();
    const QByteArray header = '[' + section.toByteArray() + ']';
    qsizetype sectionEnd = -1;
    bool inSection = false, done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        if (isSection(lines[i])) {
            inSection = isHeaderOf(lines[i], section);
            sectionEnd = inSection ? i + 1 : sectionEnd;
        } else if (inSection && keyOf(lines[i]) == key) {
            lines[i] = setting;
            done = true;
        } else if (inSection) {
            sectionEnd = i + 1;
        }
    }
    if (!done && sectionEnd < 0) {
        if (section == General) {
            lines.prepend(header);
            sectionEnd = 1;
        } else {
            lines.append(header);
            sectionEnd = lines.size();
        }
    }
    if (!done)
        lines.insert(sectionEnd, setting);
    const QByteArray text = lines.join('\n') + '\n';

    const QString path = filePath();
    // A named pipe or a folder in the file's place is not ours to replace.
    const QFileInfo existing(path);
    const bool ours = !existing.exists() || existing.isFile();
    QSaveFile file(path);
    const bool kept = ours && QDir().mkpath(QFileInfo(path).path()) &&
                      file.open(QIODevice::WriteOnly) && file.write(text) == text.size() &&
                      file.commit();
    if (!kept) {
        const QString reason = ours ? file.errorString() : QStringLiteral("not a regular file");
        qCWarning(filesLog) << "the preference" << key << "cannot be kept in" << path << ":"
                            << reason;
        const QString line =
            QCoreApplication::translate("Startup", "%1: the preference is not kept: %2: %3\n")
                .arg(QCoreApplication::applicationName(), path, reason);
        fputs(line.toLocal8Bit().constData(), stderr);
        return false;
    }
    m_text = text;
    return true;
}
