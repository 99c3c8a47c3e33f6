#pragma once

#include <string>

namespace pictorio {

struct Game;
struct Forms;

// Rebuilds the saved-game text from the running game, then refreshes the room.
void SnapshotGame(Game& game, Forms& forms);

// Writes the running game under the player's name and lists it in the save index.
void SaveGame(Game& game, Forms& forms);

// Game > Load and Game > Delete: the dialogs over the save index.
void LoadGame(Game& game, Forms& forms);
void DeleteGame(Game& game, Forms& forms);

// A player's name becomes a file name: false with the reason when it cannot be one.
bool IsUsablePlayerName(const std::string& name, std::string* reason);

}  // namespace pictorio
