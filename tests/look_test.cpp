// One look for every window, and nothing of the game hidden or cut off: the
// theme reaching windows built later, the info bar's place and texts, the
// shop's basket and swatches, and finding the game's files from elsewhere.
#include <gtest/gtest.h>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qwindowsysteminterface.h>

#include <QDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <cstdlib>
#include <filesystem>

#include "app/delete_game_dialog.h"
#include "app/load_game_dialog.h"
#include "app/main_window.h"
#include "challenges/challenge_window.h"
#include "core/paths.h"
#include "shop/shop_window.h"
#include "shop/stock_window.h"
#include "simulation/notice_window.h"
#include "studio/load_artwork_dialog.h"
#include "studio/stroke_rules.h"
#include "studio/studio_window.h"
#include "support/test_app.h"
#include "ui/canvas_view.h"
#include "ui/display_settings.h"
#include "ui/fonts.h"
#include "ui/info_bar.h"
#include "ui/picture_io.h"
#include "ui/screen_fit.h"
#include "ui/theme.h"
#include "venues/calendar_window.h"
#include "venues/entry_window.h"
#include "venues/venue_window.h"

namespace fs = std::filesystem;

namespace pictorio {
namespace {

bool Near(QColor a, QColor b, int tolerance = 24) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

void ExpectGameLook(const QWidget& widget, const char* what) {
  SCOPED_TRACE(what);
  EXPECT_EQ(widget.font().family(), GameFont().family());
  EXPECT_TRUE(widget.font().bold());
  EXPECT_EQ(widget.palette().color(QPalette::Window), theme::kParchment);
  EXPECT_EQ(widget.palette().color(QPalette::WindowText), theme::kInk);
  EXPECT_EQ(widget.palette().color(QPalette::Base), theme::kCream);
}

// A room shown at the screen's corner, with a game running and its info bar open.
struct ShownRoom {
  TestApp app;
  ShownRoom() {
    app.Start();
    app.main().move(0, 0);
    app.main().show();
    app.StartNewGame("Tester");
  }
  TForm3& bar() { return *app.forms().Form3; }
};

TEST(Theme, ReachesDialogsMessageAndInputBoxesBuiltAfterIt) {
  // Windows other engineers add later are plain dialogs with no styling of their own.
  QDialog later;
  QPushButton button("Go To Event", &later);
  QLineEdit line(&later);
  ExpectGameLook(later, "a new window");
  ExpectGameLook(button, "its button");
  ExpectGameLook(line, "its input line");

  QMessageBox box(QMessageBox::Warning, "Warning", "Are you sure?", QMessageBox::Yes);
  ExpectGameLook(box, "message box");
  QInputDialog input;
  input.setLabelText("Please enter your name");
  ExpectGameLook(input, "input box");
}

TEST(Theme, ButtonsWearTheWoodenRimAndCreamFace) {
  QDialog window;
  QPushButton button("Buy", &window);
  button.resize(90, 32);
  const QImage face = button.grab().toImage();
  EXPECT_TRUE(Near(face.pixelColor(45, 16), theme::kButton, 12))
      << face.pixelColor(45, 16).name().toStdString();
  // The rim: somewhere along the top edge lies the wood colour.
  bool rim = false;
  for (int y = 0; y < 4; ++y) rim = rim || Near(face.pixelColor(45, y), theme::kWood, 30);
  EXPECT_TRUE(rim);
}

// Titles and names are shown as typed, never read as markup, and no game
// text can be selected or dragged; message boxes included.
void ExpectPlainText(QWidget& window, const std::string& what) {
  window.ensurePolished();
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << what;
    EXPECT_EQ(label->textInteractionFlags(), Qt::NoTextInteraction) << what;
  }
  for (const QPlainTextEdit* memo : window.findChildren<QPlainTextEdit*>()) {
    if (!memo->isReadOnly()) continue;
    EXPECT_EQ(memo->textInteractionFlags(), Qt::NoTextInteraction) << what;
  }
}

TEST(Theme, NoWindowCarriesStylingOfItsOwnAndAllTextIsPlain) {
  TestApp app;
  app.Start();
  Forms& f = app.forms();
  QWidget* windows[] = {f.Form1, f.Form2, f.Form3,  f.Form4,  f.Form5,  f.Form6, f.Form7,
                        f.Form8, f.Form9, f.Form10, f.Form11, f.Form12, f.Form13};
  for (QWidget* window : windows) {
    const std::string title = window->windowTitle().toStdString();
    EXPECT_TRUE(window->styleSheet().isEmpty()) << title;
    for (const QWidget* part : window->findChildren<QWidget*>())
      EXPECT_TRUE(part->styleSheet().isEmpty()) << title << " " << part->metaObject()->className();
    ExpectPlainText(*window, title);
  }
  ExpectGameLook(*f.Form5, "Load Game");
  ExpectGameLook(*f.Form6, "Delete Game");
  QMessageBox box(QMessageBox::Warning, "Warning", "<i>Sunset</i>", QMessageBox::Ok);
  ExpectPlainText(box, "message box");
}

TEST(Theme, NoticeStandsOnItsParchmentInBothLayouts) {
  TestApp app;
  app.Start();
  TForm12& notice = *app.forms().Form12;
  EXPECT_FALSE(notice.Backdrop->Picture().isNull());
  EXPECT_EQ(notice.Backdrop->geometry(), notice.rect());
  notice.SetHelpLayout();
  EXPECT_EQ(notice.Backdrop->geometry(), notice.rect());
  notice.RestoreLayout();
  EXPECT_EQ(notice.Backdrop->geometry(), notice.rect());
}

TEST(InfoBar, OpensWhereItHidesNoHotSpot) {
  ShownRoom room;
  TForm3& bar = room.bar();
  ASSERT_TRUE(bar.Showing());
  const QRect placed = bar.frameGeometry();
  EXPECT_TRUE(room.app.main().geometry().contains(placed));
  for (const QRect& spot : room.app.main().HotSpotsOnScreen())
    EXPECT_FALSE(placed.intersects(spot)) << spot.x() << "," << spot.y();
}

TEST(InfoBar, PlaceStaysClearOfHotSpotsWhateverTheWindowFrame) {
  ShownRoom room;
  const QRect area = room.app.main().geometry();
  const std::vector<QRect> spots = room.app.main().HotSpotsOnScreen();
  // Bare, a thin window manager's frame, and a heavy one whose title bar
  // would reach the exit door in the corner.
  for (const QSize frame : {QSize(250, 144), QSize(252, 165), QSize(258, 200)}) {
    SCOPED_TRACE(frame.height());
    const QRect placed(InfoBarPlace(area, frame, spots), frame);
    EXPECT_TRUE(area.contains(placed));
    for (const QRect& spot : spots) EXPECT_FALSE(placed.intersects(spot));
  }
}

TEST(InfoBar, LongestClockAndLongNameFitTheirLabels) {
  ShownRoom room;
  TForm3& bar = room.bar();
  bar.Label10->setText(kLongestClockText);
  EXPECT_EQ(bar.Label10->ShownText().toStdString(), kLongestClockText);

  const std::string name(251, 'W');
  bar.Label1->setText(QString::fromStdString(name));
  EXPECT_EQ(Text(bar.Label1), name);  // the game still reads the whole name
  const QString shown = bar.Label1->ShownText();
  EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
  EXPECT_LE(QFontMetrics(bar.Label1->font()).horizontalAdvance(shown),
            bar.Label1->contentsRect().width());

  ShowMoney(bar, 1e15);
  EXPECT_LE(QFontMetrics(bar.Label7->font()).horizontalAdvance(bar.Label7->ShownText()),
            bar.Label7->contentsRect().width());

  // Every text stays inside the bar's inner border and off its palette drawing.
  const QRect inner(8, 8, 235, 129);
  for (const QLabel* label :
       {static_cast<QLabel*>(bar.Label1), bar.Label2, bar.Label3, bar.Label4, bar.Label5,
        static_cast<QLabel*>(bar.Label6), static_cast<QLabel*>(bar.Label7),
        static_cast<QLabel*>(bar.Label8), static_cast<QLabel*>(bar.Label10)}) {
    SCOPED_TRACE(Text(label));
    EXPECT_TRUE(inner.contains(label->geometry()));
    EXPECT_FALSE(label->geometry().intersects(kInfoBarPaletteArea));
  }
  // Each caption shows whole before its figure starts.
  for (const QLabel* caption : {bar.Label2, bar.Label3, bar.Label4, bar.Label5})
    EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()), caption->width());
}

