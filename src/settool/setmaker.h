// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

class SetLibrary;

// A copy's long side at most, in pixels: sharp on a 36-pair board of a 4K screen, yet
// quick to decode for the first board.
inline constexpr int MadeLongSide = 2048;

// The most pairs a set the maker writes (or imports) holds; the game deals 36 at most.
inline constexpr int MadeMostPairs = 500;
// A picture file larger than this is no photo the maker copies (a sparse file, a video).
inline constexpr qint64 MadeMostFileBytes = 256ll * 1024 * 1024;

// One picture of a set being made: the file chosen and the caption its copy carries.
struct MadePicture {
    QString source;
    QString caption;
};

// What saving a set came to: its folder, or why nothing was written, a line a reason.
struct MadeSet {
    QString folder;
    QStringList problems;
    bool saved() const { return problems.isEmpty(); }
};

// How a set is saved.
struct SaveOptions {
    // An existing set of the name is replaced, once the new one is complete.
    bool replace = false;
    // The folder of the set being edited: saved over without asking; its copies that are
    // passed back unchanged keep their bytes, a changed caption rewrites only that copy's
    // metadata (never its pixels).
    QString editing;
    // Pictures written so far of all; may be called from a worker thread.
    std::function<void(int done, int total)> progress;
    // Set by another thread to stop; nothing is left.
    const std::atomic_bool *cancel = nullptr;
};

// A saved set read back: pictures 2p and 2p + 1 are pair p, their sources the set's own
// copies, their captions read from them.
struct LoadedSet {
    QString name;
    QString folder;
    std::vector<MadePicture> pictures;
    QStringList problems;
};

// Makes a set of the player's own pictures in a folder of sets: a folder named after the
// set, its pair folders holding copies named so that pair p's two sort p-th, each upright,
// at most MadeLongSide pixels long and carrying its caption (a PNG's "Title", a JPEG's XMP
// dc:title). The originals are only read.
class SetMaker
{
    Q_DECLARE_TR_FUNCTIONS(SetMaker)

public:
    // `setsFolder`: where the game lists the player's own sets.
    explicit SetMaker(QString setsFolder);

    // The maker of the player's own sets, knowing the places the game looks in first.
    static SetMaker forPlayer(const SetLibrary &library, const QString &language);
    // Places whose sets the game lists before those of the sets folder: a name held there
    // would hide the set made. Unless set, those of the running program's set places.
    void setEarlierPlaces(QStringList places) { m_earlierPlaces = std::move(places); }
    // Of captions in several languages, the one read.
    void setLanguage(QString language) { m_language = std::move(language); }

    // "Zindle" in the player's Pictures folder, as the game lists it; the data folder's
    // "zindle/graficos" where there is no Pictures folder.
    static QString ownSetsFolder(const SetLibrary &library);

    const QString &setsFolder() const { return m_setsFolder; }
    QString folderOf(const QString &name) const;

    // Why nothing would be written: a name that cannot be a folder's (or that looks like
    // another set's, or that a place listed first already holds), pictures that are not
    // pairs, files missing, not pictures or the same picture twice, a set of the name
    // without `replace`. Empty when saving may go ahead. Names are trimmed of spaces.
    QStringList problems(const QString &name, const std::vector<MadePicture> &pictures,
                         const SaveOptions &options) const;
    QStringList problems(const QString &name, const std::vector<MadePicture> &pictures,
                         bool replace) const;

    // Pictures 2p and 2p + 1 make pair p. The set is written beside its place and moved in
    // whole; with `replace` an existing set of the name is removed only once the new one is
    // in place (a set that is a link: the link, never what it leads to; anything beside the
    // folders "1" and "2" moves into the new set). A failure, a cancel, SIGTERM or SIGINT
    // leave things as they were. Folders and files get the modes of the user's umask.
    MadeSet save(const QString &name, const std::vector<MadePicture> &pictures,
                 const SaveOptions &options) const;
    MadeSet save(const QString &name, const std::vector<MadePicture> &pictures, bool replace) const;

    // The set `name` of the sets folder.
    LoadedSet load(const QString &name) const;

    // Which boards a set of `pairCount` pairs deals, and how many more pairs give the next.
    static QString boardsAdvice(int pairCount);
    // A caption a camera or phone gave: IMG_..., DSC..., digits only.
    static bool looksLikeCameraName(const QString &caption);

    // The name a set is saved under: trimmed; with replace (or editing), the existing set
    // it looks like.
    QString savedName(const QString &name, const SaveOptions &options) const;

private:
    friend class SetArchive;
    // Fills the folder `work` (open as `workFd`) with the set's folders "1" and "2"; why it
    // failed, or nothing.
    using Filler = std::function<QStringList(int workFd, const QString &work)>;
    // Saves the set `name`, its files written by `fill`, as save() does.
    MadeSet commit(const QString &name, const SaveOptions &options, const Filler &fill) const;
    QStringList nameProblems(const QString &name, const SaveOptions &options) const;

    QString m_setsFolder;
    std::optional<QStringList> m_earlierPlaces;
    QString m_language;
};
