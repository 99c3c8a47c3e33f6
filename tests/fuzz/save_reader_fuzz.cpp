// Feeds arbitrary bytes to the saved-game reader. A text it accepts must write
// back to a text that reads the same, so nothing a player saves is changed by
// loading it again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/save_text.h"
#include "core/text_file.h"

namespace {

pictorio::OneBased<pictorio::submittedpic, 4> Venues() {
  pictorio::OneBased<pictorio::submittedpic, 4> venues;
  const char* codes[] = {"FLEAXXB", "LOCALXXB", "NATIONALXXB", "INTERXXB"};
  const int places[] = {4, 5, 6, 8};
  for (int v = 1; v <= 4; ++v) {
    venues[v].Code = codes[v - 1];
    venues[v].Slots = places[v - 1];
    venues[v].Entries.assign(static_cast<std::size_t>(places[v - 1] + 1), std::string());
  }
  return venues;
}

std::vector<std::string> Rewrite(const pictorio::LoadedGame& loaded,
                                 pictorio::OneBased<pictorio::submittedpic, 4> venues) {
  for (int v = 1; v <= 4; ++v) {
    venues[v].Entries = loaded.entries[v];
    venues[v].Submitted = loaded.submitted[v];
  }
  return pictorio::WriteSavedGame(loaded.state, venues);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto venues = Venues();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = pictorio::SplitLines(pictorio::FromWindows1252(bytes));

  pictorio::LoadedGame loaded;
  std::string error;
  if (!pictorio::ReadSavedGame(lines, venues, &loaded, &error)) {
    if (error.empty()) std::abort();  // every refusal says why
    return 0;
  }
  if (loaded.state.Pictures.size() != static_cast<std::size_t>(loaded.state.PictureCount))
    std::abort();
  const std::vector<std::string> written = Rewrite(loaded, venues);
  pictorio::LoadedGame again;
  if (!pictorio::ReadSavedGame(written, venues, &again, &error)) std::abort();
  if (Rewrite(again, venues) != written) std::abort();
  return 0;
}
