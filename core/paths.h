#pragma once

#include <string>

namespace pictorio {

// The game writes every path as AssetRoot + "\folder\file"; on this system the
// separator is '/', so the backslashes become slashes.
std::string NativePath(const std::string& gamePath);

// True when the folder holds the game's files (its pictures and its help text).
bool HoldsGameFiles(const std::string& folder);

// Where the game's files are: the current folder when it holds them, else the
// program's own folder when that does (a portable copy started from
// elsewhere), else share/pictorio beside the program's bin folder (an
// installed game). When none does, `root` is empty and `error` says where
// they were looked for.
struct AssetRootChoice {
  std::string root;
  std::string error;
  bool installed = false;
};
AssetRootChoice ChooseAssetRoot(const std::string& currentFolder, const std::string& programFolder);

// Where the player's saved games and pictures go: beside the game's files in
// a portable copy the player may write to, as the game always did; for an
// installed game, or a folder the player cannot write, "pictorio" in the
// player's data folder (`dataHome`, from XDG_DATA_HOME or ~/.local/share).
// Empty when there is no such folder either.
std::string ChoosePlayerRoot(const AssetRootChoice& assets, const std::string& dataHome);

}  // namespace pictorio
