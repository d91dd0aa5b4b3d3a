// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pairbuttons.h"

#include "files/filenames.h"
#include "files/listing.h"
#include "logging.h"
#include "sets/setlibrary.h"

std::optional<int> firstFolderPictures(const QString &setFolder)
{
    if (setFolder.isEmpty())
        return 0;
    const QString folder = setFolder + QLatin1Char('/') + QLatin1String(FirstPairFolder);
    if (!isReadableFolder(folder)) {
        // A name typed that names no set yet is no failure.
        if (isFolder(setFolder))
            qCWarning(setsLog) << "no pair count offered for" << setFolder << "- its folder"
                               << FirstPairFolder << "cannot be read";
        return std::nullopt;
    }
    return int(listFiles(folder).size());
}

std::array<bool, PairCounts::ChoiceCount> pairButtonsEnabled(int pictures)
{
    std::array<bool, PairCounts::ChoiceCount> enabled{};
    for (int i = 0; i < PairCounts::ChoiceCount; ++i)
        enabled[std::size_t(i)] = pictures >= PairCounts::pairsFor(i);
    return enabled;
}
