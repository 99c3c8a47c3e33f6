#include "venues/venue_window.h"

#include <QTimer>
#include <QVBoxLayout>

#include "app/main_window.h"  // the stall holds the room's clock and plays on its media players
#include "app/player_news.h"
#include "core/game.h"
#include "simulation/clock.h"
#include "simulation/notice_window.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "ui/picture_io.h"
#include "ui/screen_fit.h"
#include "ui/theme.h"
#include "venues/buyers.h"

namespace pictorio {
namespace {

// The venue screens are drawn for the whole 800 x 600 window, frames at their
// window places and a light panel on the right for the buyer and the texts.
// Everything the player uses sits in the panel's upper part: the info bar
// floats over the lower right corner.
constexpr int kPanelLeft = 588;
constexpr int kPanelWidth = 180;
constexpr int kPasserTop = 144;
constexpr int kPasserRange = 352;
constexpr int kPassers = 10;
const char* const kEmptyFace = "\\people\\f0.jpg";
constexpr int kCueBlinkMs = 250;
constexpr int kCuePulses = 6;

QLabel* PanelLabel(QWidget* parent, const char* text, int top) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(kPanelLeft, top, kPanelWidth, 20);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  return label;
}

}  // namespace

TForm9::TForm9(Game& g, Forms& f) : TFormBase(g, f, "Event") {
  // Opened from the calendar, which stays on top: this window must come above it.
  setWindowFlag(Qt::WindowStaysOnTopHint);
  SetRoomPlace(RoomPlace::Covering);
  setFont(GameFont());

  MainMenu1 = new QMenuBar(this);
  Exit1 = MainMenu1->addAction("Exit");
  Client = new QWidget(this);
  // A full-screen window in its day: 800 x 600 with its menu bar, like the room.
  setFixedSize(kSceneWidth, kSceneHeight);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MainMenu1);
  layout->addWidget(Client);

  // Created first so that it lies under the frames.
  Image17 = new TImage(Client);
  Image17->setGeometry(0, 0, kSceneWidth, kSceneHeight);

  TImage** frames[8] = {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6, &Image7, &Image8};
  TImage** marks[8] = {&Image9,  &Image10, &Image11, &Image12,
                       &Image13, &Image14, &Image15, &Image16};
  for (TImage** frame : frames) {
    *frame = new TImage(Client);
    (*frame)->SetStretch(true);
    (*frame)->hide();
  }
  for (TImage** mark : marks) {
    *mark = new TImage(Client);
    (*mark)->SetStretch(true);
    (*mark)->SetTransparent(true);
    (*mark)->LoadFromFile(AssetPath(g, "\\design\\sold.png"));
    (*mark)->hide();
  }

  Image19 = new TImage(Client);
  Image19->setGeometry(0, 144, 48, 110);
  Image19->SetTransparent(true);
  Image19->hide();

  Label1 = PanelLabel(Client, "", 40);
  Image18 = new TImage(Client);
  Image18->setGeometry(kPanelLeft + 30, 64, 120, 160);
  Image18->SetStretch(true);
  Image18->LoadFromFile(AssetPath(g, kEmptyFace));
  // Under the offer's lines, so it must come first.
  OfferCue = new QFrame(Client);
  OfferCue->setGeometry(kPanelLeft - 4, 224, kPanelWidth + 8, 90);
  SetLook(*OfferCue, look::kOfferCue);
  OfferCue->hide();
  cueBlink_.setInterval(kCueBlinkMs);
  QObject::connect(&cueBlink_, &QTimer::timeout, [this] {
    // A few flashes catch the eye; the glow then stays until the answer.
    if (!offerShown_ || ++cuePulses_ >= kCuePulses) cueBlink_.stop();
    OfferCue->setVisible(offerShown_ && (cuePulses_ % 2 == 0 || !cueBlink_.isActive()));
  });
  Label2 = PanelLabel(Client, "PLEASE WAIT ", 230);
  Label5 = PanelLabel(Client, "FOR AN", 250);
  Label3 = PanelLabel(Client, "INTERESTED ", 270);
  Label4 = PanelLabel(Client, "BUYER.", 290);

  Button1 = new QPushButton("yes", Client);
  Button1->setGeometry(kPanelLeft + 14, 316, 70, 26);
  Button1->hide();
  Button2 = new QPushButton("no", Client);
  Button2->setGeometry(kPanelLeft + 96, 316, 70, 26);
  Button2->hide();

  Label6 = PanelLabel(Client, "Hours Left", 346);
  // On the ground, where the info bar never lies and no hot spot of the room
  // lies under it (a double click must not open the shop).
  Button3 = new QPushButton("Exit", Client);
  Button3->setGeometry(380, 528, 120, 30);

  Timer1.OnTimer = [this] { Timer1Timer(); };
  QObject::connect(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  QObject::connect(Button2, &QPushButton::clicked, [this] { Button2Click(); });
  QObject::connect(Button3, &QPushButton::clicked, [this] { Button3Click(); });
  QObject::connect(Exit1, &QAction::triggered, [this] { Exit1Click(); });
}

