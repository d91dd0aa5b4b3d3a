// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texts.h"

LanguageLines Texts::read(LanguageLine first, LanguageLine last) const
{
    return readLanguageLines(choice(), first, last);
}

ResultWords resultWords(const LanguageLines &lines)
{
    return {lines.caption(LanguageLine::ResultStart), lines.caption(LanguageLine::ResultAfterPairs),
            lines.caption(LanguageLine::ResultBeforeSeconds),
            lines.caption(LanguageLine::ResultEnd)};
}
