#include "board/boardlayout.h"
#include "board/form2.h"
#include "common/module1.h"
#include "fakes.h"
#include "platform/twips.h"
#include "setup/form1.h"
#include "windows/flow.h"
#include "windows/form4.h"
#include "windows/form6.h"

#include <QBuffer>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <map>

namespace
{

// Types the set's name into the setup window's set box, as a player may.
void chooseSet(const QString &name)
{
    form1().load();
    form1().Combo1->setEditable(true);
    form1().Combo1->setEditText(name);
}

// Opens a board for a set, with the given draws.
Form2 &openBoard(TestProgram &program, const QString &set, int choice,
                 std::deque<double> draws = {})
{
    program.random.draws = std::move(draws);
    chooseSet(set);
    Module1::PairChoice = std::uint8_t(choice);
    form2().show();
    // The test drives the clock itself.
    form2().Timer2->setEnabled(false);
    return form2();
}

QStringList visibleCards(const Form2 &board)
{
    QStringList cards;
    for (std::size_t k = 0; k < board.Image1.size(); ++k) {
        if (board.Image1[k]->isVisible())
            cards << QString::number(k);
    }
    return cards;
}

// The two dealt cards of each pair, by key.
std::map<QString, std::vector<int>> pairsOnBoard(const Form2 &board)
{
    std::map<QString, std::vector<int>> pairs;
    for (std::size_t k = 0; k < board.Image1.size(); ++k) {
        if (board.Image1[k]->isVisible())
            pairs[board.game().cardKey(k)].push_back(int(k));
    }
    return pairs;
}

void click(Form2 &board, int k)
{
    QTest::mouseClick(board.Image1[std::size_t(k)], Qt::LeftButton);
}

// While the board shows the game-over window, closes it as soon as it is loaded.
void closeGameOverWhenShown()
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        if (form4().isLoaded()) {
            form4().unload();
            poll->deleteLater();
        }
    });
    poll->start(5);
}

// Finds every pair of the board, ticking the 200 ms timer after each, and lets the
// game-over window close at once.
void playToTheEnd(Form2 &board)
{
    closeGameOverWhenShown();
    for (const auto &[key, cards] : pairsOnBoard(board)) {
        click(board, cards[0]);
        click(board, cards[1]);
        if (board.isLoaded())
            board.Timer1->tick();
    }
}

QStringList resultLines()
{
    QStringList lines;
    for (int i = 0; form6().List1 && i < form6().List1->count(); ++i)
        lines << form6().List1->item(i)->text();
    return lines;
}

} // namespace

class TstBoard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boardTilesTheScreen_data();
    void boardTilesTheScreen();
    void topBarFollowsTheScreenWidth();
    void missingBackgroundLeavesPlainBoxes();
    void backgroundShowsOnceFromTheTopLeft();
    void workedDealPlacesTheCards();
    void smallSetLowersThePairCount();
    void brokenPicturesLeaveTheirPairOut();
    void setThatNamesNoFolderOpensAnEmptyBoard();
    void sixPairGamePlaysToItsResultLine();
    void thirtySixPairGamePlaysToItsEnd();
    void secondClickOnTheSameCardIsAMiss();
    void doubleClickIsOneClick();
    void onlyTheLeftButtonClicks();
    void clicksDuringAFoundPairAreIgnored();
    void clockStopsAtZeroAndTheGameGoesOn();
    void gameWithinTheFirstSecondHasNoSeconds();
    void pairButtonsDuringAGameLeaveTheClock();
    void secondGameStartsAfresh();
};

void TstBoard::boardTilesTheScreen_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("screenHeight");
    for (int choice = 0; choice < 7; ++choice) {
        const QByteArray pairs = QByteArray::number(Module1::pairsFor(choice));
        QTest::newRow(pairs + " pairs on 1280x1024") << choice << 1280 << 1024;
        QTest::newRow(pairs + " pairs on 1366x768") << choice << 1366 << 768;
    }
}

