// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens boards of big phone-sized photos as the play button does (the set's check, then the
// deal) and prints how long the start-up takes, how many times each picture file is opened,
// when the busy pointer and the progress window show, and how much memory it holds at its
// peak: the first board of a run (a new process) without and with the shared thumbnails the
// first one left behind, with the photos in the page cache (warm) and not (cold), the next
// one of the same set in the same process, the first ones on a screen of twice the pixel
// density, and the decoding alone.
//
//   bench_board [--runs N] [--threads N] [--full-size] [--progressive] [--hostile] [--sharpness]
//   bench_board --one board|decode [--set FOLDER] [--pairs N] [--scale 2] [--thumbnails]
//
// --threads simulates a machine of that many cores by running on that many of its own; --full-size
// adds a plain full-size decode of every photo; --progressive opens a 36-pair board of progressive
// 12000 x 9000 photos instead; --hostile opens 6-pair boards of pictures of hostile shapes instead;
// --sharpness compares cards made while only small thumbnails exist with the photos scaled.
// --one opens one first board, or decodes its pictures alone, and ends, for timing the process
// from outside: of the benchmark's photos or the set in FOLDER (36 pairs unless --pairs says),
// without thumbnails unless --thumbnails keeps those a board left (then it waits for its own to
// be written); decoding alone never reads nor removes thumbnails.
// The thumbnails go to a cache folder of the benchmark's own.
#include "cards/boardlayout.h"
#include "cards/cardgeometry.h"
#include "pictures/picturecache.h"
#include "pictures/pictureloader.h"
#include "pictures/thumbnails.h"
#include "rules/paircounts.h"
#include "screen/twips.h"
#include "sets/setlibrary.h"
#include "windows/boardwindow.h"
#include "windows/windowflow.h"
#include "windowtesting.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <map>
#include <sched.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

constexpr int Photos = 36;
// The shared thumbnails of the benchmark.
const QString BenchCache = QDir::tempPath() + QStringLiteral("/zindle-bench-cache");
constexpr int ScreenWidth = 1920;
constexpr int ScreenHeight = 1080;

// A photo-like picture: gradients, shapes and sensor noise, so the JPEG is as large as a
// real one.
QImage photo(int seed, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor::fromHsv((seed * 29) % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv((seed * 29 + 120) % 360, 160, 120));
    p.fillRect(image.rect(), sky);
    QRandomGenerator random{quint32(seed)};
    p.setRenderHint(QPainter::Antialiasing);
    const int scale = size.width() / 4000;
    for (int i = 0; i < 60; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(random.bounded(360), 150, 200, 160));
        p.drawEllipse(QPointF(random.bounded(size.width()), random.bounded(size.height())),
                      scale * random.bounded(80, 600), scale * random.bounded(80, 600));
    }
    p.end();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(random.bounded(24)) - 12;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
    return image;
}

QString photoPath(const QString &folder, int half, int i)
{
    return folder + QStringLiteral("/%1/%2.jpg").arg(half).arg(i, 2, 10, QLatin1Char('0'));
}

// 36 pairs of 4000 x 3000 photos.
QString photoFolder()
{
    const QString folder = QDir::tempPath() + QStringLiteral("/zindle-bench-photos");
    for (int half = 1; half <= 2; ++half)
        QDir().mkpath(folder + QStringLiteral("/%1").arg(half));
    for (int i = 0; i < Photos; ++i) {
        for (int half = 1; half <= 2; ++half) {
            const QString path = photoPath(folder, half, i);
            if (!QFile::exists(path))
                photo(i * 2 + half, QSize(4000, 3000)).save(path, "JPG", 90);
        }
    }
    return folder;
}

