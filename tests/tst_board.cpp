// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/cardgeometry.h"
#include "cards/keyboardmark.h"
#include "controls/workprogress.h"
#include "fakes.h"
#include "pictures/picturecache.h"
#include "run/board.h"
#include "screen/twips.h"
#include "sets/dealing.h"
#include "windows/gameoverwindow.h"
#include "windows/introwindow.h"
#include "windows/resultswindow.h"
#include "windows/setupwindow.h"

#include <QAccessible>
#include <QCryptographicHash>
#include <QImageReader>
#include <QLoggingCategory>
#include <QProgressDialog>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <exiv2/exiv2.hpp>

namespace
{

BoardWindow &openBoard(TestProgram &program, int pairs, int choice)
{
    program.writeSet("s", pairs);
    program.writeLanguage(SpanishTexts);
    PairCounts::PairChoice = std::uint8_t(choice);
    boardWindow().setSetName("s");
    boardWindow().show();
    return boardWindow();
}

// The files the loader reports as decoded.
QStringList decodedFiles;

// A card of a box `boxWidth` twips wide and 3000 high.
CardPicture loadCard(const QString &path, int boxWidth, PictureCache *cache = nullptr,
                     double ratio = 1)
{
    const QSize inner(twipsToPixels(boxWidth) - 2, 198);
    return loadCardPictures({{path, boxWidth, 3000, 1, inner, ratio}}, cache).front();
}

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor centreOf(const CardPicture &card)
{
    return card.image.pixelColor(card.image.rect().center());
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
        program.writeFile(inSets("s/" + broken), "not a picture");
        program.random.draws.assign(draws.begin(), draws.end());
        const DealOutcome outcome =
            dealCards(program.path(inSets("s")), {12, {900, 900, QSize(58, 58)}}, program.random);
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
        PairCounts::PlayerName = " Ana ";
        BoardWindow &board = openBoard(program, 6, 0);
        QCOMPARE(program.sound.preloaded, (QStringList{"abrir.wav", "cerrar.wav", "fallo.wav"}));
        QCOMPARE(board.window()->geometry(), QRect(0, 0, 1000, 1024));
        QCOMPARE(board.Picture2[5]->geometry(), twipsRect(3960, 5330, 3600, 4970));
        QCOMPARE(board.Shape1[5]->geometry(), twipsRect(30, 30, 3500, 4870));
        // The background once from the top left, neither tiled nor stretched.
        const QImage background = board.Picture2[5]->inner()->grab().toImage();
        QCOMPARE(background.pixelColor(10, 10), QColor(Qt::red));
        QCOMPARE(background.pixelColor(30, 30),
                 board.Picture2[5]->palette().color(QPalette::Window));
        QCOMPARE((QList{board.Command1->pos(), board.Command2->pos(), board.Label1[1]->pos(),
                        board.Label1[0]->pos()}),
                 (QList{QPoint(974, 0), QPoint(949, 0), QPoint(895, 2), QPoint(24, 2)}));
        QCOMPARE(board.Label1[0]->text() + resultsWindow().window()->windowTitle(),
                 " Ana  Ana  - resultados");
        // The real clock ticks from the end of start-up.
        QTRY_COMPARE_WITH_TIMEOUT(board.Label1[1]->text(), "60", 3000);
        board.Timer2->setEnabled(false);
        board.Timer2->tick();
        board.Timer2->tick();

        const auto pairs = pairsOnBoard();
        const std::vector<int> first = pairs.begin()->second, other = pairs.rbegin()->second;
        // A fast double click as Qt delivers it, the second press as a double click, is one click.
        CardImage *card = board.Image1[std::size_t(first[0])];
        QTest::mouseClick(card, Qt::LeftButton);
        QTest::mouseDClick(card, Qt::LeftButton);
        QTest::mouseRelease(card, Qt::LeftButton);
        QTest::mouseClick(card, Qt::RightButton);
        QVERIFY(board.game().clickCount() == 1 && board.Shape1[std::size_t(first[0])]->isVisible());
        // A miss hides both frames at once.
        clickCard(other[0]);
        QVERIFY(!board.Shape1[std::size_t(first[0])]->isVisible() &&
                !board.Shape1[std::size_t(other[0])]->isVisible());
        clickCard(first[1]);
        clickCard(first[0]);
        // Clicks while a found pair is on show do nothing.
        clickCard(other[1]);
        QCOMPARE(board.game().clickCount(), 4);
        QCOMPARE(program.sound.played.join(' '),
                 "abrir.wav abrir.wav fallo.wav abrir.wav abrir.wav cerrar.wav");
        QVERIFY(board.Image1[std::size_t(first[1])]->isVisible());
        // The found pair vanishes on the real 200 ms tick; its frames stay.
        QTRY_VERIFY_WITH_TIMEOUT(!board.Image1[std::size_t(first[1])]->isVisible(), 2000);
        QVERIFY(!board.Image1[std::size_t(first[0])]->isVisible() &&
                board.Shape1[std::size_t(first[0])]->isVisible());
        QVERIFY(!board.Timer1->isEnabled());
        QString shown;
        playToTheEnd(
            [&] { shown = textOf(gameOverWindow(), "Label1_1"), gameOverWindow().unload(); });
        QCOMPARE(resultLines() << shown, (QStringList{"Con 6 parejas quedaban 58 segundos", "58"}));
    }

