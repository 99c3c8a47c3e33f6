#include "core/save_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/text_file.h"

namespace pictorio {
namespace {

constexpr std::string_view kVenueCodes[] = {"FLEAXXB", "LOCALXXB", "NATIONALXXB", "INTERXXB"};

// A file name holds at most 255 bytes, and ".sgm" or ".jpg" takes four of them.
constexpr std::size_t kLongestName = 251;

// A clock far beyond any career; keeps every later tick inside an int.
constexpr int kLatestHour = 1'000'000'000;

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// from_chars takes no '+'; a number may still carry one. False for a bare or doubled sign.
bool StripPlus(std::string_view* text) {
  if (!text->empty() && text->front() == '+') {
    text->remove_prefix(1);
    if (text->empty() || text->front() == '+' || text->front() == '-') return false;
  }
  return !text->empty();
}

bool HasControlCharacter(const std::string& utf8) {
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x20 || c == 0x7F) return true;
    // U+0080..U+009F, the second set of control characters.
    if (c == 0xC2 && i + 1 < utf8.size()) {
      const auto next = static_cast<unsigned char>(utf8[i + 1]);
      if (next >= 0x80 && next <= 0x9F) return true;
    }
  }
  return false;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

// A picture's title becomes a path in the pictures folder. The studio has
// always refused these faults, so only an edited file holds them, and they
// would lead the path elsewhere. The other faults stay readable, so no save
// the game ever wrote is refused: an empty or blank title still names a file
// inside the folder, a marker word is read as a title since groups are read in
// order, a too-long title only fails to open like a missing file, and a
// Windows-1252 file cannot hold a character Windows-1252 lacks. FileNameFault
// names these three before any of the others.
bool LeadsOutOfPictures(const std::string& title) {
  switch (FileNameFault(title)) {
    case NameFault::Separator:
    case NameFault::DotName:
    case NameFault::ControlCharacter:
      return true;
    default:
      return false;
  }
}

// What is written never lies beyond what is read back.
double Bounded(double value, double most) {
  if (std::isnan(value)) return 0.0;
  return std::clamp(value, -most, most);
}

int Bounded(int value, int least, int most) {
  return std::clamp(value, least, most);
}

// Walks the lines of a saved-game text, naming lines 1-based in its errors.
class Reader {
 public:
  Reader(const std::vector<std::string>& lines, std::string* error)
      : lines_(lines), error_(error) {}

  std::size_t size() const { return lines_.size(); }
  const std::string& line(std::size_t i) const { return lines_[i]; }

  bool Fail(std::size_t i, const std::string& why) {
    if (error_) *error_ = "Line " + std::to_string(i + 1) + ": " + why;
    return false;
  }

  bool Int(std::size_t i, int* value) {
    if (auto parsed = ParseSaveInt(lines_[i])) {
      *value = *parsed;
      return true;
    }
    return Fail(i, Quoted(lines_[i]) + " is not a whole number.");
  }

  bool Float(std::size_t i, double* value) {
    if (auto parsed = ParseSaveFloat(lines_[i])) {
      *value = *parsed;
      return true;
    }
    return Fail(i, Quoted(lines_[i]) + " is not a number.");
  }

  bool Title(std::size_t i) {
    if (!LeadsOutOfPictures(lines_[i])) return true;
    return Fail(i, "the picture's title " + Quoted(lines_[i]) + " cannot name a picture file.");
  }

  bool Bool(std::size_t i, bool* value) {
    if (auto parsed = ParseSaveBool(lines_[i])) {
      *value = *parsed;
      return true;
    }
    return Fail(i, Quoted(lines_[i]) + " is neither true nor false.");
  }

  // A group of `length` lines starting at `at` must end inside the text.
  bool Whole(std::size_t at, std::size_t length) {
    if (at + length <= lines_.size()) return true;
    return Fail(lines_.size() - 1,
                "the file ends in the middle of a " + Quoted(lines_[at]) + " group.");
  }

 private:
  const std::vector<std::string>& lines_;
  std::string* error_;
};

}  // namespace

bool IsSaveMarker(std::string_view line) {
  if (line == kPicsMarker || line == kStockMarker || line == kTrophyMarker ||
      line == kPictureMarker)
    return true;
  for (std::string_view code : kVenueCodes)
    if (line == code) return true;
  return false;
}

NameFault FileNameFault(const std::string& name) {
  if (name.empty()) return NameFault::Empty;
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
    return NameFault::Separator;
  if (name == "." || name == "..") return NameFault::DotName;
  if (HasControlCharacter(name)) return NameFault::ControlCharacter;
  if (!ToWindows1252(name)) return NameFault::NotWindows1252;
  if (IsSaveMarker(name)) return NameFault::SaveMarker;
  if (name.size() > kLongestName) return NameFault::TooLong;
  return NameFault::None;
}

