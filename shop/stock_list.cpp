#include "shop/stock_list.h"

namespace pictorio {

std::string StockAmountText(int units) {
  const int whole = units / 1000;
  const int part = units % 1000;
  std::string amount;
  if (units >= 1000) amount = " " + std::to_string(whole) + " ";
  if (part >= 1 && part <= 250) {
    amount += " 1/4";
  } else if (part >= 251 && part <= 500) {
    amount += " 1/2";
  } else if (part >= 501 && part <= 750) {
    amount += " 3/4";
  } else if (part >= 751) {
    // Nearly a whole one more: shown as the next whole unit.
    amount = amount.empty() ? " 1" : " " + std::to_string(whole + 1);
  }
  return amount;
}

std::vector<std::string> NormaliseStock(OneBased<stuffrec, kStockSlots>& stock) {
  for (stuffrec& slot : stock) {
    if (slot.Units <= 0) {
      slot.Units = 0;
      slot.Owned = false;
    }
  }
  std::vector<std::string> lines;
  for (const stuffrec& slot : stock)
    if (slot.Owned) lines.push_back(StockAmountText(slot.Units) + " : " + slot.Name);
  return lines;
}

}  // namespace pictorio
