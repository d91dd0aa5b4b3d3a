// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setmaker.h"

#include "files/filenames.h"
#include "files/regularfile.h"
#include "logging.h"
#include "platform/programfolder.h"
#include "setcheck.h"
#include "sets/setlibrary.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exiv2/exiv2.hpp>
#include <fcntl.h>
#include <mutex>
#include <numeric>
#include <utility>

namespace
{

QString nameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return SetMaker::tr("the set has no name");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return SetMaker::tr("the set name %1 cannot be a folder's name").arg(quoted(name));
    if (name.contains(QLatin1Char('/')))
        return SetMaker::tr("the set name %1 cannot hold a \"/\"").arg(quoted(name));
    // The game leaves hidden folders out of its list.
    if (name.startsWith(QLatin1Char('.')))
        return SetMaker::tr("the set name %1 starts with \".\", which hides the set from the game")
            .arg(quoted(name));
    if (encodeFileName(name).size() > 255 || name.contains(QChar(0)))
        return SetMaker::tr("the set name %1 cannot be a folder's name").arg(quoted(name));
    return {};
}

QString pictureProblem(const QString &path)
{
    if (!QFileInfo(path).exists())
        return SetMaker::tr("%1: no such file").arg(quoted(path));
    QFile file;
    if (!openRegularFile(file, path))
        return SetMaker::tr("%1 cannot be read").arg(quoted(path));
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead() || !reader.size().isValid())
        return SetMaker::tr("%1 is not a picture").arg(quoted(path));
    return {};
}

// Exiv2's XMP parser keeps shared state: one file at a time.
bool writeXmpTitle(const QString &path, const QString &caption)
{
    static std::mutex exiv2;
    const std::lock_guard lock(exiv2);
    try {
        auto image = Exiv2::ImageFactory::open(encodeFileName(path).toStdString());
        image->readMetadata();
        Exiv2::LangAltValue title;
        title.read("lang=\"x-default\" " + caption.toStdString());
        image->xmpData().add(Exiv2::XmpKey("Xmp.dc.title"), &title);
        image->writeMetadata();
        return true;
    } catch (const std::exception &e) {
        qCWarning(picturesLog) << "cannot write the caption of" << path << e.what();
        return false;
    }
}

