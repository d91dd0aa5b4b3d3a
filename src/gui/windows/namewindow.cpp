// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "namewindow.h"

#include "controls/colourbutton.h"
#include "look/colours.h"
#include "look/design.h"
#include "run/run.h"
#include "screen/twips.h"
#include "windows/windowflow.h"

#include <QCoreApplication>
#include <limits>

void NameWindow::closeRequested()
{
    flow().close(*this);
}

void NameWindow::buildControls()
{
    setWindowFlags(CloseBoxOnly);
    setWindowTitle(QStringLiteral("Zindle %1 zindle@example.org - juego@example.org")
                       .arg(QCoreApplication::applicationVersion()));
    setFixedSize(twipsRect(0, 0, 6750, 4635).size());
    const QColor background = Colours::NameBackground;
    setBackgroundColour(this, background);

    m_nameFrame = new QGroupBox(this);
    m_nameFrame->setObjectName(QStringLiteral("nameFrame"));
    m_nameFrame->setGeometry(twipsRect(720, 480, 5175, 2055));
    setBackgroundColour(m_nameFrame, background);

    m_nameLabel = new QLabel(QStringLiteral("Nombre"), m_nameFrame);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));
    m_nameLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_nameLabel->setFont(designFont(14.25));
    m_nameLabel->setGeometry(twipsRect(120, 960, 1335, 375));

    m_nameBox = new QLineEdit(m_nameFrame);
    // The label names the name box for assistive tools.
    m_nameLabel->setBuddy(m_nameBox);
    m_nameBox->setObjectName(QStringLiteral("nameBox"));
    m_nameBox->setMaxLength(std::numeric_limits<int>::max());
    m_nameBox->setFont(designFont(18));
    m_nameBox->setGeometry(twipsRect(1440, 840, 3375, 495));

    m_acceptButton = new ColourButton(QStringLiteral("ACEPTAR"), Colours::AcceptButton, this);
    m_acceptButton->setObjectName(QStringLiteral("acceptButton"));
    m_acceptButton->setFont(designFont(21.75));
    m_acceptButton->setGeometry(twipsRect(720, 3000, 5175, 1215));
    connectHandler(m_acceptButton.data(), &QPushButton::clicked, [this] { onAcceptClicked(); });
    // Enter in the name box accepts the name, as the accept button does.
    QObject::connect(m_nameBox.data(), &QLineEdit::returnPressed, m_acceptButton.data(),
                     &QPushButton::click);

    m_nameBox->setFocus();
}

void NameWindow::fillControls()
{
    flow().centreOnScreen(*this);
    flow().nameEntryOpening();
    // The intro's line is read with the others and left unused.
    const LanguageLines lines =
        run().texts().read(LanguageLine::IntroButton, LanguageLine::NameButton);
    m_nameLabel->setText(lines.caption(LanguageLine::NameLabel));
    m_acceptButton->setText(lines.caption(LanguageLine::NameButton));
    flow().nameEntryOpened();
}

void NameWindow::onAcceptClicked()
{
    const QString name = m_nameBox->text();
    if (name.isEmpty())
        return;
    run().player().setName(name);
    flow().nameAccepted();
}
