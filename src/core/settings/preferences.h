// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// The player's preferences, the game's and the set maker's, kept in the configuration
// folder's "zindle/zindle.conf" (~/.config/zindle/zindle.conf, $XDG_CONFIG_HOME too) as
// QSettings writes it: "noClock=true" under "[General]", "lastFolder=..." under "[maker]". The file
// is read once, when the object is made, through the regular-file rule and only its first 64 KiB,
// so that a named pipe or a huge file in its place never holds up the start; reading writes
// nothing, the file appears when a preference is first set. A value that is not a truth value
// (true, false, 1, 0, yes, no, on, off) reads as the preference's default.
class Preferences
{
public:
    Preferences();

    // Play without a clock. Off unless set.
    bool noClock() const;
    // False, said once on standard error and in the log, when the preference cannot be
    // kept (a read-only file or folder, a folder in the file's place); the file is then left
    // as it was.
    bool setNoClock(bool on);

    // The folder the set maker's file dialog opened in last: an existing folder, else empty.
    QString makerFolder() const;
    bool setMakerFolder(const QString &folder);

    // Where the preferences are kept.
    static QString filePath();

private:
    bool set(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    // The key's value in the section as written, empty when the file does not set it.
    QByteArray value(QByteArrayView section, QByteArrayView key) const;

    QByteArray m_text;
};
