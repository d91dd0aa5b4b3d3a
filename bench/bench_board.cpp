// Opens boards of big phone-sized photos and prints how long the start-up takes and how
// much memory it holds at its peak, against a plain full-size decode of the same files.
#include "board/form2.h"
#include "board/pictureloader.h"
#include "common/module1.h"
#include "fakes.h"
#include "platform/twips.h"
#include "setup/form1.h"
#include "windows/flow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <limits>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

constexpr int Photos = 36;

// A photo-like picture: gradients, shapes and sensor noise, so the JPEG is as large as a
// real one.
QImage photo(int seed)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 3000);
    sky.setColorAt(0, QColor::fromHsv((seed * 29) % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv((seed * 29 + 120) % 360, 160, 120));
    p.fillRect(image.rect(), sky);
    QRandomGenerator random{quint32(seed)};
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 60; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(random.bounded(360), 150, 200, 160));
        p.drawEllipse(QPointF(random.bounded(4000), random.bounded(3000)), random.bounded(80, 600),
                      random.bounded(80, 600));
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

QString photoFolder()
{
    const QString folder = QDir::tempPath() + QStringLiteral("/zindle-bench-photos");
    for (int half = 1; half <= 2; ++half)
        QDir().mkpath(folder + QStringLiteral("/%1").arg(half));
    for (int i = 0; i < Photos; ++i) {
        for (int half = 1; half <= 2; ++half) {
            const QString path =
                folder + QStringLiteral("/%1/%2.jpg").arg(half).arg(i, 2, 10, QLatin1Char('0'));
            if (!QFile::exists(path))
                photo(i * 2 + half).save(path, "JPG", 90);
        }
    }
    return folder;
}

long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void openBoard(const QString &photos, int choice)
{
    TestProgram program;
    program.screen.width = 1920 * 15;
    program.screen.height = 1080 * 15;
    QDir().mkpath(program.path(QStringLiteral("graficos")));
    QFile::link(photos, program.path(QStringLiteral("graficos/fotos")));
    form1().load();
    form1().Combo1->setEditable(true);
    form1().Combo1->setEditText(QStringLiteral("fotos"));
    Module1::PairChoice = std::uint8_t(choice);
    QElapsedTimer timer;
    timer.start();
    form2().load();
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf(
        "%2d-pair board: %.3f s from start-up to dealt board, %d pairs dealt, peak %ld MB\n",
        Module1::pairsFor(choice), seconds, form2().game().pairCount(), peakKilobytes() / 1024);
}

// The decoding alone, for the same boards: every picture of a board of `columns` x
// `rows` cards with the given gap on a 1920 x 1080 screen.
void decodeForBoard(const QString &photos, int columns, int rows, int gap)
{
    const int width = 1920 * 15 / columns - gap;
    const int height = 1080 * 15 / rows - gap;
    std::vector<CardPictureRequest> requests;
    for (int i = 0; i < columns * rows / 2; ++i) {
        for (int half = 1; half <= 2; ++half) {
            CardPictureRequest r;
            r.path =
                photos + QStringLiteral("/%1/%2.jpg").arg(half).arg(i, 2, 10, QLatin1Char('0'));
            r.boxWidth = width;
            r.boxHeight = height;
            r.clientSize = QSize(twipsToPixels(width) - 2, twipsToPixels(height) - 2);
            requests.push_back(r);
        }
    }
    QElapsedTimer timer;
    timer.start();
    const std::vector<CardPicture> cards = loadCardPictures(requests);
    const double seconds = timer.nsecsElapsed() / 1e9;
    const auto loaded =
        std::count_if(cards.begin(), cards.end(), [](const CardPicture &c) { return c.loaded; });
    std::printf("%2d-pair decoding alone: %.3f s, %td of %zu pictures at %dx%d, peak %ld MB\n",
                columns * rows / 2, seconds, loaded, cards.size(), cards.front().image.width(),
                cards.front().image.height(), peakKilobytes() / 1024);
}

void decodeFullSize(const QString &photos)
{
    QImageReader::setAllocationLimit(0);
    QElapsedTimer timer;
    timer.start();
    std::vector<QImage> images;
    for (int half = 1; half <= 2; ++half) {
        for (const QString &name :
             QDir(photos + QStringLiteral("/%1").arg(half)).entryList(QDir::Files))
            images.emplace_back(photos + QStringLiteral("/%1/").arg(half) + name);
    }
    std::printf("full-size decode of %zu photos: %.3f s, peak %ld MB\n", images.size(),
                timer.nsecsElapsed() / 1e9, peakKilobytes() / 1024);
}

// Each measurement runs in a process of its own, so that its peak memory is its own.
template <typename F> void inChild(F measure)
{
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        measure();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
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
    inChild([&] {
        QApplication app(argc, argv);
        openBoard(photos, 6);
    });
    inChild([&] {
        QApplication app(argc, argv);
        openBoard(photos, 2);
    });
    inChild([&] {
        QGuiApplication app(argc, argv);
        decodeForBoard(photos, 9, 8, 70);
    });
    inChild([&] {
        QGuiApplication app(argc, argv);
        decodeForBoard(photos, 6, 4, 115);
    });
    inChild([&] {
        QGuiApplication app(argc, argv);
        decodeFullSize(photos);
    });
    return 0;
}
