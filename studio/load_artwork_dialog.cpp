#include "studio/load_artwork_dialog.h"

namespace pictorio {

TForm7::TForm7(Game& g, Forms& f) : TFormBase(g, f, "Load Artwork") {
  resize(800, 600);
}

}  // namespace pictorio
