// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <chrono>

// The temporary ".part" files the game writes thumbnails into before renaming them: the
// cache is shared with every desktop program, so none may stay there when the game ends,
// whether it ends itself, by SIGTERM (logging out), SIGINT (Ctrl+C) or SIGHUP.
namespace ThumbnailParts
{

// One part file being written, from before it is created until it is renamed or removed.
class Writing
{
public:
    // `path`, absolute and encoded, is removed if the program ends by a signal meanwhile.
    explicit Writing(const QByteArray &path);
    ~Writing();
    Writing(const Writing &) = delete;
    Writing &operator=(const Writing &) = delete;
    // False when the file must not be started: the program is ending, or too many are
    // being written at once.
    bool allowed() const { return m_slot >= 0; }

private:
    int m_slot = -1;
};

// At the program's end: lets the files being written finish for at most `most`, then
// removes those that did not; no new one starts afterwards.
void finishWriting(std::chrono::milliseconds most);

// Removes the game's own part files (a thumbnail's name, a random word, ".part") older than
// any write takes from the size folder open at `folderFd`: left by a game killed outright.
void removeStale(int folderFd);

} // namespace ThumbnailParts
