#include "core/text_file.h"

#include <iconv.h>

#include "core/read_file.h"

namespace pictorio {
namespace {

// Converts with glibc's iconv; nothing back when a character has no counterpart.
std::optional<std::string> Convert(const char* to, const char* from, const std::string& input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string output(input.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  char* out = output.data();
  size_t outLeft = output.size();
  const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) return std::nullopt;
  output.resize(output.size() - outLeft);
  return output;
}

}  // namespace

std::string FromWindows1252(const std::string& bytes) {
  if (auto text = Convert("UTF-8", "WINDOWS-1252", bytes)) return *text;
  // The five bytes Windows-1252 leaves undefined: keep the readable rest.
  std::string text;
  for (char c : bytes) {
    if (auto one = Convert("UTF-8", "WINDOWS-1252", std::string(1, c)))
      text += *one;
    else
      text += '?';
  }
  return text;
}

std::optional<std::string> ToWindows1252(const std::string& utf8) {
  return Convert("WINDOWS-1252", "UTF-8", utf8);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool ReadTextLines(const std::string& nativePath, std::vector<std::string>* lines,
                   std::string* error) {
  std::string bytes;
  if (!ReadRegularFile(nativePath, &bytes, error)) return false;
  *lines = SplitLines(FromWindows1252(bytes));
  return true;
}

}  // namespace pictorio
