#pragma once

#include "app/save_list_dialog.h"

namespace pictorio {

// Chooses a saved game to load; on "Ok" its text replaces the shared saved-game text.
class TForm5 : public TSaveListDialog {
  Q_OBJECT
 public:
  TForm5(Game& game, Forms& forms);

  void Button1Click() override;

  // The file the last Ok read, by its name in the index; empty until then.
  // A copy's first line may name another player, so saves go back here.
  std::string ChosenGame;
};

}  // namespace pictorio
