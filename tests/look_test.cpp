// One look for every window, and nothing of the game hidden or cut off: the
// theme reaching windows built later, the info bar's place and texts, the
// room's scale, and finding the game's files from elsewhere.
#include <QtGui/private/qhighdpiscaling_p.h>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
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
#include "ui/screen_fit.h"
#include "ui/theme.h"
#include "venues/calendar_window.h"
#include "venues/entry_window.h"
#include "venues/venue_window.h"

namespace fs = std::filesystem;

namespace pictorio {
namespace {

void ExpectGameLook(const QWidget& widget, const char* what) {
  SCOPED_TRACE(what);
  EXPECT_EQ(widget.font().family(), GameFont().family());
  EXPECT_TRUE(widget.font().bold());
  EXPECT_EQ(widget.palette().color(QPalette::Window), theme::kParchment);
  EXPECT_EQ(widget.palette().color(QPalette::WindowText), theme::kInk);
  EXPECT_EQ(widget.palette().color(QPalette::Base), theme::kCream);
}

QRect OnScreen(const QWidget& part) {
  return QRect(part.mapToGlobal(QPoint(0, 0)), part.size());
}

// Titles and names are shown as typed, never read as markup, and no game
// text can be edited, selected or dragged; message boxes included.
void ExpectPlainText(QWidget& window, const std::string& what) {
  window.ensurePolished();
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << what;
    EXPECT_EQ(label->textInteractionFlags(), Qt::NoTextInteraction) << what;
  }
  for (const QPlainTextEdit* memo : window.findChildren<QPlainTextEdit*>()) {
    EXPECT_TRUE(memo->isReadOnly()) << what;
    EXPECT_EQ(memo->textInteractionFlags(), Qt::NoTextInteraction) << what;
  }
}

TEST(Theme, ReachesEveryWindowWithoutStylingOfItsOwnAndAllTextIsPlain) {
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
  QMessageBox box(QMessageBox::Warning, "Warning", "<i>Sunset</i>", QMessageBox::Ok);
  ExpectPlainText(box, "message box");
  // Qt's own boxes, and any window added later, take the look from the application.
  ExpectGameLook(box, "message box");
}

TEST(InfoBar, StaysClearOfHotSpotsWhateverTheFrameAndItsTextsFit) {
  // A room shown at the screen's corner, with a game running and its info bar open.
  TestApp app;
  app.Start();
  app.main().move(0, 0);
  app.main().show();
  app.StartNewGame("Tester");
  TForm3& bar = *app.forms().Form3;
  ASSERT_TRUE(bar.Showing());
  const QRect area = app.main().geometry();
  const std::vector<QRect> spots = app.main().HotSpotsOnScreen();
  // As opened, and in a heavy window manager's frame whose title bar would
  // reach the exit door in the corner.
  const QSize heavy(258, 200);
  for (const QRect& placed :
       {bar.frameGeometry(), QRect(InfoBarPlace(area, heavy, spots), heavy)}) {
    SCOPED_TRACE(placed.height());
    EXPECT_TRUE(area.contains(placed));
    for (const QRect& spot : spots) EXPECT_FALSE(placed.intersects(spot));
  }
  // The longest clock and a long name fit their labels.
  bar.Label10->setText(kLongestClockText);
  EXPECT_EQ(bar.Label10->ShownText().toStdString(), kLongestClockText);

  const std::string name(251, 'W');
  bar.Label1->setText(QString::fromStdString(name));
  EXPECT_EQ(Text(bar.Label1), name);  // the game still reads the whole name
  const QString shown = bar.Label1->ShownText();
  EXPECT_LE(QFontMetrics(bar.Label1->font()).horizontalAdvance(shown),
            bar.Label1->contentsRect().width());

  ShowMoney(bar, 1e15);
  EXPECT_LE(QFontMetrics(bar.Label7->font()).horizontalAdvance(bar.Label7->ShownText()),
            bar.Label7->contentsRect().width());

  // Each caption shows whole before its figure starts.
  for (const QLabel* caption : {bar.Label2, bar.Label3, bar.Label4, bar.Label5})
    EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()), caption->width());
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
      {full, {1366, 768}, {1366, 740}, 1.28},     {full, {640, 480}, {640, 480}, 1.0},
      {full, {1280, 1024}, {1280, 1024}, 1.6},     // a square screen: the width decides
      {window, {1920, 1080}, {1920, 1040}, 1.65},  // a task bar and a title bar
      {window, {800, 600}, {800, 600}, 1.0},
  };
  for (const Row& row : rows)
    EXPECT_DOUBLE_EQ(SceneScale(row.choice, row.screen, row.free), row.scale)
        << row.screen.width() << "x" << row.screen.height();
  // Small screens are covered whole (a frame would push the bottom off); big ones keep a window.
  const std::pair<QSize, bool> screens[] = {
      {{800, 600}, true}, {{1024, 600}, true}, {{640, 480}, true}, {{1024, 768}, false}};
  for (const auto& [screen, whole] : screens)
    EXPECT_EQ(NeedsWholeScreen(screen, QSize(800, 600)), whole) << screen.width();
}

