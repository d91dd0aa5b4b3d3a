#include "fakes.h"
#include "language/languagefile.h"

#include <QTest>

using Lines = QList<QVariant>;

namespace
{

// The pass's result as a list where a line that could not be read is an invalid QVariant.
Lines asVariants(const std::vector<std::optional<QString>> &lines)
{
    Lines out;
    for (const auto &l : lines)
        out << (l ? QVariant(*l) : QVariant());
    return out;
}

} // namespace

class TstLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void passReadsItsLines_data();
    void passReadsItsLines();
    void everyPassOpensTheFileAnew();
};

void TstLanguage::passReadsItsLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("skip");
    QTest::addColumn<int>("count");
    QTest::addColumn<Lines>("expected");
    const QVariant none;
    QByteArray thirteen;
    for (int i = 1; i <= 15; ++i)
        thirteen += "line " + QByteArray::number(i) + "\r\n";
    QByteArray eight;
    for (int i = 1; i <= 8; ++i)
        eight += "l" + QByteArray::number(i) + "\r\n";

    QTest::newRow("missing file: nothing read")
        << QByteArray() << false << 8 << 5 << Lines{none, none, none, none, none};
    QTest::newRow("empty file: no line at all") << QByteArray() << true << 0 << 1 << Lines{none};
    QTest::newRow("the board's lines 9 to 13")
        << thirteen << true << 8 << 5
        << Lines{"line 9", "line 10", "line 11", "line 12", "line 13"};
    QTest::newRow("8 lines: the board reads none")
        << eight << true << 8 << 5 << Lines{none, none, none, none, none};
    QTest::newRow("8 lines: the game-over window reads 6 to 8")
        << eight << true << 5 << 3 << Lines{"l6", "l7", "l8"};
    QTest::newRow("LF-only file is one line")
        << QByteArray("CONTINUAR\nNombre\nACEPTAR\n") << true << 0 << 3
        << Lines{"CONTINUAR\nNombre\nACEPTAR\n", none, none};
    QTest::newRow("a short file ends the pass midway")
        << QByteArray("a\r\nb\r\nc\r\nd") << true << 3 << 2 << Lines{"d", none};
    QTest::newRow("blank and empty lines stay as they are")
        << QByteArray("  \r\n\r\nx") << true << 0 << 3 << Lines{"  ", "", "x"};
    QTest::newRow("accents in Windows-1252")
        << QByteArray("x\r\nx\r\nx\r\nSelecciona la carpeta de im\xE1genes y el n\xFAmero\r\n")
        << true << 3 << 1 << Lines{QStringLiteral("Selecciona la carpeta de imágenes y el número")};
}

void TstLanguage::passReadsItsLines()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, exists);
    QFETCH(int, skip);
    QFETCH(int, count);
    QFETCH(Lines, expected);
    TestProgram program;
    if (exists)
        program.writeFile(QStringLiteral("idioma/idioma.txt"), file);
    QCOMPARE(asVariants(readLanguageLines(skip, count)), expected);
}

void TstLanguage::everyPassOpensTheFileAnew()
{
    TestProgram program;
    program.writeLanguage({QStringLiteral("uno")});
    QCOMPARE(captionOf(readLanguageLines(0, 1)[0]), QStringLiteral("uno"));
    program.writeLanguage({QStringLiteral("dos")});
    QCOMPARE(captionOf(readLanguageLines(0, 1)[0]), QStringLiteral("dos"));
    QFile::remove(program.path(QStringLiteral("idioma/idioma.txt")));
    QCOMPARE(captionOf(readLanguageLines(0, 1)[0]), QString());
}

QTEST_MAIN(TstLanguage)
#include "tst_language.moc"
