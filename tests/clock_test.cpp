// The clock tick: date and labels, the day's plan, the end of the event day,
// and the fire and the burglary.
#include "simulation/clock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/main_window.h"
#include "challenges/challenge_window.h"
#include "shop/basket.h"
#include "simulation/notice_window.h"
#include "support/test_app.h"
#include "ui/info_bar.h"
#include "venues/calendar_window.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

using Lines = std::vector<std::string>;

void SaveTextForTest(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path) << text << "\r\n";
}

constexpr int HourOf(int week, int day, int hour) {
  return week * 168 + day * 24 + hour;
}

// The next tick lands on `elapsed`; the plan counts as built for that day.
void ClockBefore(TestApp& app, int elapsed) {
  app.game.ElapsedHours = elapsed - 1;
  app.game.PlanDay = (elapsed / 24) % 7;
}

void Tick(TestApp& app, int times = 1) {
  for (int i = 0; i < times; ++i) app.main().Timer1Timer();
}

void AddPicture(TestApp& app, const std::string& title, bool atVenue = false, bool gone = false) {
  who& state = app.game.GameState;
  state.Pictures.push_back({title, "t", 10.0, atVenue, gone});
  state.PictureCount = static_cast<int>(state.Pictures.size());
}

// What the notice window showed while it was open.
struct SeenNotice {
  std::string caption;
  Lines lines;
  bool imageVisible = false;
  QSize imageSize;
  bool clockRan = true;
};

void WatchNotice(TestApp& app, SeenNotice* seen) {
  app.platform.modalScripts.push_back([&app, seen](QDialog&) {
    TForm12& notice = *app.forms().Form12;
    seen->caption = notice.Caption();
    seen->lines = notice.Lines();
    seen->imageVisible = notice.Image1->Visible();
    seen->imageSize = notice.Image1->size();
    seen->clockRan = app.main().Timer1.Enabled();
  });
}

TEST(Clock, DatesAtTheStartAndAcrossTheYearsEnd) {
  EXPECT_EQ(ClockCaption(DateOfHour(1)), "Year: 1 Week: 1 Day: 1 Hour: 2");
  const GameDate last = DateOfHour(8735);
  EXPECT_EQ(last.year, 0);
  EXPECT_EQ(last.week, 51);
  EXPECT_EQ(last.day, 6);
  EXPECT_EQ(last.hour, 23);
  const GameDate next = DateOfHour(8736);
  EXPECT_EQ(next.year, 1);
  EXPECT_EQ(next.week, 0);
  EXPECT_EQ(next.day, 0);
  EXPECT_EQ(next.hour, 0);

  TestApp app;
  app.StartNewGame();
  TForm4& calendar = *app.forms().Form4;
  EXPECT_EQ(app.game.ElapsedHours, 1);
  EXPECT_EQ(Text(app.forms().Form3->Label10), "Year: 1 Week: 1 Day: 1 Hour: 2");
  EXPECT_EQ(Text(calendar.Label2), "Year: 1");
  EXPECT_EQ(Text(calendar.Label1), "Week: 1");
  EXPECT_EQ(Text(calendar.Label3), "Day: 1");
  EXPECT_EQ(Text(app.forms().Form9->Label6), "Hours Left: 21");

  app.game.ElapsedHours = 8735;
  Tick(app);
  EXPECT_EQ(app.game.ClockText, "Year: 2 Week: 1 Day: 1 Hour: 1");
  EXPECT_EQ(Text(app.forms().Form3->Label10), "Year: 2 Week: 1 Day: 1 Hour: 1");
  EXPECT_EQ(Text(calendar.Label2), "Year: 2");
  EXPECT_EQ(Text(calendar.Label1), "Week: 1");
  EXPECT_EQ(Text(calendar.Label3), "Day: 1");
  EXPECT_EQ(app.game.GameState.SavedHours, 8736);
  EXPECT_EQ(app.game.ClockYear, 1);
}

TEST(Clock, HoursLeftCountsDownToMinusOne) {
  TestApp app;
  app.StartNewGame();
  ClockBefore(app, HourOf(0, 0, 21));
  QLabel* left = app.forms().Form9->Label6;
  Tick(app);
  EXPECT_EQ(Text(left), "Hours Left: 1");
  Tick(app);
  EXPECT_EQ(Text(left), "Hours Left: 0");
  Tick(app);
  EXPECT_EQ(Text(left), "Hours Left: -1");
}

