// Feeds arbitrary bytes to the career book's reader. A book it accepts must
// write back to lines the file can hold and that read as the same book, so a
// saved book loads again.
#include <cstddef>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/career_book.h"
#include "core/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  pictorio::CareerBook book;
  std::string error;
  if (!pictorio::ReadCareerBookBytes(bytes, &book, &error)) {
    if (error.empty()) std::abort();  // every refusal says why
    return 0;
  }
  std::string file;
  for (const std::string& line : pictorio::WriteCareerBook(book)) {
    const auto encoded = pictorio::ToWindows1252(line);
    if (!encoded) std::abort();
    file += *encoded + "\r\n";
  }
  pictorio::CareerBook again;
  if (!pictorio::ReadCareerBookBytes(file, &again, &error)) std::abort();
  if (!(again == book)) std::abort();
  // However odd its parts, a picture's worth taken apart adds up to the cent.
  for (const pictorio::BookPicture& p : book.Pictures) {
    long long sum = 0;
    for (const pictorio::WorthLine& line : pictorio::WorthBreakdown(p.Worth, p.Parts))
      sum += line.Cents;
    if (sum != std::llround(p.Worth * 100.0)) std::abort();
  }
  return 0;
}