bool TForm9::ValidVenue() const {
  return game.EventVenue >= kVenueFlea && game.EventVenue <= kVenueInternational;
}

void TForm9::FormShow() {
  TForm1& main = *forms.Form1;
  game.EventOpen = true;
  Timer1.SetInterval(StallInterval(main.Timer1.Interval()));
  offerShown_ = false;
  Button1->hide();
  Button2->hide();
  // Only an event day opens the stall; without a venue there is nobody to sell to.
  if (!ValidVenue()) return;
  DrawWait();
  Timer1.SetEnabled(true);
  currentOffer = 0.0;
  offerAttempts = 0;
  reputationAtOpen = game.GameState.Reputation;
  report_ = DayReport{game.GameState.Money, game.GameState.Reputation, {}};
  ShowWaitingText();
  const VenueSale& sale = VenueSaleOf(game.EventVenue);
  sellOutBonus = sale.sellOutBonus;
  buyerFaceBase = sale.buyerFaceBase;
  game.MusicTheme = sale.musicTheme;
  if (game.MusicOn) {
    game.MusicRestart = true;
    main.MediaPlayer2Notify();
  }
  Image19->hide();
  game.FleaResult = 0;
  RaiseInfoBar(forms);
  // A visit after a sell-out leaves the flag set; the next event starts unsold.
  allEntriesSold = false;
  CheckAllEntriesSold();
  // Kept here rather than in the notice: another notice (a fire) may come first.
  hostPicture_ = LoadPicture(AssetPath(game, sale.hostPicture));
}

void TForm9::DrawWait() {
  const BuyerWait wait = DrawBuyerWait(game.platform, game.GameState.Reputation);
  buyerWaitTicks = wait.ticks;
  passerPeriod = wait.passerPeriod;
}

void TForm9::Timer1Timer() {
  if (offerAttempts > kOfferGiveUp || offerShown_) return;
  --buyerWaitTicks;
  if (passerPeriod > 0 && buyerWaitTicks % passerPeriod == 0) {
    const int n = game.platform.Random(kPassers) + 1;
    QImage& passer = passers_[n - 1];
    // Ten small pictures walk by all day: read each once.
    if (passer.isNull())
      passer = LoadPicture(AssetPath(game, "\\people\\s" + std::to_string(n) + ".bmp"));
    Image19->SetPicture(passer);
    Image19->move(game.platform.Random(kPasserRange), kPasserTop);
    Image19->show();
  }
  if (buyerWaitTicks <= 0) {
    FindBuyerOffer();
    DrawWait();
    Image19->hide();
  }
}

