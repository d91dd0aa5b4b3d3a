// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultswindow.h"

#include "controls/colourbutton.h"
#include "controls/picturelabel.h"
#include "look/design.h"
#include "screen/twips.h"
#include "texts/languagefile.h"
#include "windows/windowflow.h"

#include <QKeyEvent>

void ResultsWindow::addResult(const QString &line)
{
    load();
    if (List1)
        List1->addItem(line);
}

void ResultsWindow::setCaption(const QString &caption)
{
    window()->setWindowTitle(caption);
    List1->setAccessibleName(caption);
}

void ResultsWindow::buildControls(WindowWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setWindowTitle(QStringLiteral("n"));
    window->setFixedSize(twipsRect(0, 0, 9120, 5700).size());
    setBackgroundColour(window, Qt::white);

    List1 = new QListWidget(window);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(designFont(18));
    List1->setGeometry(twipsRect(240, 240, 8655, 5280));
    QPalette palette = List1->palette();
    palette.setColor(QPalette::Base, vbColor(0x004000));
    palette.setColor(QPalette::Text, vbColor(0xFFFFFF));
    List1->setPalette(palette);

    Command1 = new ColourButton(QString(), vbColor(0xC0C0C0), window);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(8040, 360, 735, 735));
    auto *picture = new PictureLabel(QStringLiteral(":/images/list_back.svg"), Qt::AlignCenter,
                                     Command1.data());
    picture->setObjectName(QStringLiteral("BackPicture"));
    picture->setGeometry(Command1->rect());
    connectHandler(Command1.data(), &QPushButton::clicked, [this] { Command1_Click(); });
    Command1->setFocus();
}

void ResultsWindow::onLoad()
{
    WindowFlow::centreOnScreen(*this);
    // The back button goes on with the game: it and its picture are named by the
    // keep-playing caption.
    const QString back =
        readLanguageLines(LanguageLine::KeepPlayingButton, LanguageLine::KeepPlayingButton)
            .caption(LanguageLine::KeepPlayingButton);
    Command1->setAccessibleName(back);
    Command1->findChild<QLabel *>()->setAccessibleName(back);
}

void ResultsWindow::focusBackButton()
{
    if (Command1)
        Command1->setFocus(Qt::ActiveWindowFocusReason);
}

// Escape leaves the list as its back button does.
bool ResultsWindow::onKeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    Command1_Click();
    return true;
}

void ResultsWindow::closeRequested()
{
    WindowFlow::resultsClosing();
}

void ResultsWindow::Command1_Click()
{
    WindowFlow::boardWanted();
}
