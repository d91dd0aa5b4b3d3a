// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A text from outside the program (a typed name, a folder's name, a picture's caption, a
// language file's line) as a window, a title or an assistive tool may be handed it: control
// characters are dropped, and so are the bidirectional embeddings, overrides and isolates
// (U+202A-U+202E, U+2066-U+2069) by which a name could show reversed or turn the text
// around it. A tab or a line break becomes a blank, so that words stay apart. The marks
// U+200E and U+200F are kept: they only give the direction of a neutral character, as
// right-to-left writing needs, and reverse nothing.
QString cleanText(const QString &text);
