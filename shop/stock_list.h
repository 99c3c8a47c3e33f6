#pragma once

#include <string>
#include <vector>

#include "core/game.h"

namespace pictorio {

// How much is left of a slot, rounded up to the next quarter: " 1 " for 1000,
// " 1/4" for 1..250, " 1  1/4" for 1001, and " 2" for anything above 1750.
std::string StockAmountText(int units);

// Retires used-up slots (no units left: not owned, units 0), then gives the
// line " amount : name" of every owned slot in slot order.
std::vector<std::string> NormaliseStock(OneBased<stuffrec, kStockSlots>& stock);

}  // namespace pictorio
