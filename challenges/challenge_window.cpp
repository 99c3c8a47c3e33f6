#include "challenges/challenge_window.h"

namespace pictorio {

TForm13::TForm13(Game& g, Forms& f) : TFormBase(g, f, "Challenge") {
  resize(800, 600);
}

}  // namespace pictorio
