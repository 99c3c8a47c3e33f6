#pragma once

#include <string>

namespace pictorio {

// The game writes every path as AssetRoot + "\folder\file"; on this system the
// separator is '/', so the backslashes become slashes.
std::string NativePath(const std::string& gamePath);

}  // namespace pictorio