TEST(InfoBar, PicturePaintsItsPaletteOnlyWhereNoTextRuns) {
  ShownRoom room;
  TForm3& bar = room.bar();
  const QImage& picture = bar.Image1->Picture();
  ASSERT_EQ(picture.size(), QSize(250, 144));
  // Ink of the palette's outline is darker than paper; the dotted rules are
  // the only other marks, on their own rows.
  auto inked = [&](const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      if (y >= 32 && (y - 32) % 25 == 0) continue;
      for (int x = area.left(); x <= area.right(); ++x)
        if (picture.pixelColor(x, y).green() < 205) ++count;
    }
    return count;
  };
  EXPECT_GT(inked(kInfoBarPaletteArea), 20);
  for (const QLabel* label : {static_cast<QLabel*>(bar.Label1), static_cast<QLabel*>(bar.Label6),
                              static_cast<QLabel*>(bar.Label7), static_cast<QLabel*>(bar.Label8),
                              static_cast<QLabel*>(bar.Label10)})
    EXPECT_EQ(inked(label->geometry()), 0) << Text(label);
}

TEST(Room, CoversSmallScreensWholeAndStaysAWindowOnBigOnes) {
  const QSize room(800, 600);
  EXPECT_TRUE(NeedsWholeScreen(QSize(800, 600), room));
  EXPECT_TRUE(NeedsWholeScreen(QSize(1024, 600), room));  // a frame would push the bottom off
  EXPECT_TRUE(NeedsWholeScreen(QSize(640, 480), room));
  EXPECT_FALSE(NeedsWholeScreen(QSize(1024, 768), room));
  EXPECT_FALSE(NeedsWholeScreen(QSize(1920, 1080), room));
}

