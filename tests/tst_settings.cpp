// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/preferences.h"
#include "translations.h"

#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

// What the program keeps and says beside the language file: its preferences and its own
// translated texts.
class TstSettings : public QObject
{
    Q_OBJECT
    QTemporaryDir m_config;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        QCoreApplication::setOrganizationName(QStringLiteral("zindle"));
        QCoreApplication::setApplicationName(QStringLiteral("zindle"));
    }

    void preferencesAreWrittenOnlyWhenSet()
    {
        const QString file = m_config.filePath(QStringLiteral("zindle/zindle.conf"));
        QVERIFY(!Preferences().noClock() && !QFile::exists(file));
        Preferences().setNoClock(true);
        QVERIFY(Preferences().noClock() && QFile::exists(file));
    }

    void startMessagesInEveryShippedLanguage()
    {
        const char *noDisplay = "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
        for (const char *language : {"es", "en", "fr", "de", "it", "pt", "ca", "el", "uk", "xx"}) {
            QLoggingCategory::setFilterRules(QStringLiteral("zindle.translations.warning=true"));
            if (language == QByteArray("xx"))
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no translation"));
            // A language without a translation keeps the English source texts.
            QCOMPARE(installTranslations(QString::fromLatin1(language)),
                     language != QByteArray("xx"));
            const QString said = QCoreApplication::translate("Startup", noDisplay);
            QVERIFY2((said == QLatin1String(noDisplay)) ==
                         (language == QByteArray("en") || language == QByteArray("xx")),
                     language);
            // Else the player would not learn which display did not answer.
            QVERIFY(QCoreApplication::translate("Startup", "the X server of display %1 does not "
                                                           "answer")
                        .contains(QLatin1String("%1")));
            qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
        }
    }

    // The program's words follow the language file where it says its language, else the
    // player's locale where the program has its words, else English.
    void programWordsFollowThePlayer_data()
    {
        QTest::addColumn<bool>("shipped");
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");
        QTest::newRow("a shipped file's own language") << true << QStringList{"he-IL"} << "fr";
        QTest::newRow("a Hebrew file in a Hebrew session")
            << false << QStringList{"he-IL", "he"} << "en";
        QTest::newRow("the locale's first translated language")
            << false << QStringList{"he-IL", "pt-BR", "de"} << "pt";
    }

    void programWordsFollowThePlayer()
    {
        QFETCH(bool, shipped);
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, language);
        const LanguageChoice choice{"idioma.txt", "fr", {}, shipped};
        QCOMPARE(programLanguage(choice, uiLanguages), language);
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
