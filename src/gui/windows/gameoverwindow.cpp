// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameoverwindow.h"

#include "controls/colourbutton.h"
#include "look/colours.h"
#include "look/design.h"
#include "run/announcements.h"
#include "run/run.h"
#include "screen/twips.h"
#include "windows/resultswindow.h"
#include "windows/windowflow.h"

#include <QKeyEvent>

void GameOverWindow::buildControls()
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(twipsRect(0, 0, 7755, 4620).size());
    setBackgroundColour(this, Colours::GameOverBackground);

    auto addLabel = [this](const char *name, int top) {
        auto *label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(designFont(48));
        label->setGeometry(twipsRect(960, top, 5895, 1095));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Colours::GameOverText);
        label->setPalette(palette);
        return label;
    };
    m_messageLabel = addLabel("messageLabel", 720);

    m_keepPlayingButton =
        new ColourButton(QStringLiteral("SEGUIR JUGANDO"), Colours::KeepPlayingButton, this,
                         Colours::KeepPlayingText);
    m_keepPlayingButton->setObjectName(QStringLiteral("keepPlayingButton"));
    m_keepPlayingButton->setFont(designFont(18));
    m_keepPlayingButton->setGeometry(twipsRect(240, 3480, 3855, 975));
    QObject::connect(m_keepPlayingButton.data(), &QPushButton::clicked, this,
                     &GameOverWindow::keepPlayingChosen);

    m_finishButton = new ColourButton(QStringLiteral("FIN JUEGO"), Colours::FinishButton, this);
    m_finishButton->setObjectName(QStringLiteral("finishButton"));
    m_finishButton->setFont(designFont(18));
    m_finishButton->setGeometry(twipsRect(4320, 3480, 3135, 975));
    QObject::connect(m_finishButton.data(), &QPushButton::clicked, this,
                     &GameOverWindow::finishChosen);

    m_secondsLabel = addLabel("secondsLabel", 2040);
    m_keepPlayingButton->setFocus();
}

void GameOverWindow::fillControls()
{
    flow().centreOnScreen(*this);
    const LanguageLines lines =
        run().texts().read(LanguageLine::KeepPlayingButton, LanguageLine::GameOverMessage);
    m_keepPlayingButton->setText(lines.caption(LanguageLine::KeepPlayingButton));
    m_finishButton->setText(lines.caption(LanguageLine::FinishButton));
    m_messageLabel->setText(lines.caption(LanguageLine::GameOverMessage));
    const GameClock &gameClock = run().board().clock();
    m_secondsLabel->setText(secondsCaption(gameClock.shownSeconds()));
    // Said as how the game ended: a number alone leaves the player guessing what it counts.
    m_secondsLabel->setAccessibleName(Announcements::gameEnd(gameClock));
    setAccessibleName(lines.caption(LanguageLine::GameOverMessage));
    setAccessibleDescription(ResultsWindow::openKeyHint());
}

bool GameOverWindow::onKeyDown(QKeyEvent *event)
{
    if (!ResultsWindow::isOpenKey(event))
        return false;
    flow().resultsWindow().openFrom(this);
    return true;
}
