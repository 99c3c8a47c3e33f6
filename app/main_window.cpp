#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <filesystem>

#include "app/career_book_window.h"
#include "app/game_flow.h"
#include "app/player_news.h"
#include "app/saved_games.h"
#include "core/game.h"
#include "core/paths.h"
#include "core/save_files.h"
#include "core/text_file.h"
#include "shop/shop_window.h"
#include "shop/stock_window.h"
#include "simulation/clock.h"
#include "simulation/notice_window.h"
#include "simulation/trophies.h"
#include "simulation/week_plan.h"
#include "studio/colour_table.h"
#include "studio/studio_window.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "ui/display_settings.h"
#include "ui/picture_io.h"
#include "ui/form_base.h"
#include "ui/screen_fit.h"
#include "venues/calendar_window.h"

namespace pictorio {
namespace {

constexpr int kNormalInterval = 5000;
constexpr int kFastInterval = 2500;
constexpr int kVeryFastInterval = 250;

const char* const kMissingSound = "Some sound files may be missing";
const char* const kNoPlayerFolder =
    "Pictorio cannot tell where to keep your saved games and pictures: neither HOME nor "
    "XDG_DATA_HOME names a folder.";

// Qt flips a checkable item before its handler runs; the game's handlers decide
// the mark themselves, so the flip is undone first.
void OnManualCheck(QAction* item, std::function<void()> handler) {
  QObject::connect(item, &QAction::triggered, [item, handler] {
    item->setChecked(!item->isChecked());
    handler();
  });
}

}  // namespace

TForm1::TForm1(Game& game, Forms& forms)
    : MediaPlayer1(game.platform, MediaChannel::Effects),
      MediaPlayer2(game.platform, MediaChannel::Music),
      game_(game),
      forms_(forms) {
  setWindowTitle("Pictorio");
  setFont(GameFont());
  // The room is laid out for a whole 800 x 600 screen; the menu bar takes its
  // share of it, so the bottom of the picture is cut off as it always was.
  setFixedSize(800, 600);
  game_.Settings = LoadSettings();
  scene_ = new QWidget(this);
  setCentralWidget(scene_);
  BuildMenus();
  Timer1.OnTimer = [this] { Timer1Timer(); };
  Timer2.OnTimer = [this] { Timer2Timer(); };
  MediaPlayer2.OnNotify = [this] {
    // The end of a track arrives as a completed play.
    game_.MusicRestart = true;
    MediaPlayer2Notify();
  };
  FormCreate();
  // The room's pictures are found under AssetRoot, which start-up has just set.
  BuildScene();
}

TImage* TForm1::MakeImage(const char* design, int left, int top, int width, int height) {
  auto* image = new TImage(scene_);
  image->setGeometry(left, top, width, height);
  image->SetStretch(true);
  if (design) image->LoadFromFile(AssetPath(game_, std::string("\\design\\") + design));
  return image;
}

TImage* TForm1::MakeHiddenImage(const char* design, int left, int top, int width, int height) {
  TImage* image = MakeImage(nullptr, left, top, width, height);
  laterPictures_.emplace_back(image, design);
  return image;
}

void TForm1::BuildScene() {
  // The splash covers the room at its first frame, so the room's own picture
  // can wait until right after it like the hidden pieces.
  Image1 = MakeHiddenImage("room.png", 0, 0, 801, 601);
  Image1->SetHint("Use dropdown-menu to start new game or load a previous one");
  Image2 = MakeHiddenImage("rack.png", 374, 81, 378, 482);
  Image3 = MakeHiddenImage("extinguisher.png", 129, 395, 65, 137);
  Image4 = MakeHiddenImage("telephone.png", 115, 156, 105, 105);
  Image5 = MakeHiddenImage("alarm1.png", 324, 9, 121, 65);
  Image6 = MakeHiddenImage("alarm2.png", 693, 183, 73, 65);
  Image16 = MakeHiddenImage("trophy10.png", 408, 40, 65, 90);
  Image18 = MakeHiddenImage("trophy12.png", 480, 16, 65, 114);
  Image14 = MakeHiddenImage("trophy8.png", 554, 40, 65, 90);
  Image13 = MakeHiddenImage("trophy7.png", 408, 141, 65, 90);
  Image15 = MakeHiddenImage("trophy9.png", 480, 141, 65, 90);
  Image17 = MakeHiddenImage("trophy11.png", 553, 141, 65, 90);
  Image10 = MakeHiddenImage("trophy4.png", 408, 248, 65, 90);
  Image11 = MakeHiddenImage("trophy5.png", 480, 248, 65, 90);
  Image12 = MakeHiddenImage("trophy6.png", 552, 248, 65, 90);
  Image7 = MakeHiddenImage("trophy1.png", 408, 352, 65, 90);
  Image8 = MakeHiddenImage("trophy2.png", 480, 352, 65, 90);
  Image9 = MakeHiddenImage("trophy3.png", 552, 352, 65, 90);
  Image24 = MakeHiddenImage("bookshelf.png", 12, 350, 104, 84);
  Image24->SetHint("Open the Career Book");
  for (TImage* hidden : {Image2, Image3, Image4, Image5, Image6}) hidden->hide();
  for (int k = 1; k <= 12; ++k) {
    TImage* trophy = TrophyImage(k);
    trophy->hide();
    trophy->OnClick = [this, k] { TrophyClick(k); };
  }

  Image20 = MakeImage(nullptr, 208, 152, 113, 89);
  Image20->SetHint("Show Calendar");
  Image21 = MakeImage(nullptr, 64, 496, 137, 97);
  Image21->SetHint("Go to Shop");
  Image22 = MakeImage(nullptr, 216, 288, 145, 257);
  Image22->SetHint("Go to Studio");
  Image23 = MakeImage(nullptr, 720, 328, 57, 73);
  Image23->SetHint("Exit Game");
  for (TImage* spot : {Image20, Image21, Image22, Image24}) spot->SetShowHint(false);
  for (TImage* spot : {Image20, Image21, Image22, Image23, Image24})
    spot->setCursor(Qt::PointingHandCursor);
  Image20->OnClick = [this] { Image20Click(); };
  Image21->OnClick = [this] { Image21Click(); };
  Image22->OnClick = [this] { Image22Click(); };
  Image23->OnClick = [this] { Image23Click(); };
  Image24->OnClick = [this] { Image24Click(); };

  Image19 = MakeImage("splash.bmp", 0, 0, 801, 601);
  Image19->hide();
}

TImage* TForm1::TrophyImage(int trophy) const {
  TImage* const images[12] = {Image7,  Image8,  Image9,  Image10, Image11, Image12,
                              Image13, Image14, Image15, Image16, Image17, Image18};
  return images[trophy - 1];
}

std::vector<QRect> TForm1::HotSpotsOnScreen() const {
  std::vector<QRect> spots;
  for (const TImage* spot : {Image20, Image21, Image22, Image23, Image24})
    spots.emplace_back(scene_->mapToGlobal(spot->geometry().topLeft()), spot->size());
  return spots;
}

void TForm1::ShowRoom() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) {
    show();
    return;
  }
  const QRect whole = screen->geometry();
  const QRect free = screen->availableGeometry();
  if (!game_.Settings.Windowed || NeedsWholeScreen(free.size(), size())) {
    setWindowFlag(Qt::FramelessWindowHint);
    // Not maximised or full screen: the room keeps its size, and a window
    // manager keeps the info bar above it.
    move(whole.topLeft() + QPoint((whole.width() - width()) / 2, (whole.height() - height()) / 2));
    // The black around the scene comes right after the room's first frame.
    if (whole.size() != size())
      QTimer::singleShot(0, this, [this, whole] {
        if (!backdrop_) backdrop_.reset(MakeBackdrop());
        backdrop_->setGeometry(whole);
        backdrop_->show();
        raise();
      });
  } else {
    move(free.topLeft() + QPoint((free.width() - width()) / 2, (free.height() - height()) / 2));
  }
  show();
  // The info bar comes with the other windows right after the first frame.
  if (forms_.Form3) FloatAbove(*forms_.Form3, *this);
}

