// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "services.h"

Services &services()
{
    static Services s;
    return s;
}

QString programPath(const QString &literal)
{
    return services().programFolder + literal;
}
