// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include "logging.h"

#include <QCoreApplication>
#include <QTranslator>

bool installTranslations(const QString &language)
{
    // The application owns it: it translates for as long as the application lives.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("zindle_") + language, QStringLiteral(":/i18n"))) {
        qCWarning(translationsLog) << "no translation of the program's texts into" << language;
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