TEST(Clock, BuildsThePlanOnlyWhenTheDayChanges) {
  TestApp app;
  app.StartNewGame();
  TForm4& calendar = *app.forms().Form4;
  // Monday of a new game: the plan counts as built for day 0.
  calendar.SetDayList({"untouched"});
  Tick(app, 22);  // up to Monday 23:00
  EXPECT_EQ(calendar.DayList(), Lines{"untouched"});
  EXPECT_EQ(app.game.PlanDay, 0);

  Tick(app);  // Tuesday 0:00
  EXPECT_EQ(app.game.ClockDay, 1);
  EXPECT_EQ(app.game.PlanDay, 1);
  ASSERT_FALSE(calendar.DayList().empty());
  EXPECT_EQ(calendar.DayList()[2], "Tu:  Flea Market   *Today*");
  EXPECT_TRUE(app.game.EventOpen);

  calendar.SetDayList({"untouched"});
  Tick(app, 5);
  EXPECT_EQ(calendar.DayList(), Lines{"untouched"});

  // A loaded game on another day: the first tick catches up.
  app.game.ElapsedHours = HourOf(1, 3, 10);
  app.game.PlanDay = 1;
  Tick(app);
  EXPECT_EQ(app.game.PlanDay, 3);
  EXPECT_EQ(calendar.DayList()[6], "Th:  Local exhibition   *Today*");
}

TEST(Clock, EndOfADayWithoutEventStillClosesTheChallengeAndGoToEvent) {
  TestApp app;
  app.StartNewGame();
  TForm1& main = app.main();
  TForm4& calendar = *app.forms().Form4;
  TForm13& challenge = *app.forms().Form13;
  ClockBefore(app, HourOf(0, 0, 22));
  for (int hour : {22, 23}) {
    challenge.show();
    calendar.Button2->setEnabled(true);
    main.nowEvent1->setEnabled(true);
    Tick(app);
    EXPECT_EQ(app.game.ClockHour, hour);
    EXPECT_FALSE(challenge.Showing()) << hour;
    EXPECT_FALSE(calendar.Button2->isEnabled()) << hour;
    EXPECT_FALSE(main.nowEvent1->isEnabled()) << hour;
  }
  EXPECT_TRUE(main.Timer1.Enabled());
}

TEST(Clock, EndOfAnEventDayClosesTheVenueAndFreesUnsoldEntries) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  for (const char* title : {"a", "b", "c", "d", "e"}) AddPicture(app, title, true);
  g.GameState.Pictures[1].Gone = true;  // sold during the day
  submittedpic& local = g.Venues[kVenueLocal];
  local.Entries = {"a", "b", "c", "d", "e", ""};
  local.Submitted = true;
  g.EventOpen = true;
  g.EventVenue = kVenueLocal;
  g.EventVisitPrepared = true;
  g.EntriesSold = 1;
  g.SellOutRewarded = true;
  TForm9& venue = *app.forms().Form9;
  venue.show();
  venue.Timer1.SetEnabled(true);

  ClockBefore(app, HourOf(0, 3, 21));
  Tick(app);  // 21:00 - the event still runs
  EXPECT_TRUE(venue.Showing());
  EXPECT_TRUE(g.EventOpen);

  Tick(app);  // 22:00
  EXPECT_FALSE(venue.Showing());
  EXPECT_FALSE(venue.Timer1.Enabled());
  EXPECT_FALSE(g.EventOpen);
  EXPECT_FALSE(g.EventVisitPrepared);
  EXPECT_FALSE(local.Submitted);
  EXPECT_EQ(local.Entries, (Lines{"", "", "", "", "", ""}));
  for (const picrec& picture : g.GameState.Pictures) EXPECT_FALSE(picture.AtVenue);
  EXPECT_TRUE(g.GameState.Pictures[1].Gone);
  EXPECT_EQ(g.EventVenue, 0);
  EXPECT_EQ(g.EntriesSold, 0);
  EXPECT_FALSE(g.SellOutRewarded);
}

