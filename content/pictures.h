// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "languages.h"

#include <QString>

// The picture sets under `folder`, named, worded and captioned in `language`: file p of "1"
// and of "2" share a name, and everything that tells a picture apart lies in the rows that
// every board on a common screen shows.
bool writePictureSets(const QString &folder, const Language &language);

// The back of the cards: a lattice that covers the largest card box.
bool writeCardBack(const QString &path);
