// Start-up, the splash, the display mode and the sound channels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QSettings>
#include <filesystem>
#include <fstream>

#include "app/main_window.h"
#include "studio/studio_window.h"
#include "support/test_app.h"
#include "ui/display_settings.h"
#include "ui/info_bar.h"

namespace pictorio {
namespace {

TEST(StartUp, SetsTheProgramVariablesVenuesAndMenus) {
  TestApp app;
  app.Start();
  const Game& g = app.game;
  TForm1& main = app.main();

  EXPECT_EQ(g.AssetRoot, app.dir.string());
  EXPECT_FALSE(g.GameRunning);
  EXPECT_FALSE(g.EventOpen);
  EXPECT_TRUE(g.EventNoticeEnabled);
  EXPECT_TRUE(g.VipNoticeDone);
  EXPECT_EQ(g.EventVenue, 0);
  EXPECT_TRUE(main.Timer2.Enabled());
  EXPECT_EQ(main.Timer2.Interval(), 5000);
  EXPECT_FALSE(main.Timer1.Enabled());
  EXPECT_EQ(main.Timer1.Interval(), 5000);
  EXPECT_TRUE(g.DisplayModeOk);

  struct Row {
    const char* code;
    int places;
    int threshold;
  };
  const Row rows[] = {
      {"FLEAXXB", 4, -10}, {"LOCALXXB", 5, 19}, {"NATIONALXXB", 6, 49}, {"INTERXXB", 8, 69}};
  for (int v = 1; v <= 4; ++v) {
    SCOPED_TRACE(v);
    const submittedpic& venue = g.Venues[v];
    EXPECT_EQ(venue.Code, rows[v - 1].code);
    EXPECT_EQ(venue.Slots, rows[v - 1].places);
    EXPECT_EQ(venue.ReputationThreshold, rows[v - 1].threshold);
    ASSERT_EQ(venue.Entries.size(), static_cast<std::size_t>(venue.Slots + 1));
    for (const std::string& entry : venue.Entries) EXPECT_EQ(entry, "");
    EXPECT_FALSE(venue.Submitted);
  }

  for (QAction* off :
       {main.Calendar1, main.Shop1, main.paint1, main.SubmitPictures1, main.nowEvent1, main.Save1})
    EXPECT_FALSE(off->isEnabled()) << off->text().toStdString();
  for (QAction* on : {main.New1, main.LoadGame1, main.Delete1, main.Exit1, main.InfoBar1,
                      main.StockBar1, main.Sound1, main.Music1, main.Pause1, main.Help1})
    EXPECT_TRUE(on->isEnabled()) << on->text().toStdString();
  EXPECT_TRUE(main.Sound1->isChecked());
  EXPECT_TRUE(main.Music1->isChecked());
  EXPECT_TRUE(main.Normal1->isChecked());
  EXPECT_FALSE(main.fast1->isChecked());
  EXPECT_FALSE(main.veryfast1->isChecked());
  EXPECT_TRUE(app.platform.messages.empty()) << app.platform.messages.front().text;
}

TEST(StartUp, MenuTreeHasTheCaptionsSeparatorsAndSubItems) {
  TestApp app;
  app.Start();
  TForm1& main = app.main();
  auto captions = [](QMenu* menu) {
    std::vector<std::string> items;
    for (QAction* a : menu->actions())
      items.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    return items;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(main.File1->text(), "Game");
  EXPECT_EQ(captions(main.File1->menu()), (V{"New", "-", "Load", "Save", "Delete", "-", "Exit"}));
  EXPECT_EQ(main.Events1->text(), "Go To");
  EXPECT_EQ(captions(main.Events1->menu()),
            (V{"Calendar", "Shop", "Studio", "Submit Pictures", "-", "Go to Event", "-",
               "Career Book"}));
  EXPECT_EQ(captions(main.SubmitPictures1->menu()),
            (V{"Flea Market", "Local Gallery", "National Gallery", "International Gallery"}));
  EXPECT_EQ(main.Options1->text(), "Options");
  EXPECT_EQ(captions(main.Options1->menu()),
            (V{"Info Bar", "Stock Window", "-", "Sound", "Music", "Speed", "Display", "-", "Autosave"}));
  EXPECT_EQ(captions(main.Speed1->menu()), (V{"Very fast", "Fast", "Normal", "-", "Pause"}));
  EXPECT_EQ(captions(main.Display1->menu()), (V{"Full screen", "Window", "-", "Switch"}));
  EXPECT_EQ(main.SwitchDisplay1->shortcut(), QKeySequence(Qt::Key_F11));
  EXPECT_EQ(main.Help1->text(), "Help");
  EXPECT_EQ(main.Help1->menu(), nullptr);
}

TEST(StartUp, StartsARandomTrackOfTheMainTheme) {
  TestApp app;
  app.platform.randoms = {7};
  app.Start();
  EXPECT_EQ(app.game.MusicTheme, 10);
  EXPECT_FALSE(app.game.MusicRestart);
  ASSERT_EQ(app.platform.tracks.size(), 1u);
  EXPECT_EQ(app.platform.tracks[0], (app.dir / "sound/music/m17.mid").string());
  EXPECT_EQ(app.platform.randomCalls, std::vector<int>{11});

  // A track that ends is followed by another of the same theme.
  app.platform.randoms = {0};
  app.platform.FinishPlayback(MediaChannel::Music);
  ASSERT_EQ(app.platform.tracks.size(), 2u);
  EXPECT_EQ(app.platform.tracks[1], (app.dir / "sound/music/m10.mid").string());
}

TEST(StartUp, RoomComesFirstThenTheOtherWindowsPicturesAndSound) {
  TestApp app;
  app.RemoveAsset("sound/sounds/s1.wav");
  app.StartRoomOnly();
  TForm1& main = app.main();
  // Before the first frame: the room with its splash over it, nothing that can
  // wait, not even the room's own picture hidden under the splash.
  EXPECT_FALSE(main.Image19->Picture().isNull());
  EXPECT_TRUE(main.Image1->Picture().isNull());
  EXPECT_EQ(app.forms().Form2, nullptr);
  EXPECT_TRUE(app.platform.tracks.empty());
  EXPECT_TRUE(app.platform.messages.empty());

  app.windows().FinishStartUp();
  TForm2* studio = app.forms().Form2;
  ASSERT_NE(studio, nullptr);
  ASSERT_NE(app.forms().Form13, nullptr);
  // A trophy won later shows its picture, on the rack and in its notice.
  for (int k = 1; k <= 12; ++k) EXPECT_FALSE(main.TrophyImage(k)->Picture().isNull()) << k;
  for (TImage* piece :
       {main.Image1, main.Image2, main.Image3, main.Image4, main.Image5, main.Image6})
    EXPECT_FALSE(piece->Picture().isNull());
  EXPECT_EQ(app.platform.tracks.size(), 1u);
  EXPECT_EQ(app.platform.MessageTexts(),
            std::vector<std::string>{"Some sound files may be missing"});

  // A second call neither builds the windows again nor starts a second tune.
  app.windows().FinishStartUp();
  EXPECT_EQ(app.forms().Form2, studio);
  EXPECT_EQ(app.platform.tracks.size(), 1u);
  EXPECT_EQ(app.platform.messages.size(), 1u);
}

TEST(StartUp, MissingSoundFileSwitchesEffectsOffButKeepsMusic) {
  TestApp app;
  app.RemoveAsset("sound/sounds/s1.wav");
  app.Start();
  EXPECT_FALSE(app.game.SoundOn);
  EXPECT_FALSE(app.main().Sound1->isEnabled());
  EXPECT_FALSE(app.main().Sound1->isChecked());
  ASSERT_EQ(app.platform.messages.size(), 1u);
  EXPECT_EQ(app.platform.messages[0].text, "Some sound files may be missing");
  EXPECT_EQ(app.platform.messages[0].type, MsgType::Error);
  EXPECT_TRUE(app.game.MusicOn);
  EXPECT_TRUE(app.main().Music1->isEnabled());
  EXPECT_EQ(app.platform.tracks.size(), 1u);

  // With sound off nothing is played, whichever window asks.
  app.main().PlaySound("\\sound\\sounds\\s3.wav");
  EXPECT_TRUE(app.platform.effects.empty());
}

TEST(StartUp, MissingMusicFileSwitchesMusicOffAndPlaysNothing) {
  TestApp app;
  app.RemoveAsset("sound/music/m10.mid");
  app.Start();
  EXPECT_FALSE(app.game.MusicOn);
  EXPECT_FALSE(app.main().Music1->isEnabled());
  EXPECT_FALSE(app.main().Music1->isChecked());
  EXPECT_EQ(app.platform.MessageTexts(),
            std::vector<std::string>{"Some sound files may be missing"});
  EXPECT_TRUE(app.platform.tracks.empty());
  EXPECT_TRUE(app.game.SoundOn);
  EXPECT_TRUE(app.main().Sound1->isEnabled());
}

// What the Options menu shows and the clock runs at, from the settings read at start.
struct ShownSettings {
  bool sound, music, veryFast, fast, normal, fullScreen;
  int interval;
  bool operator==(const ShownSettings&) const = default;
};
ShownSettings Shown(TForm1& room) {
  return {room.Sound1->isChecked(),  room.Music1->isChecked(),     room.veryfast1->isChecked(),
          room.fast1->isChecked(),   room.Normal1->isChecked(),    room.FullScreen1->isChecked(),
          room.Timer1.Interval()};
}
constexpr ShownSettings kDefaultsShown{true, true, false, false, true, true, 5000};

TEST(Settings, EveryChoiceSurvivesARestart) {
  TestApp app;
  app.StartNewGame();
  TForm1& room = app.main();
  room.Sound1->trigger();
  room.Music1->trigger();
  room.fast1->trigger();
  room.Window1->trigger();
  QCloseEvent quitting;  // as Qt closes every window when the program ends
  QApplication::sendEvent(app.forms().Form3, &quitting);
  EXPECT_TRUE(app.game.Settings.InfoBar);
  app.forms().Form3->show();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(app.forms().Form3, &escape);  // the player closes the info bar
  app.forms().Form2->Smooth1->trigger();
  const std::size_t tracks = app.platform.tracks.size();
  app.Restart();
  EXPECT_TRUE(app.forms().Form2->Smooth1->isChecked());
  EXPECT_EQ(Shown(app.main()), (ShownSettings{false, false, false, true, false, false, 2500}));
  EXPECT_FALSE(app.game.SoundOn);
  EXPECT_FALSE(app.game.MusicOn);
  EXPECT_EQ(app.platform.tracks.size(), tracks);
  app.StartNewGame();
  EXPECT_FALSE(app.forms().Form3->isVisible());
  app.main().InfoBar1->trigger();
  app.main().veryfast1->trigger();
  app.Restart();
  EXPECT_EQ(Shown(app.main()).interval, 250);
  app.StartNewGame();
  EXPECT_TRUE(app.forms().Form3->isVisible());
}

TEST(Settings, ADamagedFileStartsTheGameWithDefaults) {
  namespace fs = std::filesystem;
  const fs::path file = QSettings().fileName().toStdString();
  const std::string hostile[] = {
      "[General]\nsound=maybe\nmusic=1\nspeed=99999999999999999999\ndisplay=window\x01\n",
      "[General]\nsound=off,off\nspeed=-1\ninfobar=\nautosave=on\x00off\n",
      std::string("\xff\xfe\x00[\x00=\n\n[[[[=]]]]\nspeed\n", 24),
      "[General]\nspeed=fast\nsound=off\n" + std::string(100 * 1024, '\n'),
  };
  for (const std::string& text : hostile) {
    SCOPED_TRACE(text.substr(0, 40));
    TestApp app;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    app.Start();
    EXPECT_EQ(Shown(app.main()), kDefaultsShown);
    EXPECT_EQ(app.game.Settings, PlayerSettings{});
  }
  TestApp app;
  fs::remove(file);
  fs::create_directory(file);  // a folder where the file should be
  app.Start();
  EXPECT_EQ(Shown(app.main()), kDefaultsShown);
  fs::remove(file);
}

TEST(DisplayMode, AlreadyRightChangesAndRestoresNothing) {
  TestApp app;
  app.Start();
  EXPECT_TRUE(app.game.DisplayModeOk);
  EXPECT_EQ(app.game.ScreenWidth, 800);
  EXPECT_EQ(app.game.ScreenHeight, 600);
  EXPECT_EQ(app.game.ScreenBitsPerPixel, 16);
  app.main().FormClose();
  EXPECT_TRUE(app.platform.modesSet.empty());
}

TEST(DisplayMode, AnotherModeIsSwitchedAndGivenBackAtExit) {
  TestApp app;
  app.platform.current = {1024, 768, 32};
  app.platform.modes = {{640, 480, 16}, {800, 600, 32}, {800, 600, 16}, {1024, 768, 32}};
  app.Start();
  EXPECT_FALSE(app.game.DisplayModeOk);
  ASSERT_EQ(app.platform.modesSet.size(), 1u);
  EXPECT_EQ(app.platform.modesSet[0], (DisplayMode{800, 600, 16}));
  EXPECT_FALSE(app.main().CloseRequested());

  app.main().FormClose();
  ASSERT_EQ(app.platform.modesSet.size(), 2u);
  EXPECT_EQ(app.platform.modesSet[1], (DisplayMode{1024, 768, 32}));
}

TEST(DisplayMode, NoMatchingModeRunsInAWindowWithoutComplaint) {
  TestApp app;
  app.platform.current = {1920, 1080, 24};
  app.platform.modes = {{1920, 1080, 24}};
  app.Start();
  EXPECT_FALSE(app.game.DisplayModeOk);
  EXPECT_TRUE(app.platform.modesSet.empty());
  EXPECT_FALSE(app.main().CloseRequested());
  EXPECT_TRUE(app.platform.messages.empty());
}

TEST(DisplayMode, ARefusedSwitchSaysSoAndEndsTheProgram) {
  TestApp app;
  app.platform.current = {1024, 768, 32};
  app.platform.modes = {{800, 600, 16}};
  app.platform.refuseDisplayChange = true;
  app.Start();
  EXPECT_TRUE(app.main().CloseRequested());
  EXPECT_EQ(app.platform.MessageTexts(),
            std::vector<std::string>{
                "Your system does not support the required screen resolution (800x600, 16 "
                "colors)"});
  EXPECT_EQ(app.platform.messages[0].type, MsgType::Error);
}

TEST(DisplayMode, SwitchTakesTheFirstListedMatch) {
  TestApp app;
  app.Start();
  app.platform.modes = {{800, 600, 32}, {800, 600, 16}, {800, 600, 16}};
  app.platform.current = {640, 480, 8};
  EXPECT_TRUE(app.main().SwitchDisplayMode(800, 600, 16));
  EXPECT_EQ(app.platform.modesSet.size(), 1u);
  EXPECT_FALSE(app.main().SwitchDisplayMode(1280, 1024, 16));
  EXPECT_EQ(app.platform.modesSet.size(), 1u);
}

TEST(Splash, CoversTheRoomUntilTheThirdTick) {
  TestApp app;
  app.Start();
  TForm1& main = app.main();
  main.FormShow();
  EXPECT_TRUE(main.Image19->Visible());
  EXPECT_EQ(main.Image19->geometry(), QRect(0, 0, 801, 601));
  for (QAction* top : {main.File1, main.Events1, main.Options1, main.Help1})
    EXPECT_FALSE(top->isVisible());
  // No game: every extra and trophy is hidden.
  for (TImage* extra : {main.Image2, main.Image3, main.Image4, main.Image5, main.Image6})
    EXPECT_FALSE(extra->Visible());

  main.Timer2Timer();
  main.Timer2Timer();
  EXPECT_TRUE(main.Image19->Visible());
  EXPECT_TRUE(app.platform.messages.empty());

  main.Timer2Timer();
  EXPECT_FALSE(main.Image19->Visible());
  for (QAction* top : {main.File1, main.Events1, main.Options1, main.Help1})
    EXPECT_TRUE(top->isVisible());
  ASSERT_EQ(app.platform.messages.size(), 1u);
  EXPECT_EQ(app.platform.messages[0].type, MsgType::Information);
  EXPECT_EQ(app.platform.messages[0].text,
            "Use the dropdown menu to start a new game. Go to the shop to buy utensils to create "
            "some artworks. Go to the calendar to submit your pictures and sell them at various "
            "locations. Enjoy the game.");

  // Later ticks change nothing.
  main.Timer2Timer();
  EXPECT_EQ(app.platform.messages.size(), 1u);
  EXPECT_FALSE(main.Image19->Visible());
}

TEST(ColourTable, HoldsThePastelsThenTheWaterColours) {
  TestApp app;
  app.Start();
  const auto& table = app.game.ColourTable;
  EXPECT_EQ(table[4].Name, "Rose");
  EXPECT_EQ(table[4].Color, QColor(250, 75, 108));
  EXPECT_EQ(table[20].Name, "Red");
  EXPECT_EQ(table[20].Color, QColor(215, 56, 59));
  EXPECT_EQ(table[17].Name, "White");
  EXPECT_EQ(table[17].Color, table[1].Color);
  EXPECT_EQ(table[1].Color, QColor(245, 245, 245));
  EXPECT_EQ(table[19].Name, "Black");
  EXPECT_EQ(table[32].Color, QColor(94, 100, 22));
  // Names repeat across the two ranges with different colours.
  EXPECT_EQ(table[13].Name, table[29].Name);
  EXPECT_NE(table[13].Color, table[29].Color);
}

}  // namespace
}  // namespace pictorio
