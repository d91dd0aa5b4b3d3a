// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/keyboardmark.h"
#include "fakes.h"
#include "pictures/picturecache.h"
#include "run/announcements.h"
#include "sets/dealing.h"
#include "testfiles.h"

#include <QDir>
#include <QSignalSpy>
#include <map>
#include <sys/inotify.h>
#include <unistd.h>

namespace
{

// A board of two pairs at pair-count index `choice`: cards 0 and 1 are pair "1", 2 and 3
// pair "2".
void dealTwoPairs(Board &board, int choice = 0, bool withClock = true)
{
    board.start(choice, withClock);
    board.deal({2, {{0, "1", {}}, {1, "1", {}}, {2, "2", {}}, {3, "2", {}}}, {}});
}

} // namespace

// The model of the run and its rules, without a window.
class TstRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void turnRules_data()
    {
        // Clicks on cards 0 to 3, "gone" the found pair leaving the board, and what each
        // click made: F first card, P pair, M miss, I ignored, C the pair that ends the game.
        QTest::addColumn<QString>("turn");
        QTest::newRow("a miss, then a new turn") << "0 2 3 = F M F";
        QTest::newRow("the same card twice is a miss") << "1 1 = F M";
        QTest::newRow("clicks while a pair shows do nothing") << "0 1 2 gone 2 3 = F P I F C";
        QTest::newRow("cards off the board do nothing") << "-1 72 5 0 = I I I F";
        QTest::newRow("a found card takes no click") << "0 1 gone 1 0 2 = F P I I F";
        QTest::newRow("nothing after the last pair") << "3 2 gone 1 0 gone 0 = F P F C I";
    }

    void turnRules()
    {
        QFETCH(QString, turn);
        Board board;
        dealTwoPairs(board);
        QString seen;
        connect(&board, &Board::cardChosen, this, [&] { seen += 'F'; });
        connect(&board, &Board::pairFound, this, [&] { seen.back() = 'P'; });
        connect(&board, &Board::missed, this, [&] { seen.back() = 'M'; });
        connect(&board, &Board::completed, this, [&] { seen.back() = 'C'; });
        QSignalSpy removed(&board, &Board::pairRemoved);
        QStringList made;
        for (const QString &click : turn.section(" = ", 0, 0).split(' ')) {
            if (click == "gone") {
                board.removeFoundPair();
                continue;
            }
            const qsizetype before = seen.size();
            board.click(click.toInt());
            made << (seen.size() > before ? QString(seen.back()) : QStringLiteral("I"));
        }
        QCOMPARE(made.join(' '), turn.section(" = ", 1));
        QCOMPARE(board.isComplete(), made.contains("C"));
        QCOMPARE(removed.count(), turn.count("gone"));
    }

    void clock_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("withClock");
        // Two pairs x 10 + 2 ^ the pair-count index.
        QTest::newRow("nothing shows before the first tick") << 0 << 0 << "" << true << true;
        QTest::newRow("a second a tick") << 0 << 1 << "20" << true << true;
        QTest::newRow("more time on a larger board") << 6 << 3 << "81" << true << true;
        QTest::newRow("stops at zero") << 0 << 21 << "0" << false << true;
        QTest::newRow("stays at zero") << 0 << 25 << "0" << false << true;
        QTest::newRow("without a clock, the seconds played") << 6 << 3 << "3" << true << false;
        QTest::newRow("without a clock, never runs out") << 0 << 25 << "25" << true << false;
    }

    void clock()
    {
        QFETCH(int, choice);
        QFETCH(int, ticks);
        QFETCH(bool, withClock);
        Board board;
        dealTwoPairs(board, choice, withClock);
        QSignalSpy stopped(&board.clock(), &GameClock::stopped);
        for (int i = 0; i < ticks; ++i)
            board.clock().tick();
        QTEST(secondsCaption(board.clock().shownSeconds()), "shown");
        QTEST(board.clock().isRunning(), "running");
        QCOMPARE(stopped.count(), board.clock().isRunning() ? 0 : 1);
    }

    void clockSaid_data()
    {
        // The pair-count index, the seconds played, and what is said: the board as it opens,
        // the moments of its clock, then how the game ended.
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("withClock");
        QTest::addColumn<int>("played");
        QTest::addColumn<QString>("said");
        QTest::newRow("won with time left")
            << 0 << true << 2 << "a, 2 pairs, 21 seconds | Finished with 19 seconds left";
        QTest::newRow("ran out, each moment once")
            << 6 << true << 100
            << "a, 2 pairs, 84 seconds | 30 seconds left | 10 seconds left | Time is up | "
               "Time ran out";
        QTest::newRow("no clock, no moments")
            << 6 << false << 100 << "a, 2 pairs, no clock | 100 seconds played";
    }

    void clockSaid()
    {
        QFETCH(int, choice);
        QFETCH(bool, withClock);
        QFETCH(int, played);
        FakeClock fake;
        Board board(&fake);
        dealTwoPairs(board, choice, withClock);
        QStringList said{Announcements::board("a", board.pairCount(), board.clock())};
        connect(&board.clock(), &GameClock::ticked, this,
                [&] { said << Announcements::clockMoment(board.clock()); });
        fake.advance(std::chrono::seconds(played));
        said << Announcements::gameEnd(board.clock());
        said.removeAll(QString());
        QTEST(said.join(" | "), "said");
    }

    void wholeTimedGame_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("line");
        // Two pairs: 2 x 10 + 2 ^ 0 seconds.
        QTest::newRow("won with time left") << 5 << "Con 2 parejas quedaban 16 segundos";
        QTest::newRow("running out changes only the clock")
            << 30 << "Con 2 parejas quedaban 0 segundos";
        QTest::newRow("won before the first tick") << 0 << "Con 2 parejas quedaban  segundos";
    }

    // A whole game on the fake clock, without a window: the deal, the clock's ticks, a miss, a
    // pair on show, the last pair, the pause before game over and the result line.
    void wholeTimedGame()
    {
        QFETCH(int, before);
        TestRun test;
        test.writeLanguage(SpanishTexts);
        test.writeSet("animales", 2);
        Run &run = test.run;
        Board &board = run.board();
        run.player().setName(" Ana ");
        run.choice().setPairChoice(0);
        QSignalSpy dealt(&run.opening(), &BoardOpening::dealt);
        run.opening().start(1.0);
        QVERIFY(dealt.wait());
        std::map<QString, std::vector<int>> pairs;
        for (const DealtCard &card : run.opening().outcome().cards)
            pairs[card.key].push_back(card.position);
        const std::vector<int> a = pairs.begin()->second, b = pairs.rbegin()->second;
        QVERIFY(a.size() == 2 && b.size() == 2 && board.pairCount() == 2);
        QSignalSpy removed(&board, &Board::pairRemoved);
        QSignalSpy over(&board, &Board::gameOver);
        test.clock.advance(std::chrono::seconds(before));
        for (int k : {a[0], b[0], a[0], a[1]})
            board.click(k);
        // On show for 200 ms, taking no click meanwhile.
        test.clock.advance(std::chrono::milliseconds(199));
        board.click(b[0]);
        QVERIFY(removed.isEmpty() && board.firstCard() < 0);
        test.clock.advance(std::chrono::milliseconds(1));
        QCOMPARE(removed.count(), 1);
        board.click(b[0]);
        board.click(b[1]);
        QCOMPARE(run.results().all().size(), std::size_t(1));
        // The pair leaves, and the game is over at two seconds past the reading rounded half
        // to even: 36000 + before + 0.4 s waits 1.6 s.
        test.clock.advance(std::chrono::milliseconds(200 + 1599));
        QVERIFY(removed.count() == 2 && over.isEmpty());
        test.clock.advance(std::chrono::milliseconds(1));
        QCOMPARE(over.count(), 1);
        QCOMPARE(test.clock.running(), 0);
        QCOMPARE(run.results().all().at(0).player, " Ana ");
        QCOMPARE(run.results().all().at(0).set, "animales");
        QTEST(resultLine(run.results().all().at(0)), "line");
    }

    void resultLines_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<bool>("withClock");
        QTest::addColumn<QString>("line");
        const QStringList words = {"Con", "parejas", "quedaban", "segundos"};
        QTest::newRow("words around the counts")
            << words << 58 << true << "Con 6 parejas quedaban 58 segundos";
        // -1: the game ended before the clock's first tick.
        QTest::newRow("no seconds shown yet")
            << words << -1 << true << "Con 6 parejas quedaban  segundos";
        QTest::newRow("empty words keep their blanks")
            << QStringList{"", "", "", ""} << 3 << true << " 6   3 ";
        // The words for the seconds left do not fit the seconds played.
        QTest::newRow("without a clock, said so")
            << words << 95 << false << "Con 6 parejas no clock, 95 s";
    }

    void resultLines()
    {
        QFETCH(QStringList, words);
        QFETCH(int, seconds);
        QFETCH(bool, withClock);
        GameResult result{"Ana",    "s",
                          6,        seconds < 0 ? std::nullopt : std::optional(seconds),
                          {},       ResultWords{words[0], words[1], words[2], words[3]},
                          withClock};
        QTEST(resultLine(result), "line");
    }

    void pairChoice()
    {
        GameChoice choice;
        QCOMPARE(choice.pairs(), 12);
        QSignalSpy changed(&choice, &GameChoice::pairChoiceChanged);
        for (int index : {6, 6, 7, -1})
            choice.setPairChoice(index);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(choice.pairs(), 36);
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

    void boardOpensEachPictureOnce_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::newRow("ratio 1") << 1.0;
        QTest::newRow("ratio 2") << 2.0;
    }

    // The check before the board and the deal share what they read, captions too: on a
    // network share each open is a round trip. Thumbnails wait until the board shows.
    void boardOpensEachPictureOnce()
    {
        QFETCH(double, ratio);
        TestRun program;
        const QByteArray picture = encoded(filled({1200, 900}, Qt::darkGreen), "JPEG").mid(2);
        for (int p = 0; p < 12; ++p)
            program.writeFile(QStringLiteral("set/%1/%2.jpg").arg(p % 2 + 1).arg(p / 2),
                              QByteArray("\xff\xd8\xff\xfe\0\x03", 6) + char('0' + p / 2) +
                                  picture);
        const int watch = inotify_init1(IN_NONBLOCK);
        for (const char *half : {"set/1", "set/2"})
            inotify_add_watch(watch, qPrintable(program.path(half)), IN_OPEN);
        const CardBoxSize box = firstCardBox(0, 800 * 15, 600 * 15, ratio);
        PictureCache cache(RunPictureCacheBytes);
        QCOMPARE(checkSet(program.path("set"), box, cache), DealCheck::Dealable);
        const DealPlan plan =
            planDeal(program.path("set"), std::vector(12, box), program.random, "es");
        const std::vector<CardPicture> cards = loadCardPictures(plan.requests, &cache, true);
        QMap<QString, int> opens;
        alignas(inotify_event) char events[4096];
        for (ssize_t n; (n = read(watch, events, sizeof events)) > 0;) {
            for (char *at = events; at < events + n;) {
                const auto *e = reinterpret_cast<const inotify_event *>(at);
                at += sizeof(inotify_event) + e->len;
                if (!(e->mask & IN_ISDIR))
                    ++opens[QString::number(e->wd) + e->name];
            }
        }
        close(watch);
        QCOMPARE(opens.values(), QList<int>(12, 1));
        for (std::size_t i = 0; i < cards.size(); ++i)
            QCOMPARE(cards[i].caption, QString::number(plan.draws.chosen[i / 2]));
        QDir written(program.path(ratio == 1 ? "home/.cache/thumbnails/large"
                                             : "home/.cache/thumbnails/x-large"));
        QVERIFY(written.isEmpty());
        cache.thumbnails().writeHeld();
        cache.thumbnails().waitForWritten();
        written.refresh();
        QCOMPARE(written.entryList(QDir::Files).size(), 12);
    }
};

QTEST_GUILESS_MAIN(TstRun)
#include "tst_run.moc"
