// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens boards of big phone-sized photos and prints how long the start-up takes and how
// much memory it holds at its peak: the first board of a run (a new process) without and
// with the shared thumbnails the first one left behind, the next one of the same set in the
// same process, the first one on a screen of twice the pixel density, and the decoding
// alone.
//
//   bench_board [--runs N] [--threads N] [--full-size] [--progressive] [--hostile]
//
// --threads simulates a machine of that many cores by running on that many of its own; --full-size
// adds a plain full-size decode of every photo; --progressive opens a 36-pair board of progressive
// 12000 x 9000 photos instead; --hostile opens 6-pair boards of pictures of hostile shapes instead.
// The thumbnails go to a cache folder of the benchmark's own.
#include "cards/boardlayout.h"
#include "cards/cardgeometry.h"
#include "pictures/pictureloader.h"
#include "run/paircounts.h"
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
#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <sched.h>
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
    QString most(const char *unit) const
    {
        if (values.empty())
            return QStringLiteral("-");
        return QStringLiteral("%1 %2")
            .arg(*std::max_element(values.begin(), values.end()), 0, 'f', 0)
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
};

// A program folder with the photos as its only set and a background; the board opens for
// `choice` on a 1920 x 1080 screen.
class BoardRun
{
public:
    BoardRun(const QString &photos, int choice)
    {
        // The test program's own home would take the thumbnails away with it.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(BenchCache));
        m_program.screen.width = ScreenWidth * TwipsPerPixel;
        m_program.screen.height = ScreenHeight * TwipsPerPixel;
        const QString sets = QString::fromLatin1(SetsFolderName);
        QDir().mkpath(m_program.path(sets));
        QFile::link(photos, m_program.path(sets + QStringLiteral("/fotos")));
        photo(7, QSize(1600, 1200)).save(m_program.path(QStringLiteral("fondo.jpg")), "JPG", 90);
        m_program.run.choice().setPairChoice(choice);
        m_program.run.choice().setSetName(QStringLiteral("fotos"));
    }
    // Seconds from start-up to the dealt board.
    double open()
    {
        QElapsedTimer timer;
        timer.start();
        boardWindow().load();
        const double s = seconds(timer);
        m_dealt = m_program.run.board().pairCount();
        return s;
    }
    // As SEGUIR JUGANDO does: the board goes, with its controls.
    void close()
    {
        boardWindow().unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    int dealt() const { return m_dealt; }

private:
    TestProgram m_program;
    int m_dealt = 0;
};

// The decoding alone, for the same board: the pictures of its first pairs in the boxes of
// the board's layout on the screen, in order.
std::vector<CardPictureRequest> boardRequests(const QString &photos, int choice)
{
    const BoardGeometry board =
        layoutBoard(choice, ScreenWidth * TwipsPerPixel, ScreenHeight * TwipsPerPixel);
    std::vector<CardPictureRequest> requests;
    for (std::size_t k = 0; k < board.boxes.size(); ++k) {
        const QRect &box = board.boxes[k];
        CardPictureRequest r;
        r.path = photoPath(photos, int(k % 2) + 1, int(k / 2));
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

void benchBoard(int argc, char *argv[], const QString &photos, int choice, const Options &o)
{
    Figures first, second, ratio2, alone, firstPeak, secondPeak, ratio2Peak, alonePeak;
    Figures thumbnailed, thumbnailedPeak;
    double ratio = 0;
    int dealt = 0;
    for (int run = 0; run < o.runs; ++run) {
        noThumbnails();
        const auto opened = inChild([&] {
            QApplication app(argc, argv);
            BoardRun board(photos, choice);
            const double s1 = board.open();
            const double p1 = peakMegabytes();
            board.close();
            const double s2 = board.open();
            return std::vector<double>{s1, p1, s2, peakMegabytes(), double(board.dealt())};
        });
        const auto fromThumbnails = inChild([&] {
            QApplication app(argc, argv);
            BoardRun board(photos, choice);
            const double s = board.open();
            return std::vector<double>{s, peakMegabytes()};
        });
        noThumbnails();
        const auto doubled = inChild([&] {
            qputenv("QT_SCALE_FACTOR", "2");
            QApplication app(argc, argv);
            BoardRun board(photos, choice);
            const double s = board.open();
            return std::vector<double>{s, peakMegabytes(),
                                       boardWindow().window()->devicePixelRatioF()};
        });
        noThumbnails();
        const auto decoded = inChild([&] {
            QGuiApplication app(argc, argv);
            const std::vector<CardPictureRequest> requests = boardRequests(photos, choice);
            QElapsedTimer timer;
            timer.start();
            const std::vector<CardPicture> cards = loadCardPictures(requests);
            return std::vector<double>{seconds(timer), peakMegabytes()};
        });
        if (opened.size() == 5) {
            first.add(opened[0]);
            firstPeak.add(opened[1]);
            second.add(opened[2]);
            secondPeak.add(opened[3]);
            dealt = int(opened[4]);
        }
        if (fromThumbnails.size() == 2) {
            thumbnailed.add(fromThumbnails[0]);
            thumbnailedPeak.add(fromThumbnails[1]);
        }
        if (doubled.size() == 3) {
            ratio2.add(doubled[0]);
            ratio2Peak.add(doubled[1]);
            ratio = doubled[2];
        }
        if (decoded.size() == 2) {
            alone.add(decoded[0]);
            alonePeak.add(decoded[1]);
        }
    }
    const int pairs = PairCounts::pairsFor(choice);
    std::printf("%2d-pair board (%d pairs dealt), min / median of %d runs, peak memory the "
                "most of them:\n",
                pairs, dealt, o.runs);
    std::printf("  first open, new process, no thumbnails    %-22s peak %s\n",
                qPrintable(first.minMedian("s", 3)), qPrintable(firstPeak.most("MB")));
    std::printf("  first open, new process, with thumbnails  %-22s peak %s\n",
                qPrintable(thumbnailed.minMedian("s", 3)), qPrintable(thumbnailedPeak.most("MB")));
    std::printf("  second open, same process                 %-22s peak %s\n",
                qPrintable(second.minMedian("s", 3)), qPrintable(secondPeak.most("MB")));
    std::printf("  first at ratio %.1f, no thumbnails         %-22s peak %s\n", ratio,
                qPrintable(ratio2.minMedian("s", 3)), qPrintable(ratio2Peak.most("MB")));
    std::printf("  decoding alone, in parallel               %-22s peak %s\n",
                qPrintable(alone.minMedian("s", 3)), qPrintable(alonePeak.most("MB")));
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
    benchBoard(argc, argv, photos, 6, o);
    benchBoard(argc, argv, twelvePairs(photos), 2, o);
    if (o.fullSize)
        benchFullSize(argc, argv, photos);
    return 0;
}
