#pragma once

#include "ui/form_base.h"

namespace pictorio {

// Chooses a saved game to delete.
class TForm6 : public TFormBase {
  Q_OBJECT
 public:
  TForm6(Game& game, Forms& forms);
};

}  // namespace pictorio
