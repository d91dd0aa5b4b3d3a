// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run.h"

Run::Run(const Services &services)
    : m_services(services), m_texts(services.programFolder), m_board(services.clock),
      m_keptPictures(RunPictureCacheBytes)
{
    connect(&m_board, &Board::completed, this, &Run::boardCompleted);
}

void Run::startBoard(const QString &setName)
{
    m_boardSet = setName;
    m_boardLines = m_texts.read(LanguageLine::FinishButton, LanguageLine::ListTitle);
    m_board.start(m_choice.pairChoice(), m_choice.withClock());
}

void Run::boardCompleted()
{
    m_results.add({m_player.name(), m_boardSet, m_board.pairCount(), m_board.clock().shownSeconds(),
                   QDateTime::currentDateTime(), resultWords(m_boardLines),
                   m_board.clock().countsDown()});
}
