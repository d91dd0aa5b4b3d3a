#include "board/boardgame.h"
#include "board/boardlayout.h"
#include "board/dealing.h"
#include "common/module1.h"
#include "fakes.h"

#include <QTest>

class TstBoardRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gridTilesTheScreen_data();
    void gridTilesTheScreen();
    void cardsFillRowByRow();
    void workedDealReplays();
    void setNamesOutsideTheSetsNameNoSet_data();
    void setNamesOutsideTheSetsNameNoSet();
    void aSetDealsAPairOnlyWithTwoPictures();
    void dealOutcome_data();
    void dealOutcome();
    void secondsLeft_data();
    void secondsLeft();
    void resultLineKeepsEveryBlank_data();
    void resultLineKeepsEveryBlank();
};

void TstBoardRules::gridTilesTheScreen_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<int>("cellHeight");
    const int w1 = 1280 * 15, h1 = 1024 * 15;
    // 1366 × 768 divides by none of the column counts but 2.
    const int w2 = 1366 * 15, h2 = 768 * 15;
    QTest::newRow("6 pairs, 1280x1024") << 0 << w1 << h1 << 4800 - 150 << 5120 - 150;
    QTest::newRow("10 pairs, 1280x1024") << 1 << w1 << h1 << 3840 - 125 << 3840 - 125;
    QTest::newRow("12 pairs, 1280x1024") << 2 << w1 << h1 << 3200 - 115 << 3840 - 115;
    QTest::newRow("15 pairs, 1280x1024") << 3 << w1 << h1 << 3200 - 100 << 3072 - 100;
    QTest::newRow("21 pairs, 1280x1024") << 4 << w1 << h1 << 2742 - 90 << 2560 - 90;
    QTest::newRow("28 pairs, 1280x1024") << 5 << w1 << h1 << 2400 - 80 << 2194 - 80;
    QTest::newRow("36 pairs, 1280x1024") << 6 << w1 << h1 << 2133 - 70 << 1920 - 70;
    QTest::newRow("6 pairs, 1366x768") << 0 << w2 << h2 << 5122 - 150 << 3840 - 150;
    QTest::newRow("10 pairs, 1366x768") << 1 << w2 << h2 << 4098 - 125 << 2880 - 125;
    QTest::newRow("12 pairs, 1366x768") << 2 << w2 << h2 << 3415 - 115 << 2880 - 115;
    QTest::newRow("15 pairs, 1366x768") << 3 << w2 << h2 << 3415 - 100 << 2304 - 100;
    QTest::newRow("21 pairs, 1366x768") << 4 << w2 << h2 << 2927 - 90 << 1920 - 90;
    QTest::newRow("28 pairs, 1366x768") << 5 << w2 << h2 << 2561 - 80 << 1645 - 80;
    QTest::newRow("36 pairs, 1366x768") << 6 << w2 << h2 << 2276 - 70 << 1440 - 70;
}

void TstBoardRules::gridTilesTheScreen()
{
    QFETCH(int, choice);
    QFETCH(int, screenWidth);
    QFETCH(int, screenHeight);
    QFETCH(int, cellWidth);
    QFETCH(int, cellHeight);
    const BoardGeometry g = layoutBoard(choice, screenWidth, screenHeight);
    QCOMPARE(g.cellWidth, cellWidth);
    QCOMPARE(g.cellHeight, cellHeight);
    QCOMPARE(int(g.boxes.size()), 2 * Module1::pairsFor(choice));
    QCOMPARE(g.boxes.front().topLeft(), QPoint(360, 360));
    const GridSpec grid = gridFor(choice);
    QCOMPARE(grid.columns * grid.rows, int(g.boxes.size()));
    // The last box ends inside the screen on both axes.
    const QRect &last = g.boxes.back();
    QVERIFY(last.x() + last.width() <= screenWidth);
    QVERIFY(last.y() + last.height() <= screenHeight);
}

void TstBoardRules::cardsFillRowByRow()
{
    const BoardGeometry g = layoutBoard(0, 1280 * 15, 1024 * 15);
    const int w = g.cellWidth, h = g.cellHeight;
    QCOMPARE(g.boxes[5].topLeft(), QPoint(360 + w, 360 + h));
    QCOMPARE(g.boxes[11].topLeft(), QPoint(360 + 3 * w, 360 + 2 * h));
    // Neighbours touch: the step equals the box size.
    QCOMPARE(g.boxes[1].x(), g.boxes[0].x() + g.boxes[0].width());
    QCOMPARE(selectionFrameRect(w, h), QRect(30, 30, w - 100, h - 100));
    QCOMPARE(cardPictureRect(w, h), QRect(1, 1, w, h));
}

