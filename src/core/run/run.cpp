// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run.h"

#include "pictures/pictureloader.h"
#include "sets/pairbuttons.h"
#include "texts/cleantext.h"

Run::Run(const Services &services)
    : m_services(services), m_texts(services.programFolder), m_board(services.clock),
      m_keptPictures(RunPictureCacheBytes)
{
    connect(&m_board, &Board::completed, this, &Run::boardCompleted);
}

QString Run::chosenSet() const
{
    if (m_choice.isSetChosen())
        return m_choice.setName();
    const std::vector<SetEntry> listed = sets().list();
    return listed.empty() ? QString() : cleanText(listed.front().name);
}

std::optional<std::array<bool, PairCounts::ChoiceCount>> Run::offeredPairCounts() const
{
    const std::optional<int> pictures = firstFolderPictures(sets().folderOf(chosenSet()));
    if (!pictures)
        return std::nullopt;
    return pairButtonsEnabled(*pictures);
}

QImage Run::cardBackground(QSize innerPixels, double devicePixelRatio)
{
    return loadBackground(programPath(m_services, QStringLiteral("/fondo.jpg")), innerPixels,
                          devicePixelRatio, &m_keptPictures);
}

void Run::boardShown()
{
    m_keptPictures.thumbnails().writeHeld();
}

void Run::startBoard(const QString &setName, int pairChoice)
{
    m_boardSet = setName;
    m_boardLines = m_texts.read(LanguageLine::FinishButton, LanguageLine::ListTitle);
    m_board.start(pairChoice, m_choice.withClock());
}

void Run::boardCompleted()
{
    m_results.add({m_player.name(), m_boardSet, m_board.pairCount(), m_board.clock().shownSeconds(),
                   QDateTime::currentDateTime(), resultWords(m_boardLines),
                   m_board.clock().countsDown()});
}
