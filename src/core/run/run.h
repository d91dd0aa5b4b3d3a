// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pictures/picturecache.h"
#include "platform/services.h"
#include "rules/paircounts.h"
#include "run/board.h"
#include "run/boardopening.h"
#include "run/gamechoice.h"
#include "run/player.h"
#include "run/results.h"
#include "sets/setlibrary.h"
#include "texts/texts.h"

#include <QImage>
#include <QObject>
#include <array>
#include <optional>

// The model of one run of the program, from the intro to the end: the player, what the next
// board plays, the board in play, the results, the texts, and the pictures kept for the next
// boards. The windows show it and call it; a finished board adds its result here.
class Run : public QObject
{
    Q_OBJECT
public:
    explicit Run(const Services &services);

    const Services &services() const { return m_services; }
    const Texts &texts() const { return m_texts; }
    Player &player() { return m_player; }
    GameChoice &choice() { return m_choice; }
    Board &board() { return m_board; }
    Results &results() { return m_results; }
    BoardOpening &opening() { return m_opening; }
    PictureCache &keptPictures() { return m_keptPictures; }
    // The sets that go with the texts as they are now.
    SetLibrary sets() const
    {
        return SetLibrary(m_services.programFolder, m_texts.choice().language);
    }

    // The set the next board plays: the player's choice, else the first set listed.
    QString chosenSet() const;
    // Which pair counts, by index, the chosen set has pictures for; nothing when its "1"
    // folder cannot be read.
    std::optional<std::array<bool, PairCounts::ChoiceCount>> offeredPairCounts() const;

    // A new board of `setName` at pair-count index `pairChoice`, not dealt yet (the opening
    // deals it). It reads the language lines from the finish button's to the list title's
    // in one pass, among them the words its result line will be worded with.
    void startBoard(const QString &setName, int pairChoice);
    const QString &boardSet() const { return m_boardSet; }
    // The lines the board read as it started.
    const LanguageLines &boardLines() const { return m_boardLines; }
    // The part of the cards' background that an inner area of `innerPixels` shows; null
    // when it cannot be loaded.
    QImage cardBackground(QSize innerPixels, double devicePixelRatio);
    // The board shows: the thumbnails its pictures left are written now, never holding it up.
    void boardShown();

private:
    void boardCompleted();

    Services m_services;
    Texts m_texts;
    Player m_player;
    GameChoice m_choice;
    Board m_board;
    Results m_results;
    PictureCache m_keptPictures;
    QString m_boardSet;
    LanguageLines m_boardLines;
    // Last: its threads read the pictures kept above.
    BoardOpening m_opening{*this};
};
