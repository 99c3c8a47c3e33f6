#include "venues/venue_window.h"

namespace pictorio {

TForm9::TForm9(Game& g, Forms& f) : TFormBase(g, f, "Event") {
  resize(800, 600);
}

}  // namespace pictorio