void TstBoard::boardTilesTheScreen()
{
    QFETCH(int, choice);
    QFETCH(int, screenWidth);
    QFETCH(int, screenHeight);
    TestProgram program;
    program.screen.width = screenWidth * 15;
    program.screen.height = screenHeight * 15;
    program.writeSet(QStringLiteral("s"), 36);
    program.writePicture(QStringLiteral("fondo.jpg"), 64, 64, Qt::darkBlue);
    Form2 &board = openBoard(program, QStringLiteral("s"), choice);

    const int cards = 2 * Module1::pairsFor(choice);
    QCOMPARE(int(board.Picture2.size()), cards);
    QCOMPARE(board.window()->geometry(), QRect(0, 0, screenWidth, screenHeight));
    const BoardGeometry g = layoutBoard(choice, screenWidth * 15, screenHeight * 15);
    for (int k = 0; k < cards; ++k) {
        const CardBox *box = board.Picture2[std::size_t(k)];
        const QRect b = g.boxes[std::size_t(k)];
        QCOMPARE(box->geometry(), twipsRect(b.x(), b.y(), b.width(), b.height()));
        QVERIFY(box->isVisible());
        QVERIFY(box->geometry().right() < screenWidth);
        QVERIFY(box->geometry().bottom() < screenHeight);
        QVERIFY(!box->background().isNull());
        QVERIFY(board.Image1[std::size_t(k)]->isVisible());
        QVERIFY(!board.Shape1[std::size_t(k)]->isVisible());
        QCOMPARE(board.Shape1[std::size_t(k)]->geometry(),
                 twipsRect(30, 30, b.width() - 100, b.height() - 100));
        QCOMPARE(board.Image1[std::size_t(k)]->parentWidget(), box->inner());
    }
    // Neighbouring boxes touch on screen.
    QCOMPARE(board.Picture2[1]->geometry().left(), board.Picture2[0]->geometry().right() + 1);
    QCOMPARE(board.game().pairCount(), Module1::pairsFor(choice));
}

void TstBoard::topBarFollowsTheScreenWidth()
{
    TestProgram program;
    program.screen.width = 1000 * 15;
    program.writeSet(QStringLiteral("s"), 6);
    Module1::PlayerName = QStringLiteral(" Ana ");
    Form2 &board = openBoard(program, QStringLiteral("s"), 0);
    QCOMPARE(board.Command1->pos(), QPoint(twipsToPixels(15000 - 385), twipsToPixels(1)));
    QCOMPARE(board.Command2->pos(), QPoint(twipsToPixels(15000 - 770), twipsToPixels(1)));
    QCOMPARE(board.Label1[1]->pos(), QPoint(twipsToPixels(15000 - 1570), twipsToPixels(25)));
    QCOMPARE(board.Label1[0]->pos(), QPoint(board.Picture2[0]->x(), twipsToPixels(25)));
    QCOMPARE(board.Label1[0]->text(), QStringLiteral(" Ana "));
    QCOMPARE(board.Label1[1]->text(), QString());
    // The buttons lie in front of the labels and the boxes.
    const QPoint onCommand2 = board.Command2->geometry().center();
    QCOMPARE(board.window()->childAt(onCommand2), board.Command2.data());
}

void TstBoard::missingBackgroundLeavesPlainBoxes()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 6);
    program.writeFile(QStringLiteral("fondo.jpg"), "no picture here");
    Form2 &board = openBoard(program, QStringLiteral("s"), 0);
    QCOMPARE(int(board.Picture2.size()), 12);
    for (const CardBox *box : board.Picture2)
        QVERIFY(box->background().isNull());
    QCOMPARE(visibleCards(board).size(), 12);
}

void TstBoard::backgroundShowsOnceFromTheTopLeft()
{
    TestProgram program;
    program.writePicture(QStringLiteral("fondo.jpg"), 20, 20, Qt::red);
    Form2 &board = openBoard(program, QStringLiteral("no set"), 0);
    const QImage shown = board.Picture2[5]->inner()->grab().toImage();
    QVERIFY(shown.pixelColor(10, 10).red() > 240 && shown.pixelColor(10, 10).green() < 16);
    // Past the picture the box keeps its own colour: the picture is neither tiled nor
    // stretched.
    QCOMPARE(shown.pixelColor(30, 30), board.Picture2[5]->palette().color(QPalette::Window));
}

