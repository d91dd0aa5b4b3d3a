// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "thumbnails.h"

#include "files/filenames.h"
#include "logging.h"
#include "pictures/thumbnailparts.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace Thumbnails
{

namespace
{

struct SizeClass {
    int edge;
    const char *folder;
};
constexpr std::array<SizeClass, 4> Classes = {{
    {128, "normal"},
    {256, "large"},
    {512, "x-large"},
    {1024, "xx-large"},
}};

// The texts a thumbnail carries are a few short keys: one with more, or longer ones, is no
// thumbnail, and is not read further.
constexpr int MostTexts = 32;
constexpr png_alloc_size_t MostChunkBytes = 64 * 1024;

QByteArray thumbnailName(const Source &source)
{
    return QCryptographicHash::hash(source.uri, QCryptographicHash::Md5).toHex() + ".png";
}

// A descriptor, closed when it goes.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// The cache's folder of one size, made when `make` asks and it is missing. Neither it nor the
// cache folder is followed where it is a link, which could lead the game's reads and writes
// out of the cache.
Descriptor sizeFolder(const SizeClass &size, bool make)
{
    const auto open = [make](int parent, const QByteArray &name) {
        if (make)
            ::mkdirat(parent, name.constData(), 0700);
        return ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    };
    const Descriptor cache(open(AT_FDCWD, encodeFileName(cacheFolder())));
    return Descriptor(cache.fd() < 0 ? -1 : open(cache.fd(), size.folder));
}

// A PNG chunk: length, type, data, and the CRC of type and data.
QByteArray chunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray out(4, Qt::Uninitialized);
    qToBigEndian(quint32(data.size()), out.data());
    const QByteArray body = type + data;
    out += body;
    QByteArray crc(4, Qt::Uninitialized);
    qToBigEndian(
        quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))),
        crc.data());
    return out + crc;
}

// Qt's writer compresses long texts into zTXt chunks, which readers of the cache skip:
// the keys go into plain tEXt chunks right after the header chunk.
QByteArray withTexts(const QByteArray &png, const QList<std::pair<QByteArray, QByteArray>> &texts)
{
    constexpr int AfterHeader = 8 + 4 + 4 + 13 + 4;
    QByteArray chunks;
    for (const auto &[key, value] : texts)
        chunks += chunk("tEXt", key + '\0' + value);
    return png.left(AfterHeader) + chunks + png.mid(AfterHeader);
}

// libpng's way out of a file it cannot read.
void failed(png_structp png, png_const_charp message)
{
    *static_cast<QByteArray *>(png_get_error_ptr(png)) = message;
    png_longjmp(png, 1);
}

void readFromDevice(png_structp png, png_bytep data, size_t length)
{
    auto *device = static_cast<QIODevice *>(png_get_io_ptr(png));
    if (device->read(reinterpret_cast<char *>(data), qint64(length)) != qint64(length))
        png_error(png, "the file ends early");
}

// Kept free of C++ objects: libpng leaves it through longjmp.
bool readUpToPixels(png_structp png, png_infop info, QIODevice *device)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_read_fn(png, device, readFromDevice);
    png_read_info(png, info);
    return true;
}

// The text chunks before the picture data by key, tEXt, zTXt and iTXt alike: other
// programs and Qt's own writer keep long values compressed. Qt's reader cannot give them,
// as it takes the first colon of "Thumb::URI" for the end of the key; libpng reads them
// without decoding a pixel. Empty, with `error` said, when the file does not read as a PNG
// or carries more texts, or longer ones, than a thumbnail does.
QHash<QByteArray, QByteArray> pngTexts(QIODevice &png, QByteArray &error)
{
    png_structp reading = png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, failed,
                                                 [](png_structp, png_const_charp) {});
    png_infop info = reading ? png_create_info_struct(reading) : nullptr;
    if (reading) {
        png_set_chunk_cache_max(reading, MostTexts);
        png_set_chunk_malloc_max(reading, MostChunkBytes);
        png_set_benign_errors(reading, 0);
    }
    QHash<QByteArray, QByteArray> texts;
    if (info && readUpToPixels(reading, info, &png)) {
        png_textp text = nullptr;
        int count = 0;
        png_get_text(reading, info, &text, &count);
        for (int i = 0; i < count; ++i)
            texts.insert(text[i].key, text[i].text);
    }
    png_destroy_read_struct(&reading, info ? &info : nullptr, nullptr);
    return texts;
}

// Opens the thumbnail `name` of the size for reading, never through a link.
bool openThumbnail(QFile &file, const SizeClass &size, const QByteArray &name)
{
    const Descriptor folder = sizeFolder(size, false);
    const int fd = folder.fd() < 0 ? -1
                                   : ::openat(folder.fd(), name.constData(),
                                              O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat status {
    };
    if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
        file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    if (fd >= 0)
        ::close(fd);
    return false;
}

// Writes all of `bytes` to the descriptor and flushes them to the disk; false, with errno
// said, when any of it could not be written: a full disk, a limit on the file's size.
bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype at = 0; at < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + at, size_t(bytes.size() - at));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        at += written;
    }
    return ::fdatasync(fd) == 0;
}

// Makes the folder and those above it, each for its owner alone.
bool makeFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    const QString parent = QFileInfo(folder).path();
    if (parent != folder && !makeFolder(parent))
        return false;
    return ::mkdir(encodeFileName(folder).constData(), 0700) == 0 || QFileInfo(folder).isDir();
}

} // namespace

Source sourceOf(const QString &path, qint64 modifiedSeconds, qint64 size, QSize natural)
{
    // The file itself, whichever linked folder a set reaches it through.
    const QString canonical = canonicalPath(path);
    return {path, fileUri(canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical),
            modifiedSeconds, size, natural};
}

