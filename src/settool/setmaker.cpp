// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setmaker.h"

#include "files/filenames.h"
#include "files/listing.h"
#include "files/regularfile.h"
#include "logging.h"
#include "makerfiles.h"
#include "pictures/caption.h"
#include "pictures/exiv2lock.h"
#include "pictures/pictureloader.h"
#include "platform/programfolder.h"
#include "rules/paircounts.h"
#include "setcheck.h"
#include "sets/setlibrary.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exiv2/exiv2.hpp>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <numeric>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>
#include <utility>
#include <zlib.h>

namespace
{

// What two names that the list would show alike share.
QString lookAlike(const QString &name)
{
    return name.trimmed().normalized(QString::NormalizationForm_KC).toCaseFolded();
}

bool visible(QChar c)
{
    return !c.isSpace() && c.category() != QChar::Other_Format &&
           c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_Enclosing &&
           c.category() != QChar::Other_Control;
}

// File systems of USB sticks and other systems: they refuse these characters in names.
QString refusedCharacters(const QString &folder)
{
    QString existing = folder;
    struct statfs info {
    };
    while (::statfs(encodeFileName(existing).constData(), &info) != 0) {
        const QString up = QFileInfo(existing).path();
        if (up == existing)
            return {};
        existing = up;
    }
    constexpr long Msdos = 0x4d44, Exfat = 0x2011BAB0, Ntfs = 0x5346544e, Fuseblk = 0x65735546;
    const long type = long(info.f_type);
    if (type == Msdos || type == Exfat || type == Ntfs || type == Fuseblk)
        return QStringLiteral(":?\"*<>|\\");
    return {};
}

QString nameProblem(const QString &name, const QString &setsFolder)
{
    if (!std::any_of(name.begin(), name.end(), visible))
        return SetMaker::tr("the set has no name: a name needs a letter, digit or sign");
    if (std::any_of(name.begin(), name.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        return SetMaker::tr("the set name %1 holds a control character").arg(quoted(name));
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return SetMaker::tr("the set name %1 cannot be a folder's name").arg(quoted(name));
    if (name.contains(QLatin1Char('/')))
        return SetMaker::tr("the set name %1 cannot hold a \"/\"").arg(quoted(name));
    // The game leaves hidden folders out of its list.
    if (name.startsWith(QLatin1Char('.')))
        return SetMaker::tr("the set name %1 starts with \".\", which hides the set from the game")
            .arg(quoted(name));
    if (const qsizetype bytes = encodeFileName(name).size(); bytes > 255)
        return SetMaker::tr("the set name is too long: %1 bytes, where a folder's name holds 255")
            .arg(bytes);
    const QString refused = refusedCharacters(setsFolder);
    QString held;
    for (const QChar c : refused) {
        if (name.contains(c))
            held += c;
    }
    if (!held.isEmpty())
        return SetMaker::tr("the set name %1 holds %2, which the disk of %3 does not allow in a "
                            "name")
            .arg(quoted(name), quoted(held), quoted(setsFolder));
    return {};
}

// Why the file cannot be a picture of the set, or nothing.
QString pictureProblem(const QString &path)
{
    struct stat info {
    };
    if (::stat(encodeFileName(path).constData(), &info) != 0)
        return SetMaker::tr("%1: no such file").arg(quoted(path));
    if (S_ISDIR(info.st_mode))
        return SetMaker::tr("%1 is a folder, not a picture").arg(quoted(path));
    if (!S_ISREG(info.st_mode))
        return SetMaker::tr("%1 is not a file but a device or pipe").arg(quoted(path));
    if (info.st_size > MadeMostFileBytes)
        return SetMaker::tr("%1 is too big for a picture: %2 MB")
            .arg(quoted(path))
            .arg(info.st_size / (1024 * 1024));
    QFile file;
    if (!openRegularFile(file, path))
        return SetMaker::tr("%1 cannot be read").arg(quoted(path));
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead() || !reader.size().isValid())
        return SetMaker::tr("%1 is not a picture").arg(quoted(path));
    return {};
}

// The same picture twice makes two cards no player can tell apart.
QStringList duplicates(const std::vector<MadePicture> &pictures)
{
    std::map<qint64, std::vector<int>> bySize;
    for (int i = 0; i < int(pictures.size()); ++i) {
        const QFileInfo info(pictures[std::size_t(i)].source);
        if (info.isFile())
            bySize[info.size()].push_back(i);
    }
    std::map<QByteArray, int> seen;
    QStringList problems;
    for (const auto &[size, indexes] : bySize) {
        if (indexes.size() < 2)
            continue;
        for (const int i : indexes) {
            const QString &path = pictures[std::size_t(i)].source;
            QFile file;
            if (!openRegularFile(file, path))
                continue;
            QCryptographicHash hash(QCryptographicHash::Sha256);
            hash.addData(&file);
            const auto [it, fresh] = seen.emplace(hash.result(), i);
            if (fresh)
                continue;
            const int first = it->second;
            problems << (first / 2 == i / 2
                             ? SetMaker::tr("%1 and %2 are the same picture, twice in pair %3")
                                   .arg(quoted(pictures[std::size_t(first)].source), quoted(path))
                                   .arg(i / 2 + 1)
                             : SetMaker::tr("%1 and %2 are the same picture, in pairs %3 and %4")
                                   .arg(quoted(pictures[std::size_t(first)].source), quoted(path))
                                   .arg(first / 2 + 1)
                                   .arg(i / 2 + 1));
        }
    }
    return problems;
}

// Exiv2's XMP parser keeps shared state: one file at a time.
bool writeXmpTitle(const QString &path, const QString &caption)
{
    const auto lock = lockExiv2();
    try {
        auto image = Exiv2::ImageFactory::open(encodeFileName(path).toStdString());
        image->readMetadata();
        Exiv2::LangAltValue title;
        title.read("lang=\"x-default\" " + caption.toStdString());
        image->xmpData()["Xmp.dc.title"] = title;
        image->writeMetadata();
        return true;
    } catch (const std::exception &e) {
        qCWarning(picturesLog) << "cannot write the caption of" << path << e.what();
        return false;
    }
}

QString errorText(int error)
{
    if (error == ENOSPC || error == EDQUOT)
        return SetMaker::tr("the disk is full (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    return QString::fromLocal8Bit(std::strerror(error));
}

bool cancelled(const SaveOptions &options)
{
    return options.cancel && options.cancel->load();
}

// What a picture of the set comes to in its pair folder.
struct Copy {
    const MadePicture *picture = nullptr;
    int folderFd = -1;
    QString folder;
    QString number;
    // A copy of the set being edited, its caption as it reads now.
    bool edited = false;
    std::optional<QString> caption;
};

// Writes the copy of a picture of the set being edited: its bytes, and a changed caption
// into its metadata, the pixels untouched.
QString writeEditedCopy(const Copy &copy)
{
    const QString &source = copy.picture->source;
    QFile file;
    if (!openRegularFile(file, source))
        return SetMaker::tr("%1 cannot be read").arg(quoted(source));
    QByteArray bytes = file.readAll();
    const QString caption = copy.picture->caption.simplified();
    const bool changed = !caption.isEmpty() && caption != copy.caption;
    const bool png = bytes.startsWith("\x89PNG\r\n\x1a\n");
    if (changed && png)
        bytes = MakerFiles::withPngTitle(bytes, caption);
    const QString name = copy.number + QLatin1Char('.') + QFileInfo(source).suffix().toLower();
    if (const int error = MakerFiles::writeNew(copy.folderFd, name, bytes))
        return SetMaker::tr("cannot write the copy of %1: %2")
            .arg(quoted(source), errorText(error));
    if (changed && !png && !writeXmpTitle(copy.folder + QLatin1Char('/') + name, caption))
        return SetMaker::tr("cannot write the caption of %1").arg(quoted(source));
    return {};
}

// Writes an upright copy of the picture, its long side at most MadeLongSide: a JPEG stays
// JPEG, anything else becomes PNG. Decoded within the game's budget. Why it failed, or
// nothing.
QString writeCopy(const Copy &copy)
{
    if (copy.edited)
        return writeEditedCopy(copy);
    const QString &source = copy.picture->source;
    QFile file;
    if (!openRegularFile(file, source))
        return SetMaker::tr("%1 cannot be read").arg(quoted(source));
    const ScaledPicture picture = loadScaledPicture(file, MadeLongSide, source);
    if (picture.neededBytes > DecodeBudgetBytes)
        return SetMaker::tr("%1 needs %2 MB to decode, more than the %3 MB the game allows")
            .arg(quoted(source))
            .arg(picture.neededBytes / (1024 * 1024))
            .arg(DecodeBudgetBytes / (1024 * 1024));
    if (picture.image.isNull())
        return SetMaker::tr("%1 cannot be decoded (%2)").arg(quoted(source), picture.error);
    const bool jpeg = picture.format == "jpeg";
    if (jpeg && (!file.seek(0) || !MakerFiles::jpegIsWhole(file)))
        return SetMaker::tr("%1 is cut short: its end is missing").arg(quoted(source));
    QImage image = picture.image;
    QString caption = copy.picture->caption.simplified();
    if (caption.isEmpty())
        caption = shownFileName(QFileInfo(source).completeBaseName());
    if (!jpeg)
        image.setText(QStringLiteral("Title"), caption);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, jpeg ? "jpeg" : "png");
    if (jpeg)
        writer.setQuality(90);
    if (!buffer.open(QIODevice::WriteOnly) || !writer.write(image))
        return SetMaker::tr("cannot encode the copy of %1 (%2)")
            .arg(quoted(source), writer.errorString());
    const QString name = copy.number + (jpeg ? QStringLiteral(".jpg") : QStringLiteral(".png"));
    if (const int error = MakerFiles::writeNew(copy.folderFd, name, bytes))
        return SetMaker::tr("cannot write the copy of %1: %2")
            .arg(quoted(source), errorText(error));
    if (jpeg && !writeXmpTitle(copy.folder + QLatin1Char('/') + name, caption))
        return SetMaker::tr("cannot write the caption of %1").arg(quoted(source));
    return {};
}

bool inside(const QString &path, const QString &folder)
{
    return !folder.isEmpty() &&
           QDir::cleanPath(QFileInfo(path).absoluteFilePath())
               .startsWith(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) +
                           QLatin1Char('/'));
}

} // namespace

