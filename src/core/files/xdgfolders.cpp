// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xdgfolders.h"

#include "logging.h"

#include <QByteArray>
#include <QList>

void ignoreRelativeXdgFolders()
{
    for (const char *home :
         {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
        const QByteArray value = qgetenv(home);
        if (!value.isEmpty() && !value.startsWith('/')) {
            qCWarning(filesLog) << home << "is not an absolute path: ignored";
            qunsetenv(home);
        }
    }
    for (const char *list : {"XDG_DATA_DIRS", "XDG_CONFIG_DIRS"}) {
        const QByteArray value = qgetenv(list);
        if (value.isEmpty())
            continue;
        QList<QByteArray> kept;
        for (const QByteArray &folder : value.split(':')) {
            if (folder.startsWith('/'))
                kept << folder;
        }
        if (kept.size() == value.split(':').size())
            continue;
        qCWarning(filesLog) << list << "names folders that are not absolute paths: ignored";
        // An empty list would mean the defaults to Qt too.
        if (kept.isEmpty())
            qunsetenv(list);
        else
            qputenv(list, kept.join(':'));
    }
}
