// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cards/boardlayout.h"
#include "rules/dealcheck.h"
#include "sets/dealing.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <chrono>

class Run;

// How long the check before a board may look for a pair that shows.
inline constexpr std::chrono::milliseconds SetCheckBound{8000};

// The opening of a board: the check that the chosen set shows a pair, then the deal, each on
// threads of their own while the windows go on. The board is laid out from the chosen pair
// count and the screen the run plays on; the check decodes at the size of its first card,
// so that the deal finds what the check decoded. It ends in dealt() or in notDealt(), once.
class BoardOpening : public QObject
{
    Q_OBJECT
public:
    explicit BoardOpening(Run &run);
    // Stops the work and waits for its threads, which read the run's pictures.
    ~BoardOpening() override;

    // Opens a board of the chosen set and pair count, its pictures at `devicePixelRatio`
    // device pixels a pixel. Ignored while an opening runs.
    void start(double devicePixelRatio);
    // Stops the opening after the picture it is loading: it ends in notDealt(Cancelled).
    void cancel();
    bool isRunning() const { return m_running; }
    // How long the check may look for a pair; tests shorten it.
    void setCheckBound(std::chrono::milliseconds bound) { m_checkBound = bound; }
    // The set the opening was asked for, by the name the player gave.
    const QString &setName() const { return m_setName; }
    // The cards of the board that dealt() announced, and where their boxes lie in twips.
    const DealOutcome &outcome() const { return m_outcome; }
    const BoardGeometry &layout() const { return m_layout; }

Q_SIGNALS:
    // The work's progress: no range while the set is checked, then one step a picture.
    void progressRangeChanged(int minimum, int maximum);
    void progressValueChanged(int value);
    // The run's board holds the pairs dealt, its clock running.
    void dealt();
    // No board: why.
    void notDealt(DealCheck why);

private:
    void checked();
    void loaded();
    void end(DealCheck why);

    Run &m_run;
    QFutureWatcher<DealCheck> m_check;
    QFutureWatcher<CardPicture> m_pictures;
    QString m_setName;
    QString m_folder;
    int m_pairChoice = 0;
    BoardGeometry m_layout;
    std::vector<CardBoxSize> m_boxes;
    DealPlan m_plan;
    DealOutcome m_outcome;
    bool m_running = false;
    std::chrono::milliseconds m_checkBound = SetCheckBound;
};