// 36 pairs of progressive 12000 x 9000 photos: a few distinct ones, linked under every name,
// since what they cost does not depend on what they show.
QString progressiveFolder()
{
    constexpr int Distinct = 4;
    const QString folder = QDir::tempPath() + QStringLiteral("/zindle-bench-progressive");
    for (int half = 1; half <= 2; ++half)
        QDir().mkpath(folder + QStringLiteral("/%1").arg(half));
    for (int i = 0; i < Distinct; ++i) {
        const QString path = folder + QStringLiteral("/photo%1.jpg").arg(i);
        if (QFile::exists(path))
            continue;
        QImageWriter writer(path, "jpeg");
        writer.setQuality(85);
        writer.setProgressiveScanWrite(true);
        writer.write(photo(100 + i, QSize(12000, 9000)));
    }
    for (int i = 0; i < Photos; ++i) {
        for (int half = 1; half <= 2; ++half) {
            const QString path = photoPath(folder, half, i);
            if (!QFile::exists(path))
                ::link(qPrintable(folder +
                                  QStringLiteral("/photo%1.jpg").arg((2 * i + half) % Distinct)),
                       qPrintable(path));
        }
    }
    return folder;
}

// The first 12 pairs of the photos as a set of their own, so that the next 12-pair board
// shows the same pictures.
QString twelvePairs(const QString &photos)
{
    const QString folder = photos + QStringLiteral("-12");
    for (int half = 1; half <= 2; ++half) {
        QDir().mkpath(folder + QStringLiteral("/%1").arg(half));
        for (int i = 0; i < 12; ++i)
            QFile::link(photoPath(photos, half, i), photoPath(folder, half, i));
    }
    return folder;
}

double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong() / 1024.0;
    }
    return -1;
}

double seconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e9;
}

struct Figures {
    std::vector<double> values;
    void add(double v) { values.push_back(v); }
    QString minMedian(const char *unit, int decimals) const
    {
        if (values.empty())
            return QStringLiteral("-");
        std::vector<double> v = values;
        std::sort(v.begin(), v.end());
        return QStringLiteral("%1 / %2 %3")
            .arg(v.front(), 0, 'f', decimals)
            .arg(v[v.size() / 2], 0, 'f', decimals)
            .arg(QLatin1String(unit));
    }
    QString most(const char *unit, int decimals = 0) const
    {
        if (values.empty())
            return QStringLiteral("-");
        return QStringLiteral("%1 %2")
            .arg(*std::max_element(values.begin(), values.end()), 0, 'f', decimals)
            .arg(QLatin1String(unit));
    }
};

// Runs `measure` in a process of its own, so that its peak memory is its own; returns the
// figures it reports.
std::vector<double> inChild(const std::function<std::vector<double>()> &measure)
{
    std::fflush(stdout);
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const std::vector<double> figures = measure();
        const auto size = ssize_t(figures.size() * sizeof(double));
        const bool written = write(fds[1], figures.data(), std::size_t(size)) == size;
        std::fflush(stdout);
        _exit(written ? 0 : 1);
    }
    close(fds[1]);
    std::vector<double> figures;
    double value = 0;
    while (read(fds[0], &value, sizeof value) == sizeof value)
        figures.push_back(value);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return figures;
}

struct Options {
    int runs = 3;
    int threads = 0;
    bool fullSize = false;
    bool progressive = false;
    bool hostile = false;
    bool sharpness = false;
    QString one;
    QString set;
    int pairs = 36;
    double scale = 1;
    bool thumbnails = false;
};

// The card background, made once.
QString background()
{
    const QString path = QDir::tempPath() + QStringLiteral("/zindle-bench-fondo.jpg");
    if (!QFile::exists(path))
        photo(7, QSize(1600, 1200)).save(path, "JPG", 90);
    return path;
}

// The files of the set's folders "1" and "2".
QStringList setFiles(const QString &set)
{
    QStringList files;
    for (int half = 1; half <= 2; ++half) {
        const QDir folder(set + QStringLiteral("/%1").arg(half));
        for (const QString &name : folder.entryList(QDir::Files))
            files << folder.filePath(name);
    }
    return files;
}

// Takes the set's files out of the page cache, as after a restart or on a share.
void coldFiles(const QString &set)
{
    for (const QString &path : setFiles(set)) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            ::fdatasync(fd);
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
        }
    }
}