    void gamePlayedThroughTheAccessibleTree()
    {
        TestProgram program;
        QVERIFY(findAccessible(accessible(introWindow().window()), QAccessible::Graphic, "Zindle"));
        BoardWindow &board = openBoard(program, 8, 0);
        board.Timer2->setEnabled(false);
        QAccessibleInterface *window = accessible(board.window());
        QVERIFY(findAccessible(window, QAccessible::Button, "FIN JUEGO") &&
                findAccessible(window, QAccessible::Button, "resultados"));
        // The test set's two pictures of a pair share a file name, so their captions match.
        std::map<QString, std::vector<QAccessibleInterface *>> cards;
        for (CardImage *image : board.Image1) {
            QAccessibleInterface *card = accessible(image);
            QVERIFY(card->parent()->parent() == window && card->role() == QAccessible::CheckBox);
            cards[card->text(QAccessible::Name)].push_back(card);
        }
        QCOMPARE(cards.size(), std::size_t(6));
        QVERIFY(QTest::qWaitForWindowActive(board.window()));
        QTest::keyClick(board.window(), Qt::Key_Right);
        QTest::keyClick(board.window(), Qt::Key_Down);
        QVERIFY(!accessible(board.Image1[0])->state().focused &&
                accessible(board.Image1[4])->state().focused);
        board.Timer2->tick();
        board.Timer2->tick();

        // Press and toggle both click: a miss frames and unframes, a pair leaves the tree's view.
        const auto &[a, b] = std::pair{cards.begin()->second, cards.rbegin()->second};
        press(a[0]);
        QVERIFY(a[0]->state().checked);
        press(b[0], QAccessibleActionInterface::toggleAction());
        QVERIFY(!a[0]->state().checked && !b[0]->state().checked);
        press(a[0], QAccessibleActionInterface::toggleAction());
        press(a[1]);
        board.Timer1->tick();
        QVERIFY(a[0]->state().invisible && a[1]->state().invisible);
        QStringList alert;
        playToTheEnd(
            [&] {
                QAccessibleInterface *over = accessible(gameOverWindow().window());
                alert << QString::number(over->role()) << over->text(QAccessible::Name)
                      << QString::number(!!findAccessible(over, QAccessible::StaticText, "59"));
                // A button's press action clicks it a moment later, as a key does.
                press(findAccessible(over, QAccessible::Button, "SEGUIR JUGANDO"));
            },
            [](int k) { press(accessible(boardWindow().Image1[std::size_t(k)])); });
        QCOMPARE(alert, (QStringList{QString::number(QAccessible::AlertMessage), "Fin", "1"}));
        // Every press sounds: 14 cards, and 7 pairs and misses.
        QCOMPARE(program.sound.played.size(), 21);
        QVERIFY(findAccessible(accessible(resultsWindow().window()), QAccessible::ListItem,
                               "Con 6 parejas quedaban 59 segundos"));
    }

    void turnRules_data()
    {
        // Clicks on cards 0 to 3 (0 and 1 a pair, 2 and 3 the other), "shown" the 200 ms tick
        // after a pair, and what each click made: F first card, P pair, M miss, I ignored, C the
        // pair that ends the game.
        QTest::addColumn<QString>("turn");
        QTest::newRow("a miss, then a new turn") << "0 2 3 = F M F";
        QTest::newRow("the same card twice is a miss") << "1 1 = F M";
        QTest::newRow("clicks while a pair shows do nothing") << "0 1 2 shown 2 3 = F P I F C";
        QTest::newRow("cards off the board do nothing") << "-1 72 0 = I I F";
        QTest::newRow("nothing after the last pair") << "3 2 shown 1 0 shown 0 = F P F C I";
    }

