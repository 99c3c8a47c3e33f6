#pragma once

#include "ui/form_base.h"

namespace pictorio {

// The studio, where the player paints on a canvas.
class TForm2 : public TFormBase {
  Q_OBJECT
 public:
  TForm2(Game& game, Forms& forms);
};

}  // namespace pictorio
