#pragma once

#include "ui/list_choice_dialog.h"

namespace pictorio {

// What the Load Game and Delete Game dialogs share: the saved games of the
// index in a drop-down, "Ok" (enabled by the first choice, for good) and "Cancel".
class TSaveListDialog : public TListChoiceDialog {
  Q_OBJECT
 public:
  TSaveListDialog(Game& game, Forms& forms, const std::string& caption, const char* prompt)
      : TListChoiceDialog(game, forms, caption, prompt) {}

  // The chosen game's place in the index after its reserved lines; -1 when none is chosen.
  int ChosenPosition() const;

 protected:
  void FormShow() override;
  // Choices offered after the index's games; each item carries its number.
  virtual void AddChoices(std::vector<std::pair<std::string, int>>&) {}
};

}  // namespace pictorio
