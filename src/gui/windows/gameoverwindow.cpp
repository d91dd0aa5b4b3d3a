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

void GameOverWindow::buildControls(WindowWidget *window)
{
    window->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    window->setFixedSize(twipsRect(0, 0, 7755, 4620).size());
    setBackgroundColour(window, Colours::GameOverBackground);

    auto addLabel = [window](const char *name, int top) {
        auto *label = new QLabel(window);
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
        new ColourButton(QStringLiteral("SEGUIR JUGANDO"), Colours::KeepPlayingButton, window,
                         Colours::KeepPlayingText);
    m_keepPlayingButton->setObjectName(QStringLiteral("keepPlayingButton"));
    m_keepPlayingButton->setFont(designFont(18));
    m_keepPlayingButton->setGeometry(twipsRect(240, 3480, 3855, 975));
    connectHandler(m_keepPlayingButton.data(), &QPushButton::clicked,
                   [this] { onKeepPlayingClicked(); });

    m_finishButton = new ColourButton(QStringLiteral("FIN JUEGO"), Colours::FinishButton, window);
    m_finishButton->setObjectName(QStringLiteral("finishButton"));
    m_finishButton->setFont(designFont(18));
    m_finishButton->setGeometry(twipsRect(4320, 3480, 3135, 975));
    connectHandler(m_finishButton.data(), &QPushButton::clicked, [this] { onFinishClicked(); });

    m_secondsLabel = addLabel("secondsLabel", 2040);
    m_keepPlayingButton->setFocus();
}

void GameOverWindow::onLoad()
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
    window()->setAccessibleName(lines.caption(LanguageLine::GameOverMessage));
    window()->setAccessibleDescription(ResultsWindow::openKeyHint());
}

void GameOverWindow::onKeepPlayingClicked()
{
    flow().keepPlaying();
}

void GameOverWindow::onFinishClicked()
{
    flow().endProgram();
}

bool GameOverWindow::onKeyDown(QKeyEvent *event)
{
    if (!ResultsWindow::isOpenKey(event))
        return false;
    flow().resultsWindow().openFrom(this);
    return true;
}
