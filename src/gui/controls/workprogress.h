// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

class QFutureWatcherBase;
class QWidget;

// How long work may run before its progress window shows: the player sees something happen
// well within half a second of a click.
inline constexpr std::chrono::milliseconds ProgressAfter{250};

// Waits until the work `watcher` follows has finished while the windows keep painting, the
// pointer busy meanwhile. Work that is not done within `showAfter` shows a progress window
// in front of `owner`, the window the work was asked from, saying that the cards are dealt
// and rising with the watcher's progress (a busy bar while it reports none).
//
// The player can stop the work: the progress window's cancel button, Escape, or a close
// request on it or on `owner` cancels the watcher's future. The wait still lasts until the
// work has stopped, so that nothing is left half-written. No other input reaches the windows
// meanwhile, so no other handler runs; a close request made on any window reaches it once
// the work has stopped.
void waitShowingProgress(QFutureWatcherBase &watcher, QWidget *owner,
                         std::chrono::milliseconds showAfter = ProgressAfter);
