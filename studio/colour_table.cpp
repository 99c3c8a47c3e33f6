#include "studio/colour_table.h"

#include "core/game.h"

namespace pictorio {

void InitColourTable(Game& game) {
  struct Entry {
    const char* name;
    int r, g, b;
  };
  static constexpr Entry kEntries[32] = {
      {"White", 245, 245, 245},
      {"Light Grey", 181, 168, 185},
      {"Grey", 91, 85, 93},
      {"Rose", 250, 75, 108},
      {"Pink", 233, 83, 200},
      {"Pumpkin", 223, 144, 80},
      {"Orange", 223, 193, 120},
      {"Light Yellow", 247, 246, 148},
      {"Yellow", 238, 253, 72},
      {"Lime", 152, 231, 121},
      {"Green", 3, 189, 25},
      {"Turquoise", 50, 242, 245},
      {"Blue", 50, 103, 254},
      {"Lilac", 173, 224, 239},
      {"Purple", 173, 44, 248},
      {"Brown", 121, 106, 84},
      {"White", 245, 245, 245},
      {"Grey", 109, 106, 111},
      {"Black", 20, 19, 21},
      {"Red", 215, 56, 59},
      {"Pink", 205, 94, 118},
      {"Orange", 202, 105, 0},
      {"Light Orange", 203, 145, 88},
      {"Yellow", 198, 205, 16},
      {"Light Yellow", 208, 222, 115},
      {"Green", 15, 138, 47},
      {"Light Green", 118, 208, 141},
      {"Turquoise", 42, 183, 200},
      {"Blue", 54, 7, 208},
      {"Purple", 120, 52, 151},
      {"Light Purple", 109, 89, 173},
      {"Brown", 94, 100, 22},
  };
  for (int k = 1; k <= 32; ++k) {
    const Entry& e = kEntries[k - 1];
    game.ColourTable[k] = ttcolx{e.name, QColor(e.r, e.g, e.b)};
  }
}

}  // namespace pictorio
