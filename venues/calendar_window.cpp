#include "venues/calendar_window.h"

namespace pictorio {

TForm4::TForm4(Game& g, Forms& f) : TFormBase(g, f, "Calendar") {
  resize(800, 600);
  Button2 = new QPushButton("Go To Event", this);
  Button2->setEnabled(false);
}

}  // namespace pictorio
