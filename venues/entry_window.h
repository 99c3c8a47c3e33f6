#pragma once

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "ui/components.h"
#include "ui/form_base.h"

namespace pictorio {

// Where pictures are entered for a venue's coming event. The venue's host
// greets the player; the clock stands still while the window is open.
class TForm8 : public TFormBase {
  Q_OBJECT
 public:
  TForm8(Game& game, Forms& forms);

  void Button1Click();  // "Submit"
  void Button2Click();  // "Accept selection"
  void Button3Click();  // "Clear selection"
  void Button4Click();  // "Exit"
  void Exit1Click();
  void Timer1Timer();
  void Timer2Timer();

  std::vector<std::string> MemoText() const { return MemoLines(*Memo1); }

  QWidget* Client;
  TImage* Image1;  // background
  TAnimate* Animate1;
  QPlainTextEdit* Memo1;
  QComboBox* ComboBox1;  // the free pictures
  QPushButton* Button1;
  QListWidget* ListBox1;  // the entries made
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QLabel* Hint;  // buyers come through the day
  QMenuBar* MainMenu1;
  QAction* Exit1;
  TImage* Image2;  // decoration
  TImage* Image3;  // receives the entered picture, never shown
  TTimer Timer1{1000};
  TTimer Timer2{10000};

  int entryCount = 0;
  int hostAnimTicks = 0;
  std::string hostSound;

 protected:
  void FormShow() override;
  void FormClose() override;

 private:
  bool ValidVenue() const;
  void ShowMemo(const std::string& text);
  void ReleaseEntries();
  void PlayHostSound();
  bool hostAnimOpen_ = false;
};

}  // namespace pictorio