void TstBoardRules::workedDealReplays()
{
    // Two pictures on a 6-pair board: pair numbers 1, 0, then a deal order of 7, 2, 11, 0 ...
    // A value drawn a second time is drawn again.
    FakeRandom random;
    random.draws = {0.5, 0.7, 0.0, 7.5 / 12, 2.5 / 12, 7.1 / 12, 11.5 / 12, 0.0};
    for (int k : {1, 3, 4, 5, 6, 8, 9, 10})
        random.draws.push_back((k + 0.5) / 12.0);
    const DealDraws draws = drawDeal(2, 2, 6, random);
    QCOMPARE(draws.chosen, (std::vector<int>{1, 0}));
    QCOMPARE(draws.order, (std::vector<int>{7, 2, 11, 0, 1, 3, 4, 5, 6, 8, 9, 10}));
    QVERIFY(random.draws.empty());
}

void TstBoardRules::setNamesOutsideTheSetsNameNoSet_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("namesASet");
    QTest::newRow("a plain name") << QStringLiteral("animales") << true;
    QTest::newRow("accents and blanks") << QStringLiteral("días de fiesta") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("the parent folder") << QStringLiteral("..") << false;
    QTest::newRow("a path upwards") << QStringLiteral("../../etc") << false;
    QTest::newRow("a subfolder") << QStringLiteral("animales/1") << false;
}

void TstBoardRules::setNamesOutsideTheSetsNameNoSet()
{
    TestProgram program;
    QFETCH(QString, name);
    QFETCH(bool, namesASet);
    const QString folder = pictureSetFolder(name);
    QCOMPARE(!folder.isEmpty(), namesASet);
    if (namesASet)
        QCOMPARE(folder, program.folder() + QStringLiteral("/graficos/") + name);
}

void TstBoardRules::aSetDealsAPairOnlyWithTwoPictures()
{
    TestProgram program;
    program.writeSet(QStringLiteral("bien"), 2);
    program.writeFile(QStringLiteral("graficos/rotos/1/a.png"), "not a picture");
    program.writeFile(QStringLiteral("graficos/rotos/2/a.png"), "");
    program.writePicture(QStringLiteral("graficos/medio/1/a.png"), 10, 10);
    program.writeFile(QStringLiteral("graficos/vacio/1/.hidden.png"), "");
    QVERIFY(canDealAPair(QStringLiteral("bien")));
    QVERIFY(!canDealAPair(QStringLiteral("rotos")));
    QVERIFY(!canDealAPair(QStringLiteral("medio")));
    QVERIFY(!canDealAPair(QStringLiteral("vacio")));
    QVERIFY(!canDealAPair(QStringLiteral("no existe")));
}

void TstBoardRules::dealOutcome_data()
{
    QTest::addColumn<int>("firsts");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QStringList>("broken");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("pairCount");
    QTest::addColumn<QString>("cards");
    QTest::addColumn<QString>("leftOut");
    // Six-pair board: 12 positions. Draws pick pair numbers first, then the positions.
    const auto at = [](int k, int of) { return (k + 0.5) / of; };
    QList<double> order;
    for (int k : {7, 2, 11, 0, 1, 3, 4, 5, 6, 8, 9, 10})
        order << at(k, 12);
    QTest::newRow("worked deal, 2 pictures on 6 pairs")
        << 2 << 2 << QStringList{} << (QList<double>{at(1, 2), at(0, 2)} + order) << 2
        << "7:1 2:1 11:0 0:0"
        << "";
    QTest::newRow("a redrawn pair number")
        << 2 << 2 << QStringList{} << (QList<double>{at(1, 2), at(1, 2), at(0, 2)} + order) << 2
        << "7:1 2:1 11:0 0:0"
        << "";
    QTest::newRow("second half does not load")
        << 2 << 2 << QStringList{"2/01.png"} << (QList<double>{at(1, 2), at(0, 2)} + order) << 1
        << "11:0 0:0"
        << "1:first";
    QTest::newRow("first half does not load")
        << 2 << 2 << QStringList{"1/00.png"} << (QList<double>{at(1, 2), at(0, 2)} + order) << 1
        << "7:1 2:1"
        << "0:second";
    QTest::newRow("second folder shorter caps the pairs")
        << 3 << 1 << QStringList{} << (QList<double>{at(0, 1)} + order) << 1 << "7:0 2:0"
        << "";
    QTest::newRow("no pictures") << 0 << 0 << QStringList{} << order << 0 << ""
                                 << "";
}

