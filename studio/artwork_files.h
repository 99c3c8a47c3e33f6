#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <vector>

namespace pictorio {

struct Game;
struct picrec;
struct who;

// The painting of `title`: "\pictures\" + title + ".jpg" among the player's files, native.
std::string PicturePath(const Game& game, const std::string& title);

// Why a title cannot name a painting file and a line of the saved game, as
// the warning the player reads before being asked again; nothing when it can.
// "PIC" is refused without a word elsewhere.
std::optional<std::string> ArtworkTitleProblem(const std::string& title);

// Any picture of the game, file or no file, and any file of that name take
// the title, readable as a picture or not.
bool ArtworkTitleTaken(const Game& game, const std::string& title);

// The "was used for a previous artwork" warning.
std::string TitleTakenWarning(const std::string& title);

// Writes the canvas as the painting of `title` (baseline JPEG, quality 90)
// through a temporary file, creating the pictures folder if need be. A failed
// write keeps the old file; false with the system's reason.
bool WriteArtwork(const Game& game, const std::string& title, const QImage& canvas,
                  std::string* error);

// The saved-game text: a new picture's six lines and the count on line 2.
void AppendPictureEntry(std::vector<std::string>& text, const std::string& title,
                        const std::string& style, double value);
void SetPictureCountLine(std::vector<std::string>& text, int count);

// The record that holds a title's style and worth for the studio: every save
// writes them there and Load Picture reads them back, so a loaded picture is
// its last save even before the saved-game text is rebuilt. A game may hold an
// old sold picture and a later one of the same title; the later one is painted.
picrec* StudioRecord(who& state, const std::string& title);

}  // namespace pictorio
