// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "introwindow.h"

#include "controls/colourbutton.h"
#include "controls/picturelabel.h"
#include "look/colours.h"
#include "look/design.h"
#include "run/run.h"
#include "screen/twips.h"
#include "windows/windowflow.h"

namespace
{

// The intro sits this many twips above the centre of the screen.
constexpr int IntroAboveCentre = 200;

} // namespace

void IntroWindow::buildControls()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(twipsRect(0, 0, 9360, 8520).size());
    setBackgroundColour(this, Colours::IntroBackground);

    auto *picture = new PictureLabel(QStringLiteral(":/images/intro_title.svg"),
                                     Qt::AlignLeft | Qt::AlignTop, this);
    picture->setObjectName(QStringLiteral("titlePicture"));
    picture->setGeometry(rect());
    // The picture shows the game's title, which is no word of any one language.
    picture->setAccessibleName(QStringLiteral("Zindle"));

    m_continueButton = new ColourButton(QStringLiteral("CONTINUAR"), Colours::ContinueButton, this);
    m_continueButton->setObjectName(QStringLiteral("continueButton"));
    m_continueButton->setFont(designFont(24));
    m_continueButton->setGeometry(twipsRect(1800, 7800, 5535, 735));
    connectHandler(m_continueButton.data(), &QPushButton::clicked, [this] { onContinueClicked(); });
}

void IntroWindow::fillControls()
{
    flow().centreOnScreen(*this, IntroAboveCentre);
    m_continueButton->setText(run().texts().caption(LanguageLine::IntroButton));
}

void IntroWindow::onContinueClicked()
{
    flow().introContinued();
}
