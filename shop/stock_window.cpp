#include "shop/stock_window.h"

namespace pictorio {

TForm11::TForm11(Game& g, Forms& f) : TFormBase(g, f, "Stock") {
  resize(800, 600);
}

void TForm11::RefreshStockList() {}

}  // namespace pictorio
