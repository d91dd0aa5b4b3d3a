// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setdraft.h"

#include "files/regularfile.h"
#include "pictures/caption.h"
#include "sets/pairbuttons.h"

#include <QFile>
#include <QImageReader>
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
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (!size.isValid())
        return added;
    const bool sideways = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    added.look.upright = sideways ? size.transposed() : size;
    reader.setScaledSize(size.scaled(PreviewWidth, PreviewWidth * 4, Qt::KeepAspectRatio));
    added.look.preview = reader.read();
    if (!added.look.preview.isNull())
        added.look.drawing = drawingRows(added.look.preview);
    return added;
}

} // namespace

void SetDraft::add(const QStringList &paths, const QString &language)
{
    const QList<Added> added = QtConcurrent::blockingMapped(
        paths, [&](const QString &path) { return measured(path, language); });
    for (const Added &a : added) {
        m_pictures.push_back(a.picture);
        m_looks.push_back(a.look);
    }
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

void SetDraft::removePair(int pair)
{
    const auto from = std::size_t(2 * pair);
    const auto to = std::min(from + 2, m_pictures.size());
    m_pictures.erase(m_pictures.begin() + qsizetype(from), m_pictures.begin() + qsizetype(to));
    m_looks.erase(m_looks.begin() + qsizetype(from), m_looks.begin() + qsizetype(to));
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
    const std::vector<int> choices = boards();
    for (const QSize &screen : CommonScreens) {
        for (int choice : choices) {
            const ShownRows rows = shownRows(look(index).upright, choice, screen);
            if (rows.height() < least.height())
                least = rows;
        }
    }
    return least;
}

std::optional<DrawingCut> SetDraft::cut(int index) const
{
    const PictureLook &l = look(index);
    if (!l.drawing || l.upright.isEmpty())
        return std::nullopt;
    ShownRowsMemo memo;
    return drawingCut(l.upright, *l.drawing, boards(), memo);
}
