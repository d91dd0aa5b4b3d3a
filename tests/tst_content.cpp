#include "platform/listing.h"
#include "platform/textfile.h"

#include <QFile>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

// Checks what the build put into the program folder next to the executable.
class TstContent : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everySetHas36PairsThatSortAlike();
    void languageFilesHave13Lines_data();
    void languageFilesHave13Lines();
    void soundsArePlayablePcm_data();
    void soundsArePlayablePcm();
    void picturesOfTheWindowsHaveTheirSizes_data();
    void picturesOfTheWindowsHaveTheirSizes();

private:
    const QString m_folder = QStringLiteral(ZINDLE_PROGRAM_DIR);
};

void TstContent::everySetHas36PairsThatSortAlike()
{
    const QStringList sets = listSubfolders(m_folder + QStringLiteral("/graficos"));
    QVERIFY(sets.size() >= 4);
    for (const QString &set : sets) {
        const QString base = m_folder + QStringLiteral("/graficos/") + set;
        const QStringList first = listFiles(base + QStringLiteral("/1"));
        const QStringList second = listFiles(base + QStringLiteral("/2"));
        QCOMPARE(first.size(), 36);
        QCOMPARE(second, first);
        for (const QString &name : first) {
            for (const char *half : {"/1/", "/2/"}) {
                QImageReader reader(base + QLatin1String(half) + name);
                QVERIFY2(reader.canRead(), qPrintable(set + QLatin1String(half) + name));
                QVERIFY(reader.size().width() >= 200);
            }
        }
    }
    QVERIFY(QImageReader(m_folder + QStringLiteral("/fondo.jpg")).size().width() >= 500);
}

void TstContent::languageFilesHave13Lines_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("line4");
    QTest::newRow("Spanish") << "idioma.txt"
                             << "Selecciona la carpeta de imágenes y el número de parejas";
    QTest::newRow("English") << "english.txt"
                             << "Choose the picture folder and the number of pairs";
}

void TstContent::languageFilesHave13Lines()
{
    QFETCH(QString, file);
    QFETCH(QString, line4);
    const QString path = m_folder + QStringLiteral("/idioma/") + file;
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    QCOMPARE(bytes.count("\r\n"), 13);
    QCOMPARE(bytes.count('\n'), 13);
    QVERIFY(bytes.endsWith("\r\n"));
    TextFile text;
    QVERIFY(text.open(path));
    QStringList lines;
    QString line;
    while (text.readLine(line))
        lines << line;
    QCOMPARE(lines.size(), 13);
    QCOMPARE(lines[3], line4);
    for (const QString &l : lines)
        QVERIFY(!l.isEmpty());
}

void TstContent::soundsArePlayablePcm_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("click") << "abrir.wav";
    QTest::newRow("pair") << "cerrar.wav";
    QTest::newRow("miss") << "fallo.wav";
}

void TstContent::soundsArePlayablePcm()
{
    QFETCH(QString, name);
    QFile file(m_folder + QStringLiteral("/sonidos/") + name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    QVERIFY(wav.startsWith("RIFF"));
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1));
    QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
    const quint32 dataSize = qFromLittleEndian<quint32>(wav.constData() + 40);
    QCOMPARE(dataSize, quint32(wav.size() - 44));
    int loud = 0;
    for (qsizetype i = 44; i + 1 < wav.size(); i += 2)
        loud += std::abs(qFromLittleEndian<qint16>(wav.constData() + i)) > 3000;
    QVERIFY(loud > 100);
}

void TstContent::picturesOfTheWindowsHaveTheirSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("window icon") << "fish.svg" << QSize(32, 32);
    QTest::newRow("board end button") << "board_close.svg" << QSize(28, 29);
    QTest::newRow("board list button") << "board_list.svg" << QSize(32, 32);
    QTest::newRow("list back button") << "list_back.svg" << QSize(51, 52);
    QTest::newRow("intro title") << "intro_title.svg" << QSize(616, 518);
}

void TstContent::picturesOfTheWindowsHaveTheirSizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage image(QStringLiteral(":/images/") + name);
    QCOMPARE(image.size(), size);
    QVERIFY(image.pixelColor(size.width() / 2, size.height() / 2).alpha() > 0);
}

QTEST_MAIN(TstContent)
#include "tst_content.moc"
