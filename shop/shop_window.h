#pragma once

#include "ui/form_base.h"

namespace pictorio {

// The shop, where money becomes materials.
class TForm10 : public TFormBase {
  Q_OBJECT
 public:
  TForm10(Game& game, Forms& forms);
};

}  // namespace pictorio
