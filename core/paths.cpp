#include "core/paths.h"

namespace pictorio {

std::string NativePath(const std::string& gamePath) {
  std::string native = gamePath;
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

}  // namespace pictorio
