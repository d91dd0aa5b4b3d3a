// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include "logging.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
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
    // Qt's own dialogs, the file dialog and the buttons of messages, where Qt has the language.
    auto *qtTexts = new QTranslator(QCoreApplication::instance());
    if (qtTexts->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
    return QCoreApplication::installTranslator(translator);
}