    void turnRules()
    {
        QFETCH(QString, turn);
        BoardRules game;
        game.start(0);
        game.deal({2, {{0, "1", {}}, {1, "1", {}}, {2, "2", {}}, {3, "2", {}}}, {}});
        QStringList seen;
        for (const QString &click : turn.section(" = ", 0, 0).split(' ')) {
            if (click == "shown")
                game.pairShown();
            else if (const BoardRules::ClickResult r = game.click(click.toInt()); r.completed)
                seen << "C";
            else
                seen << QString("IFPM"[int(r.kind)]);
        }
        QCOMPARE(seen.join(' '), turn.section(" = ", 1));
        QCOMPARE(game.gameOver(), seen.contains("C"));
    }

    void clockToTheResultLine_data()
    {
        QTest::addColumn<int>("pairs");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("line");
        // 8 pairs x 10 + 2 ^ 2: the lowered count and the board's pair-count index.
        QTest::newRow("a lowered board") << 8 << 2 << 83 << "Con 8 parejas quedaban 1 segundos";
        QTest::newRow("the clock stops at zero")
            << 8 << 2 << 84 << "Con 8 parejas quedaban 0 segundos";
        // Won before the first tick, with the list window open: the clock as it shows, empty.
        QTest::newRow("won in its first second")
            << 6 << 0 << 0 << "Con 6 parejas quedaban  segundos";
    }

    void clockToTheResultLine()
    {
        QFETCH(int, pairs);
        QFETCH(int, choice);
        QFETCH(int, ticks);
        TestProgram program;
        BoardWindow &board = openBoard(program, pairs, choice);
        QCOMPARE(board.Picture2.size(), std::size_t(PairCounts::pairsFor(choice) * 2));
        for (int i = 0; i < ticks; ++i)
            board.Timer2->tick();
        QCOMPARE(board.Timer2->isEnabled(), ticks < 84);
        // The board's list button shows the list and the game goes on.
        click(board, "Command2");
        QVERIFY(resultsWindow().window()->isVisible() && !resultsWindow().window()->isModal());
        playToTheEnd([] { gameOverWindow().unload(); });
        QTEST(resultLines().join(""), "line");
    }

    void markMovesOverClickableCards_data()
    {
        // From, key, a 4 x 3 board row by row ('x' can be clicked, '.' is found), to.
        QTest::addColumn<QString>("move");
        QTest::newRow("the first key marks the first clickable card") << "-1 D ..xxxxxxxxxx 2";
        QTest::newRow("nothing to mark") << "-1 R ............ -1";
        QTest::newRow("right skips found cards") << "1 R xx..xxxxxxxx 4";
        QTest::newRow("right from the last card wraps to the first") << "11 R xxxxxxxxxxxx 0";
        QTest::newRow("left from the first card wraps to the last") << "0 L xxxxxxxxxxxx 11";
        QTest::newRow("down passes a found row") << "1 D xxxx....xxxx 9";
        QTest::newRow("down takes the nearest column") << "2 D xxxxx..xxxxx 7";
        QTest::newRow("up from the top row wraps to the bottom") << "2 U xxxxxxxxxxxx 10";
        QTest::newRow("moves on from a card just found") << "5 R xxxxx.xxxxxx 6";
        QTest::newRow("the last clickable card keeps the mark") << "6 U ......x..... 6";
    }

    void markMovesOverClickableCards()
    {
        QFETCH(QString, move);
        const QStringList f = move.split(' ');
        std::vector<bool> clickable;
        for (QChar c : f[2])
            clickable.push_back(c == QLatin1Char('x'));
        // The keys in the order MarkMove lists them.
        const auto key = MarkMove(QStringLiteral("LRUD").indexOf(f[1]));
        QCOMPARE(moveCardMark(f[0].toInt(), key, 4, clickable), f[3].toInt());
    }