TEST(Room, ScaleIsTheLargestThatFitsTheScreenOrTheFramedWindow) {
  struct Row {
    DisplayChoice choice;
    QSize screen;
    QSize free;
    double scale;
  };
  const auto full = DisplayChoice::FullScreen;
  const auto window = DisplayChoice::Window;
  const Row rows[] = {
      {full, {800, 600}, {800, 600}, 1.0},        {full, {1366, 768}, {1366, 740}, 1.28},
      {full, {1920, 1080}, {1920, 1040}, 1.8},    {full, {2560, 1440}, {2560, 1400}, 2.4},
      {full, {3840, 2160}, {3840, 2160}, 3.6},    {full, {640, 480}, {640, 480}, 1.0},
      {full, {1280, 1024}, {1280, 1024}, 1.6},    // a square screen: the width decides
      {window, {1920, 1080}, {1920, 1040}, 1.65},  // a task bar and a title bar
      {window, {1920, 1080}, {1920, 1080}, 1.72}, {window, {1024, 768}, {1024, 738}, 1.15},
      {window, {800, 600}, {800, 600}, 1.0},
  };
  for (const Row& row : rows)
    EXPECT_DOUBLE_EQ(SceneScale(row.choice, row.screen, row.free), row.scale)
        << row.screen.width() << "x" << row.screen.height();
}

