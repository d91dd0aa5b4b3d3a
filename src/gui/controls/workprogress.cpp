// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workprogress.h"

#include <QGuiApplication>
#include <QTimer>
#include <limits>

WorkProgress::WorkProgress(QWidget *owner, std::chrono::milliseconds showAfter)
    : QProgressDialog(owner)
{
    setObjectName(QStringLiteral("WorkProgress"));
    setWindowTitle(QStringLiteral("Zindle"));
    setLabelText(tr("Dealing the cards…"));
    // Qt's own words for the button are not among the game's translations.
    setCancelButtonText(tr("Cancel"));
    setAccessibleName(labelText());
    setRange(0, 0);
    setModal(false);
    // Shown by the timer alone: the dialog's own guess from its first values comes late.
    setMinimumDuration(std::numeric_limits<int>::max());
    // The bar closes when the work ends, not when it reaches its last value.
    setAutoClose(false);
    setAutoReset(false);
    QTimer::singleShot(showAfter, this, [this] {
        if (!wasCanceled())
            show();
    });
    // Escape rejects the dialog, which says nothing of its own.
    connect(this, &QDialog::rejected, this, &QProgressDialog::canceled);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
}

WorkProgress::~WorkProgress()
{
    QGuiApplication::restoreOverrideCursor();
}
