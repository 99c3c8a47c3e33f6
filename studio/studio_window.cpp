#include "studio/studio_window.h"

namespace pictorio {

TForm2::TForm2(Game& g, Forms& f) : TFormBase(g, f, "Studio") {
  resize(800, 600);
}

}  // namespace pictorio