// Options > Display and F11: remembered for the next start, which takes the
// scale; a settings value the game never wrote reads as the whole screen.
TEST(Room, DisplayChoiceIsRememberedAndSaysWhenItApplies) {
  TestApp app;
  app.Start();
  TForm1& room = app.main();
  ASSERT_EQ(ReadDisplayChoice(), DisplayChoice::FullScreen);
  EXPECT_TRUE(room.FullScreen1->isChecked());
  room.Window1->trigger();
  EXPECT_EQ(ReadDisplayChoice(), DisplayChoice::Window);
  EXPECT_TRUE(room.Window1->isChecked());
  EXPECT_FALSE(room.FullScreen1->isChecked());
  room.Window1->trigger();  // already the choice: nothing to say
  room.SwitchDisplay1->trigger();
  EXPECT_EQ(ReadDisplayChoice(), DisplayChoice::FullScreen);
  EXPECT_TRUE(room.FullScreen1->isChecked());
  EXPECT_EQ(app.platform.MessageTexts(),
            (std::vector<std::string>{"The game will open in a window the next time it starts.",
                                      "The game will fill the screen the next time it starts."}));
  QSettings().setValue("display", "\x01<huge>");
  EXPECT_EQ(ReadDisplayChoice(), DisplayChoice::FullScreen);
  QSettings().remove("display");
}

QRect OnScreen(const QWidget& part) {
  return QRect(part.mapToGlobal(QPoint(0, 0)), part.size());
}

// Wherever the room stands, the game's windows stand on it: the scenes as
// big as the room over it, the dialogs in its middle. Over a scene the info
// bar leaves its work alone: a strip in the free end of its menu bar, or
// out of sight; it comes back as it was.
TEST(Room, WindowsStandOnTheRoomAndTheInfoBarStandsAside) {
  TestApp app;
  app.StartNewGame("Tester");
  Forms& f = app.forms();
  f.Form1->move(120, 40);
  const QRect room = f.Form1->geometry();
  TForm3& bar = *f.Form3;
  bar.show();
  const QRect barPlace = bar.geometry();
  using Parts = std::vector<const QWidget*>;
  const TForm9& venue = *f.Form9;
  const std::pair<TFormBase*, Parts> scenes[] = {
      {f.Form2, {f.Form2->Image100}},
      {f.Form8, {f.Form8->Memo1}},
      {f.Form9, {venue.Label1, venue.Image18, venue.Button1, venue.Button2, venue.Label6}},
      {f.Form13, {f.Form13->Image1}}};
  for (const auto& [scene, parts] : scenes) {
    SCOPED_TRACE(scene->Caption());
    scene->show();
    EXPECT_EQ(scene->geometry(), room);
    EXPECT_TRUE(scene->windowFlags() & Qt::FramelessWindowHint);
    QRect workOnScreen;
    for (const QWidget* part : parts) workOnScreen |= OnScreen(*part);
    if (bar.isVisible()) {
      EXPECT_TRUE(bar.IsStrip());
      EXPECT_TRUE(room.contains(OnScreen(bar)));
      EXPECT_FALSE(OnScreen(bar).intersects(workOnScreen));
      EXPECT_EQ(Text(bar.Label1), "Tester");
    }
    scene->hide();
    EXPECT_TRUE(bar.isVisible());
    EXPECT_FALSE(bar.IsStrip());
    EXPECT_EQ(bar.geometry(), barPlace);
  }
  for (TFormBase* dialog : std::initializer_list<TFormBase*>{f.Form4, f.Form5, f.Form6, f.Form7}) {
    dialog->show();
    // Placed by its frame, so its inside stands lower by a title bar at most.
    EXPECT_LE((dialog->geometry().center() - room.center()).manhattanLength(), 30)
        << dialog->Caption();
    dialog->hide();
  }
}

// A press where the screen shows scene point p lands on p at every scale:
// the hot spots, the stamps and the saved painting are the same.
void NativeClick(QWidget& window, QPoint at, double scale) {
  const QPointF local = QPointF(at) * scale;
  const QPointF global = local + QPointF(window.geometry().topLeft()) * scale;
  for (const auto& [type, held] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                  std::pair{QEvent::MouseButtonRelease, Qt::NoButton}})
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
        window.windowHandle(), local, global, held, Qt::LeftButton, type);
}

