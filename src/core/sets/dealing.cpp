// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dealing.h"

#include "files/filenames.h"
#include "files/listing.h"
#include "logging.h"
#include "pictures/picturecache.h"
#include "sets/setlibrary.h"

#include <QElapsedTimer>
#include <QtConcurrent>
#include <algorithm>
#include <cmath>

namespace
{

// floor(draw × count), kept inside the range should a draw come out at 1.
int drawBelow(Random &random, int count)
{
    const int r = int(std::floor(random.draw() * count));
    return std::clamp(r, 0, count - 1);
}

// Redraws until the value is new, as many times as it takes.
void drawDistinct(std::vector<int> &into, int wanted, int range, Random &random)
{
    into.clear();
    into.reserve(std::size_t(wanted));
    while (int(into.size()) < wanted) {
        const int r = drawBelow(random, range);
        if (std::find(into.begin(), into.end(), r) == into.end())
            into.push_back(r);
    }
}

// What the set's folders say; when they hold no pair, a warning says why it is not dealt.
DealCheck folderCheck(const QString &setFolder, const SetFiles &files)
{
    if (files.pairs() > 0)
        return DealCheck::Dealable;
    if (setFolder.isEmpty()) {
        qCWarning(setsLog) << "no set dealt: the name names no set";
        return DealCheck::Missing;
    }
    if (!isFolder(setFolder)) {
        qCWarning(setsLog) << "set not dealt:" << setFolder << "is not there";
        return DealCheck::Missing;
    }
    if (!isReadableFolder(files.firstFolder) || !isReadableFolder(files.secondFolder)) {
        qCWarning(setsLog) << "set not dealt:" << files.firstFolder << "or" << files.secondFolder
                           << "is missing or cannot be read";
        return DealCheck::Unreadable;
    }
    qCWarning(setsLog) << "set not dealt:" << files.firstFolder << "holds" << files.first.size()
                       << "pictures and" << files.secondFolder << files.second.size();
    return DealCheck::Empty;
}

} // namespace

SetFiles listSetFiles(const QString &setFolder)
{
    SetFiles files;
    if (setFolder.isEmpty())
        return files;
    files.firstFolder =
        setFolder + QLatin1Char('/') + QLatin1String(FirstPairFolder) + QLatin1Char('/');
    files.secondFolder =
        setFolder + QLatin1Char('/') + QLatin1String(SecondPairFolder) + QLatin1Char('/');
    files.first = listFiles(files.firstFolder);
    files.second = listFiles(files.secondFolder);
    qCDebug(setsLog) << setFolder << "holds" << files.first.size() << "pictures in"
                     << FirstPairFolder << "and" << files.second.size() << "in" << SecondPairFolder;
    return files;
}

DealDraws drawDeal(int pairCount, int pictures, int boardPairs, Random &random)
{
    DealDraws draws;
    if (pairCount > 0 && pictures >= pairCount)
        drawDistinct(draws.chosen, pairCount, pictures, random);
    if (boardPairs > 0)
        drawDistinct(draws.order, 2 * boardPairs, 2 * boardPairs, random);
    return draws;
}

DealPlan planDeal(const QString &setFolder, const std::vector<CardBoxSize> &boxes, Random &random,
                  const QString &language)
{
    const SetFiles files = listSetFiles(setFolder);
    // Said when it holds none; the positions are shuffled all the same.
    folderCheck(setFolder, files);
    const int n = files.pairs();
    const int boardPairs = int(boxes.size()) / 2;
    const int wanted = std::min(n, boardPairs);
    DealPlan plan;
    plan.draws = drawDeal(wanted, n, boardPairs, random);
    plan.requests.reserve(2 * plan.draws.chosen.size());
    for (std::size_t i = 0; i < plan.draws.chosen.size(); ++i) {
        const int p = plan.draws.chosen[i];
        for (int half = 0; half < 2; ++half) {
            const CardBoxSize &box =
                boxes[std::size_t(plan.draws.order[2 * i + std::size_t(half)])];
            plan.requests.push_back(cardPictureRequest(half == 0
                                                           ? files.firstFolder + files.first[p]
                                                           : files.secondFolder + files.second[p],
                                                       box));
            plan.requests.back().language = language;
        }
    }
    return plan;
}

DealOutcome finishDeal(const DealPlan &plan, std::vector<CardPicture> pictures)
{
    DealOutcome outcome;
    const DealDraws &draws = plan.draws;
    for (std::size_t i = 0; i < draws.chosen.size(); ++i) {
        CardPicture &first = pictures[2 * i];
        CardPicture &second = pictures[2 * i + 1];
        const int p = draws.chosen[i];
        if (!first.loaded || !second.loaded) {
            outcome.leftOut.push_back({p, first.loaded, second.loaded});
            qCWarning(setsLog) << "pair" << p << "left out of the deal:"
                               << (first.loaded ? "" : qPrintable(plan.requests[2 * i].path))
                               << (second.loaded ? "" : qPrintable(plan.requests[2 * i + 1].path))
                               << "did not load";
            continue;
        }
        const QString key = QString::number(p);
        outcome.cards.push_back({draws.order[2 * i], key, std::move(first)});
        outcome.cards.push_back({draws.order[2 * i + 1], key, std::move(second)});
        ++outcome.pairCount;
    }
    if (outcome.pairCount == 0 && !draws.chosen.empty())
        qCWarning(setsLog) << "set not dealt: none of the" << draws.chosen.size()
                           << "pairs drawn loaded";
    return outcome;
}

DealCheck checkSetFolders(const QString &setFolder)
{
    return folderCheck(setFolder, listSetFiles(setFolder));
}

DealCheck checkSet(const QString &setFolder, const CardBoxSize &box, PictureCache &cache,
                   const std::function<bool()> &stop)
{
    const SetFiles files = listSetFiles(setFolder);
    if (const DealCheck folders = folderCheck(setFolder, files); folders != DealCheck::Dealable)
        return folders;
    for (int p = 0; p < files.pairs(); ++p) {
        if (stop && stop())
            return DealCheck::Cancelled;
        const std::vector<CardPicture> pair =
            loadCardPictures({cardPictureRequest(files.firstFolder + files.first[p], box),
                              cardPictureRequest(files.secondFolder + files.second[p], box)},
                             &cache, true);
        if (pair[0].loaded && pair[1].loaded)
            return DealCheck::Dealable;
    }
    qCWarning(setsLog) << "set not dealt:" << setFolder << "has no pair of its" << files.pairs()
                       << "whose two pictures both load";
    return DealCheck::NoPairShows;
}

QFuture<DealCheck> startCheckingSet(const QString &setFolder, const CardBoxSize &box,
                                    PictureCache &cache, std::chrono::milliseconds within)
{
    // Not on the decoding threads, which it waits for.
    return QtConcurrent::run(QThreadPool::globalInstance(), [setFolder, box, &cache,
                                                             within](QPromise<DealCheck> &promise) {
        QElapsedTimer spent;
        spent.start();
        DealCheck check = checkSet(setFolder, box, cache, [&] {
            return promise.isCanceled() || spent.elapsed() > within.count();
        });
        if (check == DealCheck::Cancelled && !promise.isCanceled()) {
            qCWarning(setsLog) << "set not dealt:" << setFolder << "showed no pair within"
                               << within.count() << "ms";
            check = DealCheck::TooSlow;
        }
        promise.addResult(check);
    });
}
