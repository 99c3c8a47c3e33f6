#include "venues/entry_window.h"

#include <QTimer>
#include <QVBoxLayout>

#include "app/main_window.h"  // entering stops the room's clock and plays on its media players
#include "core/game.h"
#include "studio/artwork_files.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "venues/entry_rules.h"
#include "venues/free_pictures.h"

namespace pictorio {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kPanelLeft = 470;
constexpr int kPanelWidth = 300;
constexpr int kHostStopFrame = 7;
constexpr int kHostSide = 120;
constexpr int kExitLeft = 380;

// Where each venue's host stands: behind the market cart's counter or the
// galleries' reception desk, feet hidden by it.
const QPoint kHostPlaces[4] = {{110, 182}, {214, 192}, {214, 192}, {214, 192}};

QPushButton* MakeButton(QWidget* parent, const char* caption, int left, int top, int width) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(left, top, width, 30);
  return button;
}

}  // namespace

TForm8::TForm8(Game& g, Forms& f) : TFormBase(g, f, "Submit Pictures") {
  // Opened from the calendar, which stays on top: this window must come above it.
  setWindowFlag(Qt::WindowStaysOnTopHint);
  SetRoomPlace(RoomPlace::Covering);
  setFont(GameFont());
  MainMenu1 = new QMenuBar(this);
  Exit1 = MainMenu1->addAction("Exit");
  Client = new QWidget(this);
  setFixedSize(kWidth, kHeight);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MainMenu1);
  layout->addWidget(Client);

  Image1 = new TImage(Client);
  Image1->setGeometry(0, 0, kWidth, kHeight);

  Animate1 = new TAnimate(g.platform, Client);
  Animate1->resize(kHostSide, kHostSide);
  Animate1->SetStopFrame(kHostStopFrame);

  // A sheet of paper behind the host's words and the controls, all in the
  // upper part: the info bar floats over the lower right corner.
  Image2 = new TImage(Client);
  Image2->setGeometry(kPanelLeft - 14, 8, kPanelWidth + 28, 424);
  Image2->SetStretch(true);
  Image2->LoadFromFile(AssetPath(g, "\\design\\notice.png"));

  Memo1 = new QPlainTextEdit(Client);
  Memo1->setGeometry(kPanelLeft, 20, kPanelWidth, 100);
  Memo1->setReadOnly(true);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setPlainText("Welcome to where \never.\n\nPlease select the \npaintings and ...");

  ComboBox1 = new QComboBox(Client);
  ComboBox1->setGeometry(kPanelLeft, 130, kPanelWidth - 110, 30);
  ComboBox1->setPlaceholderText("Name");
  Button1 = MakeButton(Client, "Submit", kPanelLeft + kPanelWidth - 100, 130, 100);

  ListBox1 = new QListWidget(Client);
  ListBox1->setGeometry(kPanelLeft, 168, kPanelWidth, 168);

  Button2 = MakeButton(Client, "Accept selection", kPanelLeft, 344, 145);
  Button3 = MakeButton(Client, "Clear selection", kPanelLeft + 155, 344, 145);
  // Nothing in the design says so, and a stall opened late sees few buyers.
  Hint = new QLabel("Buyers come one by one through the day: go early to sell more.", Client);
  Hint->setGeometry(kPanelLeft, 380, kPanelWidth, 40);
  Hint->setWordWrap(true);
  // On the floor, where nothing floats over it and no hot spot of the room
  // lies under it (a double click must not open the shop).
  Button4 = MakeButton(Client, "Exit", kExitLeft, 520, 120);

  Image3 = new TImage(Client);
  Image3->hide();

  Timer1.OnTimer = [this] { Timer1Timer(); };
  Timer2.OnTimer = [this] { Timer2Timer(); };
  Timer2.SetEnabled(true);
  QObject::connect(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  QObject::connect(Button2, &QPushButton::clicked, [this] { Button2Click(); });
  QObject::connect(Button3, &QPushButton::clicked, [this] { Button3Click(); });
  QObject::connect(Button4, &QPushButton::clicked, [this] { Button4Click(); });
  QObject::connect(Exit1, &QAction::triggered, [this] { Exit1Click(); });
}

bool TForm8::ValidVenue() const {
  return game.EventVenue >= kVenueFlea && game.EventVenue <= kVenueInternational;
}

void TForm8::ShowMemo(const std::string& text) {
  Memo1->setPlainText(QString::fromStdString(text));
}

void TForm8::PlayHostSound() {
  if (!hostSound.empty()) forms.Form1->PlaySound("\\sound\\sounds\\" + hostSound + ".wav");
}