TEST(Room, EveryScaleLandsOnTheSameScenePoints) {
  QImage atOne;
  for (double scale : {1.0, 1.5, 1.8, 2.0}) {
    SCOPED_TRACE(scale);
    QHighDpiScaling::setGlobalFactor(scale);
    TestApp app;
    app.StartNewGame("Scaled");
    who& state = app.game.GameState;
    state.Stock[kSlotCanvas] = {"Canvas", "", true, 1000};
    state.Stock[kSlotCharcoal] = {"Charcoal", "", true, 1000};
    TForm1& room = app.main();
    room.move(0, 0);
    room.show();
    while (room.Image19->isVisible()) room.Timer2Timer();  // the splash
    const auto spot = [&](TImage* hot) {
      NativeClick(room, hot->mapTo(&room, hot->rect().center()), scale);
    };
    Forms& f = app.forms();
    spot(room.Image20);
    EXPECT_TRUE(f.Form4->isVisible());
    f.Form4->hide();
    spot(room.Image21);
    EXPECT_TRUE(f.Form10->isVisible());
    f.Form10->hide();
    app.platform.messages.clear();
    app.platform.answers.push_back(ModalResult::No);
    spot(room.Image23);
    EXPECT_EQ(app.platform.MessageTexts(), std::vector<std::string>{"Do you want to exit?"});
    spot(room.Image22);
    TForm2& studio = *f.Form2;
    ASSERT_TRUE(studio.isVisible());
    studio.New1Click();
    studio.Charcoal1Click();
    studio.BitBtnClick(12);
    NativeClick(studio, studio.Image100->mapTo(&studio, QPoint(100, 100)), scale);
    const QImage& painted = studio.canvas.Image();
    EXPECT_EQ(painted.size(), QSize(670, 570));
    if (atOne.isNull()) atOne = painted.copy();
    EXPECT_EQ(painted, atOne);
    EXPECT_NE(painted.pixel(100, 100), qRgb(250, 250, 250));
  }
  QHighDpiScaling::setGlobalFactor(1.0);
}

// The till in the shop's scene, as the stretched background shows it.
QRect TillInScene(const TForm10& shop) {
  const double sx = shop.Image34->width() / 800.0;
  const double sy = shop.Image34->height() / 600.0;
  return QRect(QPoint(int(kTillInPicture.left() * sx), int(kTillInPicture.top() * sy)),
               QPoint(int(kTillInPicture.right() * sx) + 1, int(kTillInPicture.bottom() * sy) + 1));
}

TEST(ShopLook, BuyAndClearStandClearOfTheTill) {
  TestApp app;
  app.StartNewGame();
  TForm10& shop = *app.forms().Form10;
  const QRect till = TillInScene(shop);
  const QRect buttons = shop.Button2->geometry().united(shop.Button3->geometry());
  EXPECT_FALSE(buttons.intersects(till));

  // The picture agrees: its till's dark display lies in the till's place, and
  // none of it under or between the buttons.
  const QImage picture = LoadPicture(std::string(PICTORIO_GAME_DIR) + "/design/shop.png");
  ASSERT_FALSE(picture.isNull());
  const QColor display(60, 70, 70);
  auto displayIn = [&](const QRect& area) {
    for (int y = std::max(0, area.top()); y <= std::min(picture.height() - 1, area.bottom()); ++y)
      for (int x = std::max(0, area.left()); x <= std::min(picture.width() - 1, area.right()); ++x)
        if (Near(picture.pixelColor(x, y), display, 6)) return true;
    return false;
  };
  EXPECT_TRUE(displayIn(kTillInPicture));
  const double sy = 600.0 / shop.Image34->height();
  const QRect underButtons(QPoint(buttons.left(), int(buttons.top() * sy)),
                           QPoint(buttons.right(), int(buttons.bottom() * sy) + 1));
  EXPECT_FALSE(displayIn(underButtons));
}

