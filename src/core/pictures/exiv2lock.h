// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <mutex>

// Exiv2's XMP parser keeps state of its own for the whole process: every use of Exiv2, the
// captions read and the captions the set maker writes alike, holds this lock. Exiv2 is made
// ready (its XMP parser started, its log muted) the first time.
std::unique_lock<std::mutex> lockExiv2();
