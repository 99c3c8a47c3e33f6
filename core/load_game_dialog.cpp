#include "core/load_game_dialog.h"

namespace pictorio {

TForm5::TForm5(Game& g, Forms& f) : TFormBase(g, f, "Load Game") {
  resize(800, 600);
}

}  // namespace pictorio