void TstBoardRules::dealOutcome()
{
    QFETCH(int, firsts);
    QFETCH(int, seconds);
    QFETCH(QStringList, broken);
    QFETCH(QList<double>, draws);
    TestProgram program;
    for (int p = 0; p < std::max(firsts, seconds); ++p) {
        const QString name = QStringLiteral("%1.png").arg(p, 2, 10, QLatin1Char('0'));
        for (int half : {1, 2}) {
            if (p < (half == 1 ? firsts : seconds))
                program.writePicture(QStringLiteral("graficos/s/%1/%2").arg(half).arg(name), 40,
                                     30);
        }
    }
    for (const QString &file : broken)
        program.writeFile(QStringLiteral("graficos/s/") + file, "not a picture");
    program.random.draws.assign(draws.begin(), draws.end());
    const std::vector<CardBoxSize> boxes(12, CardBoxSize{900, 900, QSize(58, 58)});
    const DealOutcome outcome =
        dealCards(pictureSetFolder(QStringLiteral("s")), boxes, program.random);
    QStringList cards, leftOut;
    for (const DealtCard &c : outcome.cards) {
        QVERIFY(c.picture.loaded);
        cards << QStringLiteral("%1:%2").arg(c.position).arg(c.key);
    }
    for (const LeftOutPair &l : outcome.leftOut)
        leftOut << QStringLiteral("%1:%2").arg(l.pair).arg(l.firstLoaded ? "first" : "second");
    QTEST(outcome.pairCount, "pairCount");
    QTEST(cards.join(QLatin1Char(' ')), "cards");
    QTEST(leftOut.join(QLatin1Char(' ')), "leftOut");
    QVERIFY(program.random.draws.empty());
}

void TstBoardRules::secondsLeft_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("pairCount");
    QTest::addColumn<QString>("firstShown");
    QTest::newRow("6") << 0 << 6 << QStringLiteral("60");
    QTest::newRow("10") << 1 << 10 << QStringLiteral("101");
    QTest::newRow("12") << 2 << 12 << QStringLiteral("123");
    QTest::newRow("15") << 3 << 15 << QStringLiteral("157");
    QTest::newRow("21") << 4 << 21 << QStringLiteral("225");
    QTest::newRow("28") << 5 << 28 << QStringLiteral("311");
    QTest::newRow("36") << 6 << 36 << QStringLiteral("423");
    QTest::newRow("8 pairs dealt on a 12-pair board") << 2 << 8 << QStringLiteral("83");
}

void TstBoardRules::secondsLeft()
{
    QFETCH(int, choice);
    QFETCH(int, pairCount);
    QFETCH(QString, firstShown);
    BoardGame game;
    game.start(choice);
    DealOutcome dealt;
    dealt.pairCount = pairCount;
    game.deal(dealt);
    QCOMPARE(secondsCaption(game.tickSecond()), firstShown);
    const int allowance = firstShown.toInt() + 1;
    while (game.elapsedSeconds() < allowance)
        game.tickSecond();
    QCOMPARE(secondsCaption(game.secondsLeft()), QStringLiteral("0"));
}

void TstBoardRules::resultLineKeepsEveryBlank_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("line");
    QTest::newRow("a sentence") << QStringList{"Partida de", "parejas", "terminada: quedaban",
                                               "segundos"}
                                << QStringLiteral("57")
                                << QStringLiteral(
                                       "Partida de 12 parejas terminada: quedaban 57 segundos");
    QTest::newRow("no words") << QStringList{"", "", "", ""} << QStringLiteral("57")
                              << QStringLiteral(" 12   57 ");
    QTest::newRow("within the first second")
        << QStringList{"a", "b", "c", "d"} << QString() << QStringLiteral("a 12 b c  d");
}

void TstBoardRules::resultLineKeepsEveryBlank()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, seconds);
    QFETCH(QString, line);
    BoardGame game;
    game.start(2);
    DealOutcome dealt;
    dealt.pairCount = 12;
    game.deal(dealt);
    for (int i = 0; i < 4; ++i)
        game.setResultText(i, texts[i]);
    QCOMPARE(game.resultLine(seconds), line);
}

QTEST_MAIN(TstBoardRules)
#include "tst_boardrules.moc"
