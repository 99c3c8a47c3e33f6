#include "shop/basket.h"

#include <limits>

#include "shop/catalogue.h"
#include "ui/platform.h"

namespace pictorio {
namespace {

const char* const kRefusedSound = "\\sound\\sounds\\s10.wav";
const char* const kBoughtSound = "\\sound\\sounds\\s1.wav";
const char* const kTooMuch = "Too much for your current budget";
const char* const kRule = "----------------------------------";
const char* const kNoRoom = "You cannot keep any more of this item.";

}  // namespace

void ShopBasket::Sound(const std::string& path) {
  if (PlaySound) PlaySound(path);
}

bool ShopBasket::TryAddToBasketTotal(int price) {
  // The total is a whole number of dollars: it never grows past what it can count.
  const bool countable = price >= 0 && basketTotal <= std::numeric_limits<int>::max() - price;
  if (countable && basketTotal + price <= game_.GameState.Money) {
    basketTotal += price;
    return true;
  }
  Sound(kRefusedSound);
  game_.platform.MessageDlg(kTooMuch, MsgType::Confirmation, MsgButtons::Ok);
  return false;
}

bool ShopBasket::RoomInStock(int slot, int units) {
  const long long after = static_cast<long long>(game_.GameState.Stock[slot].Units) +
                          (static_cast<long long>(Basket[slot].Count) + units) * 1000;
  if (after <= kMostStockUnits) return true;
  Sound(kRefusedSound);
  game_.platform.MessageDlg(kNoRoom, MsgType::Information, MsgButtons::Ok);
  return false;
}

void ShopBasket::AddUnits(int slot, std::string_view kind, int units, const std::string& itemText) {
  BasketEntry& entry = Basket[slot];
  if (!kind.empty()) entry.Kind = std::string(kind);
  entry.Chosen = true;
  entry.Count += units;
  entry.Line = std::to_string(entry.Count) + ": " + itemText;
}

bool ShopBasket::AddCatalogueItem(int slot, int units) {
  const CatalogueItem* item = FindCatalogueItem(slot);
  if (!item || units <= 0) return false;
  if (!item->oneOnlyMessage.empty() && (game_.GameState.Stock[slot].Owned || Basket[slot].Chosen)) {
    Sound(kRefusedSound);
    game_.platform.MessageDlg(std::string(item->oneOnlyMessage), MsgType::Information,
                              MsgButtons::Ok);
    return false;
  }
  if (!RoomInStock(slot, units) || !TryAddToBasketTotal(item->price * units)) return false;
  AddUnits(slot, item->kind, units, std::string(item->text));
  return true;
}

bool ShopBasket::AddColour(std::string_view category, int k) {
  const bool water = category == kWatercolourCategory;
  if (!water && category != kPastelCategory) return false;
  if (!RoomInStock(k, 1) || !TryAddToBasketTotal(water ? kWatercolourPrice : kPastelPrice))
    return false;
  AddUnits(k, water ? "w" : "t", 1, ColourItemText(game_, category, k));
  return true;
}

bool ShopBasket::AddColourToBasket(int k) {
  if (k < 1 || k > kFirstWatercolourSlot + kColoursPerRange - 1) return false;
  return AddColour(colourCategory, k);
}

bool ShopBasket::AddWholeSet(std::string_view category) {
  const bool water = category == kWatercolourCategory;
  const int price = water ? kWatercolourPrice : kPastelPrice;
  if (static_cast<double>(basketTotal) + price * kColoursPerRange > game_.GameState.Money) {
    Sound(kRefusedSound);
    game_.platform.MessageDlg(kTooMuch, MsgType::Confirmation, MsgButtons::Ok);
    return false;
  }
  // The set is named by the button, not by whichever colour panel was opened last.
  const int first = water ? kFirstWatercolourSlot : kFirstPastelSlot;
  // All or nothing here too: one colour without room refuses the set.
  for (int k = first; k < first + kColoursPerRange; ++k)
    if (!RoomInStock(k, 1)) return false;
  for (int k = first; k < first + kColoursPerRange; ++k) AddColour(category, k);
  return true;
}

bool ShopBasket::AnyChosen() const {
  for (const BasketEntry& entry : Basket)
    if (entry.Chosen) return true;
  return false;
}

std::vector<std::string> ShopBasket::ListLines() const {
  std::vector<std::string> lines = {"Quantity: Item  (Cost/unit)", kRule};
  for (const BasketEntry& entry : Basket)
    if (entry.Chosen) lines.push_back(entry.Line);
  lines.push_back(kRule);
  lines.push_back("Total:                   $" + std::to_string(basketTotal));
  lines.push_back("");
  lines.push_back("");
  // The money before paying: the total is not taken off here.
  lines.push_back("Avaliable funds:      $" + FormatMoney(game_.GameState.Money));
  return lines;
}

void ShopBasket::Clear() {
  for (BasketEntry& entry : Basket) entry = BasketEntry{};
  basketTotal = 0;
}

bool ShopBasket::Buy() {
  if (game_.platform.MessageDlg(
          "Confirm purchase of items to the value of $" + std::to_string(basketTotal),
          MsgType::Confirmation, MsgButtons::YesNo) != ModalResult::Yes)
    return false;
  Sound(kBoughtSound);
  who& state = game_.GameState;
  for (int k = 1; k <= kStockSlots; ++k) {
    const BasketEntry& entry = Basket[k];
    if (!entry.Chosen) continue;
    stuffrec& slot = state.Stock[k];
    slot.Name = ParseItemName(entry.Line);
    slot.Kind = entry.Kind;
    slot.Units += entry.Count * 1000;
    slot.Owned = true;
  }
  // Admitted against the money of the moment; the clock may have changed it since.
  state.Money -= basketTotal;
  Clear();
  return true;
}

std::string ParseItemName(const std::string& line) {
  std::string name;
  bool pastCount = false;
  for (char c : line) {
    if (c == '(') break;
    if (c == ':') {
      pastCount = true;
      continue;
    }
    if (pastCount) name += c;
  }
  return name;
}

}  // namespace pictorio
