#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_state.h"
#include "core/one_based.h"

// The saved-game text: writing it from the game and reading it back, over
// plain lists of lines. No files and no Qt here (the fuzzer links this alone).

namespace pictorio {

// Lines that start a group in the saved-game text.
inline constexpr std::string_view kPicsMarker = "Pics";
inline constexpr std::string_view kStockMarker = "stuffx";
inline constexpr std::string_view kTrophyMarker = "trophiex";
inline constexpr std::string_view kPictureMarker = "PIC";

// True for the group markers and the four venue codes.
bool IsSaveMarker(std::string_view line);

// What keeps a name typed by the player from naming a file of the game (a
// saved game or a painting) and a line of the saved-game text.
enum class NameFault {
  None,
  Empty,
  Separator,         // "/" or "\"
  DotName,           // "." or ".."
  ControlCharacter,  // tabs, line breaks and the like
  NotWindows1252,    // the saved-game text could not hold it
  SaveMarker,        // a word the saved-game text uses for itself
  TooLong,           // longer than a file name with a four-letter extension
};
NameFault FileNameFault(const std::string& name);

// Why a player's name cannot name a saved game; nothing when it can.
std::optional<std::string> PlayerNameProblem(const std::string& name);

// Value encodings. Booleans are written "-1" / "0" and read as any decimal
// number (non-zero is true) or true/false in any letter case. Floats are
// written in the general form with up to 15 significant digits and '.', and
// read with '.' or ','. Surrounding blanks are forgiven on reading.
std::string FormatSaveBool(bool value);
std::string FormatSaveFloat(double value);
std::optional<bool> ParseSaveBool(std::string_view text);
std::optional<double> ParseSaveFloat(std::string_view text);
std::optional<int> ParseSaveInt(std::string_view text);

// The text of a game: header, stock, pictures, trophies, then the entries of
// every venue that has pictures entered.
std::vector<std::string> WriteSavedGame(const who& state, const OneBased<submittedpic, 4>& venues);

// What a saved-game text holds.
struct LoadedGame {
  who state;
  // Per venue: Entries (Slots + 1 places) and Submitted as the text sets them.
  OneBased<std::vector<std::string>, 4> entries;
  OneBased<bool, 4> submitted;
};

// Reads a saved-game text. `venues` gives the codes and places of the four
// venues. Groups are taken in file order, so a title that reads like a marker
// stays a title; groups beyond the tables are ignored. False with the reason
// (naming the line) when the text is damaged, a picture title or venue entry
// that would lead out of the pictures folder included; `out` is then unspecified.
bool ReadSavedGame(const std::vector<std::string>& lines, const OneBased<submittedpic, 4>& venues,
                   LoadedGame* out, std::string* error);

}  // namespace pictorio