TEST(Clock, FireTakesTwelvePercentOfTheMoney) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  g.GameState.Money = 250.0;
  ClockBefore(app, HourOf(0, 0, 6));
  app.platform.reals = {0.05};
  SeenNotice seen;
  WatchNotice(app, &seen);
  Tick(app);

  EXPECT_DOUBLE_EQ(g.FireDamage, 30.0);
  EXPECT_DOUBLE_EQ(g.GameState.Money, 220.0);
  EXPECT_EQ(Text(app.forms().Form3->Label7), "220.00");
  EXPECT_EQ(app.platform.modalsShown, Lines{"FIRE !!!!"});
  EXPECT_EQ(seen.lines, Lines{"A fire caused damage to the value of $30.00"});
  EXPECT_TRUE(seen.imageVisible);
  EXPECT_FALSE(seen.clockRan);
  EXPECT_EQ(app.platform.EffectNames(), Lines{"s12.wav"});
  EXPECT_EQ(app.platform.MessageTexts(), Lines{"Start new game?"}) << "no load errors";
  // The notice is blank again and the clock runs on.
  EXPECT_EQ(app.forms().Form12->Caption(), "");
  EXPECT_TRUE(app.forms().Form12->Lines().empty());
  EXPECT_TRUE(app.main().Timer1.Enabled());
}

TEST(Clock, FireWithoutMoneyIsStillAnnouncedAndTheChanceIsBelowOneTenth) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  g.GameState.Money = 0.0;
  g.SoundOn = false;
  ClockBefore(app, HourOf(0, 0, 6));
  app.platform.reals = {0.0999};
  SeenNotice seen;
  WatchNotice(app, &seen);
  Tick(app);
  EXPECT_EQ(seen.caption, "FIRE !!!!");
  EXPECT_EQ(seen.lines, Lines{"A fire caused damage to the value of $0.00"});
  EXPECT_DOUBLE_EQ(g.GameState.Money, 0.0);
  EXPECT_TRUE(app.platform.effects.empty());

  // The next morning a draw of exactly 0.1 brings no fire.
  g.GameState.Money = 100.0;
  ClockBefore(app, HourOf(0, 1, 6));
  app.platform.reals = {0.1};
  Tick(app);
  EXPECT_TRUE(app.platform.reals.empty());
  EXPECT_DOUBLE_EQ(g.GameState.Money, 100.0);
  EXPECT_EQ(app.platform.modalsShown.size(), 1u);
}

// A basket admitted before a fire and paid after it leaves the money below
// zero; the next fire must not turn that debt into a gain.
TEST(Clock, FireNeverPaysAPlayerInDebt) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  g.GameState.Money = 100.0;
  ShopBasket basket(g);
  for (int pack = 0; pack < 5; ++pack) ASSERT_TRUE(basket.AddCatalogueItem(kSlotCanvas, 20));

  ClockBefore(app, HourOf(0, 0, 6));
  app.platform.reals = {0.0};
  Tick(app);
  ASSERT_DOUBLE_EQ(g.GameState.Money, 88.0);
  app.platform.answers.push_back(ModalResult::Yes);
  ASSERT_TRUE(basket.Buy());
  ASSERT_DOUBLE_EQ(g.GameState.Money, -12.0);

  ClockBefore(app, HourOf(0, 1, 6));
  app.platform.reals = {0.0};
  SeenNotice seen;
  WatchNotice(app, &seen);
  Tick(app);
  EXPECT_EQ(seen.caption, "FIRE !!!!");
  EXPECT_EQ(seen.lines, Lines{"A fire caused damage to the value of $0.00"});
  EXPECT_DOUBLE_EQ(g.FireDamage, 0.0);
  EXPECT_DOUBLE_EQ(g.GameState.Money, -12.0);
  EXPECT_EQ(Text(app.forms().Form3->Label7), "-12.00");
}

