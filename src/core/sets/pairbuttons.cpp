// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pairbuttons.h"

#include "files/filenames.h"
#include "files/listing.h"
#include "sets/setplaces.h"

std::optional<int> firstFolderPictures(const QString &set)
{
    if (set.isEmpty())
        return 0;
    const QString folder = set + QStringLiteral("/1/");
    if (!isReadableFolder(folder))
        return std::nullopt;
    return int(listFiles(folder).size());
}

std::array<bool, PairCounts::ChoiceCount> pairButtonsEnabled(int pictures)
{
    std::array<bool, PairCounts::ChoiceCount> enabled{};
    for (int i = 0; i < PairCounts::ChoiceCount; ++i)
        enabled[std::size_t(i)] = pictures >= PairCounts::pairsFor(i);
    return enabled;
}
