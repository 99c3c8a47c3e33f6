#pragma once

#include <QLabel>
#include <QRect>
#include <functional>
#include <utility>
#include <vector>

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
  TLabel* Label1;  // name
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  TLabel* Label6;   // reputation
  TLabel* Label7;   // money
  TLabel* Label8;   // pictures
  TLabel* Label10;  // clock

  TStringList ListBox1;  // the saved-game text of the current game
  TStringList ListBox2;  // the save index while a save, load or delete runs
  TStringList ListBox3;  // titles of the free pictures

  // The places on screen the bar must leave uncovered when it first opens
  // (the room's hot spots); the room supplies them.
  std::function<std::vector<QRect>()> KeepClear;
  // Puts the bar in its first place: see InfoBarPlace.
  void PlaceInRoom();

  // The player closes the bar or opens it again from Options; the game shows
  // it at the start of a game only if it was open when last seen.
  void Reopen();
  // Shows `text` on the clock's line for a moment: a quiet action's answer.
  void SayBriefly(const std::string& text);
  void ShowIfWanted();

  // A window that covers the room has its own work everywhere (a canvas, a
  // drawing area, an offer): the bar stands aside while it is shown, shrunk
  // to one line in the free part of its menu bar (inside that window), or
  // out of sight when it has none; ComeBack restores the bar as it was.
  void StandAsideFrom(QWidget& window);
  void ComeBack();
  bool IsStrip() const { return strip_; }

 protected:
  void FormShow() override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void PlayerClosed();
  // A strip lies inside `host`, at `place`; none puts the bar back as it was.
  void SetStrip(QWidget* host, const QRect& place = {});

  bool placed_ = false;
  bool framed_ = false;
  QSize placedFrame_;
  bool strip_ = false;
  bool hiddenAside_ = false;
  QPoint fullPlace_;
  Qt::WindowFlags fullFlags_;
  std::vector<std::pair<QLabel*, QRect>> fullLayout_;
};

// Where the bar's frame goes in `room` (the room's area on screen): its lower
// right corner, or, when a frame that tall would reach one of `keepClear`
// there, the nearest place to the left along the bottom that meets none.
QPoint InfoBarPlace(const QRect& room, const QSize& frame, const std::vector<QRect>& keepClear);

// The clock's longest text; the bar's clock line is sized to show it whole.
inline constexpr const char* kLongestClockText = "Year: 99 Week: 52 Day: 7 Hour: 24";

// The part of the bar's picture where its palette is drawn; no text runs into it.
inline constexpr QRect kInfoBarPaletteArea{192, 34, 52, 66};

// Small helpers so every writer formats the figures the same way.
void ShowMoney(TForm3& bar, double money);
void ShowReputation(TForm3& bar, int reputation);
void ShowPictureCount(TForm3& bar, int count);
std::string Text(const QLabel* label);

// Lifts the info bar over a window that is being shown, once that window is up:
// the figures must stay in sight in the rooms that change them.
void RaiseInfoBar(Forms& forms);

}  // namespace pictorio
