#pragma once

#include <string>

namespace pictorio {

struct Game;
struct Forms;

// Game > New: offers to save a running game, asks for the player's name and starts.
void NewGame(Game& game, Forms& forms);

// Puts a freshly started or loaded game into the running state and runs one clock tick.
void gameon(Game& game, Forms& forms);

// Ends the current game without saving.
void EndGame(Game& game, Forms& forms);

// Asks whether to save the running game: Yes saves it (it keeps running), No ends it.
// When the save fails, asks whether to leave the game unsaved; false when the
// player goes back to it instead, and the caller must then leave it running.
// Leaving the program, a game left unsaved goes to its autosave first.
enum class Leaving { Game, Program };
bool OfferSaveOrEnd(Game& game, Forms& forms, Leaving leaving = Leaving::Game);
// The question alone: Stay when the player goes back to the game after a failed save.
enum class SaveAnswer { Stay, Saved, Unsaved };
SaveAnswer OfferSave(Game& game, Forms& forms);

// Closes an open shop without buying: a basket picked in one game must not be
// paid for from the next one.
void CloseShop(Forms& forms);

}  // namespace pictorio