SetMaker::SetMaker(QString setsFolder) : m_setsFolder(std::move(setsFolder)) {}

namespace
{

QStringList placesBefore(const SetLibrary &library, const QString &setsFolder)
{
    const QStringList places = library.places();
    const qsizetype own = places.indexOf(QDir::cleanPath(setsFolder));
    return own < 0 ? QStringList() : places.first(own);
}

} // namespace

SetMaker SetMaker::forPlayer(const SetLibrary &library, const QString &language)
{
    SetMaker maker(ownSetsFolder(library));
    maker.setEarlierPlaces(placesBefore(library, maker.m_setsFolder));
    maker.setLanguage(language);
    return maker;
}

QString SetMaker::ownSetsFolder(const SetLibrary &library)
{
    const QStringList places = library.places();
    const auto pictures = std::find_if(places.begin(), places.end(), [](const QString &place) {
        return place.endsWith(QLatin1String("/Zindle"));
    });
    if (pictures != places.end())
        return *pictures;
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QLatin1Char('/') + QLatin1String(AppFolderName) + QLatin1Char('/') +
                           QLatin1String(SetsFolderName));
}

QString SetMaker::folderOf(const QString &name) const
{
    return m_setsFolder + QLatin1Char('/') + name;
}

QString SetMaker::savedName(const QString &name, const SaveOptions &options) const
{
    const QString trimmed = name.trimmed();
    const bool replace = options.replace || !options.editing.isEmpty();
    if (!replace || QFileInfo::exists(folderOf(trimmed)))
        return trimmed;
    const QString key = lookAlike(trimmed);
    for (const QString &existing :
         QDir(m_setsFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (lookAlike(existing) == key)
            return existing;
    }
    return trimmed;
}

QStringList SetMaker::nameProblems(const QString &given, const SaveOptions &options) const
{
    const QString name = savedName(given, options);
    const QString bad = nameProblem(name, m_setsFolder);
    if (!bad.isEmpty())
        return {bad};
    QStringList problems;
    const QString folder = folderOf(name);
    const bool editing =
        !options.editing.isEmpty() && QDir::cleanPath(options.editing) == QDir::cleanPath(folder);
    const bool exists = QFileInfo(folder).exists() || QFileInfo(folder).isSymLink();
    if (exists && !options.replace && !editing)
        problems << SetMaker::tr("a set named %1 already exists in %2")
                        .arg(quoted(name), quoted(m_setsFolder));
    const QString key = lookAlike(name);
    for (const QString &existing :
         QDir(m_setsFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        if (existing != name && lookAlike(existing) == key)
            problems << SetMaker::tr("the set name %1 looks like that of the set %2 in the "
                                     "game's list")
                            .arg(quoted(name), quoted(existing));
    }
    // The shipped sets' place lies after the player's own: their language does not matter.
    const QStringList earlier =
        m_earlierPlaces ? *m_earlierPlaces
                        : placesBefore(SetLibrary(executableFolder(), QString()), m_setsFolder);
    for (const QString &place : earlier) {
        for (const QString &existing :
             QDir(place).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
            if (lookAlike(existing) == key)
                problems << SetMaker::tr("a set named %1 already lies in %2, which the game "
                                         "plays instead: choose another name")
                                .arg(quoted(existing), quoted(place));
        }
    }
    return problems;
}

QStringList SetMaker::problems(const QString &name, const std::vector<MadePicture> &pictures,
                               bool replace) const
{
    SaveOptions options;
    options.replace = replace;
    return problems(name, pictures, options);
}

MadeSet SetMaker::save(const QString &name, const std::vector<MadePicture> &pictures,
                       bool replace) const
{
    SaveOptions options;
    options.replace = replace;
    return save(name, pictures, options);
}

QStringList SetMaker::problems(const QString &name, const std::vector<MadePicture> &pictures,
                               const SaveOptions &options) const
{
    QStringList problems = nameProblems(name, options);
    if (pictures.empty())
        problems << SetMaker::tr("no pictures: each pair needs two");
    else if (pictures.size() % 2 != 0)
        problems << SetMaker::tr("%n pictures: each pair needs two, so %1 has no partner", nullptr,
                                 int(pictures.size()))
                        .arg(quoted(pictures.back().source));
    else if (pictures.size() > 2 * std::size_t(MadeMostPairs))
        problems << SetMaker::tr("%n pairs: a set holds %1 at most", nullptr,
                                 int(pictures.size() / 2))
                        .arg(MadeMostPairs);
    for (const MadePicture &picture : pictures) {
        const QString problem = pictureProblem(picture.source);
        if (!problem.isEmpty())
            problems << problem;
    }
    problems << duplicates(pictures);
    return problems;
}

MadeSet SetMaker::save(const QString &name, const std::vector<MadePicture> &pictures,
                       const SaveOptions &options) const
{
    const QStringList before = problems(name, pictures, options);
    if (!before.isEmpty()) {
        qCWarning(setsLog) << "the set" << name << "was not saved:" << before;
        return {folderOf(savedName(name, options)), before};
    }
    const auto fill = [&](int workFd, const QString &work) -> QStringList {
        MakerFiles::Folder first(workFd, work, QLatin1String(FirstPairFolder));
        MakerFiles::Folder second(workFd, work, QLatin1String(SecondPairFolder));
        if (first.fd < 0 || second.fd < 0)
            return {SetMaker::tr("cannot write in the folder %1: %2")
                        .arg(quoted(m_setsFolder), errorText(errno))};
        // Names that sort alike in both folders: "01" ... "36", wider for more pairs.
        const int pairs = int(pictures.size() / 2);
        const int width = std::max(2, int(QString::number(pairs).size()));
        std::vector<Copy> copies(pictures.size());
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            Copy &copy = copies[i];
            copy.picture = &pictures[i];
            const MakerFiles::Folder &folder = i % 2 == 0 ? first : second;
            copy.folderFd = folder.fd;
            copy.folder = folder.path;
            copy.number = QStringLiteral("%1").arg(int(i / 2 + 1), width, 10, QLatin1Char('0'));
            copy.edited = inside(pictures[i].source, options.editing);
            if (copy.edited)
                copy.caption = embeddedCaption(pictures[i].source, m_language);
            // Only a JPEG's or a PNG's caption is rewritten in place; another copy of a set
            // made by hand is made anew when its caption changes.
            const QString suffix = QFileInfo(pictures[i].source).suffix().toLower();
            const QString caption = pictures[i].caption.simplified();
            if (copy.edited && !caption.isEmpty() && caption != copy.caption &&
                suffix != QLatin1String("jpg") && suffix != QLatin1String("jpeg") &&
                suffix != QLatin1String("png"))
                copy.edited = false;
        }
        std::vector<QString> failures(copies.size());
        std::atomic_int done = 0;
        QThreadPool pool;
        // The decoding budget bounds memory; more threads than cores gain nothing.
        pool.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 1, 4));
        std::vector<int> order(copies.size());
        std::iota(order.begin(), order.end(), 0);
        QtConcurrent::blockingMap(&pool, order, [&](int i) {
            if (cancelled(options) || MakerFiles::terminating())
                return;
            failures[std::size_t(i)] = writeCopy(copies[std::size_t(i)]);
            if (options.progress)
                options.progress(++done, int(copies.size()));
        });
        QStringList problems;
        for (const QString &failure : failures) {
            if (!failure.isEmpty())
                problems << failure;
        }
        return problems;
    };
    return commit(name, options, fill);
}

