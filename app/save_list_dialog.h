#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "ui/form_base.h"

namespace pictorio {

// What the Load Game and Delete Game dialogs share: the saved games of the
// index in a drop-down, "Ok" (enabled by the first choice, for good) and "Cancel".
class TSaveListDialog : public TFormBase {
  Q_OBJECT
 public:
  TSaveListDialog(Game& game, Forms& forms, const std::string& caption, const char* prompt);

  void ComboBox1Change();
  // The chosen game's place in the index after its reserved lines; -1 when none is chosen.
  int ChosenPosition() const;
  virtual void Button1Click() = 0;
  void Button2Click();

  QLabel* Label1;
  QComboBox* ComboBox1;
  QPushButton* Button1;
  QPushButton* Button2;

 protected:
  void FormShow() override;
};

}  // namespace pictorio
