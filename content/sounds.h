// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// "abrir.wav" (a click), "cerrar.wav" (a bright chime), "fallo.wav" (a low buzz):
// 16-bit mono PCM at 44100 Hz.
bool writeSounds(const QString &folder);