MadeSet SetMaker::commit(const QString &given, const SaveOptions &options, const Filler &fill) const
{
    const QString name = savedName(given, options);
    MadeSet made;
    made.folder = folderOf(name);
    made.problems = nameProblems(given, options);
    if (!made.saved())
        return made;
    if (!QDir().mkpath(m_setsFolder)) {
        made.problems << SetMaker::tr("cannot make the folder %1").arg(quoted(m_setsFolder));
        return made;
    }
    const MakerFiles::Saving saving;
    MakerFiles::Work work(m_setsFolder);
    if (!work.isValid()) {
        made.problems << SetMaker::tr("cannot write in the folder %1: %2")
                             .arg(quoted(m_setsFolder), errorText(work.error()));
        qCWarning(setsLog) << "the set" << name << "was not saved:" << made.problems;
        return made;
    }
    // The file system's word on the name, before any picture is decoded.
    if (const int error = work.tryName(name)) {
        made.problems << (error == ENAMETOOLONG
                              ? SetMaker::tr("the set name is too long for the disk of %1")
                                    .arg(quoted(m_setsFolder))
                              : SetMaker::tr("the disk of %1 does not allow the set name %2: %3")
                                    .arg(quoted(m_setsFolder), quoted(name), errorText(error)));
        return made;
    }
    made.problems = fill(work.fd(), work.path());
    if (made.saved() && (cancelled(options) || MakerFiles::terminating()))
        made.problems << SetMaker::tr("saving was cancelled: nothing was written");
    if (made.saved())
        made.problems << work.moveIn(name);
    if (!made.saved())
        qCWarning(setsLog) << "the set" << name << "was not saved:" << made.problems;
    return made;
}

