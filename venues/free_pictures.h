#pragma once

namespace pictorio {

struct Game;
struct Forms;

// Rebuilds the info bar's list of free pictures (neither sold nor entered), in picture order.
void ListFreePictures(Game& game, Forms& forms);

}  // namespace pictorio
