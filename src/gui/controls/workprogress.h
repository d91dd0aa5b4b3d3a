// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QFutureWatcherBase;

// How long work may run before its progress bar shows, in milliseconds.
inline int ProgressAfterMs = 500;

// Waits until the work `watcher` follows has finished while the windows keep painting. No
// input is taken meanwhile, so no other handler runs. Work that is not done within
// ProgressAfterMs shows a progress bar in front of the active window, rising with the
// watcher's progress (a busy bar while it reports none).
void waitShowingProgress(QFutureWatcherBase &watcher);