// An error box raised inside a tick must hold the clock: ticks falling due
// under it neither advance the game nor rebuild the plan and raise more boxes.
TEST(Clock, AnErrorBoxInsideATickHoldsTheClock) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  TTimer& clock = app.main().Timer1;
  submittedpic& local = g.Venues[kVenueLocal];
  for (int k = 0; k < local.Slots; ++k) AddPicture(app, "gone" + std::to_string(k), true);
  for (int k = 0; k < local.Slots; ++k)
    local.Entries[static_cast<std::size_t>(k)] = "gone" + std::to_string(k);
  local.Submitted = true;
  app.platform.messages.clear();

  struct Seen {
    bool clockRunning = true;
    bool planBuilt = false;
    int hour = -1;
  };
  std::vector<Seen> seen;
  bool underABox = false;
  app.platform.whileMessageOpen = [&](const ScriptedPlatform::Message&) {
    if (underABox) return;  // a box raised by a tick that should not have run
    underABox = true;
    for (int due = 0; due < 3; ++due) clock.Fire();
    seen.push_back({clock.Running(), g.PlanDay == g.ClockDay, g.ElapsedHours});
    underABox = false;
  };
  ClockBefore(app, HourOf(0, 3, 0));
  g.PlanDay = 2;
  Tick(app);  // Thursday 0:00: the exhibition's pictures have no files

  ASSERT_EQ(app.platform.messages.size(), static_cast<std::size_t>(local.Slots))
      << "one box per missing picture, no more";
  for (const Seen& box : seen) {
    EXPECT_FALSE(box.clockRunning);
    EXPECT_TRUE(box.planBuilt);
    EXPECT_EQ(box.hour, HourOf(0, 3, 0));
  }
  EXPECT_EQ(g.ElapsedHours, HourOf(0, 3, 0));
  EXPECT_TRUE(clock.Enabled());
  EXPECT_TRUE(clock.Running()) << "the clock goes on once the boxes are closed";

  // A missing sound at the fire behaves the same.
  app.platform.messages.clear();
  seen.clear();
  app.RemoveAsset("sound/sounds/s12.wav");
  ClockBefore(app, HourOf(0, 4, 6));
  app.platform.reals = {0.0};
  Tick(app);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_FALSE(seen[0].clockRunning);
  EXPECT_EQ(g.ElapsedHours, HourOf(0, 4, 6));
  EXPECT_TRUE(clock.Running());
}

// Pausing or ending a game inside a held tick keeps the clock stopped after it.
TEST(Clock, AHoldNeverStartsAStoppedClock) {
  TTimer timer(100);
  int ticks = 0;
  timer.OnTimer = [&ticks] { ++ticks; };
  timer.SetEnabled(true);
  {
    const TimerHold outer(timer);
    {
      const TimerHold inner(timer);
      timer.SetEnabled(false);
      timer.SetEnabled(true);
      EXPECT_FALSE(timer.Running());
    }
    timer.Fire();
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(timer.Running()) << "still held by the outer hold";
    timer.SetEnabled(false);
  }
  EXPECT_FALSE(timer.Running());
  EXPECT_FALSE(timer.Enabled());
  timer.SetEnabled(true);
  timer.Fire();
  EXPECT_EQ(ticks, 1);
}

TEST(Clock, ExtinguisherAndAlarmPreventTheDrawItself) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  g.GameState.Money = 100.0;
  g.GameState.Reputation = 50;
  for (const char* title : {"a", "b", "c"}) AddPicture(app, title);
  g.GameState.Stock[kSlotFireExtinguisher].Owned = true;
  g.GameState.Stock[kSlotBurglarAlarm].Owned = true;
  app.platform.reals = {0.0};

  ClockBefore(app, HourOf(0, 1, 0));
  Tick(app, 24);  // a whole day, both incident hours included
  EXPECT_EQ(app.platform.reals.size(), 1u);
  EXPECT_TRUE(app.platform.modalsShown.empty());
  EXPECT_DOUBLE_EQ(g.GameState.Money, 100.0);
  EXPECT_FALSE(g.GameState.Pictures[1].Gone);
}

TEST(Clock, IncidentsDrawOnlyAtTheirHours) {
  TestApp app;
  app.StartNewGame();
  app.game.GameState.Reputation = 50;
  for (const char* title : {"a", "b", "c"}) AddPicture(app, title);
  app.platform.reals = {0.0, 0.0, 0.0};
  ClockBefore(app, HourOf(0, 1, 7));
  Tick(app, 20);  // 7:00 .. 2:00 next day
  EXPECT_EQ(app.platform.reals.size(), 3u);
  EXPECT_TRUE(app.platform.modalsShown.empty());
}