void TstBoard::workedDealPlacesTheCards()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 2);
    std::deque<double> draws = {0.5, 0.0, 7.5 / 12, 2.5 / 12, 11.5 / 12, 0.5 / 12};
    for (int k : {1, 3, 4, 5, 6, 8, 9, 10})
        draws.push_back((k + 0.5) / 12);
    Form2 &board = openBoard(program, QStringLiteral("s"), 0, draws);
    QCOMPARE(board.game().pairCount(), 2);
    QCOMPARE(visibleCards(board), (QStringList{"0", "2", "7", "11"}));
    QCOMPARE(board.game().cardKey(7), QStringLiteral("1"));
    QCOMPARE(board.game().cardKey(2), QStringLiteral("1"));
    QCOMPARE(board.game().cardKey(11), QStringLiteral("0"));
    QCOMPARE(board.game().cardKey(0), QStringLiteral("0"));
    // Card 7 shows the first folder's picture of pair 1, card 2 the second folder's.
    const QImage first = board.Image1[7]->picture().toImage();
    const QImage second = board.Image1[2]->picture().toImage();
    QCOMPARE(first.pixelColor(first.rect().center()), QColor(Qt::darkCyan));
    QCOMPARE(second.pixelColor(second.rect().center()), QColor(Qt::darkMagenta));
    QCOMPARE(program.random.seeded, 1);
}

void TstBoard::smallSetLowersThePairCount()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 8);
    Form2 &board = openBoard(program, QStringLiteral("s"), 2);
    QCOMPARE(int(board.Picture2.size()), 24);
    QCOMPARE(board.game().pairCount(), 8);
    QCOMPARE(visibleCards(board).size(), 16);
    board.Timer2->tick();
    QCOMPARE(board.Label1[1]->text(), QStringLiteral("83"));
    playToTheEnd(board);
    QCOMPARE(resultLines().size(), 1);
    QVERIFY(!form2().isLoaded());
}

void TstBoard::brokenPicturesLeaveTheirPairOut()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 6);
    program.writeFile(QStringLiteral("graficos/s/1/01.png"), "");
    program.writeFile(QStringLiteral("graficos/s/2/02.png"), "text, not a picture");
    program.writePicture(QStringLiteral("graficos/s/1/03.png"), 4000, 1);
    QByteArray truncated;
    {
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::red);
        QBuffer buffer(&truncated);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG");
    }
    program.writeFile(QStringLiteral("graficos/s/2/04.png"), truncated.left(100));
    // "2" holds one file fewer than "1": the last pair cannot be dealt whole.
    QFile::remove(program.path(QStringLiteral("graficos/s/2/05.png")));

    Form2 &board = openBoard(program, QStringLiteral("s"), 0);
    const auto pairs = pairsOnBoard(board);
    QCOMPARE(board.game().pairCount(), int(pairs.size()));
    QVERIFY(board.game().pairCount() >= 1);
    for (const auto &[key, cards] : pairs)
        QCOMPARE(cards.size(), std::size_t(2));
    QVERIFY(!pairs.count(QStringLiteral("1")));
    QVERIFY(!pairs.count(QStringLiteral("2")));
    QVERIFY(!pairs.count(QStringLiteral("3")));
    playToTheEnd(board);
    QCOMPARE(resultLines().size(), 1);
}

void TstBoard::setThatNamesNoFolderOpensAnEmptyBoard()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 6);
    Form2 &board = openBoard(program, QStringLiteral("../s"), 0);
    QCOMPARE(int(board.Picture2.size()), 12);
    QCOMPARE(board.game().pairCount(), 0);
    QVERIFY(visibleCards(board).isEmpty());
}

