// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/cardgeometry.h"
#include "cards/keyboardmark.h"
#include "pictures/picturecache.h"
#include "run/board.h"
#include "screen/twips.h"
#include "sets/dealing.h"
#include "windows/gameoverwindow.h"
#include "windows/introwindow.h"
#include "windows/resultswindow.h"
#include "windows/setupwindow.h"
#include "windowtesting.h"

#include <QAccessible>
#include <QImageReader>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <cstdio>

namespace
{

BoardWindow &openBoard(TestProgram &program, int pairs, int choice)
{
    program.writeSet("s", pairs);
    program.writeLanguage(SpanishTexts);
    program.run.choice().setPairChoice(choice);
    program.run.choice().setSetName("s");
    flow().boardWanted();
    waitForTheDeal();
    return boardWindow();
}

QProgressDialog *shownProgress()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *bar = qobject_cast<QProgressDialog *>(w); bar && bar->isVisible())
            return bar;
    }
    return nullptr;
}

// A card of a box `boxWidth` twips wide and 3000 high.
CardPicture loadCard(const QString &path, int boxWidth, PictureCache *cache = nullptr,
                     double ratio = 1)
{
    const QSize inner(twipsToPixels(boxWidth) - 2, 198);
    return loadCardPictures({{path, boxWidth, 3000, 1, inner, ratio, {}}}, cache).front();
}

// A picture of three bands, green, red and blue from its top, or from its left when
// `across`: a card that shows its middle shows red.
QImage bands(QSize size, bool across = false)
{
    QImage three(across ? 3 : 1, across ? 1 : 3, QImage::Format_RGB32);
    for (int band = 0; band < 3; ++band)
        three.setPixelColor(across ? band : 0, across ? 0 : band,
                            QList<QColor>{Qt::green, Qt::red, Qt::blue}[band]);
    return three.scaled(size);
}

// The file at `path` turned blue as `change` says: "" keeps what was kept of it valid as if
// the file were the same, "rewritten" writes it anew with its old size and time, "moved"
// moves another file of that size and time to its name.
void turnBlue(const QString &path, const QString &change, PictureCache &cache)
{
    const std::optional<FileStamp> was = stampOf(path);
    const QDateTime time = QFileInfo(path).lastModified();
    const QString written = change == "moved" ? path + ".new" : path;
    filled(QImageReader(path).size(), Qt::blue).save(written, "BMP");
    QFile file(written);
    QVERIFY(file.open(QIODevice::ReadWrite) &&
            file.setFileTime(time, QFileDevice::FileModificationTime));
    if (change == "moved")
        QVERIFY(std::rename(qPrintable(written), qPrintable(path)) == 0);
    // Unless the file was moved or written anew, what was kept of it stays valid.
    if (const auto kept = cache.find(path, *was);
        kept && change != "moved" && change != "rewritten")
        cache.keep(path, *stampOf(path), *kept);
}

void writeRed(const TestProgram &program, const QString &name)
{
    program.writeFile(name, encoded(filled({400, 300}, Qt::red), "BMP"));
}

// The first object under `from`, itself included, with this role and name.
QAccessibleInterface *findAccessible(QAccessibleInterface *from, QAccessible::Role role,
                                     const QString &name)
{
    if (from->role() == role && from->text(QAccessible::Name) == name)
        return from;
    for (int i = 0; i < from->childCount(); ++i) {
        if (QAccessibleInterface *found = findAccessible(from->child(i), role, name))
            return found;
    }
    return nullptr;
}

constexpr auto accessible = &QAccessible::queryAccessibleInterface;

CardBox *cardBox(int k)
{
    return control<CardBox>(boardWindow(), QStringLiteral("cardBox%1").arg(k));
}

void press(QAccessibleInterface *control,
           const QString &action = QAccessibleActionInterface::pressAction())
{
    QVERIFY(control);
    control->actionInterface()->doAction(action);
}

} // namespace

class TstBoard : public QObject
{
    Q_OBJECT
private Q_SLOTS:

    void dealOutcome_data()
    {
        QTest::addColumn<QSize>("folders");
        QTest::addColumn<QString>("broken");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("dealt");
        // A 6-pair board: pair numbers are drawn first, then the order of the 12 positions.
        QList<double> order;
        for (int k : {7, 2, 11, 0, 1, 3, 4, 5, 6, 8, 9, 10})
            order << (k + 0.5) / 12;
        const QList<double> oneThenZero = QList{0.75, 0.25} + order;
        QTest::newRow("a pair number drawn again is redrawn")
            << QSize(2, 2) << "" << (QList{0.75} + oneThenZero) << "2: 7:1 2:1 11:0 0:0";
        QTest::newRow("second half does not load")
            << QSize(2, 2) << "2/01.png" << oneThenZero << "1: 11:0 0:0 / 1 first";
        QTest::newRow("a shorter second folder caps the pairs")
            << QSize(3, 1) << "" << (QList{0.5} + order) << "1: 7:0 2:0";
    }

    void dealOutcome()
    {
        QFETCH(QSize, folders);
        QFETCH(QString, broken);
        QFETCH(QList<double>, draws);
        TestProgram program;
        program.writeSet("s", folders.height());
        program.writeSet("s", folders.width(), true);
        if (!broken.isEmpty())
            program.writeFile(inSets("s/" + broken), "not a picture");
        program.random.draws.assign(draws.begin(), draws.end());
        const DealPlan plan = planDeal(program.run.sets().folderOf("s"),
                                       {12, {900, 900, QSize(58, 58)}}, program.random, "es");
        const DealOutcome outcome = finishDeal(plan, loadCardPictures(plan.requests, nullptr));
        QString dealt = QString::number(outcome.pairCount) + ':';
        for (const DealtCard &c : outcome.cards)
            dealt += QStringLiteral(" %1:%2").arg(c.position).arg(c.key);
        for (const LeftOutPair &l : outcome.leftOut)
            dealt += QStringLiteral(" / %1 %2").arg(l.pair).arg(l.firstLoaded ? "first" : "second");
        QTEST(dealt, "dealt");
        QVERIFY(program.random.draws.empty());
    }

    void sixPairGameToItsResultLine()
    {
        TestProgram program;
        program.screen.width = 15000;
        program.writeFile("fondo.jpg", encoded(filled({20, 20}, Qt::red)));
        program.run.player().setName(" Ana ");
        BoardWindow &board = openBoard(program, 6, 0);
        QCOMPARE(program.sound.preloaded, (QStringList{"abrir.wav", "cerrar.wav", "fallo.wav"}));
        // A narrower screen than the windows' record: the grid and the top bar follow it.
        QCOMPARE(cardBox(5)->geometry(), twipsRect(3960, 5330, 3600, 4970));
        // The background once from the top left, neither tiled nor stretched.
        const QImage background = cardBox(5)->inner()->grab().toImage();
        QCOMPARE(background.pixelColor(10, 10), QColor(Qt::red));
        QCOMPARE(background.pixelColor(30, 30), cardBox(5)->palette().color(QPalette::Window));
        QCOMPARE(control(board, "clockLabel")->pos(), QPoint(895, 2));
        QCOMPARE(textOf(board, "nameLabel") + resultsWindow().window()->windowTitle(),
                 " Ana  Ana  - resultados");
        // The label shows the clock's ticks; the run's own test times them.
        program.clock.advance(std::chrono::seconds(3));
        QCOMPARE(textOf(board, "clockLabel"), "58");

        const auto pairs = pairsOnBoard();
        const std::vector<int> first = pairs.begin()->second, other = pairs.rbegin()->second;
        // A fast double click as Qt delivers it, the second press as a double click, is one click.
        CardImage *card = board.cardImage(first[0]);
        QSignalSpy chosen(&program.run.board(), &Board::cardChosen);
        QTest::mouseClick(card, Qt::LeftButton);
        QTest::mouseDClick(card, Qt::LeftButton);
        QTest::mouseRelease(card, Qt::LeftButton);
        QTest::mouseClick(card, Qt::RightButton);
        QVERIFY(chosen.count() == 1 && frameOf(first[0])->isVisible());
        // A miss hides both frames at once.
        clickCard(other[0]);
        QVERIFY(!frameOf(first[0])->isVisible() && !frameOf(other[0])->isVisible());
        clickCard(first[1]);
        clickCard(first[0]);
        // Clicks while a found pair is on show do nothing.
        clickCard(other[1]);
        QCOMPARE(chosen.count(), 4);
        QCOMPARE(program.random.seeded, 1);
        QCOMPARE(program.sound.played.join(' '),
                 "abrir.wav abrir.wav fallo.wav abrir.wav abrir.wav cerrar.wav");
        QVERIFY(board.cardImage(first[1])->isVisible());
        // The found pair vanishes as it leaves the run's board; its frames stay.
        program.clock.advance(std::chrono::milliseconds(200));
        QVERIFY(!board.cardImage(first[0])->isVisible() && frameOf(first[0])->isVisible());
        QString shown;
        playToTheEnd([&] {
            shown = textOf(gameOverWindow(), "secondsLabel"), flow().close(gameOverWindow());
        });
        QCOMPARE(resultLines() << shown, (QStringList{"Con 6 parejas quedaban 58 segundos", "58"}));
    }