void TForm1::ChooseDisplay(DisplayChoice choice) {
  FullScreen1->setChecked(choice == DisplayChoice::FullScreen);
  Window1->setChecked(choice == DisplayChoice::Window);
  if ((choice == DisplayChoice::Window) == game_.Settings.Windowed) return;
  game_.Settings.Windowed = choice == DisplayChoice::Window;
  StoreSettings(game_.Settings);
  // Qt takes its scale once, before the first window.
  game_.platform.MessageDlg(
      choice == DisplayChoice::Window
          ? "The game will open in a window the next time it starts."
          : "The game will fill the screen the next time it starts.",
      MsgType::Information, MsgButtons::Ok);
}

void TForm1::FullScreen1Click() {
  ChooseDisplay(DisplayChoice::FullScreen);
}

void TForm1::Window1Click() {
  ChooseDisplay(DisplayChoice::Window);
}

void TForm1::SwitchDisplayClick() {
  ChooseDisplay(game_.Settings.Windowed ? DisplayChoice::FullScreen : DisplayChoice::Window);
}

void TForm1::BuildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* game = bar->addMenu("Game");
  File1 = game->menuAction();
  New1 = game->addAction("New");
  game->addSeparator();
  LoadGame1 = game->addAction("Load");
  Save1 = game->addAction("Save");
  Delete1 = game->addAction("Delete");
  game->addSeparator();
  Exit1 = game->addAction("Exit");

  QMenu* go = bar->addMenu("Go To");
  Events1 = go->menuAction();
  Calendar1 = go->addAction("Calendar");
  Shop1 = go->addAction("Shop");
  paint1 = go->addAction("Studio");
  QMenu* submit = go->addMenu("Submit Pictures");
  SubmitPictures1 = submit->menuAction();
  FleaMarket1 = submit->addAction("Flea Market");
  Localgalery1 = submit->addAction("Local Gallery");
  NationalGallery1 = submit->addAction("National Gallery");
  InternationalGallery1 = submit->addAction("International Gallery");
  go->addSeparator();
  nowEvent1 = go->addAction("Go to Event");
  go->addSeparator();
  CareerBook1 = go->addAction("Career Book");
  CareerBook1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));

  QMenu* options = bar->addMenu("Options");
  Options1 = options->menuAction();
  InfoBar1 = options->addAction("Info Bar");
  StockBar1 = options->addAction("Stock Window");
  options->addSeparator();
  Sound1 = options->addAction("Sound");
  Music1 = options->addAction("Music");
  QMenu* speed = options->addMenu("Speed");
  Speed1 = speed->menuAction();
  veryfast1 = speed->addAction("Very fast");
  fast1 = speed->addAction("Fast");
  Normal1 = speed->addAction("Normal");
  speed->addSeparator();
  Pause1 = speed->addAction("Pause");
  QMenu* display = options->addMenu("Display");
  Display1 = display->menuAction();
  FullScreen1 = display->addAction("Full screen");
  Window1 = display->addAction("Window");
  display->addSeparator();
  SwitchDisplay1 = display->addAction("Switch");
  SwitchDisplay1->setShortcut(Qt::Key_F11);
  // The key works while the menus are hidden (the splash) too.
  addAction(SwitchDisplay1);
  for (QAction* item : {FullScreen1, Window1}) item->setCheckable(true);
  FullScreen1->setChecked(!game_.Settings.Windowed);
  Window1->setChecked(game_.Settings.Windowed);

  options->addSeparator();
  Autosave1 = options->addAction("Autosave");
  Autosave1->setCheckable(true);
  Autosave1->setChecked(game_.Settings.Autosave);
  News1 = options->addAction("Summaries and unlocks");
  Tips1 = options->addAction("Tips");
  PauseAtEvents1 = options->addAction("Pause when an event begins");
  const std::pair<QAction*, bool PlayerSettings::*> toggles[] = {
      {News1, &PlayerSettings::News},
      {Tips1, &PlayerSettings::Tips},
      {PauseAtEvents1, &PlayerSettings::PauseAtEvents}};
  for (const auto& [item, setting] : toggles) {
    item->setCheckable(true);
    item->setChecked(game_.Settings.*setting);
    connect(item, &QAction::toggled, [this, setting = setting](bool on) {
      game_.Settings.*setting = on;
      StoreSettings(game_.Settings);
    });
  }

  Help1 = bar->addAction("Help");
  Help1->setShortcut(QKeySequence::HelpContents);

  New1->setShortcut(QKeySequence::New);
  LoadGame1->setShortcut(QKeySequence::Open);
  Save1->setShortcut(QKeySequence::Save);
  Pause1->setShortcuts({QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_P)});
  // 1, 2, 3 from the slowest up, as the game speeds up.
  Normal1->setShortcut(QKeySequence(Qt::Key_1));
  fast1->setShortcut(QKeySequence(Qt::Key_2));
  veryfast1->setShortcut(QKeySequence(Qt::Key_3));

  for (QAction* item : {Sound1, Music1, veryfast1, fast1, Normal1}) item->setCheckable(true);
  for (QAction* item : {Sound1, Music1}) item->setChecked(true);
  const std::pair<QAction*, int> speeds[] = {
      {veryfast1, kVeryFastInterval}, {fast1, kFastInterval}, {Normal1, kNormalInterval}};
  const auto& [speedItem, interval] = speeds[static_cast<int>(game_.Settings.Speed)];
  speedItem->setChecked(true);
  Timer1.SetInterval(interval);
  for (QAction* item : {Calendar1, Shop1, paint1, SubmitPictures1, nowEvent1, Save1, CareerBook1})
    item->setEnabled(false);

  connect(New1, &QAction::triggered, [this] { New1Click(); });
  connect(LoadGame1, &QAction::triggered, [this] { LoadGame1Click(); });
  connect(Save1, &QAction::triggered, [this] { Save1Click(); });
  connect(Delete1, &QAction::triggered, [this] { Delete1Click(); });
  connect(Exit1, &QAction::triggered, [this] { Exit1Click(); });
  connect(Calendar1, &QAction::triggered, [this] { Calendar1Click(); });
  connect(Shop1, &QAction::triggered, [this] { Shop1Click(); });
  connect(paint1, &QAction::triggered, [this] { paint1Click(); });
  connect(FleaMarket1, &QAction::triggered, [this] { SubmitPicturesClick(kVenueFlea); });
  connect(Localgalery1, &QAction::triggered, [this] { SubmitPicturesClick(kVenueLocal); });
  connect(NationalGallery1, &QAction::triggered, [this] { SubmitPicturesClick(kVenueNational); });
  connect(InternationalGallery1, &QAction::triggered,
          [this] { SubmitPicturesClick(kVenueInternational); });
  connect(nowEvent1, &QAction::triggered, [this] { nowEvent1Click(); });
  connect(CareerBook1, &QAction::triggered, [this] { CareerBook1Click(); });
  connect(InfoBar1, &QAction::triggered, [this] { InfoBar1Click(); });
  connect(StockBar1, &QAction::triggered, [this] { StockBar1Click(); });
  OnManualCheck(Sound1, [this] { Sound1Click(); });
  OnManualCheck(Music1, [this] { Music1Click(); });
  OnManualCheck(veryfast1, [this] { veryfast1Click(); });
  OnManualCheck(fast1, [this] { fast1Click(); });
  OnManualCheck(Normal1, [this] { Normal1Click(); });
  connect(Pause1, &QAction::triggered, [this] { Pause1Click(); });
  OnManualCheck(FullScreen1, [this] { FullScreen1Click(); });
  OnManualCheck(Window1, [this] { Window1Click(); });
  connect(SwitchDisplay1, &QAction::triggered, [this] { SwitchDisplayClick(); });
  OnManualCheck(Autosave1, [this] { Autosave1Click(); });
  connect(Help1, &QAction::triggered, [this] { Help1Click(); });
}

