// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the set maker keeps between runs, in the section "maker" of the game's preferences'
// file. Reading writes nothing; a value that is not what it should be reads as the default,
// and a file that is not a regular one (a FIFO, a folder) is neither read nor written.
class MakerSettings
{
public:
    // The folder a file dialog opened in last: an existing folder, else the Pictures folder.
    static QString lastFolder();
    static void setLastFolder(const QString &folder);
};
