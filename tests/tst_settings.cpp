// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/preferences.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// What the program keeps beside the language file: its preferences.
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
    void cleanup() { QDir(m_config.filePath(QStringLiteral("zindle"))).removeRecursively(); }

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
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
