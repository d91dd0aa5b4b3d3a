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

constexpr auto NoClockKey = "noClock";
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

bool isGeneral(const QByteArray &line)
{
    return line.trimmed() == "[General]";
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
           QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('/') +
           QCoreApplication::applicationName() + QStringLiteral(".conf");
}

QByteArray Preferences::value(QByteArrayView key) const
{
    bool general = true;
    for (const QByteArray &line : m_text.split('\n')) {
        if (isSection(line))
            general = isGeneral(line);
        else if (general && keyOf(line) == key)
            return line.mid(line.indexOf('=') + 1);
    }
    return {};
}

bool Preferences::noClock() const
{
    const std::optional<bool> on = truthValue(value(NoClockKey));
    if (!on && !value(NoClockKey).isEmpty())
        qCWarning(filesLog) << filePath() << "sets noClock to no truth value: off";
    return on.value_or(false);
}

bool Preferences::setNoClock(bool on)
{
    return set(NoClockKey, on ? "true" : "false");
}

bool Preferences::set(QByteArrayView key, QByteArrayView value)
{
    // The other lines stay as they are; the key's line is replaced, or added to [General].
    QList<QByteArray> lines = m_text.isEmpty() ? QList<QByteArray>() : m_text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QByteArray setting = key.toByteArray() + '=' + value.toByteArray();
    qsizetype generalEnd = -1;
    bool general = false, done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        if (isSection(lines[i])) {
            general = isGeneral(lines[i]);
            generalEnd = general ? i + 1 : generalEnd;
        } else if (general && keyOf(lines[i]) == key) {
            lines[i] = setting;
            done = true;
        } else if (general) {
            generalEnd = i + 1;
        }
    }
    if (!done && generalEnd < 0) {
        lines.prepend("[General]");
        generalEnd = 1;
    }
    if (!done)
        lines.insert(generalEnd, setting);
    const QByteArray text = lines.join('\n') + '\n';

    const QString path = filePath();
    QSaveFile file(path);
    const bool kept = QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
                      file.write(text) == text.size() && file.commit();
    if (!kept) {
        const QString reason = file.errorString();
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
