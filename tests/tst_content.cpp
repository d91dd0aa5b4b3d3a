// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourdifference.h"
#include "controls/colourbutton.h"
#include "files/listing.h"
#include "files/textfile.h"
#include "languages.h"
#include "look/colours.h"
#include "pictures/caption.h"
#include "platform/programfolder.h"
#include "rules/paircounts.h"
#include "rules/resultwords.h"
#include "setcheck.h"
#include "sets/setlibrary.h"
#include "texts/languagefile.h"
#include "translations.h"
#include "windows/gameoverwindow.h"
#include "windows/introwindow.h"
#include "windows/namewindow.h"
#include "windows/resultswindow.h"
#include "windows/setupwindow.h"
#include "windowtesting.h"

#include <QAbstractButton>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QTranslator>
#include <QtEndian>

namespace
{

// The captions of a window's buttons and labels that do not fit their control: wider than
// the control (inside a button's border), or, wrapped, taller.
QStringList overflowing(ProgramWindow &form)
{
    QStringList tooBig;
    // No window of the game offers the title bar's minimise and maximise buttons.
    if (form.window()->windowFlags() & Qt::WindowMinMaxButtonsHint)
        tooBig << QStringLiteral("minimise and maximise buttons");
    for (QWidget *w : form.window()->findChildren<QWidget *>()) {
        // Every control of the window's own is placed.
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
            !(w->testAttribute(Qt::WA_Moved) && w->testAttribute(Qt::WA_Resized)))
            tooBig << w->objectName() + QStringLiteral(" never placed");
        auto *label = qobject_cast<QLabel *>(w);
        const QString text = w->property("text").toString();
        if (text.isEmpty() || !(label || qobject_cast<QAbstractButton *>(w)))
            continue;
        const bool wraps = label && label->wordWrap();
        const QRect room = label ? w->contentsRect() : w->contentsRect().adjusted(2, 2, -2, -2);
        const QRect need =
            QFontMetrics(w->font()).boundingRect(room, wraps ? Qt::TextWordWrap : 0, text);
        // One line stands where the design put it; lines that wrap must stay inside.
        if (need.width() > room.width() || (wraps && need.height() > room.height()))
            tooBig << text + QStringLiteral(" (%1x%2 in %3x%4)")
                                 .arg(need.width())
                                 .arg(need.height())
                                 .arg(room.width())
                                 .arg(room.height());
    }
    return tooBig;
}

} // namespace

// Checks what the build put into the program folder next to the executable.
class TstContent : public QObject
{
    Q_OBJECT
private:
    QString setsOf(const Language &language) const;
    const QString m_folder = QStringLiteral(ZINDLE_PROGRAM_DIR);

private Q_SLOTS:
    // Every language's sets.
    void everySetPassesTheCheckerWithNothingToWarnAbout()
    {
        std::vector<SetReport> reports;
        int smaller = 0;
        for (const Language &language : Languages) {
            const auto sets = setsIn(setsOf(language));
            QCOMPARE(sets.size(), language.setNames.size());
            for (const auto &[name, folder] : sets) {
                reports.push_back(checkSet(name, folder));
                const SetReport &r = reports.back();
                QVERIFY2(r.playable() && r.warnings() == 0,
                         qPrintable(reportLines({r}).join('\n')));
                QCOMPARE(r.second, r.first);
                // A screen reader says what every shipped card shows, never a file number.
                for (const PictureCheck &picture : r.pictures)
                    QVERIFY2(embeddedCaption(picture.path, QString::fromLatin1(language.code)),
                             qPrintable(picture.path));
                smaller += r.first.size() < 36;
            }
        }
        QVERIFY(smaller >= 2);
        QCOMPARE(exitStatus(reports), 0);
        QVERIFY(QImageReader(m_folder + QStringLiteral("/fondo.jpg")).size().width() >= 500);
        // The program folder's own language file and sets are left to the administrator.
        QVERIFY(!QFileInfo::exists(m_folder + LanguageFileLiteral));
        QVERIFY(!QFileInfo::exists(m_folder + '/' + SetsFolderName));
    }

    void swatchesLookApart()
    {
        // The published CIEDE2000 difference of sRGB red and blue under D65.
        QVERIFY(std::abs(colourDifference(Qt::red, Qt::blue) - 52.88) < 0.05);
        for (const Language &language : Languages) {
            const QString folder =
                setsOf(language) + '/' + QString::fromUtf8(language.setNames[ColoursSet]) + "/1/";
            std::vector<QColor> swatches;
            for (const QString &name : listFiles(folder))
                swatches.push_back(QImage(folder + name).pixelColor(5, 5));
            QVERIFY(swatches.size() >= 12);
            for (std::size_t i = 0; i < swatches.size(); ++i) {
                for (std::size_t j = i + 1; j < swatches.size(); ++j)
                    QVERIFY2(colourDifference(swatches[i], swatches[j]) >= MinimumColourDifference,
                             qPrintable(QStringLiteral("%1 %2").arg(i + 1).arg(j + 1)));
            }
        }
    }

    void languageTexts_data()
    {
        QTest::addColumn<const Language *>("language");
        for (const Language &language : Languages)
            QTest::newRow(language.code) << &language;
    }