void TForm1::FormCreate() {
  // The random generator was seeded from the clock when the platform was built.
  // Started from another folder, the game still finds its files beside the program.
  const AssetRootChoice root =
      ChooseAssetRoot(game_.platform.CurrentDirectory(), game_.platform.ProgramDirectory());
  if (root.root.empty()) {
    game_.platform.MessageDlg(root.error, MsgType::Error, MsgButtons::Ok);
    closeRequested_ = true;
    close();
    return;
  }
  game_.AssetRoot = root.root;
  QIcon icon;
  for (const char* size : {"16", "32", "64", "256"})
    icon.addFile(QString::fromStdString(
        AssetPath(game_, std::string("\\icons\\pictorio-") + size + ".png")));
  QApplication::setWindowIcon(icon);
  game_.PlayerRoot = ChoosePlayerRoot(root, game_.platform.PlayerDataHome());
  if (game_.PlayerRoot.empty()) {
    game_.platform.MessageDlg(kNoPlayerFolder, MsgType::Error, MsgButtons::Ok);
    closeRequested_ = true;
    close();
    return;
  }
  MakePlayerFolders();
  // A save or a picture killed mid-write leaves its temporary file; the old file is intact.
  RemoveSafeWriteLeftovers(PlayerPath(game_, "\\savegames"));
  RemoveSafeWriteLeftovers(PlayerPath(game_, "\\pictures"));
  RemoveSafeWriteLeftovers(AutosaveFolder(game_));
  EnsureSaveIndex(game_);
  CheckDisplayMode();
  if (closeRequested_) return;
  game_.GameRunning = false;
  game_.EventOpen = false;
  Timer2.SetEnabled(true);
  game_.EventNoticeEnabled = true;
  BuildVenues(game_);
  game_.EventVenue = 0;
  InitColourTable(game_);
  game_.VipNoticeDone = true;
  // The sound players open in FinishStartUp: the synthesiser takes longer to
  // start than the room takes to appear.
}

