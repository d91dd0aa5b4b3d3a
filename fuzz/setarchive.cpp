// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as the zip file of `zindle-sets --import`: checked whole, then refused or made
// into one set of the sets folder, and never anything beside it.
#include "setarchive.h"
#include "setmaker.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir work;
    const QString zip = work.path() + QStringLiteral("/in.zip");
    QFile file(zip);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    QTemporaryDir sets(work.path() + QStringLiteral("/sets-XXXXXX"));
    // By bytes: Qt cannot remove a name that is not in the locale's encoding, which an
    // archive may well give.
    sets.setAutoRemove(false);
    const MadeSet made = SetArchive::importSet(zip, SetMaker(sets.path()), SaveOptions());
    const QStringList written =
        QDir(sets.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    if (written.size() != (made.saved() ? 1 : 0))
        __builtin_trap();
    std::filesystem::remove_all(QFile::encodeName(sets.path()).toStdString());
    return 0;
}
