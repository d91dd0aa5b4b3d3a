// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

// How the set maker writes a set into the sets folder, which holds the user's own folders
// and links too: only what it made is ever removed, entry by entry without following a
// link; files and folders get the modes of the user's umask, as cp would make them.
namespace MakerFiles
{

// Writes a new file `name` in the folder open as `folderFd`; 0, or the errno of the failure.
int writeNew(int folderFd, const QString &name, const QByteArray &bytes);

// Removes the entry `name` of the folder open as `folderFd`: a link or file by itself, a
// folder with what it holds, never what a link leads to. Folders of the user's made
// read-only are made writable first. False when something stays.
bool removeEntry(int folderFd, const QByteArray &name);

// Whether the JPEG, read from its start, runs to its end marker: a file cut short still
// decodes, grey below the cut.
bool jpegIsWhole(QIODevice &file);

// The PNG with every "Title" text replaced by one of `caption`, its other chunks (the
// pixels) byte for byte; empty when it is no whole PNG.
QByteArray withPngTitle(const QByteArray &png, const QString &caption);

// A folder made in another, open.
struct Folder {
    Folder(int parentFd, const QString &parent, const QString &name);
    ~Folder();
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;

    int fd = -1;
    QString path;
};

// Held while a set is saved: SIGTERM, SIGINT or SIGHUP then end the save, which removes
// what it wrote, and the program ends as the signal asks once no save runs.
struct Saving {
    Saving();
    ~Saving();
    Saving(const Saving &) = delete;
    Saving &operator=(const Saving &) = delete;
};
// A signal that ends the program came while a set was being saved.
bool terminating();

// A hidden folder of the sets folder where a set is written, so the game never lists it
// half written. Made after the hidden work folders of saves that no longer run are
// removed; what it holds when it goes (a set not moved in, the set replaced) goes with it.
class Work
{
public:
    explicit Work(const QString &setsFolder);
    ~Work();
    Work(const Work &) = delete;
    Work &operator=(const Work &) = delete;

    bool isValid() const { return m_fd >= 0; }
    int error() const { return m_error; }
    int fd() const { return m_fd; }
    QString path() const;

    // Whether the sets folder's file system takes `name`: 0, or the errno of its refusal.
    int tryName(const QString &name) const;

    // Puts the work in the sets folder as `name`. A set there changes place with it, so
    // that the work folder holds it and it goes; a link goes as a link. Entries of the old
    // set beside "1" and "2" move into the new one. Why it failed, or nothing.
    QStringList moveIn(const QString &name);

private:
    int m_setsFd = -1;
    int m_fd = -1;
    int m_error = 0;
    QString m_setsFolder;
    QByteArray m_name;
    QByteArray m_old;
};

} // namespace MakerFiles
