#pragma once

#include <string>

namespace pictorio {

// The game writes every path as AssetRoot + "\folder\file"; on this system the
// separator is '/', so the backslashes become slashes.
std::string NativePath(const std::string& gamePath);

// True when the folder holds the game's files (its pictures and its help text).
bool HoldsGameFiles(const std::string& folder);

// Where the game's files are: the current folder when it holds them, else the
// program's own folder when that does (the game was started from elsewhere).
// When neither does, `root` is empty and `error` says which folder lacks them.
struct AssetRootChoice {
  std::string root;
  std::string error;
};
AssetRootChoice ChooseAssetRoot(const std::string& currentFolder, const std::string& programFolder);

}  // namespace pictorio
