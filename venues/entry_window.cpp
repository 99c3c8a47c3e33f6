#include "venues/entry_window.h"

namespace pictorio {

TForm8::TForm8(Game& g, Forms& f) : TFormBase(g, f, "Submit Pictures") {
  resize(800, 600);
  ListBox1 = new QListWidget(this);
}

}  // namespace pictorio