void TstBoard::sixPairGamePlaysToItsResultLine()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 6);
    program.writeLanguage(SpanishTexts);
    Module1::PlayerName = QStringLiteral("Ana");
    Form2 &board = openBoard(program, QStringLiteral("s"), 0);
    QCOMPARE(form6().window()->windowTitle(), QStringLiteral("Ana - resultados"));
    QCOMPARE(program.sound.preloaded, (QStringList{"abrir.wav", "cerrar.wav", "fallo.wav"}));
    for (int i = 0; i < 3; ++i)
        board.Timer2->tick();
    QCOMPARE(board.Label1[1]->text(), QStringLiteral("58"));

    auto pairs = pairsOnBoard(board);
    const auto first = pairs.begin()->second;
    const auto other = std::next(pairs.begin())->second;
    click(board, first[0]);
    QVERIFY(board.Shape1[std::size_t(first[0])]->isVisible());
    click(board, other[0]);
    // A miss hides both frames at once.
    QVERIFY(!board.Shape1[std::size_t(first[0])]->isVisible());
    QVERIFY(!board.Shape1[std::size_t(other[0])]->isVisible());
    QCOMPARE(program.sound.played, (QStringList{"abrir.wav", "abrir.wav", "fallo.wav"}));

    program.sound.played.clear();
    click(board, first[0]);
    click(board, first[1]);
    QCOMPARE(program.sound.played, (QStringList{"abrir.wav", "abrir.wav", "cerrar.wav"}));
    QVERIFY(board.Timer1->isEnabled());
    QVERIFY(board.Image1[std::size_t(first[1])]->isVisible());
    // The found pair vanishes on the 200 ms tick; its frames stay.
    QTRY_VERIFY_WITH_TIMEOUT(!board.Image1[std::size_t(first[1])]->isVisible(), 1000);
    QVERIFY(!board.Image1[std::size_t(first[0])]->isVisible());
    QVERIFY(board.Shape1[std::size_t(first[0])]->isVisible());
    QVERIFY(!board.Timer1->isEnabled());

    closeGameOverWhenShown();
    for (const auto &[key, cards] : pairs) {
        if (cards == first)
            continue;
        click(board, cards[0]);
        click(board, cards[1]);
        if (board.game().gameOver())
            break;
        board.Timer1->tick();
    }
    QVERIFY(board.game().gameOver());
    QCOMPARE(resultLines(), QStringList{QStringLiteral("Con 6 parejas quedaban 58 segundos")});
    QVERIFY(!board.Timer2->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!form2().isLoaded(), 2000);
    QCOMPARE(resultLines().size(), 1);
}

void TstBoard::thirtySixPairGamePlaysToItsEnd()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 36);
    program.writeLanguage(SpanishTexts);
    Form2 &board = openBoard(program, QStringLiteral("s"), 6);
    board.Timer2->tick();
    playToTheEnd(board);
    QCOMPARE(resultLines(), QStringList{QStringLiteral("Con 36 parejas quedaban 423 segundos")});
    QCOMPARE(program.sound.played.count(QStringLiteral("cerrar.wav")), 36);
    QVERIFY(!form2().isLoaded());
}

void TstBoard::secondClickOnTheSameCardIsAMiss()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 6);
    Form2 &board = openBoard(program, QStringLiteral("s"), 0);
    click(board, 3);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    click(board, 3);
    QCOMPARE(program.sound.played, (QStringList{"abrir.wav", "abrir.wav", "fallo.wav"}));
    QVERIFY(!board.Shape1[3]->isVisible());
    QVERIFY(board.Image1[3]->isVisible());
}

void TstBoard::doubleClickIsOneClick()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 6);
    Form2 &board = openBoard(program, QStringLiteral("s"), 0);
    QWidget *card = board.Image1[4];
    const QPointF at = card->rect().center();
    const auto send = [&](QEvent::Type type) {
        QMouseEvent event(type, at, card->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(card, &event);
    };
    // As Qt delivers a fast double click: the second press comes as a double click.
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    send(QEvent::MouseButtonDblClick);
    send(QEvent::MouseButtonRelease);
    QCOMPARE(program.sound.played, QStringList{"abrir.wav"});
    QCOMPARE(board.game().clickCount(), 1);
    QVERIFY(board.Shape1[4]->isVisible());
}

void TstBoard::onlyTheLeftButtonClicks()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 6);
    Form2 &board = openBoard(program, QStringLiteral("s"), 0);
    QTest::mouseClick(board.Image1[2], Qt::RightButton);
    QTest::mouseClick(board.Image1[2], Qt::MiddleButton);
    QCOMPARE(board.game().clickCount(), 0);
    // A click on the box outside the picture does nothing either.
    QTest::mouseClick(board.Picture2[2], Qt::LeftButton, {}, QPoint(0, 0));
    QCOMPARE(board.game().clickCount(), 0);
    QVERIFY(program.sound.played.isEmpty());
}

