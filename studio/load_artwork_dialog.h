#pragma once

#include <string>

#include "ui/list_choice_dialog.h"

namespace pictorio {

// Chooses an unfinished artwork, among the pictures neither sold nor entered,
// to paint on again.
class TForm7 : public TListChoiceDialog {
  Q_OBJECT
 public:
  TForm7(Game& game, Forms& forms);

  void Button1Click() override;
  std::string ChosenTitle() const;
  // True when the dialog was left with Ok.
  bool ArtworkChosen = false;

 protected:
  void FormShow() override;
};

}  // namespace pictorio
