// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Names (not paths) of the subfolders or files of a folder, ascending by name ignoring
// case, an exact comparison breaking ties, so both pair folders of a set sort alike.
// Hidden entries (a leading ".") are left out, and so is what is neither a folder nor a
// regular file. A folder that cannot be read lists nothing. Names keep their bytes (see
// filenames.h).
QStringList listSubfolders(const QString &folder);
QStringList listFiles(const QString &folder);

void sortNamesIgnoringCase(QStringList &names);
