// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cards/cardgeometry.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

// How much a finding of the set checker weighs: a warning makes the exit status 1, an error
// 2; information and notes leave it at 0.
enum class Severity { Info, Note, Warning, Error };

struct Finding {
    Severity severity;
    // One line of the report, without its line end.
    QString line;
};

// One picture file of a set as the board would load it.
struct PictureCheck {
    // Relative to the set: "1/07.png".
    QString name;
    QString path;
    bool loads = false;
    // Why it does not load, for the report.
    QString failure;
    // Pixels, as the picture stands upright.
    QSize upright;
    // The rows that tell the picture apart, when it has any.
    std::optional<ShownRows> drawing;
    // How the file's EXIF orientation turns it; empty when it does not.
    QString turn;
    // Equal for pictures that look the same.
    QByteArray likeness;
    // What a screen reader says for the card.
    QString caption;
};

struct SetReport {
    QString name;
    QStringList first;
    QStringList second;
    // Pictures of pair p at 2p ("1") and 2p + 1 ("2"), for the pairs that "1" holds; a
    // missing partner in "2" has an empty name.
    std::vector<PictureCheck> pictures;
    std::vector<Finding> findings;

    bool dealt(int pair) const;
    bool playable() const;
    int warnings() const;
};

// The sets a folder holds: the set it is itself when it has a folder "1" or "2", else every
// subfolder, as the setup window lists them. Pairs of name and folder.
std::vector<std::pair<QString, QString>> setsIn(const QString &folder);

// The pairs of a set checked one by one; those past them are only counted.
inline constexpr int MaxCheckedPairs = 1000;

// Everything the board would do with a set, on every pair count it offers and every common
// screen.
SetReport checkSet(const QString &name, const QString &folder);

// The rows of a picture that differ from its border: the colour most of its outermost
// pixels have. Nothing when no pixel differs by more than a trace.
std::optional<ShownRows> drawingRows(const QImage &picture);

// Where the boards cut a picture's drawing: the fewest rows a card shows of it (`least`, on
// the board `leastOn`: "36 pairs on 2560x1080") and every screen with the pair counts that
// cut it ("2560x1080 28 36"). Nothing when every board shows the whole drawing.
struct DrawingCut {
    ShownRows least;
    QString leastOn;
    int leastPairs = 0;
    QSize leastScreen;
    QStringList cutOn;
};
// The rows each board shows, by picture size, pair count and screen: a set's pictures
// mostly share a few sizes.
using ShownRowsMemo = std::map<std::tuple<int, int, int, int, int>, ShownRows>;
// The cut of a picture of `upright` pixels with its drawing in `drawing`, on the pair counts
// `choices` (indexes) of every common screen.
std::optional<DrawingCut> drawingCut(QSize upright, ShownRows drawing,
                                     const std::vector<int> &choices, ShownRowsMemo &memo);

// The report's lines for the sets and a closing summary.
QStringList reportLines(const std::vector<SetReport> &reports);

// 0: every set playable with nothing to warn about; 1: warnings; 2: a set that cannot be
// played, or no set at all.
int exitStatus(const std::vector<SetReport> &reports);

// Whether everything printed on standard output reached it; when not (a full disk, a closed
// pipe), says so on standard error: a report lost must not end as a success.
bool reportWritten();

// The characters of a caption that a screen reader at its default punctuation level reads
// out as words (": / — = &" ...), each once, in order; empty when it holds none.
QString spokenPunctuation(const QString &text);

// A text in double quotes, with quotes, backslashes and control characters escaped, so that
// a name never breaks a report line.
QString quoted(const QString &text);
