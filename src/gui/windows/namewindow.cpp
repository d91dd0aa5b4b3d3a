// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "namewindow.h"

#include "controls/colourbutton.h"
#include "look/design.h"
#include "run/paircounts.h"
#include "screen/twips.h"
#include "texts/languagefile.h"
#include "windows/windowflow.h"

#include <limits>

void NameWindow::closeRequested()
{
    unload();
}

void NameWindow::buildControls(WindowWidget *window)
{
    window->setWindowFlags(CloseBoxOnly);
    window->setWindowTitle(QStringLiteral("Zindle 1.0 zindle@example.org - juego@example.org"));
    window->setFixedSize(twipsRect(0, 0, 6750, 4635).size());
    const QColor background = vbColor(0x80C0FF);
    setBackgroundColour(window, background);

    Frame1 = new QGroupBox(window);
    Frame1->setObjectName(QStringLiteral("Frame1_0"));
    Frame1->setGeometry(twipsRect(720, 480, 5175, 2055));
    setBackgroundColour(Frame1, background);

    Label1 = new QLabel(QStringLiteral("Nombre"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1_0"));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(designFont(14.25));
    Label1->setGeometry(twipsRect(120, 960, 1335, 375));

    Text1 = new QLineEdit(Frame1);
    // The label names the name box for assistive tools.
    Label1->setBuddy(Text1);
    Text1->setObjectName(QStringLiteral("Text1_0"));
    Text1->setMaxLength(std::numeric_limits<int>::max());
    Text1->setFont(designFont(18));
    Text1->setGeometry(twipsRect(1440, 840, 3375, 495));

    Command2 = new ColourButton(QStringLiteral("ACEPTAR"), vbColor(0xFF8080), window);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setFont(designFont(21.75));
    Command2->setGeometry(twipsRect(720, 3000, 5175, 1215));
    connectHandler(Command2.data(), &QPushButton::clicked, [this] { Command2_Click(); });
    // Enter in the name box accepts the name, as the accept button does.
    QObject::connect(Text1.data(), &QLineEdit::returnPressed, Command2.data(), &QPushButton::click);

    Text1->setFocus();
}

void NameWindow::onLoad()
{
    WindowFlow::centreOnScreen(*this);
    WindowFlow::nameEntryLoading();
    // The intro's line is read with the others and left unused.
    const LanguageLines lines =
        readLanguageLines(LanguageLine::IntroButton, LanguageLine::NameButton);
    Label1->setText(lines.caption(LanguageLine::NameLabel));
    Command2->setText(lines.caption(LanguageLine::NameButton));
    WindowFlow::nameEntryLoaded();
}

void NameWindow::Command2_Click()
{
    const QString name = Text1->text();
    if (name.isEmpty())
        return;
    PairCounts::PlayerName = name;
    WindowFlow::nameAccepted();
}
