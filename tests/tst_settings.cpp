// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/preferences.h"
#include "translations.h"

#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace
{
constexpr auto NoDisplay = "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
constexpr auto NotAnswering = "the X server of display %1 does not answer";
} // namespace

// What the program keeps and says beside the language file: its preferences and its own
// translated texts.
class TstSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

    QString preferencesFile() const
    {
        return m_config.filePath(QStringLiteral("zindle/zindle.conf"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        QCoreApplication::setOrganizationName(QStringLiteral("zindle"));
        QCoreApplication::setApplicationName(QStringLiteral("zindle"));
    }
    void cleanup()
    {
        QDir(m_config.filePath(QStringLiteral("zindle"))).removeRecursively();
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
    }

    void preferencesAreWrittenOnlyWhenSet_data()
    {
        QTest::addColumn<QList<bool>>("settings");
        QTest::addColumn<bool>("noClock");
        QTest::newRow("only read: clock on, no file") << QList<bool>{} << false;
        QTest::newRow("set: a new object reads it") << QList<bool>{true} << true;
        QTest::newRow("set back: off again") << QList<bool>{true, false} << false;
    }
    void preferencesAreWrittenOnlyWhenSet()
    {
        QFETCH(QList<bool>, settings);
        QFETCH(bool, noClock);
        for (bool on : settings)
            Preferences().setNoClock(on);
        QCOMPARE(Preferences().noClock(), noClock);
        QCOMPARE(QFile::exists(preferencesFile()), !settings.isEmpty());
    }

    void startMessagesInEveryShippedLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"es", "en", "fr", "de", "it", "pt", "ca", "el", "uk"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void startMessagesInEveryShippedLanguage()
    {
        QFETCH(QString, language);
        QVERIFY(installTranslations(language));
        const QString noDisplay = QCoreApplication::translate("Startup", NoDisplay);
        // English is the source: its translation is the source text itself.
        QCOMPARE(noDisplay == QLatin1String(NoDisplay), language == QLatin1String("en"));
        QVERIFY(!noDisplay.isEmpty());
        // Else the player would not learn which display did not answer.
        QVERIFY(QCoreApplication::translate("Startup", NotAnswering).contains(QLatin1String("%1")));
    }
    void unshippedLanguageKeepsEnglish()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("zindle.translations.warning=true"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no translation")));
        QVERIFY(!installTranslations(QStringLiteral("xx")));
        QCOMPARE(QCoreApplication::translate("Startup", NoDisplay), QLatin1String(NoDisplay));
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
