#include "core/delete_game_dialog.h"

namespace pictorio {

TForm6::TForm6(Game& g, Forms& f) : TFormBase(g, f, "Delete Game") {
  resize(800, 600);
}

}  // namespace pictorio