TEST(ShopLook, BasketListIsWrittenInTheGameFontOnThePapersRules) {
  TestApp app;
  app.StartNewGame();
  app.main().Shop1Click();
  TForm10& shop = *app.forms().Form10;
  shop.BuyClick(33, 5);
  ASSERT_TRUE(shop.ListBox1->isVisible());
  shop.ListBox1->doItemsLayout();
  EXPECT_EQ(shop.ListBox1->font().family(), GameFont().family());
  EXPECT_EQ(shop.ListBox1->geometry().top(), kBasketPaper.top() + kBasketFirstRow);
  EXPECT_EQ(shop.Image33->geometry(), kBasketPaper);
  ASSERT_GT(shop.ListBox1->count(), 2);
  for (int i = 0; i < 3; ++i) {
    const QRect row = shop.ListBox1->visualItemRect(shop.ListBox1->item(i));
    EXPECT_EQ(row.height(), kBasketRule);
    EXPECT_EQ(row.top(), i * kBasketRule);
  }
  // The paper has a rule just under each row's letters.
  const QImage paper = shop.Image33->Picture();
  ASSERT_EQ(paper.size(), kBasketPaper.size());
  for (int i = 0; i < kBasketRows; ++i) {
    const QColor rule = paper.pixelColor(100, kBasketFirstRow + (i + 1) * kBasketRule - 3);
    EXPECT_GT(rule.blue(), rule.red()) << "row " << i;
  }
}

TEST(ShopLook, SwatchesHaveAThinFrameOutsideTheirColour) {
  TestApp app;
  app.StartNewGame();
  app.game.GameState.Reputation = 20;
  TForm10& shop = *app.forms().Form10;
  shop.BitBtn2Click();  // pastels, whose first colour is white
  QFrame& panel = *shop.Panel[1];
  const QImage shot = panel.grab().toImage();
  const QRect swatch = shop.Image[1]->geometry();
  const QColor white = app.game.ColourTable[1].Color;
  // Filled edge to edge...
  EXPECT_EQ(shot.pixelColor(swatch.topLeft()), white);
  EXPECT_EQ(shot.pixelColor(swatch.bottomRight()), white);
  // ...and framed in dark ink just outside.
  const QPoint outside[] = {swatch.topLeft() - QPoint(1, 1),
                            QPoint(swatch.center().x(), swatch.top() - 1),
                            QPoint(swatch.right() + 1, swatch.center().y()),
                            QPoint(swatch.center().x(), swatch.bottom() + 1)};
  for (const QPoint& at : outside)
    EXPECT_TRUE(Near(shot.pixelColor(at), theme::kInk, 40))
        << at.x() << "," << at.y() << " " << shot.pixelColor(at).name().toStdString();
}

TEST(ShopLook, InfoBarFloatsWhereItCoversNoControlOfTheShop) {
  ShownRoom room;
  TForm10& shop = *room.app.forms().Form10;
  room.app.game.GameState.Reputation = 40;
  room.app.main().Shop1Click();
  ASSERT_TRUE(shop.Showing());
  const QRect bar = room.bar().frameGeometry();
  auto onScreen = [](const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); };
  std::vector<const QWidget*> controls = {shop.Button1, shop.Button2, shop.Button3, shop.ListBox1,
                                          shop.Image33, shop.Memo1,   shop.Animate1};
  for (QFrame* panel : shop.Panel) controls.push_back(panel);
  for (const QWidget* control : controls)
    EXPECT_FALSE(bar.intersects(onScreen(control))) << control->metaObject()->className();
  shop.Close();
}

TEST(AssetRoot, TheCurrentFolderFirstThenTheProgramsOwn) {
  TestApp app;
  const fs::path empty = app.dir / "elsewhere";
  fs::create_directories(empty);
  const std::string game = app.dir.string();

  EXPECT_EQ(ChooseAssetRoot(game, "/nowhere").root, game);
  const AssetRootChoice fromElsewhere = ChooseAssetRoot(empty.string(), game);
  EXPECT_EQ(fromElsewhere.root, game);
  EXPECT_TRUE(fromElsewhere.error.empty());

  const AssetRootChoice none = ChooseAssetRoot(empty.string(), empty.string());
  EXPECT_TRUE(none.root.empty());
  EXPECT_NE(none.error.find("'" + empty.string() + "'"), std::string::npos) << none.error;
}

