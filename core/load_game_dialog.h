#pragma once

#include "ui/form_base.h"

namespace pictorio {

// Chooses a saved game to load.
class TForm5 : public TFormBase {
  Q_OBJECT
 public:
  TForm5(Game& game, Forms& forms);
};

}  // namespace pictorio