void TForm1::MakePlayerFolders() {
  // Created on first use; the game can still be played when this fails, and
  // each save says again why it cannot be written.
  for (const char* folder : {"\\savegames", "\\pictures"}) {
    std::error_code failed;
    const std::string path = PlayerPath(game_, folder);
    std::filesystem::create_directories(path, failed);
    if (!failed) continue;
    game_.platform.MessageDlg("Pictorio cannot make the folder '" + path +
                                  "' for your saved games and pictures (" + failed.message() +
                                  "). Nothing can be saved until it can.",
                              MsgType::Error, MsgButtons::Ok);
    return;
  }
}

void TForm1::FinishStartUp() {
  if (startUpFinished_) return;
  startUpFinished_ = true;
  for (const auto& [image, design] : laterPictures_)
    image->LoadFromFile(AssetPath(game_, std::string("\\design\\") + design));
  laterPictures_.clear();
  if (isVisible()) FloatAbove(*forms_.Form3, *this);
  // Without a usable game folder or display the program is on its way out.
  if (!closeRequested_) OpenSound();
}

void TForm1::OpenSound() {
  MediaPlayer1.FileName = AssetPath(game_, "\\sound\\sounds\\s1.wav");
  if (MediaPlayer1.Open()) {
    game_.SoundOn = game_.Settings.Sound;
    Sound1->setChecked(game_.SoundOn);
  } else {
    game_.SoundOn = false;
    game_.platform.MessageDlg(kMissingSound, MsgType::Error, MsgButtons::Ok);
    Sound1->setEnabled(false);
    Sound1->setChecked(false);
  }
  MediaPlayer2.FileName = AssetPath(game_, "\\sound\\music\\m10.mid");
  if (MediaPlayer2.Open()) {
    game_.MusicOn = game_.Settings.Music;
    Music1->setChecked(game_.MusicOn);
  } else {
    game_.MusicOn = false;
    game_.platform.MessageDlg(kMissingSound, MsgType::Error, MsgButtons::Ok);
    Music1->setEnabled(false);
    Music1->setChecked(false);
  }
  if (game_.MusicOn) {
    game_.MusicTheme = 10;
    game_.MusicRestart = true;
    MediaPlayer2Notify();
  }
}

