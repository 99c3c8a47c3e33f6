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
  // The last Ok read an autosave; ChosenGame then names its player.
  bool ChoseAutosave = false;

 protected:
  // The autosaves, after the saved games, each named as its player's.
  void AddChoices(std::vector<std::pair<std::string, int>>& choices) override;

 private:
  std::vector<std::string> autosaves_;
};

}  // namespace pictorio