    // Run a second time by CTest with QT_SCALE_FACTOR=2: a screen of twice the pixel density.
    void picturesHoldTheScreensOwnPixels()
    {
        const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        TestProgram program;
        program.writeFile("fondo.jpg", encoded(QImage(800, 600, QImage::Format_RGB32)));
        program.writeSet("s", 6);
        program.writeLanguage(SpanishTexts);
        setupWindow().load();
        setupWindow().Combo1->setEditText("s");
        PairCounts::PairChoice = 0;
        // Through the check before the board, which decodes a pair of the set.
        QLoggingCategory::setFilterRules("zindle.pictures.debug=true");
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &m) {
                if (m.contains(" decoded:"))
                    decodedFiles << m.section('"', 1, 1);
            });
        decodedFiles.clear();
        WindowFlow::boardWanted();
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules("");
        BoardWindow &board = boardWindow();
        QCOMPARE(board.window()->devicePixelRatioF(), ratio);
        // Each file read once: the deal uses what the check decoded.
        QCOMPARE(QSet(decodedFiles.begin(), decodedFiles.end()).size(), decodedFiles.size());
        QCOMPARE(decodedFiles.size(), 12 + 1);
        QSize largest;
        for (std::size_t k = 0; k < board.Picture2.size(); ++k) {
            const QWidget *inner = board.Picture2[k]->inner();
            largest = largest.expandedTo(inner->size());
            const QRect shown = board.Image1[k]->geometry().intersected(inner->rect());
            QCOMPARE(board.Image1[k]->picture().size(), shown.size() * ratio);
        }
        // One background for every box, as much of it as the largest box shows.
        QCOMPARE(board.Picture2[0]->background().size(), largest * ratio);
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
        const CardPictureRequest request{program.path("p"), 3000, 3000, 1, QSize(198, 198)};
        if (kilobytes >= 0)
            QCOMPARE(decodeBytesFor(request) / 1024, kilobytes);
        const qint64 budget = std::exchange(decodeLimits().budgetBytes, 1024 * 1024);
        const CardPicture card = loadCardPictures({request}).front();
        decodeLimits().budgetBytes = budget;
        QTEST(card.loaded, "loads");
        // The card shows the middle band, red, whatever the file's shape and turn.
        for (const QPoint &at : {card.image.rect().topLeft(), card.image.rect().bottomRight()}) {
            const QColor c = card.image.pixelColor(at);
            if (card.loaded && kilobytes >= 0)
                QVERIFY(c.red() > 200 && c.green() < 60 && c.blue() < 60);
        }
    }

    void captions_data()
    {
        // The file's name, and a PNG text's key or Exiv2's key of an EXIF or XMP tag with its text.
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QString>("caption");
        const QString longTitle = QString("perro ").repeated(100000);
        QTest::newRow("PNG Title, blanks run together")
            << QStringList{"07.png", "Title", " un\n perro "} << "un perro";
        QTest::newRow("oversized PNG Title is cut, the card still deals")
            << QStringList{"07.png", "Title", longTitle} << longTitle.left(200).trimmed();
        QTest::newRow("EXIF ImageDescription")
            << QStringList{"07.jpg", "Exif.Image.ImageDescription", "Gato gris"} << "Gato gris";
        QTest::newRow("XMP dc:title in the game's language (Spanish here), else the default one")
            << QStringList{"07.jpg", "Xmp.dc.title", "lang=x-default owl|lang=\"es-ES\" búho"}
            << "búho";
        QTest::newRow("broken EXIF block: the file name, the card still deals")
            << QStringList{"07.jpg", "broken", ""} << "07";
        QTest::newRow("blank Title: the file name without its extension, non-ASCII too")
            << QStringList{"ñandú.07.png", "Title", " "} << "ñandú.07";
    }

    void captions()
    {
        QFETCH(QStringList, file);
        const QString &name = file[0], &key = file[1], &text = file[2];
        TestProgram program;
        QImage image = filled({40, 30}, Qt::darkCyan);
        image.setText(key, text);
        QByteArray bytes = encoded(image, name.endsWith("jpg") ? "JPEG" : "PNG");
        // An EXIF block whose first directory lies far past its end.
        if (key == "broken")
            bytes.insert(2, QByteArray::fromHex("ffe1001045786966000049492a00ffffff7f"));
        program.writeFile(name, bytes);
        if (key.contains('.')) {
            auto metadata = Exiv2::ImageFactory::open(program.path(name).toStdString());
            metadata->readMetadata();
            Exiv2::LangAltValue inLanguages;
            for (const QString &inOne : text.split('|'))
                inLanguages.read(inOne.toStdString());
            if (key.startsWith("Xmp"))
                metadata->xmpData().add(Exiv2::XmpKey(key.toStdString()), &inLanguages);
            else
                metadata->exifData()[key.toStdString()] = text.toStdString();
            metadata->writeMetadata();
        }
        const CardPicture card = loadCard(program.path(name), 3000);
        QVERIFY(card.loaded);
        QTEST(card.caption, "caption");
    }

    void longDealShowsRisingProgress()
    {
        TestProgram program;
        // Twelve photo-like pictures, decoded one at a time.
        QImage noise(800, 600, QImage::Format_RGB32);
        QRandomGenerator(1).fillRange(reinterpret_cast<quint32 *>(noise.bits()), 800 * 600);
        program.writeSet("s", 6, false, encoded(noise));
        const int threads = std::exchange(decodeLimits().threads, 1);
        const int after = std::exchange(ProgressAfterMs, 0);
        QList<int> values;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *bar = qobject_cast<QProgressDialog *>(w);
                if (bar && bar->isVisible() && (values.isEmpty() || values.back() != bar->value()))
                    values << bar->value();
            }
        });
        watch.start(1);
        openBoard(program, 0, 0);
        decodeLimits().threads = threads;
        ProgressAfterMs = after;
        // Shown while the pictures decode, rising with them.
        QVERIFY2(values.size() >= 3, qPrintable(QString::number(values.size())));
        QVERIFY(std::is_sorted(values.begin(), values.end()) && values.back() > values.front());
    }

    void sharedThumbnails_data()
    {
        // A red 400 x 300 picture on a card of 200 x 150 pixels; the test's own cache holds a
        // blue thumbnail of it, 256 pixels wide: matching, with a stale modification time, made
        // of another file, smaller than the card, without its keys; or a cache that cannot be
        // read, or a picture inside the cache. Only a matching one shows; the game writes a
        // fresh one in place of any other it may write.
        QTest::addColumn<QString>("cached");
        for (const char *cached : {"", "stale", "other", "small", "bare", "unreadable", "inside"})
            QTest::newRow(*cached ? cached : "matching") << QString(cached);
    }

    void sharedThumbnails()
    {
        QFETCH(QString, cached);
        TestProgram program;
        const QString cache =
            QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/thumbnails";
        const QString path = cached == "inside" ? cache + "/p.bmp" : program.path("p.bmp");
        writeRed(program, QDir(program.path("")).relativeFilePath(path));
        const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
        const QString name =
            QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + QStringLiteral(".png");
        QImage thumbnail = filled(cached == "small" ? QSize(128, 96) : QSize(256, 192), Qt::blue);
        const qint64 mtime = QFileInfo(path).lastModified().toSecsSinceEpoch();
        if (cached != "bare") {
            thumbnail.setText("Thumb::URI", uri + QByteArray(cached == "other" ? "x" : ""));
            thumbnail.setText("Thumb::MTime", QString::number(mtime - (cached == "stale")));
        }
        const QString folder = cache + (cached == "small" ? "/normal/" : "/large/");
        QVERIFY(QDir().mkpath(folder) && thumbnail.save(folder + name));
        for (const QString &f : {cache, folder})
            QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (cached == "unreadable") {
            QDir(cache).removeRecursively();
            program.writeFile(QDir(program.path("")).relativeFilePath(cache), "not a folder");
        }

        const CardPictureRequest request{path, 3000, 3000, 1, QSize(198, 198)};
        QCOMPARE(centreOf(loadCardPictures({request}, nullptr, true).front()),
                 QColor(cached.isEmpty() ? Qt::blue : Qt::red));
        // A thumbnail the game writes follows the standard: plain text keys, for the owner
        // alone; one it must not write is not there, and a fresh one stays as it was.
        QFile left(cache + "/large/" + name);
        if (QStringList{"", "unreadable", "inside"}.contains(cached)) {
            QVERIFY(!left.exists() || QImage(left.fileName()).pixelColor(0, 0) == QColor(Qt::blue));
            return;
        }
        QVERIFY(left.open(QIODevice::ReadOnly));
        const QByteArray png = left.readAll();
        const QList<std::pair<QByteArray, QByteArray>> keys = {
            {"Thumb::URI", uri},
            {"Thumb::MTime", QByteArray::number(mtime)},
            {"Thumb::Size", QByteArray::number(QFileInfo(path).size())},
            {"Thumb::Image::Width", "400"}};
        for (const auto &[key, value] : keys)
            QVERIFY2(png.contains("tEXt" + key + '\0' + value), key.constData());
        QCOMPARE(QImage::fromData(png).size(), QSize(256, 192));
        // Owner, group and others' bits: 0600 and 0700.
        QCOMPARE(int(left.permissions() & 0x7077), int(QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(int(QFile(cache + "/large").permissions() & 0x7077), 0x7000);
    }
};

QTEST_MAIN(TstBoard)
#include "tst_board.moc"
