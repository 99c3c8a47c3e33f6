#pragma once

#include "ui/form_base.h"

namespace pictorio {

// Timed painting tasks, scored by counting pixels.
class TForm13 : public TFormBase {
  Q_OBJECT
 public:
  TForm13(Game& game, Forms& forms);
};

}  // namespace pictorio
