#pragma once

#include "ui/screen_fit.h"

class QWidget;

namespace pictorio {

// The display choice is the player's, kept between runs in the per-user
// settings; anything but a choice the game wrote reads as the whole screen.
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
