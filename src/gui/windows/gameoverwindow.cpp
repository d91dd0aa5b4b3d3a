// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameoverwindow.h"

#include "controls/colourbutton.h"
#include "look/design.h"
#include "platform/services.h"
#include "run/gameoverpause.h"
#include "screen/twips.h"
#include "texts/languagefile.h"
#include "windows/windowflow.h"

void GameOverWindow::buildControls(WindowWidget *window)
{
    window->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    window->setFixedSize(twipsRect(0, 0, 7755, 4620).size());
    setBackgroundColour(window, vbColor(0xFFC0C0));

    auto addLabel = [window](int index, int top) {
        auto *label = new QLabel(window);
        label->setObjectName(QStringLiteral("Label1_%1").arg(index));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(designFont(48));
        label->setGeometry(twipsRect(960, top, 5895, 1095));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, vbColor(0xFF0000));
        label->setPalette(palette);
        return label;
    };
    Label1[0] = addLabel(0, 720);

    Command1 = new ColourButton(QStringLiteral("SEGUIR JUGANDO"), vbColor(0xFF0000), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(designFont(18));
    Command1->setGeometry(twipsRect(240, 3480, 3855, 975));
    connectHandler(Command1.data(), &QPushButton::clicked, [this] { Command1_Click(); });

    Command2 = new ColourButton(QStringLiteral("FIN JUEGO"), vbColor(0x0000FF), window);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setFont(designFont(18));
    Command2->setGeometry(twipsRect(4320, 3480, 3135, 975));
    connectHandler(Command2.data(), &QPushButton::clicked, [this] { Command2_Click(); });

    Label1[1] = addLabel(1, 2040);
    Command1->setFocus();
}

void GameOverWindow::onLoad()
{
    WindowFlow::centreOnScreen(*this);
    gameOverPause(*services().clock);
    const LanguageLines lines =
        readLanguageLines(LanguageLine::KeepPlayingButton, LanguageLine::GameOverMessage);
    Command1->setText(lines.caption(LanguageLine::KeepPlayingButton));
    Command2->setText(lines.caption(LanguageLine::FinishButton));
    Label1[0]->setText(lines.caption(LanguageLine::GameOverMessage));
    Label1[1]->setText(WindowFlow::finalSecondsCaption());
    window()->setAccessibleName(Label1[0]->text());
}

void GameOverWindow::Command1_Click()
{
    WindowFlow::keepPlaying();
}

void GameOverWindow::Command2_Click()
{
    WindowFlow::endProgram();
}
