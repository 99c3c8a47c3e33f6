#pragma once

#include <cstddef>
#include <limits>
#include <string>

namespace pictorio {

// Reads the whole of a file, at most `most` bytes. Only a regular file is
// read: a pipe, a device or a folder of that name is refused like a missing
// file, before anything could wait on it. False with the reason.
bool ReadRegularFile(const std::string& nativePath, std::string* bytes, std::string* error,
                     std::size_t most = std::numeric_limits<std::size_t>::max());

// The same refusal for a file a library opens by its path (sounds, animations).
bool IsReadableRegularFile(const std::string& nativePath, std::string* error);

}  // namespace pictorio
