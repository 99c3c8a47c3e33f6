#pragma once

#include <QAction>
#include <QFrame>
#include <QTimer>
#include <QColor>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <string>
#include <vector>

#include "core/day_report.h"
#include "ui/components.h"
#include "ui/form_base.h"

namespace pictorio {

// The venue on an event day, where buyers make offers. The same window serves
// the flea market and the three galleries; the scene layout dresses it.
class TForm9 : public TFormBase {
  Q_OBJECT
 public:
  TForm9(Game& game, Forms& forms);

  void Button1Click();  // "yes"
  void Button2Click();  // "no"
  void Button3Click();
  void Exit1Click();
  void Timer1Timer();

  // Looks for an unsold entry and puts a buyer's offer on display.
  void FindBuyerOffer();
  void CheckAllEntriesSold();
  void CountSale();

  // Picture frame k (1..8) is Image1..Image8; its sold mark Image9..Image16.
  TImage* Frame(int k) const;
  TImage* SoldMark(int k) const;

  void SetTitleColour(const QColor& colour);
  QColor TitleColour() const;

  // Everything below the menu bar; frame places are measured from its corner.
  QWidget* Client;

  TImage* Image1;
  TImage* Image2;
  TImage* Image3;
  TImage* Image4;
  TImage* Image5;
  TImage* Image6;
  TImage* Image7;
  TImage* Image8;
  TImage* Image9;
  TImage* Image10;
  TImage* Image11;
  TImage* Image12;
  TImage* Image13;
  TImage* Image14;
  TImage* Image15;
  TImage* Image16;
  TImage* Image17;  // background screen
  TImage* Image18;  // the current buyer
  TImage* Image19;  // a passer-by
  QLabel* Label1;   // venue title
  QLabel* Label2;
  QLabel* Label5;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label6;        // hours left, written by the clock
  QPushButton* Button1;  // "yes"
  QPushButton* Button2;  // "no"
  QPushButton* Button3;  // "Exit"
  QFrame* OfferCue;      // lights up behind an offer while it waits
  QMenuBar* MainMenu1;
  QAction* Exit1;
  TTimer Timer1{83};  // the stall: 60 ticks per game hour

  // The stall's state while the window is shown.
  int buyerWaitTicks = 0;
  int passerPeriod = 0;
  int offerAttempts = 0;
  double currentOffer = 0.0;
  int offerEntry = 0;
  int offerPicture = 0;
  int reputationAtOpen = 0;
  int sellOutBonus = 0;
  int buyerFaceBase = 0;
  bool allEntriesSold = false;

  // The four lines of text, top to bottom.
  std::vector<std::string> TextLines() const;
  bool OfferShown() const { return offerShown_; }
  // The offers of this visit and the figures they started from.
  const DayReport& Report() const { return report_; }

 protected:
  bool event(QEvent* event) override;
  void FormShow() override;
  void FormClose() override;

 private:
  void ShowWaitingText();
  void ShowOfferText(const std::string& title);
  void DrawWait();
  void ShowFace(const std::string& relativePath);
  void ShowWellDone(const std::vector<std::string>& lines);
  bool ValidVenue() const;
  void ShowReport();
  void EndOffer(bool taken);
  QImage hostPicture_;
  QImage passers_[10];
  bool offerShown_ = false;
  DayReport report_;
  QTimer cueBlink_;
  int cuePulses_ = 0;
};

}  // namespace pictorio
