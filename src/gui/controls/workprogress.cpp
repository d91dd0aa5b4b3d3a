// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workprogress.h"

#include <QGuiApplication>
#include <QProgressBar>
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
    // Named with its share done, as a screen reader says the window: "Dealing the cards…
    // 40 %", only the words while the bar is busy.
    if (auto *bar = findChild<QProgressBar *>()) {
        connect(bar, &QProgressBar::valueChanged, this, [this, bar] {
            const int span = bar->maximum() - bar->minimum();
            setAccessibleName(span <= 0 || bar->value() < bar->minimum()
                                  ? labelText()
                                  : tr("Dealing the cards… %1 %")
                                        .arg((bar->value() - bar->minimum()) * 100 / span));
        });
    }
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
