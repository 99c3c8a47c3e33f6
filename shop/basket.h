#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"

namespace pictorio {

// One line of the basket; entry k lands in stock slot k when bought.
struct BasketEntry {
  std::string Line;  // "3: Pastel: Rose ($5)"
  std::string Kind;
  bool Chosen = false;
  int Count = 0;
};

// What the player has picked in the shop but not paid for yet, and the rules
// for picking: every price must fit the money, some items are owned only once.
class ShopBasket {
 public:
  explicit ShopBasket(Game& game) : game_(game) {}

  // Admits `price` into the total when the money covers it; refuses aloud otherwise.
  bool TryAddToBasketTotal(int price);
  // One click on a catalogue item's buy control: `units` of stock slot `slot` (33..57).
  bool AddCatalogueItem(int slot, int units);
  // One pastel or watercolour of colour k, according to colourCategory.
  bool AddColourToBasket(int k);
  // One of each colour of a range (category "Pastel: " or "Water Colors: "),
  // all or nothing.
  bool AddWholeSet(std::string_view category);

  // The list shown to the player: heading, the chosen lines, total and money.
  std::vector<std::string> ListLines() const;
  bool Empty() const { return !AnyChosen(); }
  void Clear();
  // Asks for confirmation, then pays and fills the stock. False when not bought.
  bool Buy();

  OneBased<BasketEntry, kStockSlots> Basket;
  int basketTotal = 0;
  std::string colourCategory;
  // Plays an effect ("\sound\sounds\s10.wav"); the window routes it to the
  // room's effects player, which stays silent while sound is off.
  std::function<void(const std::string&)> PlaySound;

 private:
  bool AnyChosen() const;
  // Whether `units` more of slot k still fit the stock; refuses aloud otherwise.
  bool RoomInStock(int slot, int units);
  void AddUnits(int slot, std::string_view kind, int units, const std::string& itemText);
  bool AddColour(std::string_view category, int k);
  void Sound(const std::string& path);
  Game& game_;
};

// The stock name of a basket line: what stands between its first ':' and the
// first '(' with every ':' left out, spaces kept (" Pastel Rose ").
std::string ParseItemName(const std::string& line);

}  // namespace pictorio
