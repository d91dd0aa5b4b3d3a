// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "introwindow.h"

#include "controls/colourbutton.h"
#include "controls/picturelabel.h"
#include "look/design.h"
#include "screen/twips.h"
#include "texts/languagefile.h"
#include "windows/windowflow.h"

namespace
{

// The intro sits this many twips above the centre of the screen.
constexpr int IntroAboveCentre = 200;

} // namespace

void IntroWindow::buildControls(WindowWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window->setFixedSize(twipsRect(0, 0, 9360, 8520).size());
    setBackgroundColour(window, Qt::white);

    auto *picture = new PictureLabel(QStringLiteral(":/images/intro_title.svg"),
                                     Qt::AlignLeft | Qt::AlignTop, window);
    picture->setObjectName(QStringLiteral("TitlePicture"));
    picture->setGeometry(window->rect());
    // The picture shows the game's title, which is no word of any one language.
    picture->setAccessibleName(QStringLiteral("Zindle"));

    Command1 = new ColourButton(QStringLiteral("CONTINUAR"), vbColor(0xFFFF00), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(designFont(24));
    Command1->setGeometry(twipsRect(1800, 7800, 5535, 735));
    connectHandler(Command1.data(), &QPushButton::clicked, [this] { Command1_Click(); });
}

void IntroWindow::onLoad()
{
    WindowFlow::centreOnScreen(*this, IntroAboveCentre);
    const LanguageLine intro = LanguageLine::IntroButton;
    Command1->setText(readLanguageLines(intro, intro).caption(intro));
}

void IntroWindow::Command1_Click()
{
    WindowFlow::introContinued();
}
