#pragma once

#include <string>
#include <string_view>

namespace pictorio {

struct Game;

// What the shop sells outside the colour ranges: one entry per stock slot 33..57.
struct CatalogueItem {
  int slot;
  // The item text of the basket line, price included ("HB Pencil ($3)").
  std::string_view text;
  int price;  // whole dollars per unit
  // Copied into the stock slot; empty where the item has no code (canvas, eraser).
  std::string_view kind;
  // Set for the items a player owns only once: the refusal shown for a second one.
  std::string_view oneOnlyMessage;
};

// The item in stock slot `slot`, or nullptr where the shop sells nothing
// catalogued (the colours 1..32, and 58..60).
const CatalogueItem* FindCatalogueItem(int slot);

inline constexpr int kFirstPastelSlot = 1;
inline constexpr int kFirstWatercolourSlot = 17;
inline constexpr int kColoursPerRange = 16;
inline constexpr int kPastelPrice = 5;
inline constexpr int kWatercolourPrice = 10;

inline constexpr std::string_view kPastelCategory = "Pastel: ";
inline constexpr std::string_view kWatercolourCategory = "Water Colors: ";

// "Pastel: Rose ($5)" for colour 4: the basket's item text of a colour.
std::string ColourItemText(const Game& game, std::string_view category, int colour);

}  // namespace pictorio
