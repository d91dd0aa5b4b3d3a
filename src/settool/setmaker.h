// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <vector>

class SetLibrary;

// A copy's long side at most, in pixels: sharp on a 36-pair board of a 4K screen, yet
// quick to decode for the first board.
inline constexpr int MadeLongSide = 2048;

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

    // "Zindle" in the player's Pictures folder, as the game lists it; the data folder's
    // "zindle/graficos" where there is no Pictures folder.
    static QString ownSetsFolder(const SetLibrary &library);

    const QString &setsFolder() const { return m_setsFolder; }
    QString folderOf(const QString &name) const;

    // Why nothing would be written: a name that cannot be a folder's, pictures that are not
    // pairs, files missing or not pictures, a set of the name without `replace`. Empty when
    // saving may go ahead.
    QStringList problems(const QString &name, const std::vector<MadePicture> &pictures,
                         const SaveOptions &options) const;
    QStringList problems(const QString &name, const std::vector<MadePicture> &pictures,
                         bool replace) const;

    // Pictures 2p and 2p + 1 make pair p. The set is written beside its place and moved in
    // whole; with `replace` an existing set of the name is removed only once the new one is
    // in place. A failure leaves things as they were.
    MadeSet save(const QString &name, const std::vector<MadePicture> &pictures,
                 const SaveOptions &options) const;
    MadeSet save(const QString &name, const std::vector<MadePicture> &pictures, bool replace) const;

    // The set `name` of the sets folder.
    LoadedSet load(const QString &name) const;

    // Which boards a set of `pairCount` pairs deals, and how many more pairs give the next.
    static QString boardsAdvice(int pairCount);
    // A caption a camera or phone gave: IMG_..., DSC..., digits only.
    static bool looksLikeCameraName(const QString &caption);

private:
    QString m_setsFolder;
};