TEST(Clock, BurglaryNeedsMoreThanFifteenReputation) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  for (const char* title : {"first", "middle", "last"}) AddPicture(app, title);

  g.GameState.Reputation = 15;
  ClockBefore(app, HourOf(0, 1, 3));
  app.platform.reals = {0.01};
  Tick(app);
  EXPECT_TRUE(app.platform.reals.empty()) << "the draw is made all the same";
  EXPECT_FALSE(g.GameState.Pictures[1].Gone);
  EXPECT_TRUE(app.platform.modalsShown.empty());

  g.GameState.Reputation = 16;
  ClockBefore(app, HourOf(0, 2, 3));
  app.platform.reals = {0.01};
  SeenNotice seen;
  WatchNotice(app, &seen);
  Tick(app);
  EXPECT_EQ(seen.caption, "BURGLARY !!!");
  EXPECT_EQ(seen.lines, Lines{"Your artwork entitled \"middle\" was stolen during the night."});
  EXPECT_TRUE(seen.imageVisible);
  EXPECT_FALSE(seen.clockRan);
  EXPECT_EQ(app.platform.EffectNames(), Lines{"s2.wav"});
  EXPECT_TRUE(g.GameState.Pictures[1].Gone);
  EXPECT_FALSE(g.GameState.Pictures[0].Gone);
  EXPECT_FALSE(g.GameState.Pictures[2].Gone);
  EXPECT_EQ(g.GameState.PictureCount, 3);
  EXPECT_EQ(g.GameState.Reputation, 16);
  EXPECT_TRUE(app.main().Timer1.Enabled());
}

TEST(Clock, BurglarsSkipTheFirstAndLastAndPicturesAwayOrGone) {
  who state;
  auto add = [&state](const char* title, bool atVenue = false, bool gone = false) {
    state.Pictures.push_back({title, "t", 1.0, atVenue, gone});
    state.PictureCount = static_cast<int>(state.Pictures.size());
  };
  EXPECT_EQ(PictureToSteal(state), -1);
  add("first");
  add("second");
  EXPECT_EQ(PictureToSteal(state), -1) << "with two pictures both are safe";
  state.Pictures.clear();
  add("first");
  add("entered", true);
  add("sold", false, true);
  add("newest");
  EXPECT_EQ(PictureToSteal(state), -1);
  add("newer still");
  EXPECT_EQ(PictureToSteal(state), 3) << "the former newest is no longer last";
  state.Pictures[1].AtVenue = false;
  EXPECT_EQ(PictureToSteal(state), 1) << "the first free one in order";
}

TEST(Clock, BurglaryWithNothingToTakeShowsNothing) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  g.GameState.Reputation = 40;
  AddPicture(app, "first");
  AddPicture(app, "away", true);
  AddPicture(app, "sold", false, true);
  AddPicture(app, "last");
  ClockBefore(app, HourOf(0, 1, 3));
  app.platform.reals = {0.0};
  Tick(app);
  EXPECT_TRUE(app.platform.reals.empty());
  EXPECT_TRUE(app.platform.modalsShown.empty());
  EXPECT_TRUE(app.platform.effects.empty());
  EXPECT_FALSE(g.GameState.Pictures[0].Gone);
  EXPECT_FALSE(g.GameState.Pictures[3].Gone);
  EXPECT_EQ(app.forms().Form12->Caption(), "");
}

TEST(Clock, ANoticeAfterHelpShowsItsPictureAtNoticeSize) {
  TestApp app;
  app.StartNewGame();
  const std::filesystem::path help = app.dir / "Pictorio Help.txt";
  if (!std::filesystem::exists(help)) SaveTextForTest(help, "Paint, then sell.");
  app.main().Help1Click();
  ASSERT_EQ(app.platform.modalsShown, Lines{"Help"});
  ClockBefore(app, HourOf(0, 0, 6));
  app.game.GameState.Money = 10.0;
  app.platform.reals = {0.0};
  SeenNotice seen;
  WatchNotice(app, &seen);
  Tick(app);
  EXPECT_EQ(seen.caption, "FIRE !!!!");
  EXPECT_EQ(seen.imageSize, QSize(65, 90));
}

}  // namespace
}  // namespace pictorio
