#pragma once

#include <QPushButton>

#include "ui/form_base.h"

namespace pictorio {

// The week's events, and the doors to entering pictures and to today's event.
class TForm4 : public TFormBase {
  Q_OBJECT
 public:
  TForm4(Game& game, Forms& forms);

  QPushButton* Button2;  // "Go To Event"
};

}  // namespace pictorio
