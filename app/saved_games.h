#pragma once

#include <string>
#include <vector>

namespace pictorio {

struct Game;
struct Forms;

// Rebuilds the saved-game text from the running game, then refreshes the room.
void SnapshotGame(Game& game, Forms& forms);

// Writes the running game under the player's name and lists it in the save index.
// False when the game is not on disk afterwards (a failure was reported, or
// the player would not replace another game of the same name).
bool SaveGame(Game& game, Forms& forms);

// Game > Load and Game > Delete: the dialogs over the save index.
void LoadGame(Game& game, Forms& forms);
void DeleteGame(Game& game, Forms& forms);

// A player's name becomes a file name: false with the reason when it cannot be one.
bool IsUsablePlayerName(const std::string& name, std::string* reason);

// The save index and a game's file, as native paths.
std::string SaveIndexPath(const Game& game);
std::string SavedGamePath(const Game& game, const std::string& name);
// The career book beside it.
std::string BookPath(const Game& game, const std::string& name);

// At start-up: a missing save index is created holding its two reserved lines.
void EnsureSaveIndex(const Game& game);

// Reads the save index into the info bar's index list; reports a failure and returns false.
bool ReadSaveIndex(Game& game, Forms& forms);

// The saved-game file of `name`, checked line by line. False with the message
// the player sees when it cannot be read or is damaged.
bool ReadSavedGameFile(Game& game, const std::string& name, std::vector<std::string>* lines,
                       std::string* message);

// The autosave: the running game written under its player's name in a folder
// of its own, so it never replaces a game the player saved. Written at the
// start of each game week and when the player leaves the program without
// saving, when Options > Autosave is on. A failed write is reported once a run.
std::string AutosaveFolder(const Game& game);
bool Autosave(Game& game);
// The players with an autosave, sorted; names no game could be saved under
// are left out, and at most kMostAutosavesListed are listed.
inline constexpr int kMostAutosavesListed = 100;
std::vector<std::string> AutosavedPlayers(const Game& game);
bool ReadAutosaveFile(Game& game, const std::string& player, std::vector<std::string>* lines,
                      std::string* message);

// Removes the game at `position` (0-based, after the reserved lines) from the
// index, writes it back and deletes the game's file. False with the reason
// when the index cannot be written; nothing is deleted then.
bool RemoveSavedGame(Game& game, Forms& forms, int position, std::string* error);

}  // namespace pictorio
