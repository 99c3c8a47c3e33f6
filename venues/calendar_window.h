#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "ui/components.h"
#include "ui/form_base.h"

namespace pictorio {

// The week's events, and the doors to entering pictures and to today's event.
class TForm4 : public TFormBase {
  Q_OBJECT
 public:
  TForm4(Game& game, Forms& forms);

  void Button2Click();  // "Go To Event"
  void Button5Click();  // submit to the flea market
  void Button1Click();  // submit to the local gallery
  void Button3Click();  // submit to the national gallery
  void Button4Click();  // submit to the international gallery
  void Button6Click();

  // The day list written by the week plan, line by line.
  void SetDayList(const std::vector<std::string>& lines);
  std::vector<std::string> DayList() const;

  TImage* Image1;  // background
  QPlainTextEdit* Memo1;
  QLabel* Label2;  // year
  QLabel* Label1;  // week
  QLabel* Label3;  // day
  QLabel* Label4;
  QLabel* Label5;  // today's weekday, under the list
  QPushButton* Button5;  // "Flea Market"
  QPushButton* Button1;  // "Local Gallery"
  QPushButton* Button3;  // "National"
  QPushButton* Button4;  // "International"
  QPushButton* Button2;  // "Go To Event"
  QPushButton* Button6;  // "Close"

 protected:
  void FormShow() override;
  void FormClose() override;

 private:
  void SubmitToGallery(int venue, int musicTheme);
  void PlayMarketMusic();
};

}  // namespace pictorio