std::optional<std::string> PlayerNameProblem(const std::string& name) {
  switch (FileNameFault(name)) {
    case NameFault::None:
      return std::nullopt;
    case NameFault::Empty:
      return "Please enter a name.";
    case NameFault::Separator:
      return "Your game is saved under your name, so the name cannot contain \"/\" or \"\\\".";
    case NameFault::DotName:
      return "Your game is saved under your name, so the name cannot be \"" + name + "\".";
    case NameFault::ControlCharacter:
      return "The name cannot contain control characters such as tabs.";
    case NameFault::NotWindows1252:
      return "The name contains characters that a saved game cannot hold. Please use letters, "
             "digits and common punctuation.";
    case NameFault::SaveMarker:
      return "\"" + name +
             "\" is a word the saved game uses for itself. Please choose another name.";
    case NameFault::TooLong:
      return "The name is too long. Please choose a shorter one.";
  }
  return std::nullopt;
}

std::string FormatSaveBool(bool value) {
  return value ? "-1" : "0";
}

std::string FormatSaveFloat(double value) {
  // to_chars ignores the process locale: the separator is always '.'.
  char buffer[64];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

std::optional<int> ParseSaveInt(std::string_view text) {
  text = Trim(text);
  if (!StripPlus(&text)) return std::nullopt;
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseSaveFloat(std::string_view text) {
  text = Trim(text);
  if (!StripPlus(&text)) return std::nullopt;
  // Written with '.', but a file from a comma locale is read as well.
  std::string number(text);
  const std::size_t comma = number.find(',');
  if (comma != std::string::npos) {
    if (number.find('.') != std::string::npos || number.find(',', comma + 1) != std::string::npos)
      return std::nullopt;
    number[comma] = '.';
  }
  double value = 0.0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                   std::chars_format::general);
  if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<bool> ParseSaveBool(std::string_view text) {
  text = Trim(text);
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (lower == "true") return true;
  if (lower == "false") return false;
  if (auto number = ParseSaveFloat(text)) return *number != 0.0;
  return std::nullopt;
}

std::vector<std::string> WriteSavedGame(const who& state, const OneBased<submittedpic, 4>& venues) {
  std::vector<std::string> lines;
  lines.reserve(7 + 5 * kStockSlots + 6 * state.Pictures.size() + 2 * kTrophyCount + 2 * 23);
  lines.push_back(state.PlayerName);
  // The count always matches the groups below, so the file reads back whole.
  lines.push_back(std::to_string(state.Pictures.size()));
  lines.push_back(std::to_string(Bounded(state.Reputation, -kMostReputation, kMostReputation)));
  lines.push_back(FormatSaveFloat(Bounded(state.Money, kMostMoney)));
  lines.push_back(std::to_string(Bounded(state.SavedHours, 0, kLatestHour)));
  lines.push_back(std::to_string(Bounded(state.PicturesSold, 0, kMostPictures)));
  lines.emplace_back(kPicsMarker);
  for (const stuffrec& slot : state.Stock) {
    lines.emplace_back(kStockMarker);
    lines.push_back(slot.Name);
    lines.push_back(slot.Kind);
    lines.push_back(FormatSaveBool(slot.Owned));
    lines.push_back(std::to_string(Bounded(slot.Units, -kMostStockUnits, kMostStockUnits)));
  }
  for (const picrec& picture : state.Pictures) {
    lines.emplace_back(kPictureMarker);
    lines.push_back(picture.Title);
    lines.push_back(picture.Kind);
    lines.push_back(FormatSaveFloat(Bounded(picture.Value, kMostMoney)));
    // Gone before AtVenue: the file's order, not the record's.
    lines.push_back(FormatSaveBool(picture.Gone));
    lines.push_back(FormatSaveBool(picture.AtVenue));
  }
  for (bool won : state.Trophies) {
    lines.emplace_back(kTrophyMarker);
    lines.push_back(FormatSaveBool(won));
  }
  for (const submittedpic& venue : venues) {
    if (!venue.Submitted) continue;
    for (int j = 0; j < venue.Slots; ++j) {
      lines.push_back(venue.Code);
      const auto k = static_cast<std::size_t>(j);
      lines.push_back(k < venue.Entries.size() ? venue.Entries[k] : std::string());
    }
  }
  return lines;
}

bool ReadSavedGame(const std::vector<std::string>& lines, const OneBased<submittedpic, 4>& venues,
                   LoadedGame* out, std::string* error) {
  Reader in(lines, error);
  constexpr std::size_t kHeader = 6;
  if (lines.size() < kHeader) {
    if (error)
      *error =
          "The file has " + std::to_string(lines.size()) + " lines; a saved game starts with 6.";
    return false;
  }

  LoadedGame loaded;
  who& state = loaded.state;
  state.PlayerName = lines[0];
  if (auto problem = PlayerNameProblem(state.PlayerName))
    return in.Fail(0, "the player's name " + Quoted(state.PlayerName) + " cannot name a game.");
  if (!in.Int(1, &state.PictureCount) || !in.Int(2, &state.Reputation) ||
      !in.Float(3, &state.Money) || !in.Int(4, &state.SavedHours) ||
      !in.Int(5, &state.PicturesSold))
    return false;
  if (state.PictureCount < 0) return in.Fail(1, "the number of pictures cannot be negative.");
  if (state.Reputation < -kMostReputation || state.Reputation > kMostReputation)
    return in.Fail(2, "the reputation " + Quoted(lines[2]) + " is out of range.");
  if (!(std::fabs(state.Money) <= kMostMoney))
    return in.Fail(3, "the money " + Quoted(lines[3]) + " is out of range.");
  if (state.PicturesSold < 0 || state.PicturesSold > kMostPictures)
    return in.Fail(5, "the number of pictures sold " + Quoted(lines[5]) + " is out of range.");
  // Six lines per picture: a larger count cannot be true, so nothing is sized by it.
  const std::size_t room = (lines.size() - kHeader) / 6;
  if (static_cast<std::size_t>(state.PictureCount) > room)
    return in.Fail(
        1, std::to_string(state.PictureCount) + " pictures cannot fit in a file of this length.");
  if (state.PictureCount > kMostPictures)
    return in.Fail(1, "the number of pictures " + Quoted(lines[1]) + " is out of range.");
  if (state.SavedHours < 0 || state.SavedHours > kLatestHour)
    return in.Fail(4, "the game's hour " + Quoted(lines[4]) + " is out of range.");

  OneBased<int, 4> placed{};
  for (int v = 1; v <= 4; ++v) {
    const int places = venues[v].Slots > 0 ? venues[v].Slots : 0;
    loaded.entries[v].assign(static_cast<std::size_t>(places) + 1, std::string());
  }
  int slot = 0;
  int trophy = 0;
  const auto pictures = static_cast<std::size_t>(state.PictureCount);
  state.Pictures.reserve(pictures);

  // Groups in file order: other windows append theirs out of the table's order,
  // and a value line is never mistaken for a marker. Stray lines are skipped.
  std::size_t i = kHeader;
  while (i < lines.size()) {
    const std::string& line = lines[i];
    if (line == kStockMarker) {
      if (!in.Whole(i, 5)) return false;
      stuffrec read;
      read.Name = lines[i + 1];
      read.Kind = lines[i + 2];
      if (++slot <= kStockSlots) {
        if (!in.Bool(i + 3, &read.Owned) || !in.Int(i + 4, &read.Units)) return false;
        if (read.Units < -kMostStockUnits || read.Units > kMostStockUnits)
          return in.Fail(i + 4, "the amount " + Quoted(lines[i + 4]) + " is out of range.");
        state.Stock[slot] = read;
      }
      i += 5;
    } else if (line == kTrophyMarker) {
      if (!in.Whole(i, 2)) return false;
      if (++trophy <= kTrophyCount && !in.Bool(i + 1, &state.Trophies[trophy])) return false;
      i += 2;
    } else if (line == kPictureMarker) {
      if (!in.Whole(i, 6)) return false;
      if (state.Pictures.size() < pictures) {
        picrec read;
        read.Title = lines[i + 1];
        read.Kind = lines[i + 2];
        if (!in.Title(i + 1) || !in.Float(i + 3, &read.Value) || !in.Bool(i + 4, &read.Gone) ||
            !in.Bool(i + 5, &read.AtVenue))
          return false;
        if (!(std::fabs(read.Value) <= kMostMoney))
          return in.Fail(i + 3, "the value " + Quoted(lines[i + 3]) + " is out of range.");
        state.Pictures.push_back(read);
      }
      i += 6;
    } else {
      int venue = 0;
      for (int v = 1; v <= 4; ++v)
        if (line == venues[v].Code) venue = v;
      if (venue == 0) {
        ++i;
        continue;
      }
      if (!in.Whole(i, 2) || !in.Title(i + 1)) return false;
      // Only the places the venue has; the spare last one is never written.
      if (placed[venue] < venues[venue].Slots)
        loaded.entries[venue][static_cast<std::size_t>(placed[venue])] = lines[i + 1];
      ++placed[venue];
      i += 2;
    }
  }

  if (state.Pictures.size() < pictures)
    return in.Fail(1, std::to_string(state.PictureCount) +
                          " pictures are announced but the file holds " +
                          std::to_string(state.Pictures.size()) + ".");
  for (int v = 1; v <= 4; ++v) {
    const int places = venues[v].Slots;
    loaded.submitted[v] =
        places > 0 && !loaded.entries[v][static_cast<std::size_t>(places - 1)].empty();
  }
  if (out) *out = std::move(loaded);
  return true;
}

}  // namespace pictorio
