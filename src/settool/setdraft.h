// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "setcheck.h"
#include "setmaker.h"

#include <QImage>
#include <QStringList>
#include <optional>
#include <vector>

// How a chosen picture looks to the board, measured once as it is added.
struct PictureLook {
    // Small, upright: what the maker's preview shows.
    QImage preview;
    // Pixels, upright.
    QSize upright;
    // The rows that tell it apart; nothing for a plain picture.
    std::optional<ShownRows> drawing;
};

// The cut of a picture's drawing on the board of the set's that shows least of it.
struct DraftCut {
    ShownRows shown;
    int pairs = 0;
};

// The set being made in the maker's window: its name and its pictures, two a pair in order;
// the last pair may lack its second picture while the player chooses it. Removed pairs are
// kept, so that every removal can be undone, the latest first.
class SetDraft
{
public:
    const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    int pictureCount() const { return int(m_pictures.size()); }
    int pairCount() const { return (pictureCount() + 1) / 2; }
    const MadePicture &picture(int index) const { return m_pictures[std::size_t(index)]; }
    const PictureLook &look(int index) const { return m_looks[std::size_t(index)]; }
    const std::vector<MadePicture> &pictures() const { return m_pictures; }

    // Starts anew with `pictures` (a set read back), nothing to undo.
    void reset(const QString &name, const std::vector<MadePicture> &pictures);
    // Adds the files at the end, each captioned by its own title or else its file name (in
    // `language` where a title has several), and measured; several at once, in parallel.
    void add(const QStringList &paths, const QString &language);
    // The picture at `index` becomes the file `path`, captioned by its own title.
    void replace(int index, const QString &path, const QString &language);
    void setCaption(int index, const QString &caption);
    // Moves a pair one place up (-1) or down (+1); nothing past either end.
    void movePair(int pair, int by);
    // The pair's two pictures change places.
    void swapPair(int pair);
    // Two pictures of any pairs change places, with their captions.
    void exchange(int index, int other);
    void removePair(int pair);
    // The set was saved as `copies` over the folder `folder`: the pictures now read from
    // there, and removed pairs whose pictures lay in the folder replaced can no longer return.
    void saved(const std::vector<MadePicture> &copies, const QString &folder);
    // Puts the pair removed last back where it was, and says where; -1 when none is left.
    int undoRemoval();
    int removals() const { return int(m_removed.size()); }
    // "pair 3: vaca, herba", counted from 1; "" while `pair` has no picture.
    QString pairText(int pair) const;

    // The screen the boards are measured on, in logical pixels.
    void setScreen(QSize screen) { m_screen = screen; }
    // The fewest rows of the picture at `index` that a card shows, on the boards the set
    // offers (the smallest while it offers none) on the screen.
    ShownRows band(int index) const;
    // The board that cuts most of the picture at `index`'s drawing, of those the set offers
    // (the smallest while it offers none); nothing when every board shows all of it.
    std::optional<DraftCut> cut(int index) const;

private:
    struct Removed {
        int pair;
        std::vector<MadePicture> pictures;
        std::vector<PictureLook> looks;
    };
    std::vector<int> boards() const;

    QString m_name;
    std::vector<MadePicture> m_pictures;
    std::vector<PictureLook> m_looks;
    std::vector<Removed> m_removed;
    QSize m_screen{1366, 768};
};
