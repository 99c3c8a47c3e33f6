#include "venues/calendar_window.h"

#include <QGuiApplication>
#include <QScrollBar>
#include <algorithm>
#include <QScreen>

#include "app/main_window.h"  // closing the calendar gives the room its Studio item back
#include "challenges/challenge_window.h"
#include "core/game.h"
#include "simulation/scene_layout.h"
#include "simulation/week_plan.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "venues/entry_rules.h"
#include "venues/entry_window.h"
#include "venues/free_pictures.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

constexpr int kWidth = 313;
constexpr int kHeight = 393;

QPushButton* MakeButton(QWidget* parent, const char* caption, int left, int top) {
  auto* button = new QPushButton(caption, parent);
  // Tall enough for the game's font, descenders and all.
  button->setGeometry(left, top, 135, 28);
  return button;
}

QLabel* MakeLabel(QWidget* parent, const char* text, int left, int top, int width) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(left, top, width, 20);
  return label;
}

}  // namespace

TForm4::TForm4(Game& g, Forms& f) : TFormBase(g, f, "Calendar") {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFont(GameFont());
  setFixedSize(kWidth, kHeight);
  SetRoomPlace(RoomPlace::Centred);

  Image1 = new TImage(this);
  Image1->setGeometry(0, 0, kWidth, kHeight);
  Image1->SetStretch(true);
  Image1->LoadFromFile(AssetPath(g, "\\design\\calendar.png"));

  Label2 = MakeLabel(this, "Year", 20, 14, 90);
  Label1 = MakeLabel(this, "Week", 114, 14, 90);
  Label3 = MakeLabel(this, "Day", 208, 14, 90);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(16, 40, 281, 182);
  Memo1->setReadOnly(true);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The day rules are a little wider than the page; they are cut, not scrolled.
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  Label5 = MakeLabel(this, "", 16, 224, 281);
  Label4 = MakeLabel(this, "Submit pictures to:", 16, 248, 200);
  Button5 = MakeButton(this, "Flea Market", 16, 270);
  Button1 = MakeButton(this, "Local Gallery", 162, 270);
  Button3 = MakeButton(this, "National", 16, 300);
  Button4 = MakeButton(this, "International", 162, 300);
  Button2 = MakeButton(this, "Go To Event", 16, 350);
  Button2->setEnabled(false);
  Button6 = MakeButton(this, "Close", 162, 350);

  QObject::connect(Button2, &QPushButton::clicked, [this] { Button2Click(); });
  QObject::connect(Button5, &QPushButton::clicked, [this] { Button5Click(); });
  QObject::connect(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  QObject::connect(Button3, &QPushButton::clicked, [this] { Button3Click(); });
  QObject::connect(Button4, &QPushButton::clicked, [this] { Button4Click(); });
  QObject::connect(Button6, &QPushButton::clicked, [this] { Button6Click(); });
}

void TForm4::FormShow() {
  ListFreePictures(game, forms);
  if (!game.GameRunning) return;
  Label5->setText(QString("Today is %1.").arg(WeekdayName(game.ClockDay)));
  // Today's line in sight, with the day before it for context.
  Memo1->verticalScrollBar()->setValue(std::max(0, game.ClockDay * 2 - 2));
}

void TForm4::PlayMarketMusic() {
  if (!game.MusicOn) return;
  TForm1& main = *forms.Form1;
  game.MusicTheme = 20;
  main.MediaPlayer2.FileName = AssetPath(game, "\\sound\\music\\m60.mid");
  std::string error;
  if (!main.MediaPlayer2.Open(&error) || !main.MediaPlayer2.Play(&error))
    game.platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
  game.MusicRestart = false;
}

void TForm4::Button2Click() {
  if (game.ChallengeOpen) {
    game.platform.ShowModal(*forms.Form13);
    return;
  }
  if (game.EventVenue == 0) return;  // no event today
  if (game.EventVenue != kVenueFlea) {
    // The exhibition was laid out when the day's plan was built.
    game.platform.ShowModal(*forms.Form9);
    return;
  }
  game.VenueAllowed = true;
  PlayMarketMusic();
  game.platform.ShowModal(*forms.Form8);
  if (!game.Venues[kVenueFlea].Submitted) return;
  // The stall is set up once a day; later visits find it as it was left.
  if (!game.EventVisitPrepared) {
    ArrangeFleaScene(game, forms);
    game.EventVisitPrepared = true;
  }
  game.platform.ShowModal(*forms.Form9);
}

void TForm4::Button5Click() {
  PlayMarketMusic();
  // The market takes pictures only while it is open: after the day's close at
  // hour 22 the player is asked to come back, as on any other day.
  if (game.EventVenue == kVenueFlea && !game.ChallengeOpen && game.EventOpen) {
    Button2Click();
    return;
  }
  game.EventVenue = kVenueFlea;
  game.VenueAllowed = false;
  game.platform.ShowModal(*forms.Form8);
  game.EventVenue = game.TodayVenue;
}

void TForm4::SubmitToGallery(int venue, int musicTheme) {
  if (game.MusicOn) {
    game.MusicTheme = musicTheme;
    game.MusicRestart = true;
    forms.Form1->MediaPlayer2Notify();
  }
  game.EventVenue = venue;
  CheckVenueReputation(game, venue);
  game.platform.ShowModal(*forms.Form8);
  ListFreePictures(game, forms);
  game.EventVenue = game.TodayVenue;
}

void TForm4::Button1Click() {
  SubmitToGallery(kVenueLocal, 30);
}

void TForm4::Button3Click() {
  SubmitToGallery(kVenueNational, 40);
}

void TForm4::Button4Click() {
  SubmitToGallery(kVenueInternational, 50);
}

void TForm4::Button6Click() {
  Close();
}

void TForm4::FormClose() {
  forms.Form1->paint1->setEnabled(true);
}

void TForm4::SetDayList(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);
  const QString joined = text.join('\n');
  // Redrawing the memo would also throw away the player's scroll position.
  if (Memo1->toPlainText() != joined) Memo1->setPlainText(joined);
}

std::vector<std::string> TForm4::DayList() const {
  return MemoLines(*Memo1);
}

}  // namespace pictorio
