// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/programwindow.h"

#include <QListWidget>

class ColourButton;

// The list of results of the run.
class ResultsWindow : public ProgramWindow
{
public:
    explicit ResultsWindow(const WindowContext &context);

    // Sets the title, loading the window hidden if needed.
    void setCaption(const QString &caption);

    void closeRequested() override;
    // The list takes the focus on its latest result, where a screen reader reads it and the
    // arrow keys go through the others; an empty list leaves it to the back button.
    void takeFocus();

protected:
    void buildControls(WindowWidget *window) override;
    void onLoad() override;
    bool onKeyDown(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onBackClicked();

    QPointer<QListWidget> m_resultList;
    QPointer<ColourButton> m_backButton;
};
