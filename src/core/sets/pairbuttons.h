// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/paircounts.h"

#include <QString>
#include <array>
#include <optional>

// The pictures that the "1" folder of the set in `setFolder` holds, all files counted. No
// folder (a name that names no set) holds none; nullopt when the "1" folder cannot be read.
std::optional<int> firstFolderPictures(const QString &setFolder);

// Which pair-count buttons, by index, a set of `pictures` pictures can serve.
std::array<bool, PairCounts::ChoiceCount> pairButtonsEnabled(int pictures);