// Counts how many times each file of a set's folders is opened, by anyone, while it lives.
class OpenCount
{
public:
    explicit OpenCount(const QString &set) : m_watch(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        for (int half = 1; half <= 2; ++half)
            inotify_add_watch(m_watch, QFile::encodeName(set + QStringLiteral("/%1").arg(half)),
                              IN_OPEN);
    }
    ~OpenCount() { ::close(m_watch); }
    // The most times any one file was opened, and the files opened at all.
    std::pair<int, int> read()
    {
        alignas(inotify_event) char events[65536];
        for (ssize_t n; (n = ::read(m_watch, events, sizeof events)) > 0;) {
            for (char *at = events; at < events + n;) {
                const auto *e = reinterpret_cast<const inotify_event *>(at);
                at += sizeof(inotify_event) + e->len;
                if (!(e->mask & IN_ISDIR))
                    ++m_opens[std::to_string(e->wd) + e->name];
            }
        }
        int most = 0;
        for (const auto &[file, count] : m_opens)
            most = std::max(most, count);
        return {most, int(m_opens.size())};
    }

private:
    int m_watch;
    std::map<std::string, int> m_opens;
};

// A program folder with the set as its only one and a background; the board opens for
// `choice` on a 1920 x 1080 screen, as the setup window's play button opens it.
class BoardRun
{
public:
    BoardRun(const QString &photos, int choice) : m_photos(photos)
    {
        // The test program's own home would take the thumbnails away with it.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(BenchCache));
        m_program.screen.width = ScreenWidth * TwipsPerPixel;
        m_program.screen.height = ScreenHeight * TwipsPerPixel;
        const QString sets = QString::fromLatin1(SetsFolderName);
        QDir().mkpath(m_program.path(sets));
        QFile::link(photos, m_program.path(sets + QStringLiteral("/fotos")));
        QFile::copy(background(), m_program.path(QStringLiteral("fondo.jpg")));
        setupWindow().showInFront();
        m_program.run.choice().setPairChoice(choice);
        m_program.run.choice().setSetName(QStringLiteral("fotos"));
    }
    // Seconds from the play button to the dealt board; when the busy pointer and the
    // progress window first showed (-1: never), and the most opens of a file.
    double open()
    {
        OpenCount opens(m_photos);
        QElapsedTimer timer;
        QTimer watch;
        m_busyAt = m_progressAt = -1;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (m_busyAt < 0 && QGuiApplication::overrideCursor())
                m_busyAt = seconds(timer);
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (m_progressAt < 0 && w->objectName() == QLatin1String("WorkProgress") &&
                    w->isVisible())
                    m_progressAt = seconds(timer);
            }
        });
        watch.start(1);
        timer.start();
        flow().playChosen();
        if (!QTest::qWaitFor([this] { return !m_program.run.opening().isRunning(); }, 600000))
            std::fprintf(stderr, "bench_board: the deal did not end\n");
        const double s = seconds(timer);
        m_dealt = m_program.run.board().pairCount();
        m_opens = opens.read().first;
        return s;
    }
    // As SEGUIR JUGANDO does: the board goes, with its controls.
    void close()
    {
        flow().close(boardWindow());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // As a player plays on: the thumbnails the board left are written.
    void writeThumbnails()
    {
        QCoreApplication::processEvents();
        m_program.run.keptPictures().thumbnails().waitForWritten();
    }
    int dealt() const { return m_dealt; }
    int opens() const { return m_opens; }
    double busyAt() const { return m_busyAt; }
    double progressAt() const { return m_progressAt; }

private:
    TestProgram m_program;
    QString m_photos;
    int m_dealt = 0;
    int m_opens = 0;
    double m_busyAt = -1, m_progressAt = -1;
};

// The decoding alone, for the same board: the pictures of its first pairs in the boxes of
// the board's layout on the screen, in order.
std::vector<CardPictureRequest> boardRequests(const QString &photos, int choice)
{
    const BoardGeometry board =
        layoutBoard(choice, ScreenWidth * TwipsPerPixel, ScreenHeight * TwipsPerPixel);
    const QStringList files = setFiles(photos);
    std::vector<CardPictureRequest> requests;
    for (std::size_t k = 0; k < board.boxes.size() && int(k / 2) < files.size() / 2; ++k) {
        const QRect &box = board.boxes[k];
        CardPictureRequest r;
        r.path = files[int(k % 2) * (files.size() / 2) + int(k / 2)];
        r.boxWidth = box.width();
        r.boxHeight = box.height();
        r.left = cardPictureRect(box.width(), box.height()).left();
        r.clientSize = twipsRect(box.x(), box.y(), box.width(), box.height()).size() - QSize(2, 2);
        requests.push_back(r);
    }
    return requests;
}

