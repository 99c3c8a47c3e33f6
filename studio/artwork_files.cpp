#include "studio/artwork_files.h"

#include <sys/stat.h>

#include <QImage>
#include <QString>
#include <filesystem>
#include <system_error>

#include "core/game.h"
#include "core/save_text.h"
#include "ui/picture_io.h"

namespace pictorio {

std::string PicturePath(const Game& game, const std::string& title) {
  return PlayerPath(game, "\\pictures\\" + title + ".jpg");
}

std::optional<std::string> ArtworkTitleProblem(const std::string& title) {
  const std::string again = " Please choose another name.";
  switch (FileNameFault(title)) {
    case NameFault::None:
      // Spaces alone make a file no one can tell apart and a blank line in every list.
      if (QString::fromStdString(title).trimmed().isEmpty())
        return "The name cannot be made of spaces only." + again;
      return std::nullopt;
    case NameFault::Empty:
      return std::nullopt;
    case NameFault::Separator:
      return "An artwork is saved under its name, so the name cannot contain \"/\" or \"\\\"." +
             again;
    case NameFault::DotName:
      return "An artwork is saved under its name, so the name cannot be \"" + title + "\"." + again;
    case NameFault::ControlCharacter:
      return "The name cannot contain control characters such as tabs." + again;
    case NameFault::NotWindows1252:
      return "The name contains characters that a saved game cannot hold. Please use letters, "
             "digits and common punctuation.";
    case NameFault::SaveMarker:
      return "\"" + title + "\" is a word the saved game uses for itself." + again;
    case NameFault::TooLong:
      return "The name is too long." + again;
  }
  return std::nullopt;
}

bool ArtworkTitleTaken(const Game& game, const std::string& title) {
  // A sold picture whose file was deleted keeps its title: a new picture of
  // that name would be taken for it by every search by title.
  for (const picrec& picture : game.GameState.Pictures)
    if (picture.Title == title) return true;
  // lstat: a dangling link or a folder of that name takes the title too.
  struct stat info {};
  return ::lstat(PicturePath(game, title).c_str(), &info) == 0;
}

std::string TitleTakenWarning(const std::string& title) {
  return "The name \"" + title + "\" was used for a previous artwork. Please choose another name.";
}

bool WriteArtwork(const Game& game, const std::string& title, const QImage& canvas,
                  std::string* error) {
  const std::filesystem::path path = PicturePath(game, title);
  std::error_code ignored;
  // A missing folder is made; if that fails, the write below says why.
  std::filesystem::create_directories(path.parent_path(), ignored);
  return SaveJpegSafely(canvas, path.string(), 90, error);
}

void AppendPictureEntry(std::vector<std::string>& text, const std::string& title,
                        const std::string& style, double value) {
  text.push_back(std::string(kPictureMarker));
  text.push_back(title);
  text.push_back(style);
  text.push_back(FormatSaveFloat(value));
  text.push_back("FALSE");
  text.push_back("FALSE");
}

void SetPictureCountLine(std::vector<std::string>& text, int count) {
  if (text.size() < 2) text.resize(2);
  text[1] = std::to_string(count);
}

picrec* StudioRecord(who& state, const std::string& title) {
  for (auto record = state.Pictures.rbegin(); record != state.Pictures.rend(); ++record)
    if (record->Title == title) return &*record;
  return nullptr;
}

}  // namespace pictorio