void TForm1::CheckDisplayMode() {
  const DisplayMode current = game_.platform.CurrentDisplayMode();
  game_.ScreenWidth = current.width;
  game_.ScreenHeight = current.height;
  game_.ScreenBitsPerPixel = current.bitsPerPixel;
  game_.DisplayModeOk = current == DisplayMode{800, 600, 16};
  if (game_.DisplayModeOk) return;
  try {
    SwitchDisplayMode(800, 600, 16);
  } catch (const DisplayModeError&) {
    game_.platform.MessageDlg(
        "Your system does not support the required screen resolution (800x600, 16 colors)",
        MsgType::Error, MsgButtons::Ok);
    closeRequested_ = true;
    close();
  }
}

bool TForm1::SwitchDisplayMode(int width, int height, int bitsPerPixel) {
  const DisplayMode wanted{width, height, bitsPerPixel};
  for (const DisplayMode& mode : game_.platform.DisplayModes()) {
    if (mode == wanted) {
      game_.platform.SetDisplayMode(mode);
      return true;
    }
  }
  return false;
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_ && !event->spontaneous()) {
    shownOnce_ = true;
    FormShow();
  }
}

void TForm1::FormShow() {
  Image19->setGeometry(0, 0, 801, 601);
  Image19->show();
  Image19->raise();
  for (QAction* top : {File1, Events1, Options1, Help1}) top->setVisible(false);
  backgroundload(game_, forms_);
}