// The shared thumbnails of the benchmark, emptied.
void noThumbnails()
{
    QDir(BenchCache).removeRecursively();
}

// One line of figures over the runs.
struct Row {
    Figures time, peak, opens, busy, progress;
    int runs = 0, withoutProgress = 0;
    // From a board's child: seconds, peak, most opens of a file, busy pointer and progress
    // window (-1: never), pairs dealt.
    void add(const std::vector<double> &f)
    {
        if (f.size() < 2)
            return;
        ++runs;
        time.add(f[0]);
        peak.add(f[1]);
        if (f.size() < 5)
            return;
        opens.add(f[2]);
        if (f[3] >= 0)
            busy.add(f[3]);
        if (f[4] >= 0)
            progress.add(f[4]);
        else
            ++withoutProgress;
    }
    void print(const char *what) const
    {
        std::printf("  %-34s %-20s peak %-7s", what, qPrintable(time.minMedian("s", 3)),
                    qPrintable(peak.most("MB")));
        if (!opens.values.empty())
            std::printf(" opens/file %-4s busy %-7s bar %s (%d of %d ended before it)",
                        qPrintable(opens.most("")), qPrintable(busy.most("s", 3)),
                        qPrintable(progress.minMedian("s", 3)), withoutProgress, runs);
        std::printf("\n");
    }
};

std::vector<double> boardFigures(BoardRun &board)
{
    const double s = board.open();
    return {s,
            peakMegabytes(),
            double(board.opens()),
            board.busyAt(),
            board.progressAt(),
            double(board.dealt())};
}

// Opens a first board in a process of its own; with `writeThumbnails` the
// thumbnails it left are written before it ends, as when a player plays on.
std::vector<double> firstBoard(int argc, char *argv[], const QString &photos, int choice,
                               double scale, bool writeThumbnails)
{
    return inChild([&] {
        if (scale != 1)
            qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
        QApplication app(argc, argv);
        BoardRun board(photos, choice);
        std::vector<double> figures = boardFigures(board);
        if (writeThumbnails)
            board.writeThumbnails();
        return figures;
    });
}

void benchBoard(int argc, char *argv[], const QString &photos, int choice, const Options &o)
{
    Row first, firstCold, thumbnailed, thumbnailedCold, second, doubled, doubledThumbnailed, alone,
        aloneCold;
    int dealt = 0;
    const auto decodeAlone = [&] {
        return inChild([&] {
            QGuiApplication app(argc, argv);
            const std::vector<CardPictureRequest> requests = boardRequests(photos, choice);
            QElapsedTimer timer;
            timer.start();
            const std::vector<CardPicture> cards = loadCardPictures(requests);
            return std::vector<double>{seconds(timer), peakMegabytes()};
        });
    };
    for (int run = 0; run < o.runs; ++run) {
        noThumbnails();
        const auto opened = inChild([&] {
            QApplication app(argc, argv);
            BoardRun board(photos, choice);
            std::vector<double> figures = boardFigures(board);
            board.writeThumbnails();
            board.close();
            const std::vector<double> next = boardFigures(board);
            figures.insert(figures.end(), next.begin(), next.end());
            return figures;
        });
        if (opened.size() == 12) {
            first.add({opened.begin(), opened.begin() + 6});
            second.add({opened.begin() + 6, opened.end()});
            dealt = int(opened[5]);
        }
        thumbnailed.add(firstBoard(argc, argv, photos, choice, 1, false));
        coldFiles(photos);
        thumbnailedCold.add(firstBoard(argc, argv, photos, choice, 1, false));
        noThumbnails();
        coldFiles(photos);
        firstCold.add(firstBoard(argc, argv, photos, choice, 1, false));
        noThumbnails();
        doubled.add(firstBoard(argc, argv, photos, choice, 2, true));
        doubledThumbnailed.add(firstBoard(argc, argv, photos, choice, 2, false));
        noThumbnails();
        alone.add(decodeAlone());
        coldFiles(photos);
        aloneCold.add(decodeAlone());
    }
    const int pairs = PairCounts::pairsFor(choice);
    std::printf("%2d-pair board (%d pairs dealt), min / median of %d runs; peak memory, opens "
                "of a file and the busy pointer the most of them:\n",
                pairs, dealt, o.runs);
    first.print("first, no thumbnails, warm");
    firstCold.print("first, no thumbnails, cold");
    thumbnailed.print("first, with thumbnails, warm");
    thumbnailedCold.print("first, with thumbnails, cold");
    second.print("second open, same process");
    doubled.print("first at ratio 2, no thumbnails");
    doubledThumbnailed.print("first at ratio 2, with thumbnails");
    alone.print("decoding alone, in parallel, warm");
    aloneCold.print("decoding alone, in parallel, cold");
}

