// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The words of a result line, from the language file as the board read it when it opened.
struct ResultWords {
    QString start;
    QString afterPairs;
    QString beforeSeconds;
    QString end;
};