void TstBoard::clicksDuringAFoundPairAreIgnored()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 6);
    Form2 &board = openBoard(program, QStringLiteral("s"), 0);
    const auto pairs = pairsOnBoard(board);
    const auto found = pairs.begin()->second;
    const auto other = std::next(pairs.begin())->second;
    click(board, found[0]);
    click(board, found[1]);
    for (int i = 0; i < 5; ++i) {
        click(board, other[0]);
        click(board, found[1]);
    }
    board.Timer1->tick();
    QVERIFY(!board.Image1[std::size_t(found[0])]->isVisible());
    QVERIFY(!board.Image1[std::size_t(found[1])]->isVisible());
    QVERIFY(board.Image1[std::size_t(other[0])]->isVisible());
    QVERIFY(!board.Shape1[std::size_t(other[0])]->isVisible());
    QCOMPARE(board.game().clickCount(), 2);

    // The last pair: hammering during the pause adds no second line.
    closeGameOverWhenShown();
    for (const auto &[key, cards] : pairs) {
        if (cards == found)
            continue;
        click(board, cards[0]);
        click(board, cards[1]);
        for (int i = 0; i < 3 && board.game().gameOver(); ++i) {
            click(board, cards[1]);
            click(board, cards[1]);
        }
        if (!board.game().gameOver())
            board.Timer1->tick();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!form2().isLoaded(), 2000);
    QCOMPARE(resultLines().size(), 1);
}

void TstBoard::clockStopsAtZeroAndTheGameGoesOn()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 6);
    program.writeLanguage(SpanishTexts);
    Form2 &board = openBoard(program, QStringLiteral("s"), 0);
    board.Timer2->setEnabled(true);
    for (int i = 0; i < 61; ++i)
        board.Timer2->tick();
    QCOMPARE(board.Label1[1]->text(), QStringLiteral("0"));
    QVERIFY(!board.Timer2->isEnabled());
    playToTheEnd(board);
    QCOMPARE(resultLines(), QStringList{QStringLiteral("Con 6 parejas quedaban 0 segundos")});
}

void TstBoard::gameWithinTheFirstSecondHasNoSeconds()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 1);
    program.writeLanguage(SpanishTexts);
    Form2 &board = openBoard(program, QStringLiteral("s"), 0);
    QCOMPARE(board.game().pairCount(), 1);
    playToTheEnd(board);
    QCOMPARE(resultLines(), QStringList{QStringLiteral("Con 1 parejas quedaban  segundos")});
}

void TstBoard::pairButtonsDuringAGameLeaveTheClock()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 6);
    Form2 &board = openBoard(program, QStringLiteral("s"), 0);
    Module1::PairChoice = 6;
    board.Timer2->tick();
    QCOMPARE(board.Label1[1]->text(), QStringLiteral("60"));
}

void TstBoard::secondGameStartsAfresh()
{
    TestProgram program;
    program.writeSet(QStringLiteral("s"), 6);
    program.writeLanguage(SpanishTexts);
    Form2 &board = openBoard(program, QStringLiteral("s"), 0);
    board.Timer2->tick();
    playToTheEnd(board);
    QVERIFY(!board.isLoaded());

    // Lines 9 and 10 only: the other words keep their text from the first game.
    QStringList shorter = SpanishTexts.mid(0, 10);
    shorter[8] = QStringLiteral("Juego de");
    program.writeLanguage(shorter);
    Module1::PlayerName = QStringLiteral("Luis");
    openBoard(program, QStringLiteral("s"), 0);
    QCOMPARE(board.game().pairsFound(), 0);
    QCOMPARE(board.game().clickCount(), 0);
    QCOMPARE(board.game().elapsedSeconds(), 0);
    QVERIFY(!board.game().gameOver());
    QCOMPARE(board.Label1[1]->text(), QString());
    QCOMPARE(form6().window()->windowTitle(), QStringLiteral("Luis - resultados"));
    board.Timer2->tick();
    board.Timer2->tick();
    playToTheEnd(board);
    QCOMPARE(resultLines(),
             (QStringList{QStringLiteral("Con 6 parejas quedaban 60 segundos"),
                          QStringLiteral("Juego de 6 parejas quedaban 59 segundos")}));
}

QTEST_MAIN(TstBoard)
#include "tst_board.moc"