void benchFullSize(int argc, char *argv[], const QString &photos)
{
    const auto figures = inChild([&] {
        QGuiApplication app(argc, argv);
        QImageReader::setAllocationLimit(0);
        QElapsedTimer timer;
        timer.start();
        std::vector<QImage> images;
        for (int i = 0; i < Photos; ++i) {
            for (int half = 1; half <= 2; ++half)
                images.emplace_back(photoPath(photos, half, i));
        }
        return std::vector<double>{seconds(timer), peakMegabytes()};
    });
    if (figures.size() == 2)
        std::printf("full-size decode of %d photos, one after the other: %.3f s, peak %.0f MB\n",
                    2 * Photos, figures[0], figures[1]);
}

void benchProgressive(int argc, char *argv[])
{
    const QString photos = [&] {
        QGuiApplication app(argc, argv);
        return progressiveFolder();
    }();
    const int choice = PairCounts::ChoiceCount - 1;
    const auto figures = inChild([&] {
        QApplication app(argc, argv);
        BoardRun board(photos, choice);
        const double s = board.open();
        return std::vector<double>{s, peakMegabytes(), double(board.dealt())};
    });
    if (figures.size() == 3)
        std::printf("%d-pair board of progressive 12000 x 9000 photos: %.1f s, %d pairs dealt, "
                    "peak %.0f MB (decoding budget %lld MB)\n",
                    PairCounts::pairsFor(choice), figures[0], int(figures[2]), figures[1],
                    DecodeBudgetBytes / (1024 * 1024));
}

// A 6-pair set of one picture of a hostile shape under every name.
QString hostileSet(const QString &name, const QByteArray &bytes)
{
    const QString folder = QDir::tempPath() + QStringLiteral("/zindle-bench-hostile-") + name;
    for (int half = 1; half <= 2; ++half) {
        QDir().mkpath(folder + QStringLiteral("/%1").arg(half));
        for (int i = 0; i < 6; ++i) {
            QFile file(folder + QStringLiteral("/%1/%2.png").arg(half).arg(i));
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
        }
    }
    return folder;
}

QByteArray pngOf(QSize size, const char *format = "PNG")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void benchHostile(int argc, char *argv[])
{
    std::vector<std::pair<QString, QByteArray>> shapes;
    {
        QGuiApplication app(argc, argv);
        shapes = {{QStringLiteral("1x10000"), pngOf(QSize(1, 10000))},
                  {QStringLiteral("2x2000"), pngOf(QSize(2, 2000))},
                  {QStringLiteral("8x60000-jpeg"), pngOf(QSize(8, 60000), "JPG")},
                  {QStringLiteral("9x60001-jpeg"), pngOf(QSize(9, 60001), "JPG")},
                  {QStringLiteral("10000x1"), pngOf(QSize(10000, 1))},
                  {QStringLiteral("1x1"), pngOf(QSize(1, 1))}};
    }
    noThumbnails();
    std::printf("6-pair boards of one picture under all 12 names, on 1920 x 1080:\n");
    for (const auto &[name, bytes] : shapes) {
        const QString set = hostileSet(name, bytes);
        const auto figures = inChild([&] {
            QApplication app(argc, argv);
            BoardRun board(set, 0);
            const double s = board.open();
            return std::vector<double>{s, peakMegabytes(), double(board.dealt())};
        });
        if (figures.size() == 3)
            std::printf("  %-14s %6lld bytes: %.3f s, %d pairs dealt, peak %.0f MB\n",
                        qPrintable(name), qint64(bytes.size()), figures[0], int(figures[2]),
                        figures[1]);
    }
}

