#include "core/paths.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace pictorio {

std::string NativePath(const std::string& gamePath) {
  std::string native = gamePath;
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

bool HoldsGameFiles(const std::string& folder) {
  if (folder.empty()) return false;
  // The room's picture and the help text stand for the whole set: the
  // generator writes them together with everything else.
  std::error_code ignored;
  return std::filesystem::is_regular_file(NativePath(folder + "\\design\\room.png"), ignored) &&
         std::filesystem::is_regular_file(NativePath(folder + "\\Pictorio Help.txt"), ignored);
}

AssetRootChoice ChooseAssetRoot(const std::string& currentFolder,
                                const std::string& programFolder) {
  if (HoldsGameFiles(currentFolder)) return {currentFolder, "", false};
  if (HoldsGameFiles(programFolder)) return {programFolder, "", false};
  const std::string installed =
      programFolder.empty()
          ? ""
          : (std::filesystem::path(programFolder).parent_path() / "share" / "pictorio").string();
  if (HoldsGameFiles(installed)) return {installed, "", true};
  std::string where = "'" + currentFolder + "'";
  if (!programFolder.empty() && programFolder != currentFolder)
    where += " or beside the program in '" + programFolder + "'";
  return {"", "Pictorio cannot find its pictures and sounds in " + where +
                  ". Please start it from its game folder."};
}

std::string ChoosePlayerRoot(const AssetRootChoice& assets, const std::string& dataHome) {
  // An installed game's folder is never written, even by a user who could.
  if (!assets.installed && !assets.root.empty() && ::access(assets.root.c_str(), W_OK) == 0)
    return assets.root;
  if (dataHome.empty()) return "";
  return (std::filesystem::path(dataHome) / "pictorio").string();
}

}  // namespace pictorio
