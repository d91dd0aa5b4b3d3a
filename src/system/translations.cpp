// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include "logging.h"

#include <QCoreApplication>
#include <QFile>
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

QString programLanguage(const LanguageChoice &choice, const QStringList &uiLanguages)
{
    if (choice.shipped)
        return choice.language;
    const auto translated = [](const QString &language) {
        return QFile::exists(QStringLiteral(":/i18n/zindle_") + language + QStringLiteral(".qm"));
    };
    for (const QString &uiLanguage : uiLanguages) {
        const QString language = uiLanguage.section(QLatin1Char('-'), 0, 0).toLower();
        if (!language.isEmpty() && translated(language))
            return language;
    }
    return QStringLiteral("en");
}

bool installTranslations(const LanguageChoice &choice)
{
    return installTranslations(programLanguage(choice, QLocale::system().uiLanguages()));
}