// One first board, or the decoding of its pictures alone, in this process; prints its
// figures on one line.
int benchOne(int argc, char *argv[], const Options &o)
{
    int choice = PairCounts::ChoiceCount - 1;
    for (int c = 0; c < PairCounts::ChoiceCount; ++c) {
        if (PairCounts::pairsFor(c) == o.pairs)
            choice = c;
    }
    if (!o.thumbnails && o.one != QLatin1String("decode"))
        noThumbnails();
    if (o.scale != 1)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(o.scale));
    if (o.one == QLatin1String("decode")) {
        QGuiApplication app(argc, argv);
        QElapsedTimer timer;
        timer.start();
        const std::vector<CardPicture> cards = loadCardPictures(boardRequests(o.set, choice));
        std::printf("decoded %zu pictures in %.3f s\n", cards.size(), seconds(timer));
        return 0;
    }
    QApplication app(argc, argv);
    BoardRun board(o.set, choice);
    const double s = board.open();
    std::printf("board of %d pairs in %.3f s, opens/file %d, busy at %.3f s, bar at %.3f s\n",
                board.dealt(), s, board.opens(), board.busyAt(), board.progressAt());
    if (o.thumbnails)
        board.writeThumbnails();
    return 0;
}

// Cards of 6 pairs on 1920 x 1080 whose photos have fresh thumbnails of 128 and 256 pixels
// only: how close each card comes to its photo scaled to the card, against the 256-pixel
// thumbnail stretched to it and a card decoded without thumbnails (peak signal-to-noise
// ratio, dB, means of the 12 cards).
void benchSharpness(int argc, char *argv[], const QString &photos)
{
    qputenv("XDG_CACHE_HOME", QFile::encodeName(BenchCache));
    QGuiApplication app(argc, argv);
    noThumbnails();
    const int choice = 0;
    const std::vector<CardPictureRequest> requests = boardRequests(photos, choice);
    std::vector<QImage> full;
    for (const CardPictureRequest &r : requests) {
        full.emplace_back(r.path);
        const QFileInfo file(r.path);
        const Thumbnails::Source source = Thumbnails::sourceOf(
            r.path, file.lastModified().toSecsSinceEpoch(), file.size(), full.back().size());
        for (const int edge : {128, 256}) {
            const QSize size = Thumbnails::thumbnailSize(full.back().size(), edge);
            Thumbnails::write(
                source, edge,
                full.back().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }
    const auto psnr = [](const QImage &a, const QImage &b) {
        double sum = 0;
        const QImage x = a.convertToFormat(QImage::Format_RGB32);
        const QImage y = b.convertToFormat(QImage::Format_RGB32);
        for (int row = 0; row < x.height(); ++row) {
            const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
            const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
            for (int col = 0; col < x.width(); ++col) {
                for (const int d : {qRed(p[col]) - qRed(q[col]), qGreen(p[col]) - qGreen(q[col]),
                                    qBlue(p[col]) - qBlue(q[col])})
                    sum += d * d;
            }
        }
        const double mse = sum / (3.0 * x.width() * x.height());
        return 10 * std::log10(255.0 * 255.0 / std::max(mse, 1e-9));
    };
    PictureCache cache(RunPictureCacheBytes);
    const std::vector<CardPicture> cards = loadCardPictures(requests, &cache, true);
    const std::vector<CardPicture> decoded = loadCardPictures(requests);
    double card = 0, stretched = 0, sharp = 0;
    int width = 0;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const QSize scaled = cards[i].geometry.size();
        const QRect part = cards[i].visible;
        width = scaled.width();
        const QImage reference =
            full[i].scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).copy(part);
        const QImage small = full[i]
                                 .scaled(Thumbnails::thumbnailSize(full[i].size(), 256),
                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .copy(part);
        card += psnr(cards[i].image, reference) / double(cards.size());
        stretched += psnr(small, reference) / double(cards.size());
        sharp += psnr(decoded[i].image, reference) / double(cards.size());
    }
    std::printf("cards %d px wide with thumbnails of 128 and 256 only: card %.1f dB, the 256 "
                "thumbnail stretched %.1f dB (card +%.1f dB), decoded without thumbnails "
                "%.1f dB\n",
                width, card, stretched, card - stretched, sharp);
}

Options parse(int argc, char *argv[])
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a = argv[i];
        const bool more = i + 1 < argc;
        if (a == "--runs" && more)
            o.runs = std::max(1, atoi(argv[++i]));
        else if (a == "--threads" && more)
            o.threads = std::max(0, atoi(argv[++i]));
        else if (a == "--full-size")
            o.fullSize = true;
        else if (a == "--progressive")
            o.progressive = true;
        else if (a == "--hostile")
            o.hostile = true;
        else if (a == "--sharpness")
            o.sharpness = true;
        else if (a == "--one" && more)
            o.one = QString::fromLocal8Bit(argv[++i]);
        else if (a == "--set" && more)
            o.set = QString::fromLocal8Bit(argv[++i]);
        else if (a == "--pairs" && more)
            o.pairs = atoi(argv[++i]);
        else if (a == "--scale" && more)
            o.scale = atof(argv[++i]);
        else if (a == "--thumbnails")
            o.thumbnails = true;
    }
    return o;
}