void TForm1::Timer2Timer() {
  ++timer2Ticks_;
  if (timer2Ticks_ != 3) return;
  // The splash has had its fifteen seconds; the timer has nothing more to do.
  Timer2.SetEnabled(false);
  Image19->hide();
  for (QAction* top : {File1, Events1, Options1, Help1}) top->setVisible(true);
  game_.platform.MessageDlg(
      "Use the dropdown menu to start a new game. Go to the shop to buy utensils to create some "
      "artworks. Go to the calendar to submit your pictures and sell them at various locations. "
      "Enjoy the game.",
      MsgType::Information, MsgButtons::Ok);
}

// No game hour passes while the game's questions and dialogs wait.
void TForm1::New1Click() {
  const TimerHold hold(Timer1);
  NewGame(game_, forms_);
}

void TForm1::LoadGame1Click() {
  const TimerHold hold(Timer1);
  LoadGame(game_, forms_);
}

void TForm1::Save1Click() {
  const TimerHold hold(Timer1);
  if (SaveGame(game_, forms_)) forms_.Form3->SayBriefly("Game saved");
}

void TForm1::Delete1Click() {
  const TimerHold hold(Timer1);
  DeleteGame(game_, forms_);
}

void TForm1::Exit1Click() {
  if (game_.platform.MessageDlg("Do you want to exit?", MsgType::Confirmation, MsgButtons::YesNo) !=
      ModalResult::Yes)
    return;
  MediaPlayer2.Stop();
  if (close()) return;
  // Back to a game that could not be saved: its music goes on too.
  game_.MusicRestart = true;
  MediaPlayer2Notify();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (!FormClose()) {
    event->ignore();
    return;
  }
  event->accept();
  QCoreApplication::quit();
}

bool TForm1::FormClose() {
  if (closed_) return true;
  // A second close while the first one asks its questions waits for their answer.
  if (closing_) return false;
  closing_ = true;
  const TimerHold hold(Timer1);
  const bool leaving = !game_.GameRunning || OfferSaveOrEnd(game_, forms_, Leaving::Program);
  closing_ = false;
  if (!leaving) return false;
  closed_ = true;
  if (!game_.DisplayModeOk && !closeRequested_) {
    try {
      SwitchDisplayMode(game_.ScreenWidth, game_.ScreenHeight, game_.ScreenBitsPerPixel);
    } catch (const DisplayModeError&) {
      // Leaving anyway: nothing more can be done about the display.
    }
  }
  Timer1.SetEnabled(false);
  Timer2.SetEnabled(false);
  return true;
}

