// Starting, running and ending a game; the room's hot spots, the sound menus,
// the game's speed and pause.
#include <gtest/gtest.h>

#include <tuple>

#include "app/game_flow.h"
#include "app/main_window.h"
#include "core/save_text.h"
#include "shop/shop_window.h"
#include "simulation/notice_window.h"
#include "studio/studio_window.h"
#include "support/test_app.h"
#include "ui/info_bar.h"
#include "venues/calendar_window.h"
#include "venues/entry_window.h"

namespace pictorio {
namespace {

// Name, reputation, money, pictures and clock as the info bar shows them.
Lines Bar(TForm3& bar) {
  return {Text(bar.Label1), Text(bar.Label6), Text(bar.Label7), Text(bar.Label8),
          Text(bar.Label10)};
}
Lines FreshBar(const std::string& name) {
  return {name, "0", "25.00", "0", "Year: 1 Week: 1 Day: 1 Hour: 2"};
}

TEST(NewGame, StartsWithTwentyFiveDollarsAtHourTwo) {
  TestApp app;
  app.StartNewGame("Vincent");
  const Game& g = app.game;
  // Money, stock and trophies are checked by the saved text of a fresh game.
  EXPECT_EQ(std::tuple(g.GameRunning, g.GameState.PlayerName, g.SaveName, g.ElapsedHours,
                       g.GameState.SavedHours, g.HasSaveFile),
            std::tuple(true, "Vincent", "Vincent", 1, 1, false));
  // The text the game keeps, its lines written as the saved games' tests check them.
  EXPECT_EQ(app.forms().Form3->ListBox1.Count(), 6 + 60 * 5 + 14 * 2);

  TForm1& main = app.main();
  EXPECT_TRUE(main.Timer1.Enabled());
  for (QAction* on : {main.paint1, main.Calendar1, main.Save1, main.Shop1, main.SubmitPictures1})
    EXPECT_TRUE(on->isEnabled()) << on->text().toStdString();
  EXPECT_EQ(
      std::tuple(main.nowEvent1->isEnabled(), app.forms().Form4->Button2->isEnabled(),
                 main.Image20->ShowHint(), main.Image1->ShowHint(), app.platform.inputCaptions),
      std::tuple(false, false, true, false, Lines{"New Game"}));
}

// Everything of the game before goes but the stock's names: trophies,
// pictures, entries, the bar's figures, the open studio and calendar.
TEST(NewGame, ASecondGameStartsAfreshAfterARunningOrAnEndedOne) {
  TestApp app;
  app.StartNewGame("First");
  Game& g = app.game;
  stuffrec& canvas = g.GameState.Stock[kSlotCanvas];
  canvas = stuffrec{"canvas", "", true, 3000};
  g.GameState.Trophies[7] = true;
  g.GameState.Pictures.push_back(picrec{"Sunset", "t", 10.0, false, false});
  g.GameState.PictureCount = 1;
  g.Venues[kVenueLocal].Entries = {"A", "B", "C", "D", "E", ""};
  g.Venues[kVenueLocal].Submitted = true;
  g.Venues[kVenueInternational].Entries[0] = "F";
  app.forms().Form8->ListBox1->addItem("A");
  TForm3& bar = *app.forms().Form3;
  ShowReputation(bar, 57);
  ShowPictureCount(bar, 9);
  app.main().paint1Click();
  ASSERT_TRUE(app.forms().Form2->Showing());

  app.platform.answers.push_back(ModalResult::No);
  app.StartNewGame("Second");
  // The whole game as its saved text holds it, venues included, is a fresh one's.
  TestApp fresh;
  fresh.StartNewGame("Second");
  fresh.game.GameState.Stock[kSlotCanvas].Name = "canvas";
  EXPECT_EQ(WriteSavedGame(g.GameState, g.Venues),
            WriteSavedGame(fresh.game.GameState, fresh.game.Venues));
  for (int v = 1; v <= 4; ++v)
    EXPECT_EQ(std::tie(g.Venues[v].Entries, g.Venues[v].Submitted),
              std::tie(fresh.game.Venues[v].Entries, fresh.game.Venues[v].Submitted));
  EXPECT_EQ(std::tuple(canvas.Name, g.ElapsedHours, app.forms().Form8->ListBox1->count(),
                       app.forms().Form2->Showing(), app.forms().Form4->Showing()),
            std::tuple("canvas", 1, 0, false, false));
  EXPECT_EQ(Bar(bar), FreshBar("Second"));

  // After an ended game the figures were blank; the next game fills them all.
  EndGame(g, app.forms());
  ASSERT_EQ(Text(bar.Label6), "");
  app.StartNewGame("Third");
  EXPECT_EQ(Bar(bar), FreshBar("Third"));
}

// Whatever the answer to saving, a change of mind later leaves the game
// running, and no game hour passes while a question waits.
TEST(NewGame, AChangeOfMindAtAnyQuestionKeepsTheOldGameRunning) {
  using A = ModalResult;
  using Inputs = std::deque<std::optional<std::string>>;
  struct Row {
    std::vector<A> answers;
    Inputs names;
    Lines asked;
  };
  const std::string save = "Do you want to save the current game? (First)";
  const std::string refused =
      "Your game is saved under your name, so the name cannot contain \"/\" or \"\\\".";
  const Row rows[] = {
      {{A::Yes, A::Cancel}, {}, {save, "Start new game?"}},
      {{A::No, A::Ok}, {std::string("")}, {save, "Start new game?"}},
      // A refused name comes back to be mended; the same text again gives up.
      {{A::No, A::Ok, A::Ok},
       {std::string("a/b"), std::nullopt},
       {save, "Start new game?", refused}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.asked.size());
    TestApp app;
    app.StartNewGame("First");
    app.game.GameState.Money = 40.0;
    app.platform.messages.clear();
    app.platform.answers.assign(row.answers.begin(), row.answers.end());
    app.platform.inputs = row.names;
    app.platform.whileMessageOpen = [&app](const ScriptedPlatform::Message&) {
      EXPECT_TRUE(app.main().Timer1.Held());
    };
    app.main().New1Click();
    EXPECT_EQ(
        std::tuple(app.platform.MessageTexts(), app.game.GameRunning, app.game.GameState.PlayerName,
                   app.game.GameState.Money, app.main().Timer1.Enabled(), app.main().Timer1.Held(),
                   Text(app.forms().Form3->Label1)),
        std::tuple(row.asked, true, "First", 40.0, true, false, "First"));
  }
  // Mended, the name starts the new game; with no game running an empty
  // name or Cancel starts nothing, and a cancelled name box plays as Anonymous.
  TestApp app;
  app.StartNewGame("First");
  app.platform.answers = {A::No, A::Ok, A::Ok};
  app.platform.inputs = {std::string("a/b"), std::string("ab")};
  app.main().New1Click();
  EXPECT_EQ(app.game.GameState.PlayerName, "ab");
  EXPECT_EQ(app.game.GameState.Money, 25.0);
  TestApp idle;
  idle.Start();
  idle.platform.answers = {A::Ok, A::Cancel, A::Ok};
  idle.platform.inputs = {std::string(), std::nullopt};
  idle.main().New1Click();
  EXPECT_FALSE(idle.game.GameRunning);
  EXPECT_FALSE(idle.main().Timer1.Enabled());
  idle.main().New1Click();
  EXPECT_FALSE(idle.game.GameRunning);
  EXPECT_EQ(idle.platform.inputCaptions.size(), 1u);
  idle.main().New1Click();
  EXPECT_TRUE(idle.game.GameRunning);
  EXPECT_EQ(idle.game.GameState.PlayerName, "Anonymous");
}

TEST(EndGame, EmptiesTheGameTheInfoBarAndTheEventsEntries) {
  TestApp app;
  app.StartNewGame("Quitter");
  Game& g = app.game;
  g.GameState.Reputation = 12;
  g.GameState.PicturesSold = 3;
  g.GameState.Stock[kSlotTelephone] = stuffrec{"telephone", "w", true, 1000};
  g.GameState.Pictures = {{"A", "t", 5, true, false}, {"B", "t", 5, true, true}};
  g.GameState.PictureCount = 2;
  g.Venues[kVenueLocal].Entries = {"A", "B", "", "", "", ""};
  g.Venues[kVenueLocal].Submitted = true;
  g.EventVenue = kVenueLocal;
  g.EntriesSold = 1;
  g.SellOutRewarded = true;
  app.platform.answers = {ModalResult::No};
  app.main().FormClose();  // leaving offers to save; No ends the game

  const who& s = g.GameState;
  EXPECT_EQ(
      std::tuple(g.GameRunning, s.PlayerName, s.Money, s.Reputation, s.PicturesSold,
                 s.Stock[kSlotTelephone].Owned, g.ElapsedHours, g.Venues[kVenueLocal].Submitted,
                 g.EventVenue, g.EntriesSold, g.SellOutRewarded),
      std::tuple(false, "Quitter", 0.0, 0, 0, false, 0, false, 0, 0, false));
  EXPECT_EQ(Bar(*app.forms().Form3), (Lines{"", "", "", "", "No game in progress"}));
  TForm1& main = app.main();
  EXPECT_FALSE(main.Timer1.Enabled());
  for (QAction* off :
       {main.paint1, main.Calendar1, main.Save1, main.Shop1, main.SubmitPictures1, main.nowEvent1})
    EXPECT_FALSE(off->isEnabled());
  EXPECT_FALSE(main.Image20->ShowHint());
  EXPECT_FALSE(main.Image4->Visible());
}

TEST(HotSpots, DoNothingWithoutAGameButTheExitWhichAsksAndTheCalendarIsDeadInTheStudio) {
  TestApp app;
  app.Start();
  TForm1& main = app.main();
  main.Image20Click();
  main.Image21Click();
  main.Image22Click();
  EXPECT_FALSE(app.forms().Form4->Showing());
  EXPECT_FALSE(app.forms().Form10->Showing());
  EXPECT_FALSE(app.forms().Form2->Showing());
  EXPECT_TRUE(app.platform.messages.empty());
  app.platform.answers = {ModalResult::No};
  main.Image23Click();
  EXPECT_EQ(app.platform.MessageTexts(), Lines{"Do you want to exit?"});

  app.StartNewGame();
  main.Image22Click();
  EXPECT_TRUE(app.forms().Form2->Showing());
  EXPECT_FALSE(main.Calendar1->isEnabled());
  main.Image20Click();
  EXPECT_FALSE(app.forms().Form4->Showing());

  // Yes to the exit stops the music and closes after offering to save.
  app.platform.messages.clear();
  app.platform.answers = {ModalResult::Yes, ModalResult::No};
  main.Exit1Click();
  EXPECT_EQ(app.platform.MessageTexts(),
            (Lines{"Do you want to exit?", "Do you want to save the current game? (Tester)"}));
  EXPECT_EQ(app.platform.musicStops, 1);
  EXPECT_FALSE(app.game.GameRunning);
}

TEST(SoundMenus, MusicAndSoundToggleOnce) {
  TestApp app;
  app.Start();
  TForm1& main = app.main();
  app.game.MusicTheme = 50;
  main.Music1->trigger();
  EXPECT_EQ(app.platform.musicStops, 1);
  const std::size_t played = app.platform.tracks.size();
  app.platform.FinishPlayback(MediaChannel::Music);  // no new track while music is off
  EXPECT_EQ(app.platform.tracks.size(), played);
  app.platform.randoms = {10};
  main.Music1->trigger();
  EXPECT_EQ(std::tuple(app.game.MusicOn, main.Music1->isChecked(), app.game.MusicTheme),
            std::tuple(true, true, 10));
  ASSERT_EQ(app.platform.tracks.size(), played + 1);
  EXPECT_EQ(app.platform.tracks.back(), (app.dir / "sound/music/m20.mid").string());

  main.PlaySound("\\sound\\sounds\\s1.wav");
  main.Sound1->trigger();
  main.PlaySound("\\sound\\sounds\\s2.wav");
  main.Sound1->trigger();
  main.PlaySound("\\sound\\sounds\\s3.wav");
  EXPECT_EQ(app.platform.EffectNames(), (Lines{"s1.wav", "s3.wav"}));
}

// ---- speed and pause ----
Lines Checked(TForm1& main) {
  Lines marked;
  for (QAction* item : {main.veryfast1, main.fast1, main.Normal1})
    if (item->isChecked()) marked.push_back(item->text().toStdString());
  return marked;
}

TEST(SpeedPause, SpeedItemsThePauseAndNoticesSetTheClockOnlyWhileAGameRuns) {
  TestApp app;
  app.Start();
  TForm1& main = app.main();
  main.fast1Click();
  main.veryfast1Click();
  EXPECT_EQ(main.Timer1.Interval(), 5000);
  EXPECT_EQ(Checked(main), Lines{"Normal"});
  EXPECT_FALSE(main.Timer1.Enabled());
  // No notice starts the clock without a game.
  main.Pause1Click();
  EXPECT_EQ(std::tuple(app.platform.modalsShown, main.Timer1.Enabled()),
            std::tuple(Lines{"Paused"}, false));

  app.StartNewGame();
  const std::tuple<void (TForm1::*)(), int, const char*> speeds[] = {
      {&TForm1::veryfast1Click, 250, "Very fast"},
      {&TForm1::fast1Click, 2500, "Fast"},
      {&TForm1::Normal1Click, 5000, "Normal"}};
  for (const auto& [item, interval, name] : speeds) {
    (main.*item)();
    EXPECT_EQ(main.Timer1.Interval(), interval);
    EXPECT_EQ(Checked(main), Lines{name});
  }
  EXPECT_TRUE(main.Timer1.Enabled());
  // The pause stops the clock with its sound; a speed chosen meanwhile, by the
  // key the notice lends, waits for the resume, and no game time passes.
  TForm12& notice = *app.forms().Form12;
  app.platform.effects.clear();
  const int hours = app.game.ElapsedHours;
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(
        std::tuple(notice.Button1->text().toStdString(), notice.Lines(), main.Timer1.Enabled()),
        std::tuple("Resume", Lines{"Game paused, press resume to continue."}, false));
    for (QAction* key : notice.actions())
      if (key->shortcut() == QKeySequence(Qt::Key_3)) key->trigger();
    EXPECT_FALSE(main.Timer1.Running());
    EXPECT_EQ(Checked(main), Lines{"Very fast"});
    notice.Button1Click();
  });
  main.Pause1Click();
  EXPECT_EQ(std::tuple(app.platform.EffectNames(), notice.Button1->text().toStdString(),
                       main.Timer1.Interval(), main.Timer1.Running(), app.game.ElapsedHours),
            std::tuple(Lines{"s17.wav"}, "Close", 250, true, hours));

  // A game that ended behind a notice stays stopped.
  app.platform.modalScripts.push_back([&app](QDialog&) { EndGame(app.game, app.forms()); });
  main.Pause1Click();
  EXPECT_EQ(std::tuple(app.game.GameRunning, main.Timer1.Enabled()), std::tuple(false, false));
}

}  // namespace
}  // namespace pictorio
