#pragma once

#include <QString>
#include <QStringList>

// Names (not paths) of the subfolders or files of a folder, ascending by name ignoring
// case, an exact comparison breaking ties, so both pair folders of a set sort alike.
// Hidden entries (a leading ".") are left out. A folder that cannot be read lists nothing.
QStringList listSubfolders(const QString &folder);
QStringList listFiles(const QString &folder);

// The last component of a path, without the separators that end it.
QString lastPathComponent(const QString &path);

void sortNamesIgnoringCase(QStringList &names);
