// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// Every colour of the windows, by the part it plays. The windows were drawn with colours
// written &H00BBGGRR; they stay in that notation here so that each reads as drawn. Every
// text stands out from its background by at least 4.5:1, so that a player who sees poorly
// reads it: where the drawn text colour did not, the text is darker or white.
namespace Colours
{

constexpr QColor fromBgr(unsigned bbggrr)
{
    return QColor(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

inline constexpr QColor White = fromBgr(0xFFFFFF);
inline constexpr QColor Black = fromBgr(0x000000);
// The caption of a button that cannot be pressed, readable on every button colour.
inline constexpr QColor DisabledText = fromBgr(0x595959);

inline constexpr QColor IntroBackground = White;
inline constexpr QColor ContinueButton = fromBgr(0xFFFF00);

inline constexpr QColor NameBackground = fromBgr(0x80C0FF);
inline constexpr QColor AcceptButton = fromBgr(0xFF8080);

inline constexpr QColor SetupBackground = fromBgr(0xC0E0FF);
inline constexpr QColor InstructionText = fromBgr(0xC00000);
inline constexpr QColor SetBoxBackground = fromBgr(0x80FF80);
inline constexpr QColor PairButton = fromBgr(0x00FFFF);
inline constexpr QColor ChosenPairButton = fromBgr(0x00FF00);
inline constexpr QColor PlayButton = fromBgr(0x0000FF);

inline constexpr QColor BoardBackground = White;
inline constexpr QColor PlayerNameBackground = fromBgr(0xC0C0C0);
inline constexpr QColor PlayerNameText = fromBgr(0x000099);
inline constexpr QColor BoardButtonBackground = White;
inline constexpr QColor SelectionFrame = fromBgr(0x0000FF);
// The keyboard's mark, drawn over any picture.
inline constexpr QColor FocusMark = White;

inline constexpr QColor GameOverBackground = fromBgr(0xFFC0C0);
inline constexpr QColor GameOverText = fromBgr(0xFF0000);
inline constexpr QColor KeepPlayingButton = fromBgr(0xFF0000);
inline constexpr QColor KeepPlayingText = White;
inline constexpr QColor FinishButton = fromBgr(0x0000FF);

inline constexpr QColor ResultsBackground = White;
inline constexpr QColor ResultListBackground = fromBgr(0x004000);
inline constexpr QColor ResultListText = White;
inline constexpr QColor BackButton = fromBgr(0xC0C0C0);

} // namespace Colours
