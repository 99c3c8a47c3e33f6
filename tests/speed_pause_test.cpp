// Game speed and pause from the Options menu.
#include <gtest/gtest.h>

#include <QAction>

#include "app/game_flow.h"
#include "app/main_window.h"
#include "simulation/notice_window.h"
#include "support/test_app.h"

namespace pictorio {
namespace {

using Lines = std::vector<std::string>;

Lines Checked(TForm1& main) {
  Lines marked;
  for (QAction* item : {main.veryfast1, main.fast1, main.Normal1})
    if (item->isChecked()) marked.push_back(item->text().toStdString());
  return marked;
}

TEST(SpeedPause, SpeedItemsSetTheClockWhileAGameRuns) {
  TestApp app;
  app.StartNewGame();
  TForm1& main = app.main();
  main.veryfast1Click();
  EXPECT_EQ(main.Timer1.Interval(), 250);
  EXPECT_EQ(Checked(main), Lines{"Very fast"});
  main.fast1Click();
  EXPECT_EQ(main.Timer1.Interval(), 2500);
  EXPECT_EQ(Checked(main), Lines{"Fast"});
  main.Normal1Click();
  EXPECT_EQ(main.Timer1.Interval(), 5000);
  EXPECT_EQ(Checked(main), Lines{"Normal"});
  EXPECT_TRUE(main.Timer1.Enabled());

  // Choosing the checked speed again changes nothing, not even a restart of the count.
  main.Timer1.SetInterval(4999);
  main.Normal1Click();
  EXPECT_EQ(main.Timer1.Interval(), 4999);
  EXPECT_EQ(Checked(main), Lines{"Normal"});
}

TEST(SpeedPause, SpeedItemsAreIgnoredWithoutARunningClock) {
  TestApp app;
  app.Start();
  TForm1& main = app.main();
  main.fast1Click();
  main.veryfast1Click();
  EXPECT_EQ(main.Timer1.Interval(), 5000);
  EXPECT_EQ(Checked(main), Lines{"Normal"});
  EXPECT_FALSE(main.Timer1.Enabled());

  // Chosen while paused, by the key the notice lends, the speed waits for the resume.
  app.StartNewGame();
  app.platform.modalScripts.push_back([&main](QDialog& notice) {
    for (QAction* key : notice.actions())
      if (key->shortcut() == QKeySequence(Qt::Key_3)) key->trigger();
    EXPECT_FALSE(main.Timer1.Running());
    EXPECT_EQ(Checked(main), Lines{"Very fast"});
  });
  main.Pause1Click();
  EXPECT_EQ(main.Timer1.Interval(), 250);
  EXPECT_TRUE(main.Timer1.Running());
}

TEST(SpeedPause, PauseStopsTheClockAndResumesAtTheChosenSpeed) {
  TestApp app;
  app.StartNewGame();
  TForm1& main = app.main();
  TForm12& notice = *app.forms().Form12;
  main.fast1Click();
  std::string button;
  Lines lines;
  bool clockRan = true;
  bool pictureShown = false;
  QSize pictureSize;
  app.platform.modalScripts.push_back([&](QDialog&) {
    button = notice.Button1->text().toStdString();
    lines = notice.Lines();
    clockRan = main.Timer1.Enabled();
    pictureShown = notice.Image1->Visible();
    pictureSize = notice.Image1->size();
    notice.Button1Click();
  });
  const int hours = app.game.ElapsedHours;
  main.Pause1Click();

  EXPECT_EQ(app.platform.modalsShown, Lines{"Paused"});
  EXPECT_EQ(button, "Resume");
  EXPECT_EQ(lines, Lines{"Game paused, press resume to continue."});
  EXPECT_FALSE(clockRan);
  EXPECT_TRUE(pictureShown);
  EXPECT_EQ(pictureSize, QSize(65, 90));
  EXPECT_EQ(app.platform.EffectNames(), Lines{"s17.wav"});

  EXPECT_EQ(notice.Button1->text().toStdString(), "Close");
  EXPECT_EQ(notice.Caption(), "");
  EXPECT_TRUE(notice.Lines().empty());
  EXPECT_TRUE(main.Timer1.Enabled());
  EXPECT_EQ(main.Timer1.Interval(), 2500);
  EXPECT_EQ(Checked(main), Lines{"Fast"});
  EXPECT_EQ(app.game.ElapsedHours, hours) << "no game time passed";
}

TEST(SpeedPause, NoNoticeStartsTheClockWithoutAGame) {
  TestApp app;
  app.Start();
  TForm1& main = app.main();
  main.Pause1Click();
  EXPECT_EQ(app.platform.modalsShown, Lines{"Paused"});
  EXPECT_FALSE(main.Timer1.Enabled());

  ShowNotice(app.game, app.forms(), "Note", "Nothing runs.", "\\items\\tel.bmp");
  EXPECT_FALSE(main.Timer1.Enabled());

  // A game that ended behind a notice stays stopped too.
  app.StartNewGame();
  app.platform.modalScripts.push_back([&app](QDialog&) { EndGame(app.game, app.forms()); });
  main.Pause1Click();
  EXPECT_FALSE(app.game.GameRunning);
  EXPECT_FALSE(main.Timer1.Enabled());
}

}  // namespace
}  // namespace pictorio