    // Each language's file reads back, through the game's reader, as the lines it was written
    // from; every caption fits its control at the window's own font; the result line, at
    // every pair count and with three-digit seconds, ends left of the list window's back
    // button, so no line runs under it or needs sideways scrolling; and a screen reader
    // reads every caption of its sets and every result word without a punctuation mark.
    void languageTexts()
    {
        QFETCH(const Language *, language);
        const auto text = [language](int line) { return QString::fromUtf8(language->texts[line]); };
        QFile shipped(languageFolder(m_folder, language->code) + "/idioma.txt");
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        TestProgram program;
        program.writeFile("idioma/idioma.txt", shipped.readAll());
        TextFile file;
        QVERIFY(file.open(program.path("idioma/idioma.txt")));
        QStringList lines;
        for (QString line; file.readLine(line);)
            lines << line;
        QCOMPARE(lines.size(), qsizetype(std::size(language->texts)));
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], text(i));

        introWindow().showInFront();
        QStringList tooBig = overflowing(introWindow());
        nameWindow().showInFront();
        setupWindow().showInFront();
        gameOverWindow();
        for (ProgramWindow *form : std::initializer_list<ProgramWindow *>{
                 &nameWindow(), &setupWindow(), &gameOverWindow(), &resultsWindow()})
            tooBig << overflowing(*form);
        QVERIFY2(tooBig.isEmpty(), qPrintable(tooBig.join(" | ")));

        const int back = control(resultsWindow(), QStringLiteral("backButton"))->x();
        auto *list = control<QListWidget>(resultsWindow(), "resultList");
        const int textLeft =
            list->viewport()->mapTo(list->window(), QPoint()).x() +
            list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        // With and without the clock, whose words are the program's own.
        installTranslations(QString::fromLatin1(language->code));
        const ResultWords words{text(8), text(9), text(10), text(11)};
        for (const int pairs : PairCounts::PairsForChoice) {
            for (const bool withClock : {true, false}) {
                const QString line = resultLine({{}, {}, pairs, 999, {}, words, withClock});
                const int right = textLeft + list->fontMetrics().horizontalAdvance(line);
                QVERIFY2(
                    right <= back,
                    qPrintable(QStringLiteral("%1 (%2 px to %3)").arg(line).arg(right).arg(back)));
            }
        }
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());

        // Neither a caption nor a result word makes a screen reader say a punctuation mark.
        for (int line = 8; line < 12; ++line)
            QVERIFY2(spokenPunctuation(text(line)).isEmpty(), qPrintable(text(line)));
        for (const auto &[name, folder] : setsIn(setsOf(*language))) {
            for (const QString pairFolder : {"/1/", "/2/"}) {
                for (const QString &picture : listFiles(folder + pairFolder)) {
                    const QString caption =
                        embeddedCaption(folder + pairFolder + picture, language->code).value_or("");
                    QVERIFY2(spokenPunctuation(caption).isEmpty(), qPrintable(caption));
                }
            }
        }
    }

    // Every text of every window, chosen or not, enabled or not, stands out from what lies
    // behind it.
    void textsStandOut()
    {
        TestProgram program;
        program.writeSet("s", 10);
        program.run.choice().setSetName("s");
        QStringList design;
        for (ProgramWindow *window : std::initializer_list<ProgramWindow *>{
                 &introWindow(), &nameWindow(), &setupWindow(), &boardWindow(), &gameOverWindow(),
                 &resultsWindow()}) {
            design << designOf(*window).mid(1);
        }
        static const QRegularExpression colours(" (#\\w+) on (#\\w+) ");
        for (const QString &control : design) {
            const QRegularExpressionMatch m = colours.match(control);
            QVERIFY2(m.hasMatch() && contrastRatio(QColor(m.captured(1)), QColor(m.captured(2))) >=
                                         MinimumTextContrast,
                     qPrintable(control));
        }
    }

    // Texts of a right-to-left script lay the windows out mirrored, each label still clear of
    // its box.
    void rightToLeftTextsMirrorTheWindows()
    {
        TestProgram program;
        program.writeFile("idioma/idioma.txt", "\xEF\xBB\xBFהמשך\r\nשם\r\nאישור\r\nבחרו\r\nשחקו");
        QWidget *label = control(nameWindow(), "nameLabel"),
                *box = control(nameWindow(), "nameBox");
        QCOMPARE(nameWindow().window()->layoutDirection(), Qt::RightToLeft);
        // The label's text runs from its right edge, where the box is not.
        const int textLeft = label->geometry().right() - label->fontMetrics().horizontalAdvance(
                                                             textOf(nameWindow(), "nameLabel"));
        QVERIFY(textLeft > box->geometry().right());
        // Six pairs, left of the play button as drawn, lies right of it.
        QVERIFY(control(setupWindow(), "pairButton0")->x() >
                control(setupWindow(), "playButton")->x());
    }

    void soundsArePlayablePcm()
    {
        for (const char *name : {"abrir.wav", "cerrar.wav", "fallo.wav"}) {
            QFile file(m_folder + QStringLiteral("/sonidos/") + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray wav = file.readAll();
            // PCM, with the RIFF and data sizes of the whole file.
            const auto at = [&](int offset) {
                return qFromLittleEndian<quint32>(wav.constData() + offset);
            };
            QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt " && quint16(at(20)) == 1);
            QVERIFY(at(4) == quint32(wav.size() - 8) && at(40) == quint32(wav.size() - 44));
            int loud = 0;
            for (qsizetype i = 44; i + 1 < wav.size(); i += 2)
                loud += std::abs(qFromLittleEndian<qint16>(wav.constData() + i)) > 3000;
            QVERIFY2(loud > 100, name);
        }
    }
};

QString TstContent::setsOf(const Language &language) const
{
    return languageFolder(m_folder, QString::fromLatin1(language.code)) + QLatin1Char('/') +
           QLatin1String(SetsFolderName);
}

QTEST_MAIN(TstContent)
#include "tst_content.moc"
