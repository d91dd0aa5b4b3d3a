// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourdifference.h"
#include "core/pictures/caption.h"
#include "core/platform/listing.h"
#include "core/platform/textfile.h"
#include "core/sets/setplaces.h"
#include "sets/setcheck.h"

#include <QFile>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

// Checks what the build put into the program folder next to the executable.
class TstContent : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everySetPassesTheCheckerWithNothingToWarnAbout();
    void swatchesLookApart();
    void languageFilesHave13Lines();
    void soundsArePlayablePcm();
    void picturesOfTheWindowsDraw();

private:
    const QString m_folder = QStringLiteral(ZINDLE_PROGRAM_DIR);
};

void TstContent::everySetPassesTheCheckerWithNothingToWarnAbout()
{
    const auto sets = setsIn(m_folder + QLatin1Char('/') + QLatin1String(SetsFolderName));
    QVERIFY(sets.size() >= 6);
    std::vector<SetReport> reports;
    int smaller = 0;
    for (const auto &[name, folder] : sets) {
        reports.push_back(checkSet(name, folder));
        const SetReport &r = reports.back();
        QVERIFY2(r.playable() && r.warnings() == 0, qPrintable(reportLines({r}).join('\n')));
        QCOMPARE(r.second, r.first);
        // A screen reader says what every shipped card shows, never a file number.
        for (const PictureCheck &picture : r.pictures)
            QVERIFY2(embeddedCaption(picture.path), qPrintable(picture.path));
        smaller += r.first.size() < 36;
    }
    QVERIFY(smaller >= 2);
    QCOMPARE(exitStatus(reports), 0);
    QVERIFY(QImageReader(m_folder + QStringLiteral("/fondo.jpg")).size().width() >= 500);
}

void TstContent::swatchesLookApart()
{
    const QString folder =
        m_folder + QLatin1Char('/') + QLatin1String(SetsFolderName) + QStringLiteral("/colores/1/");
    std::vector<QColor> swatches;
    for (const QString &name : listFiles(folder))
        swatches.push_back(QImage(folder + name).pixelColor(5, 5));
    QVERIFY(swatches.size() >= 12);
    // The published CIEDE2000 difference of sRGB red and blue under D65.
    QVERIFY(std::abs(colourDifference(Qt::red, Qt::blue) - 52.88) < 0.05);
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        for (std::size_t j = i + 1; j < swatches.size(); ++j)
            QVERIFY2(colourDifference(swatches[i], swatches[j]) >= 20,
                     qPrintable(QStringLiteral("%1 %2").arg(i + 1).arg(j + 1)));
    }
}

void TstContent::languageFilesHave13Lines()
{
    for (const auto &[file, line4] :
         {std::pair{"idioma.txt", "Selecciona la carpeta de imágenes y el número de parejas"},
          std::pair{"english.txt", "Choose the picture folder and the number of pairs"}}) {
        TextFile text;
        QVERIFY(text.open(m_folder + QStringLiteral("/idioma/") + file));
        QStringList lines;
        for (QString line; text.readLine(line);)
            lines << line;
        // Every line ends in CR LF: a lone LF would stay inside a line.
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines[3], QString::fromUtf8(line4));
        QVERIFY(!lines.contains(QString()) && !lines.join(QString()).contains('\n'));
    }
}

void TstContent::soundsArePlayablePcm()
{
    for (const char *name : {"abrir.wav", "cerrar.wav", "fallo.wav"}) {
        QFile file(m_folder + QStringLiteral("/sonidos/") + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt ");
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(wav.size() - 44));
        int loud = 0;
        for (qsizetype i = 44; i + 1 < wav.size(); i += 2)
            loud += std::abs(qFromLittleEndian<qint16>(wav.constData() + i)) > 3000;
        QVERIFY2(loud > 100, name);
    }
}

// The pictures built into the executable load and draw something at their centre.
void TstContent::picturesOfTheWindowsDraw()
{
    for (const char *name :
         {"fish.svg", "board_close.svg", "board_list.svg", "list_back.svg", "intro_title.svg"}) {
        const QImage image(QStringLiteral(":/images/") + name);
        QVERIFY2(!image.isNull() && image.pixelColor(image.rect().center()).alpha() > 0, name);
    }
}

QTEST_MAIN(TstContent)
#include "tst_content.moc"
