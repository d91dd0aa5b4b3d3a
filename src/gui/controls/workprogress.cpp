// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workprogress.h"

#include <QApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QTimer>
#include <limits>

void waitShowingProgress(QFutureWatcherBase &watcher)
{
    if (watcher.isFinished())
        return;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    QProgressDialog progress(QApplication::activeWindow());
    progress.setObjectName(QStringLiteral("WorkProgress"));
    progress.setCancelButton(nullptr);
    progress.setRange(0, 0);
    progress.setModal(false);
    // Shown by the timer alone: the dialog's own guess from its first values comes late.
    progress.setMinimumDuration(std::numeric_limits<int>::max());
    QTimer::singleShot(ProgressAfterMs, &progress, &QWidget::show);
    // The bar closes when the work ends, not when it reaches its last value.
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QObject::connect(&watcher, &QFutureWatcherBase::progressRangeChanged, &progress,
                     &QProgressDialog::setRange);
    QObject::connect(&watcher, &QFutureWatcherBase::progressValueChanged, &progress,
                     &QProgressDialog::setValue);
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}
