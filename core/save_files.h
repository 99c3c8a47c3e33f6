#pragma once

#include <string>
#include <vector>

namespace pictorio {

// Writes text lines as Windows-1252 with CR LF after every line. The text goes
// to a temporary file in the same folder, is flushed to disk and only then
// renamed over the old file, so a failed write leaves the old file as it was.
// False with the system's reason when anything fails.
bool WriteTextLinesSafely(const std::string& nativePath, const std::vector<std::string>& lines,
                          std::string* error);

// The same for bytes written as they are (a painting's JPEG).
bool WriteBytesSafely(const std::string& nativePath, const std::string& bytes, std::string* error);

}  // namespace pictorio
