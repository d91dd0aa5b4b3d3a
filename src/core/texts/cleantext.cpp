// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cleantext.h"

QString cleanText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const QChar::Category category = c.category();
        if ((u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069))
            continue;
        if (category == QChar::Separator_Line || category == QChar::Separator_Paragraph ||
            (category == QChar::Other_Control && c.isSpace()))
            clean += QLatin1Char(' ');
        else if (category != QChar::Other_Control)
            clean += c;
    }
    return clean;
}
