// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QProgressDialog>
#include <chrono>

// How long work may run before its progress window shows: the player sees something happen
// well within half a second of a click.
inline constexpr std::chrono::milliseconds ProgressAfter{250};

// The progress window of a long deal, in front of `owner`, the window the deal was asked
// from: it shows once `showAfter` has passed since it was made, saying that the cards are
// dealt, a busy bar until it is given a range. The pointer shows the program busy while it
// lives. Its cancel button, Escape and a close request on it emit canceled().
class WorkProgress : public QProgressDialog
{
    Q_DECLARE_TR_FUNCTIONS(WorkProgress)

public:
    WorkProgress(QWidget *owner, std::chrono::milliseconds showAfter);
    ~WorkProgress() override;
    WorkProgress(const WorkProgress &) = delete;
    WorkProgress &operator=(const WorkProgress &) = delete;
};
