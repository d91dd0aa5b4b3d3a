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

void ResultsWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    m_resultList->setAccessibleName(caption);
}

void ResultsWindow::buildControls()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("n"));
    setFixedSize(twipsRect(0, 0, 9120, 5700).size());
    setBackgroundColour(this, Colours::ResultsBackground);

    m_resultList = new QListWidget(this);
    m_resultList->setObjectName(QStringLiteral("resultList"));
    m_resultList->setFont(designFont(18));
    m_resultList->setGeometry(twipsRect(240, 240, 8655, 5280));
    QPalette palette = m_resultList->palette();
    palette.setColor(QPalette::Base, Colours::ResultListBackground);
    palette.setColor(QPalette::Text, Colours::ResultListText);
    // The current line in the list's colours swapped, whatever the desktop's selection colour,
    // so that the line the keys are on stands out.
    palette.setColor(QPalette::Highlight, Colours::ResultListText);
    palette.setColor(QPalette::HighlightedText, Colours::ResultListBackground);
    m_resultList->setPalette(palette);
    addNewResults();
    // The list holds a line for every result of the run.
    QObject::connect(&run().results(), &Results::added, this, [this] { addNewResults(); });
    m_resultList->installEventFilter(this);

    m_backButton = new ColourButton(QString(), Colours::BackButton, this);
    m_backButton->setObjectName(QStringLiteral("backButton"));
    m_backButton->setGeometry(twipsRect(8040, 360, 735, 735));
    auto *picture = new PictureLabel(QStringLiteral(":/images/list_back.svg"), Qt::AlignCenter,
                                     m_backButton.data());
    picture->setObjectName(QStringLiteral("backPicture"));
    picture->setGeometry(m_backButton->rect());
    connectHandler(m_backButton.data(), &QPushButton::clicked, [this] { onBackClicked(); });
    // The back button's name follows what it does, which the other windows change.
    installEventFilter(this);
    if (m_resultList->count() > 0)
        m_resultList->setFocus();
    else
        m_backButton->setFocus();
}

void ResultsWindow::addNewResults()
{
    const auto &all = run().results().all();
    for (auto k = std::size_t(m_resultList->count()); k < all.size(); ++k)
        m_resultList->addItem(resultLine(all[k]));
    m_resultList->setCurrentRow(m_resultList->count() - 1);
}

void ResultsWindow::fillControls()
{
    flow().centreOnScreen(*this);
    nameBackButton();
}

void ResultsWindow::nameBackButton()
{
    m_backButton->setAccessibleName(
        cameFromModal() ? QCoreApplication::translate("ResultsWindow", "Back to the game over")
        : flow().isOpen<BoardWindow>()
            ? QCoreApplication::translate("ResultsWindow", "Back to the board")
            : QCoreApplication::translate("ResultsWindow", "Play a new board"));
}

bool ResultsWindow::cameFromModal() const
{
    return m_cameFrom && m_cameFrom->isShown() && m_cameFrom->isModal();
}

QString ResultsWindow::openKeyHint()
{
    return QCoreApplication::translate("ResultsWindow", "F9 shows the results of the run.");
}

bool ResultsWindow::isOpenKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_F9 && event->modifiers() == Qt::NoModifier;
}

void ResultsWindow::openFrom(ProgramWindow *from)
{
    takeFocus();
    m_cameFrom = from;
    if (cameFromModal()) {
        hide();
        setWindowModality(Qt::ApplicationModal);
    }
    if (!isOnScreen())
        flow().centreOnScreen(*this);
    setOwner(from);
    showInFront();
    nameBackButton();
}

void ResultsWindow::leave()
{
    const QPointer<ProgramWindow> from = m_cameFrom;
    m_cameFrom = nullptr;
    setOwner(nullptr);
    if (isModal()) {
        hide();
        setWindowModality(Qt::NonModal);
        showBehind();
    }
    if (from && from->isShown())
        from->showInFront();
    else if (flow().isOpen<BoardWindow>())
        flow().boardWanted();
}

void ResultsWindow::takeFocus()
{
    m_cameFrom = nullptr;
    nameBackButton();
    if (m_resultList->count() > 0)
        m_resultList->setFocus(Qt::ActiveWindowFocusReason);
    else
        m_backButton->setFocus(Qt::ActiveWindowFocusReason);
}

// Escape goes back where the list came from.
bool ResultsWindow::onKeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    leave();
    return true;
}

bool ResultsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && watched == this)
        nameBackButton();
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

// The window manager's close goes back as Escape does; alone on the screen, the run ends.
void ResultsWindow::closeRequested()
{
    if (m_cameFrom || flow().isOpen<BoardWindow>())
        leave();
    else
        flow().resultsClosing();
}

void ResultsWindow::onBackClicked()
{
    if (cameFromModal())
        leave();
    else
        flow().boardWanted();
}
