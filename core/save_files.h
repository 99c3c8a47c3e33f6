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

// The safe writes' temporary files are named this prefix plus six letters or
// digits; a write killed before its rename leaves one behind.
inline constexpr const char* kSafeWritePrefix = ".pictorio-save-";
bool IsSafeWriteLeftover(const std::string& fileName);
// Deletes the leftovers among the plain files of `folder` (not below it) and
// nothing else; returns how many went. A missing folder has none.
int RemoveSafeWriteLeftovers(const std::string& folder);

}  // namespace pictorio
