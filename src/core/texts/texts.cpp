// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texts.h"

LanguageLines Texts::read(LanguageLine first, LanguageLine last) const
{
    return readLanguageLines(choice(), first, last);
}

Qt::LayoutDirection Texts::direction() const
{
    const LanguageLines lines = read(LanguageLine::IntroButton, LanguageLine::ListTitle);
    QString all;
    for (int line = 1; line <= LanguageLineCount; ++line)
        all += lines.caption(LanguageLine(line)) + QLatin1Char('\n');
    return all.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
}

ResultWords resultWords(const LanguageLines &lines)
{
    return {lines.caption(LanguageLine::ResultStart), lines.caption(LanguageLine::ResultAfterPairs),
            lines.caption(LanguageLine::ResultBeforeSeconds),
            lines.caption(LanguageLine::ResultEnd)};
}