// Runs this process and those it starts on the first `count` of the cores it may use: the
// game decodes on one thread a core it may run on.
void useCores(int count)
{
    cpu_set_t allowed, used;
    CPU_ZERO(&used);
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0)
        return;
    for (int cpu = 0; cpu < CPU_SETSIZE && CPU_COUNT(&used) < count; ++cpu) {
        if (CPU_ISSET(cpu, &allowed))
            CPU_SET(cpu, &used);
    }
    sched_setaffinity(0, sizeof used, &used);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const Options o = parse(argc, argv);
    if (o.threads > 0)
        useCores(o.threads);
    if (o.one.isEmpty())
        noThumbnails();
    std::printf("decoding threads: %d%s\n", QThread::idealThreadCount(),
                o.threads > 0 ? " (simulated)" : "");
    if (o.progressive) {
        benchProgressive(argc, argv);
        return 0;
    }
    if (o.hostile) {
        benchHostile(argc, argv);
        return 0;
    }
    if (!o.one.isEmpty()) {
        Options one = o;
        if (one.set.isEmpty())
            one.set = QDir::tempPath() + QStringLiteral("/zindle-bench-photos");
        return benchOne(argc, argv, one);
    }
    const QString photos = [&] {
        QGuiApplication app(argc, argv);
        return photoFolder();
    }();
    qint64 smallest = std::numeric_limits<qint64>::max(), largest = 0;
    for (int half = 1; half <= 2; ++half) {
        for (const QFileInfo &file :
             QDir(photos + QStringLiteral("/%1").arg(half)).entryInfoList(QDir::Files)) {
            smallest = std::min(smallest, file.size());
            largest = std::max(largest, file.size());
        }
    }
    std::printf("%d photos of 4000 x 3000 in %s, %.1f to %.1f MB each\n", 2 * Photos,
                qPrintable(photos), smallest / 1e6, largest / 1e6);
    if (o.sharpness) {
        benchSharpness(argc, argv, photos);
        return 0;
    }
    benchBoard(argc, argv, photos, 6, o);
    benchBoard(argc, argv, twelvePairs(photos), 2, o);
    if (o.fullSize)
        benchFullSize(argc, argv, photos);
    return 0;
}
