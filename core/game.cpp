#include "core/game.h"

#include <charconv>

#include "core/paths.h"

namespace pictorio {

void BuildVenues(Game& game) {
  struct Shape {
    const char* code;
    int places;
    int threshold;
  };
  static constexpr Shape kShapes[] = {
      {"FLEAXXB", 4, -10}, {"LOCALXXB", 5, 19}, {"NATIONALXXB", 6, 49}, {"INTERXXB", 8, 69}};
  for (int v = 1; v <= 4; ++v) {
    const Shape& shape = kShapes[v - 1];
    submittedpic& venue = game.Venues[v];
    venue.Code = shape.code;
    venue.Slots = shape.places;
    venue.ReputationThreshold = shape.threshold;
    // One place more than is ever used; the last one stays empty.
    venue.Entries.assign(static_cast<std::size_t>(shape.places + 1), std::string());
    venue.Submitted = false;
  }
}

void ClearVenueEntries(OneBased<submittedpic, 4>& venues) {
  for (submittedpic& venue : venues) {
    venue.Entries.assign(static_cast<std::size_t>(venue.Slots + 1), std::string());
    venue.Submitted = false;
  }
}

void ResetStockSlot(stuffrec& slot) {
  slot.Kind = "x";
  slot.Owned = false;
  slot.Units = 0;
}

void ClearGameState(who& state) {
  state.Reputation = 0;
  state.Money = 0.0;
  state.PictureCount = 0;
  state.PicturesSold = 0;
  state.Pictures.clear();
  for (stuffrec& slot : state.Stock) ResetStockSlot(slot);
  for (bool& won : state.Trophies) won = false;
}

std::string FormatMoney(double money) {
  // to_chars ignores the process locale, which Qt sets from the environment.
  char buffer[512];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, money, std::chars_format::fixed, 2);
  if (ec != std::errc()) return "0.00";
  return std::string(buffer, end);
}

std::string PlayerPath(const Game& game, const std::string& relative) {
  return NativePath((game.PlayerRoot.empty() ? game.AssetRoot : game.PlayerRoot) + relative);
}

std::string AssetPath(const Game& game, const std::string& relative) {
  return NativePath(game.AssetRoot + relative);
}

}  // namespace pictorio