// Writes an upright copy of `picture`, its long side at most MadeLongSide, to `base` and
// the format's extension: a JPEG stays JPEG, anything else becomes PNG. Why it failed, or
// nothing.
QString writeCopy(const MadePicture &picture, const QString &base)
{
    QFile source;
    if (!openRegularFile(source, picture.source))
        return SetMaker::tr("%1 cannot be read").arg(quoted(picture.source));
    QImageReader reader(&source);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const bool jpeg = reader.format() == "jpeg";
    // Scaled while decoding: a JPEG decoder then reads a fraction of a big photo's pixels.
    const QSize stored = reader.size();
    if (std::max(stored.width(), stored.height()) > MadeLongSide)
        reader.setScaledSize(stored.scaled(MadeLongSide, MadeLongSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return SetMaker::tr("%1 cannot be decoded (%2)")
            .arg(quoted(picture.source), reader.errorString());
    QString caption = picture.caption.simplified();
    if (caption.isEmpty())
        caption = shownFileName(QFileInfo(picture.source).completeBaseName());
    if (!jpeg)
        image.setText(QStringLiteral("Title"), caption);
    // Encoded whole first: the PNG writer gives up on a failing file without freeing all.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, jpeg ? "jpeg" : "png");
    if (jpeg)
        writer.setQuality(90);
    const QString path = base + (jpeg ? QStringLiteral(".jpg") : QStringLiteral(".png"));
    QFile copy(path);
    if (!buffer.open(QIODevice::WriteOnly) || !writer.write(image) ||
        !copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() || !copy.flush())
        return SetMaker::tr("cannot write the copy of %1 (%2)")
            .arg(quoted(picture.source),
                 copy.error() != QFile::NoError ? copy.errorString() : writer.errorString());
    copy.close();
    if (jpeg && !writeXmpTitle(path, caption))
        return SetMaker::tr("cannot write the caption of %1").arg(quoted(picture.source));
    return {};
}

bool renamed(const QString &from, const QString &to, unsigned flags)
{
    return ::renameat2(AT_FDCWD, encodeFileName(from).constData(), AT_FDCWD,
                       encodeFileName(to).constData(), flags) == 0;
}

// Puts the finished set at `target`. With `replace` an old set there changes place with it,
// so that `finished` then holds the old one; a file system that cannot swap gets two
// renames, and the old set back if the second fails.
bool moveIn(const QString &finished, const QString &target, bool replace)
{
    if (!replace || !QFileInfo::exists(target)) {
        if (renamed(finished, target, RENAME_NOREPLACE))
            return true;
        return errno == EINVAL && !QFileInfo::exists(target) && renamed(finished, target, 0);
    }
    if (renamed(finished, target, RENAME_EXCHANGE))
        return true;
    if (errno != EINVAL)
        return false;
    const QString old = finished + QStringLiteral(".old");
    if (!renamed(target, old, 0))
        return false;
    if (!renamed(finished, target, 0)) {
        renamed(old, target, 0);
        return false;
    }
    return renamed(old, finished, 0);
}

} // namespace

SetMaker::SetMaker(QString setsFolder) : m_setsFolder(std::move(setsFolder)) {}

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

LoadedSet SetMaker::load(const QString &name) const
{
    LoadedSet set{name, folderOf(name), {}, {}};
    set.problems << SetMaker::tr("the set %1 cannot be opened yet").arg(quoted(name));
    return set;
}

QString SetMaker::boardsAdvice(int pairCount)
{
    return SetMaker::tr("%n pairs", nullptr, pairCount);
}

bool SetMaker::looksLikeCameraName(const QString &)
{
    return false;
}

QStringList SetMaker::problems(const QString &name, const std::vector<MadePicture> &pictures,
                               const SaveOptions &options) const
{
    const bool replace = options.replace || !options.editing.isEmpty();
    QStringList problems;
    const QString badName = nameProblem(name);
    if (!badName.isEmpty())
        problems << badName;
    else if (!replace && QFileInfo::exists(folderOf(name)))
        problems << SetMaker::tr("a set named %1 already exists in %2")
                        .arg(quoted(name), quoted(m_setsFolder));
    if (pictures.empty())
        problems << SetMaker::tr("no pictures: each pair needs two");
    else if (pictures.size() % 2 != 0)
        problems << SetMaker::tr("%n pictures: each pair needs two, so %1 has no partner", nullptr,
                                 int(pictures.size()))
                        .arg(quoted(pictures.back().source));
    for (const MadePicture &picture : pictures) {
        const QString problem = pictureProblem(picture.source);
        if (!problem.isEmpty())
            problems << problem;
    }
    return problems;
}

MadeSet SetMaker::save(const QString &name, const std::vector<MadePicture> &pictures,
                       const SaveOptions &options) const
{
    const bool replace = options.replace || !options.editing.isEmpty();
    MadeSet made;
    made.folder = folderOf(name);
    made.problems = problems(name, pictures, options);
    if (!made.saved())
        return made;
    if (!QDir().mkpath(m_setsFolder)) {
        made.problems << SetMaker::tr("cannot make the folder %1").arg(quoted(m_setsFolder));
        return made;
    }
    // Hidden, so that the game never lists a set half written.
    QTemporaryDir work(m_setsFolder + QStringLiteral("/.new-XXXXXX"));
    const QString first = work.path() + QLatin1Char('/') + QLatin1String(FirstPairFolder);
    const QString second = work.path() + QLatin1Char('/') + QLatin1String(SecondPairFolder);
    if (!work.isValid() || !QDir().mkdir(first) || !QDir().mkdir(second)) {
        made.problems << SetMaker::tr("cannot write in the folder %1").arg(quoted(m_setsFolder));
        return made;
    }
    // Names that sort alike in both folders: "01" ... "36", wider for more pairs.
    const int pairs = int(pictures.size() / 2);
    const int width = std::max(2, int(QString::number(pairs).size()));
    std::vector<int> order(pictures.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<QString> failures(pictures.size());
    QThreadPool pool;
    // Each copy holds a decoded photo: a few at a time keep memory low.
    pool.setMaxThreadCount(std::clamp(QThread::idealThreadCount(), 1, 4));
    QtConcurrent::blockingMap(&pool, order, [&](int i) {
        const QString number = QStringLiteral("%1").arg(i / 2 + 1, width, 10, QLatin1Char('0'));
        failures[std::size_t(i)] = writeCopy(
            pictures[std::size_t(i)], (i % 2 == 0 ? first : second) + QLatin1Char('/') + number);
    });
    for (const QString &failure : failures) {
        if (!failure.isEmpty())
            made.problems << failure;
    }
    if (made.saved() && !moveIn(work.path(), made.folder, replace))
        made.problems << SetMaker::tr("cannot move the new set into %1").arg(quoted(made.folder));
    if (!made.saved())
        qCWarning(setsLog) << "the set" << name << "was not saved:" << made.problems;
    // What is left where the work was goes: a set half written, or the one replaced.
    return made;
}