QString cacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/thumbnails");
}

bool insideCache(const QString &path)
{
    const QString cache = canonicalPath(cacheFolder());
    const QString file = canonicalPath(path);
    return !cache.isEmpty() && file.startsWith(cache + QLatin1Char('/'));
}

QSize thumbnailSize(QSize natural, int edge)
{
    const double scale = double(edge) / std::max(natural.width(), natural.height());
    return QSize(std::max(1, qRound(natural.width() * scale)),
                 std::max(1, qRound(natural.height() * scale)));
}

int edgeFor(QSize natural, QSize needed)
{
    for (const SizeClass &size : Classes) {
        if (std::max(natural.width(), natural.height()) <= size.edge)
            return 0;
        const QSize thumbnail = thumbnailSize(natural, size.edge);
        if (thumbnail.width() >= needed.width() && thumbnail.height() >= needed.height())
            return size.edge;
    }
    return 0;
}

QImage find(const Source &source, QSize needed)
{
    for (const SizeClass &size : Classes) {
        QFile file;
        if (!openThumbnail(file, size, thumbnailName(source)))
            continue;
        QByteArray error;
        const QHash<QByteArray, QByteArray> texts = pngTexts(file, error);
        if (!error.isEmpty()) {
            qCWarning(thumbnailsLog) << "the" << size.folder << "thumbnail of"
                                     << shownFileName(source.path) << "does not read:" << error;
            continue;
        }
        const QByteArray uri = texts.value("Thumb::URI");
        const QByteArray modified = texts.value("Thumb::MTime");
        file.seek(0);
        QImageReader reader(&file, "png");
        // One made without the file's turn lies on its side.
        const QSize shape = reader.size();
        if (std::max(shape.width(), shape.height()) > size.edge) {
            // Decoding it could take any time and memory.
            qCWarning(thumbnailsLog)
                << "the" << size.folder << "thumbnail of" << shownFileName(source.path) << "claims"
                << shape << "pixels, more than its size holds: skipped";
            continue;
        }
        const QSize natural = source.natural;
        const bool turnedAsTheFile = std::abs(qint64(shape.width()) * natural.height() -
                                              qint64(shape.height()) * natural.width()) <=
                                     std::max(natural.width(), natural.height());
        if (uri != source.uri || modified != QByteArray::number(source.modified) ||
            shape.width() < needed.width() || shape.height() < needed.height() ||
            !turnedAsTheFile) {
            qCDebug(thumbnailsLog)
                << "the" << size.folder << "thumbnail of" << shownFileName(source.path)
                << "does not serve:" << uri << modified << shape;
            continue;
        }
        QImage image = reader.read();
        if (!image.isNull())
            return image;
        qCWarning(thumbnailsLog) << "the" << size.folder << "thumbnail of"
                                 << shownFileName(source.path)
                                 << "does not decode:" << reader.errorString();
    }
    return {};
}

void write(const Source &source, int edge, const QImage &thumbnail)
{
    const auto size = std::find_if(Classes.begin(), Classes.end(),
                                   [edge](const SizeClass &c) { return c.edge == edge; });
    if (size == Classes.end() || insideCache(source.path))
        return;
    const QString shown = shownFileName(source.path);
    const QByteArray name = thumbnailName(source);
    const Descriptor folder =
        makeFolder(QFileInfo(cacheFolder()).path()) ? sizeFolder(*size, true) : Descriptor(-1);
    if (folder.fd() < 0) {
        qCWarning(thumbnailsLog) << "no thumbnail of" << shown << "written: the folder"
                                 << size->folder << "of" << cacheFolder()
                                 << "cannot be made or is a link:" << std::strerror(errno);
        return;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(thumbnail)) {
        qCWarning(thumbnailsLog) << "no thumbnail of" << shown
                                 << "written: it does not encode:" << writer.errorString();
        return;
    }
    png = withTexts(png, {
                             {"Thumb::URI", source.uri},
                             {"Thumb::MTime", QByteArray::number(source.modified)},
                             {"Thumb::Size", QByteArray::number(source.size)},
                             {"Thumb::Image::Width", QByteArray::number(source.natural.width())},
                             {"Thumb::Image::Height", QByteArray::number(source.natural.height())},
                             {"Software", "Zindle"},
                         });
    // Written whole under a name of its own first, then renamed: a thumbnail cut short by a
    // full disk never stands under the name readers look for. A link found at either name is
    // replaced, never followed.
    const QByteArray partial =
        name + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".part";
    // Once a run for each folder: the part files of games killed outright.
    static std::mutex cleaning;
    static QSet<QString> cleaned;
    if (const std::lock_guard lock(cleaning);
        !cleaned.contains(cacheFolder() + QLatin1String(size->folder))) {
        cleaned.insert(cacheFolder() + QLatin1String(size->folder));
        ThumbnailParts::removeStale(folder.fd());
    }
    const ThumbnailParts::Writing writing(encodeFileName(cacheFolder()) + '/' + size->folder + '/' +
                                          partial);
    if (!writing.allowed()) {
        qCDebug(thumbnailsLog) << "no thumbnail of" << shown << "written: the game is ending";
        return;
    }
    const int fd = ::openat(folder.fd(), partial.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    int error = fd < 0 ? errno : 0;
    if (!error && !writeAll(fd, png))
        error = errno;
    if (fd >= 0 && ::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::renameat(folder.fd(), partial.constData(), folder.fd(), name.constData()) != 0)
        error = errno;
    if (error) {
        if (fd >= 0)
            ::unlinkat(folder.fd(), partial.constData(), 0);
        qCWarning(thumbnailsLog) << "no thumbnail of" << shown << "written to" << size->folder
                                 << "of" << cacheFolder() << ":" << std::strerror(error);
    }
}

} // namespace Thumbnails