LoadedSet SetMaker::load(const QString &given) const
{
    const QString name = given.trimmed();
    LoadedSet set{name, folderOf(name), {}, {}};
    const QString first = set.folder + QLatin1Char('/') + QLatin1String(FirstPairFolder);
    const QString second = set.folder + QLatin1Char('/') + QLatin1String(SecondPairFolder);
    if (!isReadableFolder(first) || !isReadableFolder(second)) {
        set.problems << SetMaker::tr("there is no set %1 that can be read in %2")
                            .arg(quoted(name), quoted(m_setsFolder));
        return set;
    }
    const QStringList firsts = listFiles(first);
    const QStringList seconds = listFiles(second);
    const qsizetype pairs = std::min(firsts.size(), seconds.size());
    for (qsizetype p = 0; p < pairs; ++p) {
        for (const QString &path :
             {first + QLatin1Char('/') + firsts[p], second + QLatin1Char('/') + seconds[p]})
            set.pictures.push_back({path, pictureCaption(path, m_language)});
    }
    for (const QStringList &files : {firsts, seconds}) {
        for (qsizetype i = pairs; i < files.size(); ++i)
            set.problems << SetMaker::tr("%1 has no partner and is left out").arg(quoted(files[i]));
    }
    return set;
}

QString SetMaker::boardsAdvice(int pairCount)
{
    QStringList boards;
    int next = 0;
    for (const int pairs : PairCounts::PairsForChoice) {
        if (pairs <= pairCount)
            boards << QString::number(pairs);
        else if (next == 0)
            next = pairs;
    }
    const QString count = SetMaker::tr("%n pairs", nullptr, pairCount);
    const QString dealt =
        boards.isEmpty() ? SetMaker::tr("no board yet")
        : boards.size() == 1
            ? SetMaker::tr("boards of %1").arg(boards.front())
            : SetMaker::tr("boards of %1 and %2")
                  .arg(boards.first(boards.size() - 1).join(QStringLiteral(", ")), boards.back());
    if (next == 0)
        return SetMaker::tr("%1: %2").arg(count, dealt);
    return SetMaker::tr("%1: %2; %3 give boards of %4")
        .arg(count, dealt, SetMaker::tr("%n more pairs", nullptr, next - pairCount))
        .arg(next);
}

bool SetMaker::looksLikeCameraName(const QString &caption)
{
    static const QRegularExpression camera(
        QStringLiteral("^(?:(?:IMG|DSC[NF]?|DCIM|PXL|MVIMG|PANO|VID|DJI|GOPR|SAM|P|WP)[_ -]?"
                       "\\d{4}|\\d)[\\d_ .-]*(?:[_ -]?(?:WA|HDR|BURST|COVER|MP)\\d*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return camera.match(caption.trimmed()).hasMatch();
}