// Options > Display and F11 are remembered for the next start, which takes the
// scale, and say so; choosing what is already chosen says nothing.
TEST(Room, DisplayChoiceIsRememberedAndSaysWhenItApplies) {
  TestApp app;
  app.Start();
  TForm1& room = app.main();
  room.Window1->trigger();
  room.Window1->trigger();
  EXPECT_EQ(std::pair(ReadDisplayChoice(), room.Window1->isChecked()),
            std::pair(DisplayChoice::Window, true));
  room.SwitchDisplay1->trigger();
  EXPECT_EQ(
      std::tuple(ReadDisplayChoice(), room.FullScreen1->isChecked(), app.platform.MessageTexts()),
      std::tuple(DisplayChoice::FullScreen, true,
                 Lines{"The game will open in a window the next time it starts.",
                       "The game will fill the screen the next time it starts."}));
}

// Wherever the room stands, the game's scenes stand on it, as big as the room
// and over it. Over a scene the info bar leaves its work alone: a strip in the
// free end of its menu bar, or out of sight; it comes back as it was.
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
      {f.Form9, {venue.Label1, venue.Image18, venue.Button1, venue.Button2, venue.Label6}}};
  for (const auto& [scene, parts] : scenes) {
    SCOPED_TRACE(scene->Caption());
    scene->show();
    EXPECT_EQ(scene->geometry(), room);
    EXPECT_TRUE(scene->windowFlags() & Qt::FramelessWindowHint);
    QRect workOnScreen;
    for (const QWidget* part : parts) workOnScreen |= OnScreen(*part);
    if (bar.isVisible()) {
      EXPECT_EQ(std::tuple(bar.IsStrip(), room.contains(OnScreen(bar)),
                           OnScreen(bar).intersects(workOnScreen), Text(bar.Label1)),
                std::tuple(true, true, false, "Tester"));
    }
    scene->hide();
    EXPECT_TRUE(bar.isVisible());
    EXPECT_FALSE(bar.IsStrip());
    EXPECT_EQ(bar.geometry(), barPlace);
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
    spot(room.Image22);
    TForm2& studio = *f.Form2;
    ASSERT_TRUE(studio.isVisible());
    studio.New1Click();
    studio.Charcoal1Click();
    studio.BitBtnClick(12);
    NativeClick(studio, studio.Image100->mapTo(&studio, QPoint(100, 100)), scale);
    const QImage& painted = studio.canvas.Image();
    if (atOne.isNull()) atOne = painted.copy();
    EXPECT_EQ(painted, atOne);
    EXPECT_NE(painted.pixel(100, 100), qRgb(250, 250, 250));
  }
  QHighDpiScaling::setGlobalFactor(1.0);
}

TEST(AssetRoot, TheCurrentFolderFirstThenTheProgramsOwnAndWithoutEitherOneClearMessage) {
  TestApp app;
  const fs::path elsewhere = app.dir / "elsewhere";
  fs::create_directories(elsewhere);
  const std::string game = app.dir.string();
  EXPECT_EQ(ChooseAssetRoot(game, "/nowhere").root, game);
  EXPECT_EQ(ChoosePlayerRoot({game, "", true}, ""), "");

  // Started from another folder the game uses the program's, and saves beside it.
  app.platform.currentDirectory = elsewhere.string();
  app.platform.programDirectory = game;
  app.Start();
  EXPECT_EQ(app.game.AssetRoot, game);
  EXPECT_FALSE(app.main().CloseRequested());
  EXPECT_TRUE(app.platform.messages.empty());
  EXPECT_TRUE(fs::exists(app.dir / "savegames" / "main.txc"));

  // Without the game's files in either: one clear message, and the end; nothing
  // is written into a folder that is not the game's.
  TestApp lost;
  const fs::path program = lost.dir / "bin";
  fs::create_directories(program);
  lost.platform.currentDirectory = elsewhere.string();
  lost.platform.programDirectory = program.string();
  lost.Start();
  EXPECT_TRUE(lost.main().CloseRequested());
  ASSERT_EQ(lost.platform.messages.size(), 1u);
  const ScriptedPlatform::Message& message = lost.platform.messages.front();
  EXPECT_EQ(message.type, MsgType::Error);
  EXPECT_NE(message.text.find(elsewhere.string()), std::string::npos) << message.text;
  EXPECT_NE(message.text.find(program.string()), std::string::npos) << message.text;
  EXPECT_TRUE(fs::is_empty(elsewhere));
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
  EXPECT_NE(blocked.platform.messages[0].text.find("Ivy.sgm/pictorio/savegames"), std::string::npos)
      << blocked.platform.messages[0].text;
}

}  // namespace
}  // namespace pictorio