    void gamePlayedThroughTheAccessibleTree()
    {
        TestProgram program;
        QVERIFY(findAccessible(accessible(introWindow().window()), QAccessible::Graphic, "Zindle"));
        const QString name = "Αλεξάνδρα Παπαδοπούλου-Καραγιαννοπούλου";
        program.run.player().setName(name);
        BoardWindow &board = openBoard(program, 8, 0);
        // A name too long for its box is cut with an ellipsis and read whole.
        const auto *nameBox = control<QLabel>(board, "nameLabel");
        QVERIFY(nameBox->text().endsWith(u'…') &&
                nameBox->fontMetrics().horizontalAdvance(nameBox->text()) <= nameBox->width());
        QCOMPARE(accessible(control(board, "nameLabel"))->text(QAccessible::Name), name);
        QAccessibleInterface *window = accessible(board.window());
        QCOMPARE(window->text(QAccessible::Name), "s, 6 pairs, 61 seconds");
        QVERIFY(findAccessible(window, QAccessible::Button, "FIN JUEGO") &&
                findAccessible(window, QAccessible::Button, "resultados"));
        // The test set's two pictures of a pair share a file name, so their captions match.
        std::map<QString, std::vector<QAccessibleInterface *>> cards;
        for (int k = 0; k < board.cards(); ++k) {
            QAccessibleInterface *card = accessible(board.cardImage(k));
            QVERIFY(card->parent() == window && card->role() == QAccessible::CheckBox);
            cards[card->text(QAccessible::Name)].push_back(card);
        }
        QCOMPARE(cards.size(), std::size_t(6));
        QVERIFY(QTest::qWaitForWindowActive(board.window()));
        // A fresh board shows no mark, while its first card has the focus and the first
        // Space clicks it; a second is a miss.
        const QWidget *mark = nullptr;
        for (QWidget *w : board.window()->findChildren<QWidget *>())
            mark = mark ? mark : dynamic_cast<CardMark *>(w);
        QVERIFY(accessible(board.cardImage(0))->state().focused && !mark->isVisible());
        QTest::keyClick(board.window(), Qt::Key_Space);
        QVERIFY(mark->isVisible() && frameOf(0)->isVisible());
        QTest::keyClick(board.window(), Qt::Key_Space);
        // To the list by keyboard and back: the first arrow moves the mark.
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space})
            QTest::keyClick(board.window()->focusWidget(), key);
        QVERIFY(resultsWindow().window()->isVisible());
        QTest::keyClick(resultsWindow().window()->focusWidget(), Qt::Key_Escape);
        QTest::keyClick(board.window()->focusWidget(), Qt::Key_Down);
        QVERIFY(!accessible(board.cardImage(0))->state().focused &&
                accessible(board.cardImage(4))->state().focused);
        program.clock.advance(std::chrono::seconds(2));
        QVERIFY(findAccessible(window, QAccessible::StaticText, "59 seconds left"));
        // A notification says what each turn came to.
        const auto said = [&] {
            return accessible(control(board, "announcer"))->text(QAccessible::Name);
        };

        // Press and toggle both click: a miss frames and unframes, a pair leaves the tree's view.
        const auto &[a, b] = std::pair{cards.begin()->second, cards.rbegin()->second};
        press(a[0]);
        QVERIFY(a[0]->state().checked);
        press(b[0], QAccessibleActionInterface::toggleAction());
        QVERIFY(!a[0]->state().checked && !b[0]->state().checked && said() == "Not a pair");
        press(a[0], QAccessibleActionInterface::toggleAction());
        press(a[1]);
        QCOMPARE(said(), "Pair found, 1 of 6");
        program.run.board().removeFoundPair();
        QVERIFY(a[0]->state().invisible && a[1]->state().invisible);
        QStringList alert;
        playToTheEnd(
            [&] {
                QAccessibleInterface *over = accessible(gameOverWindow().window());
                alert << QString::number(over->role()) << over->text(QAccessible::Name)
                      << QString::number(!!findAccessible(over, QAccessible::StaticText,
                                                          "Finished with 59 seconds left"));
                // A button's press action clicks it a moment later, as a key does.
                press(findAccessible(over, QAccessible::Button, "SEGUIR JUGANDO"));
            },
            [](int k) { press(accessible(boardWindow().cardImage(k))); });
        QCOMPARE(alert, (QStringList{QString::number(QAccessible::AlertMessage), "Fin", "1"}));

        // Every press sounds: 16 cards, and 8 pairs and misses.
        QCOMPARE(program.sound.played.size(), 24);
        QVERIFY(findAccessible(accessible(resultsWindow().window()), QAccessible::ListItem,
                               "Con 6 parejas quedaban 59 segundos"));
    }

    // Run a second time by CTest with QT_SCALE_FACTOR=2: a screen of twice the pixel density.
    void picturesHoldTheScreensOwnPixels()
    {
        const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        TestProgram program;
        program.writeFile("fondo.jpg", encoded(QImage(800, 600, QImage::Format_RGB32)));
        program.writeSet("s", 6);
        program.writeLanguage(SpanishTexts);
        setupWindow();
        control<QComboBox>(setupWindow(), "setBox")->setEditText("s");
        program.run.choice().setPairChoice(0);
        // Through the check before the board, which decodes a pair of the set.
        flow().boardWanted();
        waitForTheDeal();
        BoardWindow &board = boardWindow();
        QCOMPARE(board.window()->devicePixelRatioF(), ratio);
        QSize largest;
        for (int k = 0; k < board.cards(); ++k) {
            const QWidget *inner = cardBox(k)->inner();
            largest = largest.expandedTo(inner->size());
            const QRect shown = board.cardImage(k)->geometry().intersected(inner->rect());
            QCOMPARE(board.cardImage(k)->picture().size(), shown.size() * ratio);
        }
        // One background for every box, as much of it as the largest box shows.
        QCOMPARE(cardBox(0)->background().size(), largest * ratio);
    }

    void keptPictures_data()
    {
        QTest::addColumn<int>("boxWidth");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QColor>("shown");
        // A first board showed the picture red on a box of 3000 twips; then it turned blue.
        QTest::newRow("the same box") << 3000 << 1.0 << "" << QColor(Qt::red);
        QTest::newRow("a box one pixel wider") << 3015 << 1.0 << "" << QColor(Qt::red);
        QTest::newRow("a box three pixels wider") << 3045 << 1.0 << "" << QColor(Qt::blue);
        QTest::newRow("a smaller box") << 1500 << 1.0 << "" << QColor(Qt::red);
        QTest::newRow("a device ratio of 2") << 3000 << 2.0 << "" << QColor(Qt::blue);
        QTest::newRow("written anew, same size and time")
            << 3000 << 1.0 << "rewritten" << QColor(Qt::blue);
        QTest::newRow("another file of that size and time moved to its name")
            << 3000 << 1.0 << "moved" << QColor(Qt::blue);
        QTest::newRow("crowded out by eight others")
            << 3000 << 1.0 << "crowded" << QColor(Qt::blue);
    }

    void keptPictures()
    {
        QFETCH(int, boxWidth);
        QFETCH(double, ratio);
        QFETCH(QString, change);
        TestProgram program;
        writeRed(program, "p.bmp");
        PictureCache cache(1024 * 1024);
        QCOMPARE(centreOf(loadCard(program.path("p.bmp"), 3000, &cache)), QColor(Qt::red));
        // Pictures of 200 x 198 pixels: the bound holds six.
        for (int i = 0; change == "crowded" && i < 8; ++i) {
            writeRed(program, QString::number(i));
            QVERIFY(loadCard(program.path(QString::number(i)), 3000, &cache).loaded &&
                    cache.bytes() <= 1024 * 1024);
        }
        turnBlue(program.path("p.bmp"), change, cache);
        const CardPicture card = loadCard(program.path("p.bmp"), boxWidth, &cache, ratio);
        QTEST(centreOf(card), "shown");
        QCOMPARE(card.image.size(), card.visible.size() * ratio);
    }

    void hostilePictures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<int>("kilobytes");
        // On a card of 200 x 198 pixels against a budget of 1 MB, with what decoding holds at
        // its peak as the budget counts it (-1: a plain square picture, not measured).
        const QByteArray png = encoded(bands(QSize(40, 30)));
        const QImage large = filled({700, 700}, Qt::darkGreen);
        QTest::newRow("a PNG decoded whole beyond the budget") << encoded(large) << false << -1;
        QTest::newRow("a JPEG scaled down while decoding") << encoded(large, "JPG") << true << -1;
        QTest::newRow("a progressive JPEG holds every coefficient")
            << encoded(large, "JPG", {}, true) << false << -1;
        QTest::newRow("thin PNG, 1 x 10000") << encoded(bands(QSize(1, 10000))) << true << 618;
        QTest::newRow("thin JPEG on its block grid, 8 x 20000")
            << encoded(bands(QSize(8, 20000)), "JPG") << true << 619;
        QTest::newRow("thin JPEG off its block grid, 9 x 20001")
            << encoded(bands(QSize(9, 20001)), "JPG") << true << 480;
        QTest::newRow("thin JPEG lying on its side, turned upright")
            << encoded(bands(QSize(20000, 8), true), "JPG", QImageIOHandler::TransformationRotate90)
            << true << 619;
        QTest::newRow("tiny, 1 x 1") << encoded(filled({1, 1}, Qt::red)) << true << 462;
        QTest::newRow("flat, 10000 x 1") << encoded(bands(QSize(10000, 1))) << false << 0;
        QTest::newRow("huge by header, 30000 x 30000")
            << withSize(png, 30000, 30000) << false << 6961289;
        QTest::newRow("broken after its header")
            << png.left(png.indexOf("IDAT") + 4) << false << 349;
    }

    void hostilePictures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kilobytes);
        TestProgram program;
        program.writeFile("p", bytes);
        const CardPictureRequest request{program.path("p"), 3000, 3000, 1,
                                         QSize(198, 198),   1.0,  {}};
        if (kilobytes >= 0)
            QCOMPARE(decodeBytesFor(request) / 1024, kilobytes);
        const CardPicture card =
            loadCardPictures({request}, nullptr, false, {.pictureBytes = 1024 * 1024}).front();
        QTEST(card.loaded, "loads");
        // The card shows the middle band, red, whatever the file's shape and turn.
        for (const QPoint &at : {card.image.rect().topLeft(), card.image.rect().bottomRight()}) {
            const QColor c = card.image.pixelColor(at);
            if (card.loaded && kilobytes >= 0)
                QVERIFY(c.red() > 200 && c.green() < 60 && c.blue() < 60);
        }
    }

    void longDealShowsRisingProgress()
    {
        TestProgram program;
        program.writeSet("s", 6, false, encoded(filled({2000, 1500}, Qt::red)));
        program.flow.setProgressAfter({});
        program.run.choice().setSetName("s");
        program.run.choice().setPairChoice(0);
        flow().boardWanted();
        QList<int> values;
        QObject::connect(&program.run.opening(), &BoardOpening::progressValueChanged, [&] {
            if (QProgressDialog *bar = shownProgress())
                values << bar->value();
        });
        waitForTheDeal();
        // Shown while the pictures decode, rising with them.
        QVERIFY2(values.size() >= 3, qPrintable(QString::number(values.size())));
        QVERIFY(std::is_sorted(values.begin(), values.end()) && values.back() > values.front());
    }

    void stoppedDealLeavesNoBoard_data()
    {
        // How the player stops it, in the progress of the set's check (1) or of the deal (2).
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("window");
        QTest::newRow("the cancel button while the set is checked") << "button" << 1;
        QTest::newRow("Escape while the cards are dealt") << "escape" << 2;
        QTest::newRow("closing the setup window ends the run") << "close" << 2;
    }

    void stoppedDealLeavesNoBoard()
    {
        QFETCH(QString, how);
        QFETCH(int, window);
        TestProgram program;
        program.writeSet("s", 6, false, encoded(filled({2000, 1500}, Qt::red)));
        program.flow.setProgressAfter({});
        setupWindow().showInFront();
        program.run.choice().setPairChoice(0);
        click(setupWindow(), "playButton");
        // The set's check shows no range; the deal counts its pictures.
        QTRY_VERIFY(shownProgress() && (window == 1 || shownProgress()->maximum() > 0));
        QProgressDialog *bar = shownProgress();
        if (how == "button")
            QTest::mouseClick(bar->findChild<QPushButton *>(), Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(bar, Qt::Key_Escape);
        else
            setupWindow().window()->close();
        waitForTheDeal();
        QVERIFY(!flow().isOpen<BoardWindow>() && !shownProgress());
        QCOMPARE(program.program.ended, int(how == "close"));
        QCOMPARE(setupWindow().isShown(), how != "close");
    }
};

QTEST_MAIN(TstBoard)
#include "tst_board.moc"
