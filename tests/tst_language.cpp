#include "fakes.h"
#include "language/languagefile.h"

#include <QTest>

class TstLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void passReadsItsLines_data();
    void passReadsItsLines();
};

void TstLanguage::passReadsItsLines_data()
{
    QTest::addColumn<int>("linesInFile");
    QTest::addColumn<int>("skip");
    QTest::addColumn<int>("count");
    // The lines read by number; "-" where a line could not be read.
    QTest::addColumn<QString>("read");
    QTest::newRow("missing file") << -1 << 8 << 5 << "- - - - -";
    QTest::newRow("the board's lines 9 to 13") << 15 << 8 << 5 << "9 10 11 12 13";
    QTest::newRow("8 lines: the board reads none") << 8 << 8 << 5 << "- - - - -";
    QTest::newRow("a short file ends the pass midway") << 4 << 3 << 2 << "4 -";
}

void TstLanguage::passReadsItsLines()
{
    QFETCH(int, linesInFile);
    QFETCH(int, skip);
    QFETCH(int, count);
    TestProgram program;
    QStringList lines;
    for (int i = 1; i <= linesInFile; ++i)
        lines << QString::number(i);
    if (linesInFile >= 0)
        program.writeLanguage(lines);
    QStringList read;
    for (const auto &line : readLanguageLines(skip, count))
        read << line.value_or("-");
    QTEST(read.join(' '), "read");
}

QTEST_MAIN(TstLanguage)
#include "tst_language.moc"