void TForm1::Calendar1Click() {
  SnapshotGame(game_, forms_);
  forms_.Form4->show();
  // Looking at the calendar must not ring the telephone again.
  game_.EventNoticeEnabled = false;
  BuildWeekPlan(game_, forms_);
  game_.EventNoticeEnabled = true;
}

void TForm1::Shop1Click() {
  TForm10& shop = *forms_.Form10;
  // The shop covers the room; the clock in here keeps running meanwhile.
  if (shop.Showing()) shop.raise();
  CoverRoomWith(shop);
  // A missing animation leaves the shopkeeper still; the shop does not complain.
  shop.Animate1->SetFileName(AssetPath(game_, "\\avis\\a1.avi"));
  ShowMoney(*forms_.Form3, game_.GameState.Money);
  ShowTip(game_, forms_, Tip::Shop);
}

void TForm1::paint1Click() {
  Calendar1->setEnabled(false);
  CoverRoomWith(*forms_.Form2);
  ShowTip(game_, forms_, Tip::Studio);
}

void TForm1::CoverRoomWith(TFormBase& window) {
  window.SetCoversRoom();
  ShowOverRoom(window, *this);
  window.activateWindow();
  // The info bar floats above a window that covers the room; without a window
  // manager to keep it there, it is lifted over it explicitly.
  FloatAbove(*forms_.Form3, window);
  if (forms_.Form3->Showing()) forms_.Form3->raise();
}

void TForm1::SubmitPicturesClick(int venue) {
  TForm4& calendar = *forms_.Form4;
  switch (venue) {
    case kVenueFlea:
      calendar.Button5Click();
      break;
    case kVenueLocal:
      calendar.Button1Click();
      break;
    case kVenueNational:
      calendar.Button3Click();
      break;
    case kVenueInternational:
      calendar.Button4Click();
      break;
    default:
      break;
  }
}

void TForm1::nowEvent1Click() {
  SnapshotGame(game_, forms_);
  forms_.Form4->Button2Click();
}

void TForm1::InfoBar1Click() {
  forms_.Form3->Reopen();
}

void TForm1::StockBar1Click() {
  forms_.Form11->RefreshStockList();
  forms_.Form11->show();
}

void TForm1::Sound1Click() {
  Sound1->setChecked(!Sound1->isChecked());
  game_.SoundOn = Sound1->isChecked();
  game_.Settings.Sound = game_.SoundOn;
  StoreSettings(game_.Settings);
}

void TForm1::Music1Click() {
  Music1->setChecked(!Music1->isChecked());
  game_.Settings.Music = Music1->isChecked();
  StoreSettings(game_.Settings);
  if (!Music1->isChecked()) {
    game_.MusicOn = false;
    MediaPlayer2.Stop();
  } else {
    game_.MusicOn = true;
    game_.MusicRestart = true;
    game_.MusicTheme = 10;
    MediaPlayer2Notify();
  }
}

void TForm1::SetSpeed(QAction* item, int intervalMs) {
  // Also while paused: the new interval waits for the clock to run again.
  if (item->isChecked() || !game_.GameRunning) return;
  for (QAction* other : {veryfast1, fast1, Normal1}) other->setChecked(other == item);
  Timer1.SetInterval(intervalMs);
  game_.Settings.Speed = item == veryfast1 ? GameSpeed::VeryFast
                         : item == fast1   ? GameSpeed::Fast
                                           : GameSpeed::Normal;
  StoreSettings(game_.Settings);
}

void TForm1::veryfast1Click() {
  SetSpeed(veryfast1, kVeryFastInterval);
}

void TForm1::fast1Click() {
  SetSpeed(fast1, kFastInterval);
}

void TForm1::Normal1Click() {
  SetSpeed(Normal1, kNormalInterval);
}

void TForm1::Pause1Click() {
  Pause();
}