void TForm9::FindBuyerOffer() {
  if (!ValidVenue()) return;
  who& state = game.GameState;
  const BuyerChoice choice = FindBuyerChoice(game.platform, game.Venues[game.EventVenue], state);
  offerAttempts = choice.attempts;
  if (!choice.found) return;
  offerPicture = choice.picture;
  offerEntry = choice.entry;
  Timer1.SetEnabled(false);
  Button1->show();
  Button2->show();
  offerShown_ = true;
  const picrec& picture = state.Pictures[static_cast<std::size_t>(offerPicture)];
  currentOffer = DrawOffer(game.platform, picture.Value, reputationAtOpen);
  ShowOfferText(picture.Title);
  const BuyerFace face = DrawBuyerFace(game.platform, game.EventVenue, buyerFaceBase);
  // A second VIP before the first one's notice was shown must not cancel it.
  if (face.vip && !state.Trophies[11]) {
    state.Trophies[11] = true;
    game.VipNoticeDone = false;
  }
  ShowFace(face.picture);
  BookOffered(game.Book, {game.ElapsedHours, game.EventVenue, face.picture, offerPicture,
                          picture.Title, currentOffer, false, face.vip});
  forms.Form1->PlaySound("\\sound\\sounds\\s19.wav");
  cuePulses_ = 0;
  OfferCue->show();
  cueBlink_.start();
  ShowTip(game, forms, Tip::Offer);
}

void TForm9::EndOffer(bool taken) {
  cueBlink_.stop();
  OfferCue->hide();
  const auto& pictures = game.GameState.Pictures;
  if (offerPicture >= 0 && offerPicture < static_cast<int>(pictures.size()))
    report_.Offers.push_back(
        {pictures[static_cast<std::size_t>(offerPicture)].Title, currentOffer, taken});
}

void TForm9::CheckAllEntriesSold() {
  if (!ValidVenue()) return;
  if (game.EntriesSold == game.Venues[game.EventVenue].Slots) {
    offerAttempts = kAllSoldAttempts;
    allEntriesSold = true;
  }
}

void TForm9::CountSale() {
  game.EntriesSold += 1;
  CheckAllEntriesSold();
}

void TForm9::Button1Click() {
  if (!offerShown_) return;
  offerShown_ = false;
  EndOffer(true);
  who& state = game.GameState;
  CountSale();
  Timer1.SetEnabled(true);
  if (offerEntry >= 0 && offerEntry < 8) SoldMark(offerEntry + 1)->show();
  if (offerPicture >= 0 && offerPicture < static_cast<int>(state.Pictures.size()))
    state.Pictures[static_cast<std::size_t>(offerPicture)].Gone = true;
  state.PicturesSold = SaturatingAdd(state.PicturesSold, 1);
  BookOfferTaken(game.Book, offerPicture);
  Button1->hide();
  Button2->hide();
  state.Money += currentOffer;
  state.Reputation = SaturatingAdd(state.Reputation, 1);
  forms.Form1->PlaySound("\\sound\\sounds\\s1.wav");
  ShowMoney(*forms.Form3, state.Money);
  ShowReputation(*forms.Form3, state.Reputation);
  ShowWaitingText();
  ShowFace(kEmptyFace);
  // A click raises the stall over everything; the new figures must stay in sight.
  RaiseInfoBar(forms);
}

void TForm9::Button2Click() {
  if (!offerShown_) return;
  offerShown_ = false;
  EndOffer(false);
  Timer1.SetEnabled(true);
  Button1->hide();
  Button2->hide();
  forms.Form1->PlaySound("\\sound\\sounds\\s10.wav");
  ShowWaitingText();
  ShowFace(kEmptyFace);
  RaiseInfoBar(forms);
}

void TForm9::ShowWellDone(const std::vector<std::string>& lines) {
  TForm12& notice = *forms.Form12;
  notice.SetCaption("Well done");
  for (const std::string& line : lines) notice.AddLine(line);
  if (!hostPicture_.isNull()) notice.ShowPicture(hostPicture_);
  ShowNoticeModal(game, forms);
}

