#pragma once

#include "ui/form_base.h"

namespace pictorio {

// The venue on an event day, where buyers make offers.
class TForm9 : public TFormBase {
  Q_OBJECT
 public:
  TForm9(Game& game, Forms& forms);
};

}  // namespace pictorio
