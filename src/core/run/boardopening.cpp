// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardopening.h"

#include "cards/boardlayout.h"
#include "run/run.h"
#include "screen/twips.h"

BoardOpening::BoardOpening(Run &run) : m_run(run)
{
    connect(&m_check, &QFutureWatcherBase::finished, this, &BoardOpening::checked);
    connect(&m_pictures, &QFutureWatcherBase::finished, this, &BoardOpening::loaded);
    connect(&m_pictures, &QFutureWatcherBase::progressRangeChanged, this,
            &BoardOpening::progressRangeChanged);
    connect(&m_pictures, &QFutureWatcherBase::progressValueChanged, this,
            &BoardOpening::progressValueChanged);
}

BoardOpening::~BoardOpening()
{
    for (QFutureWatcherBase *work : {static_cast<QFutureWatcherBase *>(&m_check),
                                     static_cast<QFutureWatcherBase *>(&m_pictures)}) {
        work->disconnect(this);
        work->cancel();
        work->waitForFinished();
    }
}

void BoardOpening::start(double devicePixelRatio)
{
    if (m_running)
        return;
    m_running = true;
    m_setName = m_run.chosenSet();
    m_folder = m_run.sets().folderOf(m_setName);
    m_pairChoice = m_run.choice().pairChoice();
    Screen *screen = m_run.services().screen;
    m_layout = layoutBoard(m_pairChoice, screen->widthTwips(), screen->heightTwips());
    m_boxes.clear();
    for (const QRect &box : m_layout.boxes)
        m_boxes.push_back(
            cardBoxSize(twipsRect(box.x(), box.y(), box.width(), box.height()), devicePixelRatio));
    Q_EMIT progressRangeChanged(0, 0);
    m_check.setFuture(
        startCheckingSet(m_folder, m_boxes.front(), m_run.keptPictures(), m_checkBound));
}

void BoardOpening::cancel()
{
    m_check.cancel();
    m_pictures.cancel();
}

void BoardOpening::checked()
{
    if (m_check.isCanceled())
        return end(DealCheck::Cancelled);
    if (const DealCheck check = m_check.result(); check != DealCheck::Dealable)
        return end(check);
    m_run.services().random->seedFromClock();
    m_run.startBoard(m_setName, m_pairChoice);
    m_plan = planDeal(m_folder, m_boxes, *m_run.services().random, m_run.texts().choice().language);
    m_pictures.setFuture(startLoadingCardPictures(m_plan.requests, &m_run.keptPictures(), true));
}

void BoardOpening::loaded()
{
    if (m_pictures.isCanceled())
        return end(DealCheck::Cancelled);
    const QList<CardPicture> pictures = m_pictures.future().results();
    m_outcome = finishDeal(m_plan, std::vector<CardPicture>(pictures.begin(), pictures.end()));
    // The set may have changed since the check.
    if (m_outcome.pairCount == 0) {
        const DealCheck folders = checkSetFolders(m_folder);
        return end(folders == DealCheck::Dealable ? DealCheck::NoPairShows : folders);
    }
    m_run.board().deal(m_outcome);
    m_running = false;
    Q_EMIT dealt();
}

void BoardOpening::end(DealCheck why)
{
    m_running = false;
    Q_EMIT notDealt(why);
}
