#pragma once

namespace pictorio {

struct Game;

// The 32 named colours: entries 1..16 are the pastels, 17..32 the water colours;
// entry k is the colour of stock slot k.
void InitColourTable(Game& game);

}  // namespace pictorio
