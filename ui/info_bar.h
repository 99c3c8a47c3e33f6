#pragma once

#include <QLabel>

#include "ui/components.h"
#include "ui/form_base.h"
#include "ui/string_list.h"

namespace pictorio {

// The small "Game Info" window: name, reputation, money, pictures and clock.
// It only shows what other code writes into it.
class TForm3 : public TFormBase {
  Q_OBJECT
 public:
  TForm3(Game& game, Forms& forms);

  TImage* Image1;  // background
  QLabel* Label1;  // name
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;   // reputation
  QLabel* Label7;   // money
  QLabel* Label8;   // pictures
  QLabel* Label10;  // clock

  TStringList ListBox1;  // the saved-game text of the current game
  TStringList ListBox2;  // the save index while a save, load or delete runs
  TStringList ListBox3;  // titles of the free pictures

 protected:
  void FormShow() override;

 private:
  bool placed_ = false;
};

// Small helpers so every writer formats the figures the same way.
void ShowMoney(TForm3& bar, double money);
void ShowReputation(TForm3& bar, int reputation);
void ShowPictureCount(TForm3& bar, int count);
std::string Text(const QLabel* label);

// Lifts the info bar over a window that is being shown, once that window is up:
// the figures must stay in sight in the rooms that change them.
void RaiseInfoBar(Forms& forms);

}  // namespace pictorio
