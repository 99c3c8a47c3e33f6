#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "ui/form_base.h"

namespace pictorio {

// A small centred dialog that offers names in a drop-down: "Ok" is enabled by
// the first choice and stays enabled, "Cancel" closes. Load Game, Delete Game
// and Load Artwork are all this dialog with their own list and their own Ok.
class TListChoiceDialog : public TFormBase {
  Q_OBJECT
 public:
  TListChoiceDialog(Game& game, Forms& forms, const std::string& caption, const char* prompt);

  void ComboBox1Change();
  virtual void Button1Click() = 0;
  void Button2Click();

  QLabel* Label1;
  QComboBox* ComboBox1;
  QPushButton* Button1;
  QPushButton* Button2;

 protected:
  // Empties the list and offers these items, each with its own data; nothing
  // is chosen afterwards and filling it does not count as a choice.
  void Offer(const std::vector<std::pair<std::string, int>>& items);
};

}  // namespace pictorio
