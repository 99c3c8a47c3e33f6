#pragma once

#include "core/settings.h"
#include "ui/screen_fit.h"

class QWidget;

namespace pictorio {

// The player's settings, in the per-user settings file. A file that cannot be
// read, is far larger than the game ever writes, or holds values the game did
// not write gives the defaults for what it spoils.
PlayerSettings LoadSettings();
// Writes the whole set; a failed write loses nothing of the game.
void StoreSettings(const PlayerSettings& settings);

DisplayChoice ReadDisplayChoice();
void WriteDisplayChoice(DisplayChoice choice);

// Run once before any window exists: the whole game is drawn at the scale the
// choice gives on the primary screen. Qt draws text and widgets at that scale
// itself, and maps the mouse back to scene points. Returns the factor.
double ApplySceneScale(DisplayChoice choice);

// A black window under every other, covering the screen around the room when
// the game fills the screen; it takes neither focus nor clicks.
QWidget* MakeBackdrop();

}  // namespace pictorio
