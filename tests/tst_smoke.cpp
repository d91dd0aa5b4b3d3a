#include "fakes.h"
#include "language/languagefile.h"

#include <QTest>

class TstSmoke : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void languageLinesComeFromTheProgramFolder()
    {
        TestProgram program;
        program.writeLanguage({QStringLiteral("CONTINUAR"), QStringLiteral("Nombre")});
        const auto lines = readLanguageLines(1, 2);
        QCOMPARE(lines[0].value_or(QString()), QStringLiteral("Nombre"));
        QVERIFY(!lines[1]);
    }
};

QTEST_MAIN(TstSmoke)
#include "tst_smoke.moc"
