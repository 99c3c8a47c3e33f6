#pragma once

#include <string>
#include <vector>

namespace pictorio {

// The hidden lists of the info bar hold text that several windows share
// (the saved-game text, the save index, the free pictures).
struct TStringList {
  std::vector<std::string> Items;
  void Clear() { Items.clear(); }
  void Add(const std::string& line) { Items.push_back(line); }
  int Count() const { return static_cast<int>(Items.size()); }
  const std::string& operator[](int i) const { return Items[static_cast<std::size_t>(i)]; }
  std::string& operator[](int i) { return Items[static_cast<std::size_t>(i)]; }
};

}  // namespace pictorio