void TForm8::FormShow() {
  TForm1& main = *forms.Form1;
  Button3->setEnabled(false);
  main.Timer1.SetEnabled(false);
  ListBox1->clear();
  ComboBox1->clear();
  if (!ValidVenue()) {
    // Nobody to enter pictures for: nothing can be done here.
    for (QWidget* control : {static_cast<QWidget*>(ComboBox1), static_cast<QWidget*>(Button1),
                             static_cast<QWidget*>(Button2), static_cast<QWidget*>(ListBox1)})
      control->setEnabled(false);
    hostSound.clear();
    return;
  }
  const int v = game.EventVenue;
  const EntryScene& scene = EntrySceneOf(v);
  // A missing animation leaves the host out; the window still works.
  hostAnimOpen_ = Animate1->SetFileName(AssetPath(game, scene.hostAnimation));
  Animate1->move(kHostPlaces[v - 1]);
  Image1->LoadFromFile(AssetPath(game, scene.background));
  hostAnimTicks = scene.hostAnimTicks;
  Timer1.SetEnabled(true);
  hostSound = scene.hostSound;
  const EntryTexts texts = EntryTextsFor(v, game.GameState.Reputation);

  ListFreePictures(game, forms);
  for (const std::string& title : forms.Form3->ListBox3.Items)
    ComboBox1->addItem(QString::fromStdString(title));

  const submittedpic& venue = game.Venues[v];
  if (venue.Submitted) {
    for (int k = 0; k < venue.Slots; ++k)
      ListBox1->addItem(QString::fromStdString(venue.Entries[static_cast<std::size_t>(k)]));
    ComboBox1->setEnabled(false);
    Button1->setEnabled(false);
    Button2->setEnabled(false);
    ListBox1->setEnabled(false);
    ShowMemo(texts.done);
  } else {
    Button2->setEnabled(false);
    ComboBox1->setCurrentIndex(-1);
    entryCount = 0;
    ComboBox1->setEnabled(true);
    Button1->setEnabled(true);
    ListBox1->setEnabled(true);
    ShowMemo(texts.open);
    if (!game.VenueAllowed) {
      ComboBox1->setEnabled(false);
      Button1->setEnabled(false);
      ListBox1->setEnabled(false);
      Button3->setEnabled(false);
      ShowMemo(texts.refusal);
    }
  }
  RaiseInfoBar(forms);
  PlayHostSound();
}

void TForm8::Button1Click() {
  if (!ValidVenue()) return;
  submittedpic& venue = game.Venues[game.EventVenue];
  who& state = game.GameState;
  const std::string title = ComboBox1->currentText().toStdString();
  int found = -1;
  for (int i = 0; i < static_cast<int>(state.Pictures.size()); ++i)
    if (state.Pictures[static_cast<std::size_t>(i)].Title == title) found = i;

  // Nothing chosen, a name no picture has, a full stall or a sold picture: no entry.
  if (ComboBox1->currentIndex() >= 0 && found >= 0 && entryCount < venue.Slots &&
      !venue.Submitted) {
    picrec& picture = state.Pictures[static_cast<std::size_t>(found)];
    if (!picture.AtVenue && !picture.Gone) {
      if (!Image3->LoadFromFile(PicturePath(game, picture.Title))) {
        game.platform.MessageDlg("Sorry but you seem to have lost your picture: \"" +
                                     picture.Title +
                                     ".jpg\". Until found please don't try to submit it.",
                                 MsgType::Error, MsgButtons::Ok);
      } else {
        ListBox1->addItem(ComboBox1->currentText());
        picture.AtVenue = true;
        venue.Entries[static_cast<std::size_t>(entryCount)] = title;
        Button3->setEnabled(true);
        ++entryCount;
        forms.Form1->PlaySound("\\sound\\sounds\\s15.wav");
      }
    }
  }
  if (entryCount == venue.Slots) {
    Button1->setEnabled(false);
    ComboBox1->setEnabled(false);
    Button2->setEnabled(true);
  }
}

void TForm8::Button2Click() {
  if (!ValidVenue()) return;
  submittedpic& venue = game.Venues[game.EventVenue];
  // Only a full selection is accepted, and only once.
  if (venue.Submitted || entryCount != venue.Slots) return;
  venue.Submitted = true;
  TStringList& text = forms.Form3->ListBox1;
  for (int k = 0; k < venue.Slots; ++k) {
    text.Add(venue.Code);
    text.Add(venue.Entries[static_cast<std::size_t>(k)]);
  }
  Button2->setEnabled(false);
  Button3->setEnabled(false);
  forms.Form1->PlaySound("\\sound\\sounds\\s16.wav");
}

void TForm8::ReleaseEntries() {
  submittedpic& venue = game.Venues[game.EventVenue];
  for (int k = 0; k < venue.Slots; ++k) {
    std::string& entry = venue.Entries[static_cast<std::size_t>(k)];
    if (entry.empty()) continue;
    for (picrec& picture : game.GameState.Pictures) {
      if (picture.Title == entry) picture.AtVenue = false;
    }
    entry.clear();
  }
}

void TForm8::Button3Click() {
  if (!ValidVenue() || game.Venues[game.EventVenue].Submitted) return;
  ReleaseEntries();
  ListBox1->clear();
  entryCount = 0;
  Button1->setEnabled(true);
  ComboBox1->setEnabled(true);
  Button3->setEnabled(false);
  Button2->setEnabled(false);
  forms.Form1->PlaySound("\\sound\\sounds\\s11.wav");
}

void TForm8::Button4Click() {
  Close();
}

void TForm8::Exit1Click() {
  Close();
}

void TForm8::FormClose() {
  TForm1& main = *forms.Form1;
  // Leaving without accepting undoes every entry of this visit.
  if (ValidVenue() && !game.Venues[game.EventVenue].Submitted) {
    ReleaseEntries();
    ListBox1->clear();
  }
  main.Timer1.SetEnabled(game.GameRunning);
  game.EventVenue = game.TodayVenue;
  Timer1.SetEnabled(false);
  Animate1->SetActive(false);
  hostAnimOpen_ = false;
  if (Showing()) {
    if (game.SoundOn) main.MediaPlayer1.Stop();
    if (game.MusicOn) {
      game.MusicTheme = 10;
      game.MusicRestart = true;
      main.MediaPlayer2Notify();
    }
  }
}

void TForm8::Timer1Timer() {
  Animate1->SetActive(true);
  --hostAnimTicks;
  if (hostAnimTicks <= -1) {
    Animate1->SetActive(false);
    Timer1.SetEnabled(false);
  }
}

void TForm8::Timer2Timer() {
  if (!hostAnimOpen_) return;
  hostAnimTicks = game.platform.Random(4) + 2;
  Timer1.SetEnabled(true);
  PlayHostSound();
}

}  // namespace pictorio
