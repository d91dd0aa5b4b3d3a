// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setdraft.h"

#include "files/regularfile.h"
#include "pictures/caption.h"
#include "pictures/pictureloader.h"
#include "sets/pairbuttons.h"

#include <QCoreApplication>
#include <QFile>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>

namespace
{

// Wide enough to place a drawing's edge within half a percent of a 4:3 picture's height.
constexpr int PreviewWidth = 240;

struct Added {
    MadePicture picture;
    PictureLook look;
};

Added measured(const QString &path, const QString &language)
{
    Added added{{path, pictureCaption(path, language)}, {}};
    QFile file;
    if (!openRegularFile(file, path))
        return added;
    // Through the board's own loader: an SVG never opens what it names, a huge picture
    // never decodes past the budget.
    const ScaledPicture scaled = loadScaledPicture(file, PreviewWidth * 4, path);
    if (!scaled.upright.isValid())
        return added;
    added.look.upright = scaled.upright;
    added.look.preview = scaled.image.width() > PreviewWidth
                             ? scaled.image.scaledToWidth(PreviewWidth, Qt::SmoothTransformation)
                             : scaled.image;
    if (!added.look.preview.isNull())
        added.look.drawing = drawingRows(added.look.preview);
    return added;
}

} // namespace

void SetDraft::reset(const QString &name, const std::vector<MadePicture> &pictures)
{
    m_name = name;
    m_pictures.clear();
    m_looks.clear();
    m_removed.clear();
    QStringList paths;
    for (const MadePicture &picture : pictures)
        paths << picture.source;
    add(paths, QString());
    for (std::size_t i = 0; i < pictures.size(); ++i)
        m_pictures[i].caption = pictures[i].caption;
}

void SetDraft::add(const QStringList &paths, const QString &language)
{
    const QList<Added> added = QtConcurrent::blockingMapped(
        paths, [&](const QString &path) { return measured(path, language); });
    for (const Added &a : added) {
        m_pictures.push_back(a.picture);
        m_looks.push_back(a.look);
    }
}

void SetDraft::replace(int index, const QString &path, const QString &language)
{
    Added added = measured(path, language);
    m_pictures[std::size_t(index)] = std::move(added.picture);
    m_looks[std::size_t(index)] = std::move(added.look);
}

void SetDraft::setCaption(int index, const QString &caption)
{
    m_pictures[std::size_t(index)].caption = caption;
}

void SetDraft::movePair(int pair, int by)
{
    const int other = pair + by;
    if (other < 0 || other >= pairCount() || pair < 0 || pair >= pairCount())
        return;
    // A pair still without its partner stays last.
    if (2 * std::max(pair, other) + 1 >= pictureCount())
        return;
    for (int half = 0; half < 2; ++half) {
        std::swap(m_pictures[std::size_t(2 * pair + half)],
                  m_pictures[std::size_t(2 * other + half)]);
        std::swap(m_looks[std::size_t(2 * pair + half)], m_looks[std::size_t(2 * other + half)]);
    }
}

void SetDraft::swapPair(int pair)
{
    const std::size_t i = std::size_t(2 * pair);
    if (i + 1 >= m_pictures.size())
        return;
    std::swap(m_pictures[i], m_pictures[i + 1]);
    std::swap(m_looks[i], m_looks[i + 1]);
}

void SetDraft::exchange(int index, int other)
{
    if (index < 0 || other < 0 || index >= pictureCount() || other >= pictureCount())
        return;
    std::swap(m_pictures[std::size_t(index)], m_pictures[std::size_t(other)]);
    std::swap(m_looks[std::size_t(index)], m_looks[std::size_t(other)]);
}

void SetDraft::removePair(int pair)
{
    if (pair < 0 || pair >= pairCount())
        return;
    const auto from = qsizetype(2 * pair);
    const auto to = std::min(from + 2, qsizetype(m_pictures.size()));
    m_removed.push_back({pair,
                         {m_pictures.begin() + from, m_pictures.begin() + to},
                         {m_looks.begin() + from, m_looks.begin() + to}});
    m_pictures.erase(m_pictures.begin() + from, m_pictures.begin() + to);
    m_looks.erase(m_looks.begin() + from, m_looks.begin() + to);
}

int SetDraft::undoRemoval()
{
    if (m_removed.empty())
        return -1;
    Removed removed = std::move(m_removed.back());
    m_removed.pop_back();
    // A pair still waiting for its partner stays last.
    const int whole = pictureCount() / 2;
    const auto at = qsizetype(2 * std::min(removed.pair, whole));
    m_pictures.insert(m_pictures.begin() + at, removed.pictures.begin(), removed.pictures.end());
    m_looks.insert(m_looks.begin() + at, removed.looks.begin(), removed.looks.end());
    return int(at / 2);
}

void SetDraft::saved(const std::vector<MadePicture> &copies, const QString &folder)
{
    if (copies.size() == m_pictures.size()) {
        for (std::size_t i = 0; i < copies.size(); ++i)
            m_pictures[i].source = copies[i].source;
    }
    const QString inside = folder + QLatin1Char('/');
    std::erase_if(m_removed, [&](const Removed &removed) {
        return std::any_of(removed.pictures.begin(), removed.pictures.end(),
                           [&](const MadePicture &p) { return p.source.startsWith(inside); });
    });
}

QString SetDraft::pairText(int pair) const
{
    QStringList captions;
    for (int i = 2 * pair; i < std::min(2 * pair + 2, pictureCount()); ++i)
        captions << picture(i).caption;
    return QCoreApplication::translate("SetDraft", "pair %1: %2")
        .arg(pair + 1)
        .arg(captions.join(QStringLiteral(", ")));
}

std::vector<int> SetDraft::boards() const
{
    std::vector<int> choices;
    const auto enabled = pairButtonsEnabled(pictureCount() / 2);
    for (int choice = 0; choice < PairCounts::ChoiceCount; ++choice) {
        if (enabled[std::size_t(choice)])
            choices.push_back(choice);
    }
    if (choices.empty())
        choices.push_back(0);
    return choices;
}

ShownRows SetDraft::band(int index) const
{
    ShownRows least;
    for (int choice : boards()) {
        const ShownRows rows = shownRows(look(index).upright, choice, m_screen);
        if (rows.height() < least.height())
            least = rows;
    }
    return least;
}

std::optional<DraftCut> SetDraft::cut(int index) const
{
    const PictureLook &l = look(index);
    if (!l.drawing || l.upright.isEmpty())
        return std::nullopt;
    // A trace of the drawing off the card goes unseen.
    constexpr double Tolerance = 0.005;
    std::optional<DraftCut> worst;
    for (int choice : boards()) {
        const ShownRows rows = shownRows(l.upright, choice, m_screen);
        if (l.drawing->top >= rows.top - Tolerance && l.drawing->bottom <= rows.bottom + Tolerance)
            continue;
        if (!worst || rows.height() < worst->shown.height())
            worst = DraftCut{rows, PairCounts::pairsFor(choice)};
    }
    return worst;
}
