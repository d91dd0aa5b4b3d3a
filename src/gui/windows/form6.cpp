// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form6.h"

#include "core/language/languagefile.h"
#include "core/screen/twips.h"
#include "gui/controls/colourbutton.h"
#include "gui/controls/design.h"
#include "gui/controls/picturelabel.h"
#include "gui/windows/flow.h"

#include <QKeyEvent>

void Form6::addResult(const QString &line)
{
    load();
    if (List1)
        List1->addItem(line);
}

void Form6::setCaption(const QString &caption)
{
    window()->setWindowTitle(caption);
    List1->setAccessibleName(caption);
}

void Form6::buildControls(FormWindow *window)
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

void Form6::Form_Load()
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

void Form6::focusBackButton()
{
    if (Command1)
        Command1->setFocus(Qt::ActiveWindowFocusReason);
}

// Escape leaves the list as its back button does.
bool Form6::Form_KeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    Command1_Click();
    return true;
}

void Form6::closeRequested()
{
    WindowFlow::resultsClosing();
}

void Form6::Command1_Click()
{
    WindowFlow::boardWanted();
}
