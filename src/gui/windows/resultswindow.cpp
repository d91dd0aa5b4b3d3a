// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultswindow.h"

#include "controls/colourbutton.h"
#include "controls/picturelabel.h"
#include "look/colours.h"
#include "look/design.h"
#include "run/run.h"
#include "screen/twips.h"
#include "windows/windowflow.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTimer>

ResultsWindow::ResultsWindow(const WindowContext &context) : ProgramWindow(context)
{
    // The list holds a line for every result of the run, loading the window hidden if
    // needed.
    QObject::connect(&run().results(), &Results::added, this, [this](const GameResult &result) {
        if (m_resultList) {
            m_resultList->addItem(resultLine(result));
            m_resultList->setCurrentRow(m_resultList->count() - 1);
            m_resultList->installEventFilter(this);
        } else
            load();
    });
}

void ResultsWindow::setCaption(const QString &caption)
{
    window()->setWindowTitle(caption);
    m_resultList->setAccessibleName(caption);
}

void ResultsWindow::buildControls(WindowWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setWindowTitle(QStringLiteral("n"));
    window->setFixedSize(twipsRect(0, 0, 9120, 5700).size());
    setBackgroundColour(window, Colours::ResultsBackground);

    m_resultList = new QListWidget(window);
    m_resultList->setObjectName(QStringLiteral("resultList"));
    m_resultList->setFont(designFont(18));
    m_resultList->setGeometry(twipsRect(240, 240, 8655, 5280));
    QPalette palette = m_resultList->palette();
    palette.setColor(QPalette::Base, Colours::ResultListBackground);
    palette.setColor(QPalette::Text, Colours::ResultListText);
    m_resultList->setPalette(palette);
    for (const GameResult &result : run().results().all())
        m_resultList->addItem(resultLine(result));
    m_resultList->setCurrentRow(m_resultList->count() - 1);

    m_backButton = new ColourButton(QString(), Colours::BackButton, window);
    m_backButton->setObjectName(QStringLiteral("backButton"));
    m_backButton->setGeometry(twipsRect(8040, 360, 735, 735));
    auto *picture = new PictureLabel(QStringLiteral(":/images/list_back.svg"), Qt::AlignCenter,
                                     m_backButton.data());
    picture->setObjectName(QStringLiteral("backPicture"));
    picture->setGeometry(m_backButton->rect());
    connectHandler(m_backButton.data(), &QPushButton::clicked, [this] { onBackClicked(); });
    if (m_resultList->count() > 0)
        m_resultList->setFocus();
    else
        m_backButton->setFocus();
}

void ResultsWindow::onLoad()
{
    flow().centreOnScreen(*this);
    // The back button goes on with the game: it is named by the keep-playing caption.
    const QString back = run().texts().caption(LanguageLine::KeepPlayingButton);
    m_backButton->setAccessibleName(back);
}

void ResultsWindow::takeFocus()
{
    if (!m_backButton)
        return;
    if (m_resultList->count() > 0)
        m_resultList->setFocus(Qt::ActiveWindowFocusReason);
    else
        m_backButton->setFocus(Qt::ActiveWindowFocusReason);
}

// Escape leaves the list as its back button does.
bool ResultsWindow::onKeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    onBackClicked();
    return true;
}

bool ResultsWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The list says only itself as it takes the focus: its line follows, after the list.
    if (event->type() == QEvent::FocusIn && watched == m_resultList) {
        QTimer::singleShot(0, m_resultList, [list = m_resultList] {
            QAccessibleEvent focus(list, QAccessible::Focus);
            focus.setChild(list->currentRow());
            if (list->hasFocus() && list->currentRow() >= 0)
                QAccessible::updateAccessibility(&focus);
        });
    }
    return ProgramWindow::eventFilter(watched, event);
}

void ResultsWindow::closeRequested()
{
    flow().resultsClosing();
}

void ResultsWindow::onBackClicked()
{
    flow().boardWanted();
}
