#pragma once

#include "app/save_list_dialog.h"

namespace pictorio {

// Chooses a saved game to delete; the current player's own game is refused.
class TForm6 : public TSaveListDialog {
  Q_OBJECT
 public:
  TForm6(Game& game, Forms& forms);

  void Button1Click() override;

  QLabel* Label2;
};

}  // namespace pictorio