void TForm9::FormClose() {
  TForm1& main = *forms.Form1;
  who& state = game.GameState;
  // No clock tick may run while the notices below are open.
  main.Timer1.SetEnabled(false);
  Timer1.SetEnabled(false);
  Button1->hide();
  Button2->hide();
  // An offer left unanswered is not taken: the day's summary counts it refused.
  if (offerShown_) EndOffer(false);
  offerShown_ = false;
  if (!game.SellOutRewarded && allEntriesSold) {
    state.Reputation = SaturatingAdd(state.Reputation, sellOutBonus);
    ShowReputation(*forms.Form3, state.Reputation);
    game.FleaResult = -1;
    ShowWellDone({"Nice work.", "All the submitted paintings sold."});
    allEntriesSold = false;
    game.FleaResult = ReputationMilestone(reputationAtOpen, state.Reputation);
    if (game.FleaResult != 0)
      ShowWellDone({"Reputaion now: " + std::to_string(state.Reputation), "Great stuff."});
    game.SellOutRewarded = true;
  }
  ShowFace(kEmptyFace);
  if (Showing() && game.GameRunning && ValidVenue()) {
    ShowReport();
    TellUnlocks(game, forms);
  }
  main.Timer1.SetEnabled(game.GameRunning);
  if (Showing()) {
    if (game.SoundOn) main.MediaPlayer1.Stop();
    if (game.MusicOn) {
      game.MusicTheme = 10;
      game.MusicRestart = true;
      main.MediaPlayer2Notify();
    }
  }
}

void TForm9::ShowReport() {
  const who& state = game.GameState;
  const std::vector<std::string> lines =
      DayReportLines(report_, state.Money, state.Reputation,
                     UnsoldEntries(game.Venues[game.EventVenue], state),
                     game.ClockHour >= kEventDayEnds);
  ShowDayReport(game, forms, VenueName(game.EventVenue), lines, hostPicture_);
}

void TForm9::ShowWaitingText() {
  Label2->setText("PLEASE WAIT ");
  Label5->setText("FOR AN");
  Label3->setText("INTERESTED ");
  Label4->setText("BUYER.");
}

void TForm9::ShowOfferText(const std::string& title) {
  Label2->setText("Would you like to ");
  Label5->setText("sell the picture: ");
  Label3->setText(QString::fromStdString("\"" + title + "\" for"));
  Label4->setText(QString::fromStdString("$ " + FormatMoney(currentOffer)));
}

std::vector<std::string> TForm9::TextLines() const {
  return {Text(Label2), Text(Label5), Text(Label3), Text(Label4)};
}

void TForm9::ShowFace(const std::string& relativePath) {
  // A missing face leaves the place as it was; the stall does not complain.
  Image18->LoadFromFile(AssetPath(game, relativePath));
}

bool TForm9::event(QEvent* event) {
  // A window manager stacks the stall when it activates it, after it was shown.
  if (event->type() == QEvent::WindowActivate) RaiseInfoBar(forms);
  return TFormBase::event(event);
}

void TForm9::Button3Click() {
  Close();
}

void TForm9::Exit1Click() {
  Close();
}

TImage* TForm9::Frame(int k) const {
  TImage* const frames[8] = {Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8};
  return frames[k - 1];
}

TImage* TForm9::SoldMark(int k) const {
  TImage* const marks[8] = {Image9, Image10, Image11, Image12, Image13, Image14, Image15, Image16};
  return marks[k - 1];
}

void TForm9::SetTitleColour(const QColor& colour) {
  QPalette palette = Label1->palette();
  palette.setColor(QPalette::WindowText, colour);
  Label1->setPalette(palette);
}

QColor TForm9::TitleColour() const {
  return Label1->palette().color(QPalette::WindowText);
}

}  // namespace pictorio
