// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/xdgfolders.h"
#include "settings/preferences.h"
#include "translations.h"

#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <sys/stat.h>

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

    void preferenceValues_data()
    {
        // What stands at the file's place, whether the test then sets noClock, and whether the
        // next start plays without a clock.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("set");
        QTest::addColumn<bool>("noClock");
        QTest::newRow("true") << QByteArray("[General]\nnoClock=true\n") << false << true;
        QTest::newRow("not a truth value: the default")
            << QByteArray("[General]\nnoClock=banana\n") << false << false;
        QTest::newRow("a typo: the default") << QByteArray("noClock=flase") << false << false;
        QTest::newRow("another section's key")
            << QByteArray("[Other]\nnoClock=true") << false << false;
        QTest::newRow("set, other lines kept")
            << QByteArray("[Other]\nx=1\n[General]\ny=2") << true << true;
        QTest::newRow("a FIFO: unset, never waited for nor replaced")
            << QByteArray("fifo") << true << false;
        QTest::newRow("a folder in its place: not kept, said")
            << QByteArray("folder") << true << false;
    }

    void preferenceValues()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, set);
        const QString path = Preferences::filePath();
        QDir(m_config.path()).removeRecursively();
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        if (file == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (file == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (QFile f(path); !f.open(QIODevice::WriteOnly) || f.write(file) != file.size())
            QFAIL("the preferences cannot be written");
        if (set) {
            QLoggingCategory::setFilterRules(QStringLiteral("zindle.files.warning=true"));
            const bool notOurs = file == "folder" || file == "fifo";
            if (notOurs)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot be kept"));
            QCOMPARE(Preferences().setNoClock(true), !notOurs);
            QLoggingCategory::setFilterRules(QString());
        }
        QTEST(Preferences().noClock(), "noClock");
        QFile written(path);
        if (set && file != "folder" && file != "fifo")
            QVERIFY(written.open(QIODevice::ReadOnly) &&
                    written.readAll().contains("[Other]\nx=1"));
    }

    void relativeXdgFoldersIgnored()
    {
        const QByteArray kept = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", "relative/config");
        qputenv("XDG_DATA_DIRS", "share:/usr/share");
        ignoreRelativeXdgFolders();
        QCOMPARE(Preferences::filePath(), QDir::homePath() + "/.config/zindle/zindle.conf");
        QCOMPARE(qgetenv("XDG_DATA_DIRS"), "/usr/share");
        qputenv("XDG_CONFIG_HOME", kept);
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
