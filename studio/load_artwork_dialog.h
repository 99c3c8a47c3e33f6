#pragma once

#include "ui/form_base.h"

namespace pictorio {

// Chooses an unfinished artwork to paint on again.
class TForm7 : public TFormBase {
  Q_OBJECT
 public:
  TForm7(Game& game, Forms& forms);
};

}  // namespace pictorio
