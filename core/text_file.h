#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pictorio {

// The game's text files are Windows-1252 with CR LF; in memory text is UTF-8.
std::string FromWindows1252(const std::string& bytes);
// Nothing when the text holds a character Windows-1252 has no place for.
std::optional<std::string> ToWindows1252(const std::string& utf8);

// Reads a whole text file as lines (CR LF, LF or CR ends a line); false with
// the reason. Only a regular file is read (ReadRegularFile).
bool ReadTextLines(const std::string& nativePath, std::vector<std::string>* lines,
                   std::string* error);

// Splits text into lines the way ReadTextLines does.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace pictorio
