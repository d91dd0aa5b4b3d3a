// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QThreadPool>

// The decode pool: the threads that decode pictures, one a core the process may run on, and
// the budget of memory that all decodes running at once share (DecodeBudgetBytes).
QThreadPool &decodePool();

// Lets Qt's reader allocate what the budget allows: its own default limit would refuse big
// photos that are shown scaled down.
void allowLargePictures();

// A part of the budget, held from its making to its end: waits, when the budget is spent,
// until decodes running give theirs back, which they always do.
class DecodeBudgetHold
{
public:
    // `bytes` at most DecodeBudgetBytes; `path` is named in the log when it waits.
    DecodeBudgetHold(qint64 bytes, const QString &path);
    ~DecodeBudgetHold();
    DecodeBudgetHold(const DecodeBudgetHold &) = delete;
    DecodeBudgetHold &operator=(const DecodeBudgetHold &) = delete;

private:
    int m_units;
};
