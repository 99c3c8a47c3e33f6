#include "shop/catalogue.h"

#include <array>

#include "core/game.h"

namespace pictorio {
namespace {

constexpr std::string_view kOneBrush = "You need only one of each brush for watercolors.";

constexpr std::array<CatalogueItem, 25> kCatalogue = {{
    {33, "Canvas  ($1)", 1, "", ""},
    {34, "HB Pencil ($3)", 3, "p", ""},
    {35, "H2 Pencil ($5)", 5, "p", ""},
    {36, "B2 Pencil ($5)", 5, "p", ""},
    {37, "Eraser ($5)", 5, "", "Don't erasers last forever? You need only one in your collection."},
    {38, "Charcoal ($1)", 1, "c", ""},
    {39, "Water Colors: Big brush ($10)", 10, "w", kOneBrush},
    {40, "Water Colors: Round brush ($15)", 15, "w", kOneBrush},
    {41, "Water Colors: Flat brush ($28)", 28, "w", kOneBrush},
    {42, "Water Colors: Thin brush ($35)", 35, "w", kOneBrush},
    {43, "Water Colors: Fine brush ($42)", 42, "w", kOneBrush},
    {44, "Palette ($50)", 50, "o", "You need only one palette."},
    {45, "Turpentine ($10)", 10, "o", ""},
    {46, "Oil Paint: Red ($80)", 80, "o", ""},
    {47, "Oil Paint: Blue ($80)", 80, "o", ""},
    {48, "Oil Paint: Green ($80)", 80, "o", ""},
    {49, "Oil Paint: Big Brush ($25)", 25, "o", ""},
    {50, "Oil Paint: Round Brush ($30)", 30, "o", ""},
    {51, "Oil Paint: Flat Brush ($55)", 55, "o", ""},
    {52, "Oil Paint: Thin Brush ($62)", 62, "o", ""},
    {53, "Oil Paint: Fine Brush ($70)", 70, "o", ""},
    {54, "Trophy rack ($30)", 30, "w", "You need only one trophy rack."},
    {55, "Burglar alarm ($100)", 100, "w", "You need only one burglar alarm."},
    // No space before the price: the name written into the stock has none either.
    {56, "Fire extinguisher($35)", 35, "w", "You need only one fire extinguisher."},
    {57, "Telephone ($50)", 50, "w", "You need only one telephone."},
}};

}  // namespace

const CatalogueItem* FindCatalogueItem(int slot) {
  const int first = kCatalogue.front().slot;
  if (slot < first || slot > kCatalogue.back().slot) return nullptr;
  return &kCatalogue[static_cast<std::size_t>(slot - first)];
}

std::string ColourItemText(const Game& game, std::string_view category, int colour) {
  const int price = category == kWatercolourCategory ? kWatercolourPrice : kPastelPrice;
  return std::string(category) + game.ColourTable[colour].Name + " ($" + std::to_string(price) +
         ")";
}

}  // namespace pictorio
