// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/programwindow.h"

#include <QListWidget>
#include <QPointer>

class ColourButton;

// The list of results of the run.
class ResultsWindow : public ProgramWindow
{
public:
    using ProgramWindow::ProgramWindow;

    // Sets the title.
    void setCaption(const QString &caption);

    void closeRequested() override;
    // The list takes the focus on its latest result, where a screen reader reads it and the
    // arrow keys go through the others; an empty list leaves it to the back button.
    void takeFocus();
    // The key that opens the list from the setup and game-over windows; openKeyHint() says
    // which.
    static bool isOpenKey(const QKeyEvent *event);
    static QString openKeyHint();
    // Brings the list forward from `from`, the window Escape goes back to: over a modal
    // window the list is modal too while it shows from there.
    void openFrom(ProgramWindow *from);

protected:
    void buildControls() override;
    void fillControls() override;
    bool onKeyDown(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onBackClicked();
    // Lines for the results the list does not show yet; the latest is the current one.
    void addNewResults();
    // Back to the window the list came from, else to an open board; never a new board.
    void leave();
    void nameBackButton();
    bool cameFromModal() const;

    QPointer<QListWidget> m_resultList;
    QPointer<ColourButton> m_backButton;
    // The window that opened the list by its key, while it is there.
    QPointer<ProgramWindow> m_cameFrom;
};
