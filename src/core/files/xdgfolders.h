// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The XDG base directory rules say a relative path in XDG_CONFIG_HOME, XDG_CACHE_HOME,
// XDG_DATA_HOME, XDG_STATE_HOME, XDG_DATA_DIRS or XDG_CONFIG_DIRS is invalid and to be
// ignored; Qt uses it, relative to the working folder. Called at the start, before any
// folder is looked up, this takes such paths out of the environment (with a warning), so
// that every lookup falls back to the defaults (~/.config, ~/.cache ...).
void ignoreRelativeXdgFolders();
