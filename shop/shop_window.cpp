#include "shop/shop_window.h"

namespace pictorio {

TForm10::TForm10(Game& g, Forms& f) : TFormBase(g, f, "Shop") {
  resize(800, 600);
}

}  // namespace pictorio