TEST(AssetRoot, StartedFromAnotherFolderTheGameUsesTheProgramsFolder) {
  TestApp app;
  const fs::path elsewhere = app.dir / "elsewhere";
  fs::create_directories(elsewhere);
  app.platform.currentDirectory = elsewhere.string();
  app.platform.programDirectory = app.dir.string();
  app.Start();
  EXPECT_EQ(app.game.AssetRoot, app.dir.string());
  EXPECT_FALSE(app.main().CloseRequested());
  EXPECT_TRUE(app.platform.messages.empty()) << app.platform.messages.front().text;
  // Saving works there too.
  EXPECT_TRUE(fs::exists(app.dir / "savegames" / "main.txc"));
}

// Installed, the game's files lie in share/pictorio beside the program's bin
// folder and are never written; the player's files go to the data folder.
TEST(AssetRoot, AnInstalledGameKeepsThePlayersFilesInTheirDataFolder) {
  TestApp app;
  const fs::path prefix = app.dir / "usr";
  fs::create_directories(prefix / "share");
  fs::create_directories(prefix / "games");
  fs::create_symlink(app.dir, prefix / "share" / "pictorio");
  const fs::path home = app.dir / "home";
  app.platform.currentDirectory = home.string();
  app.platform.programDirectory = (prefix / "games").string();
  app.platform.dataHome = (home / "data").string();
  app.StartNewGame("Ivy");
  EXPECT_EQ(app.game.AssetRoot, (prefix / "share" / "pictorio").string());
  EXPECT_EQ(app.platform.MessageTexts(), std::vector<std::string>{"Start new game?"});
  app.main().Save1Click();
  const fs::path player = home / "data" / "pictorio";
  EXPECT_TRUE(fs::exists(player / "savegames" / "Ivy.sgm"));
  EXPECT_TRUE(fs::is_directory(player / "pictures"));
  for (const auto& entry : fs::recursive_directory_iterator(app.dir / "savegames"))
    ADD_FAILURE() << entry.path();

  // A file where the data folder should be: said once, and the game plays on.
  TestApp blocked;
  blocked.platform.programDirectory = app.platform.programDirectory;
  blocked.platform.currentDirectory = home.string();
  blocked.platform.dataHome = (home / "data" / "pictorio" / "savegames" / "Ivy.sgm").string();
  blocked.Start();
  EXPECT_FALSE(blocked.main().CloseRequested());
  ASSERT_EQ(blocked.platform.messages.size(), 1u);
  EXPECT_NE(blocked.platform.messages[0].text.find("Ivy.sgm/pictorio/savegames"),
            std::string::npos)
      << blocked.platform.messages[0].text;
}

// A copy of the game the player may write to keeps everything beside it.
TEST(AssetRoot, APortableCopyKeepsThePlayersFilesBesideIt) {
  TestApp app;
  const AssetRootChoice here = ChooseAssetRoot(app.dir.string(), "/nowhere");
  EXPECT_EQ(ChoosePlayerRoot(here, "/home/ivy/.local/share"), app.dir.string());
  EXPECT_EQ(ChoosePlayerRoot({app.dir.string(), "", true}, "/home/ivy/.local/share"),
            "/home/ivy/.local/share/pictorio");
  EXPECT_EQ(ChoosePlayerRoot({app.dir.string(), "", true}, ""), "");
}

TEST(AssetRoot, WithoutTheGamesFilesOneClearMessageAndTheEnd) {
  TestApp app;
  const fs::path elsewhere = app.dir / "elsewhere";
  const fs::path program = app.dir / "bin";
  fs::create_directories(elsewhere);
  fs::create_directories(program);
  app.platform.currentDirectory = elsewhere.string();
  app.platform.programDirectory = program.string();
  app.Start();
  EXPECT_TRUE(app.main().CloseRequested());
  ASSERT_EQ(app.platform.messages.size(), 1u);
  const ScriptedPlatform::Message& message = app.platform.messages.front();
  EXPECT_EQ(message.type, MsgType::Error);
  EXPECT_NE(message.text.find(elsewhere.string()), std::string::npos) << message.text;
  EXPECT_NE(message.text.find(program.string()), std::string::npos) << message.text;
  // Nothing was written into a folder that is not the game's.
  EXPECT_TRUE(fs::is_empty(elsewhere));
}

}  // namespace
}  // namespace pictorio
