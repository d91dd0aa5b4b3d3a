// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class ProgramWindow;
class SetupWindow;
class BoardWindow;
class NameWindow;
class GameOverWindow;
class IntroWindow;
class ResultsWindow;
class PictureCache;

// The one object of each window kind, created on first use.
SetupWindow &setupWindow();
BoardWindow &boardWindow();
NameWindow &nameWindow();
GameOverWindow &gameOverWindow();
IntroWindow &introWindow();
ResultsWindow &resultsWindow();
// The pictures the run keeps for its boards: the check before a board and its deal share it.
PictureCache &runPictures();

// Which window follows which: every hand-over between the windows, and the ends of the
// run. A window's handler calls the step it takes; only this file knows the other windows.
namespace WindowFlow
{

// The program starts on the intro window.
void start();

// Every window but the board places itself on the screen first thing in its start-up:
// centred by its outer size, `raise` twips higher.
void centreOnScreen(ProgramWindow &form, int raise = 0);

// The intro's continue button: the name entry opens.
void introContinued();
// The name entry's start-up closes the intro first and shows the list window last.
void nameEntryLoading();
void nameEntryLoaded();
// The name entry accepted a name: the setup window comes forward.
void nameAccepted();

// The setup window's start-up closes a game-over window still open.
void setupLoading();
// The setup window's play button, and the list window's: a board opens when the chosen set
// can deal a pair; an open board only comes forward.
void playChosen();
void boardWanted();

// The board's start-up: the name entry closes, the list window gets its title. The board
// is handed the chosen set when it opens, read from the setup window (loading it hidden if
// needed).
void boardLoading();
void titleResults(const QString &caption);
// The board's list button brings the list window forward.
void resultsWanted();
// The last pair was found: its result line goes to the list window.
void gameCompleted(const QString &resultLine);
// The tick after the last pair: the game-over window, modal, then the board closes.
void gameOver();
// What the game-over window shows: the board's clock as it stopped.
QString finalSecondsCaption();
// The game-over window's keep-playing button: the board and it close, setup comes forward.
void keepPlaying();

// The board's close button, the game-over window's finish button and closing the setup
// window end the run at once, whatever windows are open.
void endProgram();
// The window manager's close request on the list window, which has no close control: it
// ends the run when no other window is on the screen (the name entry was closed before the
// setup window opened), so that the player is never left with a window that cannot go.
void resultsClosing();

// Destroys every window object, as if a new run began; for tests.
void resetRun();

} // namespace WindowFlow