void TForm1::Pause(const std::string& reason) {
  TForm12& notice = *forms_.Form12;
  Timer1.SetEnabled(false);
  notice.SetCaption("Paused");
  notice.ShowPicture(LoadPicture(AssetPath(game_, "\\items\\pause.bmp")));
  notice.AddLine("Game paused, press resume to continue.");
  if (!reason.empty()) notice.AddLine(reason);
  notice.Button1->setText("Resume");
  // The room's keys do not reach a modal window: the notice lends them.
  std::vector<std::unique_ptr<QAction>> keys;
  for (QAction* speed : {Normal1, fast1, veryfast1}) {
    auto key = std::make_unique<QAction>(&notice);
    key->setShortcut(speed->shortcut());
    connect(key.get(), &QAction::triggered, speed, &QAction::trigger);
    notice.addAction(key.get());
    keys.push_back(std::move(key));
  }
  PlaySound("\\sound\\sounds\\s17.wav");
  ShowNoticeModal(game_, forms_);
  notice.Button1->setText("Close");
}

void TForm1::Help1Click() {
  TForm12& notice = *forms_.Form12;
  std::vector<std::string> lines;
  std::string error;
  if (!ReadTextLines(AssetPath(game_, "\\Pictorio Help.txt"), &lines, &error)) {
    game_.platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
    return;
  }
  notice.SetCaption("Help");
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);
  notice.Memo1->setPlainText(text.join('\n'));
  notice.SetHelpLayout();
  notice.ShowPicture(LoadPicture(AssetPath(game_, "\\items\\pclogo.bmp")));
  ShowNoticeModal(game_, forms_);
  notice.RestoreLayout();
}

void TForm1::Image20Click() {
  if (Calendar1->isEnabled()) Calendar1Click();
}

void TForm1::CareerBook1Click() {
  if (!careerBook_) careerBook_ = new TCareerBook(game_, forms_, this);
  const TimerHold hold(Timer1);
  careerBook_->Refresh();
  game_.platform.ShowModal(*careerBook_);
}

void TForm1::Image24Click() {
  if (CareerBook1->isEnabled()) CareerBook1Click();
}

void TForm1::Image21Click() {
  if (Shop1->isEnabled()) Shop1Click();
}

void TForm1::Image22Click() {
  if (paint1->isEnabled()) paint1Click();
}

void TForm1::Image23Click() {
  Exit1Click();
}

void TForm1::TrophyClick(int trophy) {
  ShowTrophyClick(game_, forms_, trophy);
}

void TForm1::Timer1Timer() {
  AdvanceClock(game_, forms_);
  // Monday at midnight: a new week, whatever its first hour brought.
  if (game_.ClockDay == 0 && game_.ClockHour == 0) Autosave(game_);
}

void TForm1::Autosave1Click() {
  Autosave1->setChecked(!Autosave1->isChecked());
  game_.Settings.Autosave = Autosave1->isChecked();
  StoreSettings(game_.Settings);
}

void TForm1::MediaPlayer2Notify() {
  if (game_.MusicRestart) PlayMusicTrack();
}

void TForm1::PlayMusicTrack() {
  if (!game_.MusicOn) return;
  int track = 10;
  switch (game_.MusicTheme) {
    case 20:
      track = 60 + game_.platform.Random(5);
      break;
    case 30:
      track = 30 + game_.platform.Random(3);
      break;
    case 40:
      track = 40 + game_.platform.Random(3);
      break;
    case 50:
      track = 50 + game_.platform.Random(3);
      break;
    default:
      track = 10 + game_.platform.Random(11);
      break;
  }
  MediaPlayer2.FileName = AssetPath(game_, "\\sound\\music\\m" + std::to_string(track) + ".mid");
  std::string error;
  if (!MediaPlayer2.Open(&error) || !MediaPlayer2.Play(&error))
    game_.platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
  game_.MusicRestart = false;
}

void TForm1::PlaySound(const std::string& relativePath) {
  if (!game_.SoundOn) return;
  MediaPlayer1.FileName = AssetPath(game_, relativePath);
  std::string error;
  if (!MediaPlayer1.Open(&error) || !MediaPlayer1.Play(&error))
    game_.platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
}

}  // namespace pictorio
