#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "ui/form_base.h"

namespace pictorio {

// Chooses an unfinished artwork, among the pictures neither sold nor entered,
// to paint on again.
class TForm7 : public TFormBase {
  Q_OBJECT
 public:
  TForm7(Game& game, Forms& forms);

  void ComboBox1Change();
  void Button1Click();
  void Button2Click();
  std::string ChosenTitle() const;

  QLabel* Label1;
  QComboBox* ComboBox1;
  QPushButton* Button1;
  QPushButton* Button2;
  // True when the dialog was left with Ok.
  bool ArtworkChosen = false;

 protected:
  void FormShow() override;
};

}  // namespace pictorio
