#pragma once

#include "ui/form_base.h"

namespace pictorio {

// Lists what the player owns and how much of it is left.
class TForm11 : public TFormBase {
  Q_OBJECT
 public:
  TForm11(Game& game, Forms& forms);

  // Rebuilds the list, retiring used-up materials.
  void RefreshStockList();
};

}  // namespace pictorio
