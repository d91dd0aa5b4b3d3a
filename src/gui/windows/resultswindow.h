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
    explicit ResultsWindow(WindowFlow &flow);

    // Sets the title, loading the window hidden if needed.
    void setCaption(const QString &caption);

    void closeRequested() override;
    // The back button takes the focus and shows its mark, as when the window opens.
    void focusBackButton();

protected:
    void buildControls(WindowWidget *window) override;
    void onLoad() override;
    bool onKeyDown(QKeyEvent *event) override;

private:
    void onBackClicked();

    QPointer<QListWidget> m_resultList;
    QPointer<ColourButton> m_backButton;
};
