// Start-up, the splash, the settings, the display mode and the sound channels.
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

// The venues' places and thresholds show in the entry and calendar tests.
TEST(StartUp, SetsTheProgramVariablesAndMenus) {
  TestApp app;
  app.Start();
  const Game& g = app.game;
  TForm1& main = app.main();
  EXPECT_EQ(std::tuple(g.AssetRoot, g.GameRunning, g.EventOpen, g.EventNoticeEnabled,
                       g.VipNoticeDone, g.EventVenue, main.Timer2.Enabled(), main.Timer1.Enabled(),
                       main.Timer1.Interval(), g.DisplayModeOk),
            std::tuple(app.dir.string(), false, false, true, true, 0, true, false, 5000, true));
  for (QAction* off :
       {main.Calendar1, main.Shop1, main.paint1, main.SubmitPictures1, main.nowEvent1, main.Save1})
    EXPECT_FALSE(off->isEnabled()) << off->text().toStdString();
  // Without a game only the exit door names itself.
  for (TImage* spot : {main.Image20, main.Image21, main.Image22, main.Image23, main.Image24})
    EXPECT_EQ(spot->ShowHint(), spot == main.Image23);
  EXPECT_TRUE(app.platform.messages.empty());
}

TEST(StartUp, RoomComesFirstThenTheOtherWindowsPicturesAndARandomTrack) {
  TestApp app;
  app.platform.randoms = {7};
  app.StartRoomOnly();
  TForm1& main = app.main();
  // Before the first frame: the room with its splash over it, nothing that can
  // wait, not even the room's own picture hidden under the splash.
  EXPECT_EQ(std::tuple(main.Image19->Picture().isNull(), main.Image1->Picture().isNull(),
                       app.forms().Form2, app.platform.tracks.empty()),
            std::tuple(false, true, nullptr, true));

  app.windows().FinishStartUp();
  TForm2* studio = app.forms().Form2;
  ASSERT_NE(studio, nullptr);
  ASSERT_NE(app.forms().Form13, nullptr);
  // A trophy won later shows its picture, on the rack and in its notice.
  EXPECT_FALSE(main.TrophyImage(12)->Picture().isNull());
  EXPECT_FALSE(main.Image1->Picture().isNull());
  EXPECT_EQ(app.game.MusicTheme, 10);
  EXPECT_EQ(app.platform.tracks, Lines{(app.dir / "sound/music/m17.mid").string()});
  EXPECT_EQ(app.platform.randomCalls, std::vector<int>{11});
  // A second call neither builds the windows again nor starts a second tune.
  app.windows().FinishStartUp();
  EXPECT_EQ(app.forms().Form2, studio);
  EXPECT_EQ(app.platform.tracks.size(), 1u);
}

TEST(StartUp, AMissingSoundOrMusicFileSwitchesOnlyItsChannelOff) {
  for (const bool music : {false, true}) {
    SCOPED_TRACE(music);
    TestApp app;
    app.RemoveAsset(music ? "sound/music/m10.mid" : "sound/sounds/s1.wav");
    app.Start();
    TForm1& main = app.main();
    EXPECT_EQ(std::tuple(app.game.MusicOn, main.Music1->isEnabled(), main.Music1->isChecked(),
                         app.platform.tracks.size(), app.game.SoundOn, main.Sound1->isEnabled(),
                         main.Sound1->isChecked()),
              std::tuple(!music, !music, !music, music ? 0u : 1u, music, music, music));
    ASSERT_EQ(app.platform.MessageTexts(), Lines{"Some sound files may be missing"});
    EXPECT_EQ(app.platform.messages[0].type, MsgType::Error);
  }
}

// What the Options menu shows and the clock runs at, from the settings read at start.
struct ShownSettings {
  bool sound, music, veryFast, fast, normal, fullScreen;
  int interval;
  bool operator==(const ShownSettings&) const = default;
};
ShownSettings Shown(TForm1& room) {
  return {room.Sound1->isChecked(), room.Music1->isChecked(),  room.veryfast1->isChecked(),
          room.fast1->isChecked(),  room.Normal1->isChecked(), room.FullScreen1->isChecked(),
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
  EXPECT_EQ(std::tuple(app.forms().Form2->Smooth1->isChecked(), Shown(app.main()), app.game.SoundOn,
                       app.game.MusicOn, app.platform.tracks.size()),
            std::tuple(true, (ShownSettings{false, false, false, true, false, false, 2500}), false,
                       false, tracks));
  app.StartNewGame();
  EXPECT_FALSE(app.forms().Form3->isVisible());
}

TEST(Settings, ADamagedFileStartsTheGameWithDefaults) {
  namespace fs = std::filesystem;
  const fs::path file = QSettings().fileName().toStdString();
  const std::string hostile[] = {
      "[General]\nsound=maybe\nmusic=1\nspeed=99999999999999999999\ndisplay=window\x01\n",
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

// 800 x 600 in 16 bits: taken as it is, switched to the first listed match
// and given back at exit, a window when none matches, the end when refused.
TEST(DisplayMode, TheGamesModeIsTakenWhereTheScreenHasIt) {
  struct Row {
    DisplayMode current;
    std::vector<DisplayMode> modes;
    bool refuse, ok, closes;
    std::vector<DisplayMode> set;  // at start, then at exit
  };
  const DisplayMode game{800, 600, 16};
  const Row rows[] = {
      {game, {game}, false, true, false, {}},
      {{1024, 768, 32},
       {{640, 480, 16}, {800, 600, 32}, game, game, {1024, 768, 32}},
       false,
       false,
       false,
       {game, {1024, 768, 32}}},
      {{1920, 1080, 24}, {{1920, 1080, 24}}, false, false, false, {{1920, 1080, 24}}},
      {{1024, 768, 32}, {game}, true, false, true, {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.current.width);
    TestApp app;
    app.platform.current = r.current;
    app.platform.modes = r.modes;
    app.platform.refuseDisplayChange = r.refuse;
    app.Start();
    EXPECT_EQ(app.game.DisplayModeOk, r.ok);
    EXPECT_EQ(app.main().CloseRequested(), r.closes);
    if (r.closes) {
      EXPECT_EQ(app.platform.MessageTexts(),
                Lines{"Your system does not support the required screen resolution (800x600, 16 "
                      "colors)"});
      continue;
    }
    EXPECT_TRUE(app.platform.messages.empty());
    app.main().FormClose();
    EXPECT_EQ(app.platform.modesSet, r.set);
  }
}

TEST(Splash, CoversTheRoomUntilTheThirdTick) {
  TestApp app;
  app.Start();
  TForm1& main = app.main();
  main.FormShow();
  const auto menusShown = [&] {
    for (QAction* top : {main.File1, main.Events1, main.Options1, main.Help1})
      if (!top->isVisible()) return false;
    return true;
  };
  EXPECT_TRUE(main.Image19->Visible());
  EXPECT_FALSE(menusShown());
  main.Timer2Timer();
  main.Timer2Timer();
  EXPECT_TRUE(main.Image19->Visible());
  EXPECT_TRUE(app.platform.messages.empty());
  main.Timer2Timer();
  EXPECT_FALSE(main.Image19->Visible());
  EXPECT_TRUE(menusShown());
  ASSERT_EQ(app.platform.messages.size(), 1u);
  EXPECT_EQ(app.platform.messages[0].type, MsgType::Information);
  main.Timer2Timer();  // later ticks change nothing
  EXPECT_EQ(app.platform.messages.size(), 1u);
  EXPECT_FALSE(main.Image19->Visible());
}

}  // namespace
}  // namespace pictorio
