// The clock tick: date and labels, the day's plan, the end of the event day,
// and the fire and the burglary.
#include "simulation/clock.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "simulation/notice_window.h"
#include "support/test_app.h"
#include "ui/info_bar.h"
#include "venues/calendar_window.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

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

void AddPictures(TestApp& app, const Lines& titles, bool atVenue = false) {
  who& state = app.game.GameState;
  for (const std::string& title : titles)
    state.Pictures.push_back({title, "t", 10.0, atVenue, false});
  state.PictureCount = static_cast<int>(state.Pictures.size());
}

TEST(Clock, DatesAcrossTheYearsEndAndTheHoursLeft) {
  // The first hour of the second year, as the labels show it.
  TestApp app;
  app.StartNewGame();
  TForm4& calendar = *app.forms().Form4;
  app.game.ElapsedHours = 8735;
  Tick(app);
  EXPECT_EQ(
      std::tuple(Text(app.forms().Form3->Label10), Text(calendar.Label2), Text(calendar.Label1),
                 Text(calendar.Label3), app.game.GameState.SavedHours, app.game.ClockYear),
      std::tuple("Year: 2 Week: 1 Day: 1 Hour: 1", "Year: 2", "Week: 1", "Day: 1", 8736, 1));

  ClockBefore(app, HourOf(0, 0, 21));
  for (const char* left : {"Hours Left: 1", "Hours Left: 0", "Hours Left: -1"}) {
    Tick(app);
    EXPECT_EQ(Text(app.forms().Form9->Label6), left);
  }
}

TEST(Clock, BuildsThePlanOnlyWhenTheDayChanges) {
  TestApp app;
  app.StartNewGame();
  TForm4& calendar = *app.forms().Form4;
  // Monday of a new game: the plan counts as built for day 0.
  calendar.SetDayList({"untouched"});
  Tick(app, 22);  // up to Monday 23:00
  EXPECT_EQ(calendar.DayList(), Lines{"untouched"});
  Tick(app);  // Tuesday 0:00
  EXPECT_EQ(app.game.PlanDay, 1);
  ASSERT_FALSE(calendar.DayList().empty());
  EXPECT_EQ(calendar.DayList()[2], "Tu:  Flea Market   *Today*");
  EXPECT_TRUE(app.game.EventOpen);

  // A loaded game on another day: the first tick catches up.
  app.game.ElapsedHours = HourOf(1, 3, 10);
  app.game.PlanDay = 1;
  Tick(app);
  EXPECT_EQ(app.game.PlanDay, 3);
  EXPECT_EQ(calendar.DayList()[6], "Th:  Local exhibition   *Today*");
}

TEST(Clock, EndOfADayClosesGoToEventAndTheVenueAndFreesUnsoldEntries) {
  TestApp app;
  app.StartNewGame();
  TForm1& main = app.main();
  TForm4& calendar = *app.forms().Form4;
  // The challenge's own test sees its window closed at 22:00.
  ClockBefore(app, HourOf(0, 0, 22));
  calendar.Button2->setEnabled(true);
  main.nowEvent1->setEnabled(true);
  Tick(app);
  EXPECT_EQ(
      std::tuple(calendar.Button2->isEnabled(), main.nowEvent1->isEnabled(), main.Timer1.Enabled()),
      std::tuple(false, false, true));

  Game& g = app.game;
  AddPictures(app, {"a", "b", "c", "d", "e"}, true);
  g.GameState.Pictures[1].Gone = true;  // sold during the day
  submittedpic& local = g.Venues[kVenueLocal];
  local.Entries = {"a", "b", "c", "d", "e", ""};
  local.Submitted = true;
  g.EventOpen = true;
  g.EventVenue = kVenueLocal;
  g.EventVisitPrepared = true;
  g.EntriesSold = 1;
  g.SellOutRewarded = true;
  // The venue window's own test sees it closed and its pictures home.
  ClockBefore(app, HourOf(0, 3, 22));
  Tick(app);
  EXPECT_EQ(std::tuple(g.EventOpen, g.EventVisitPrepared, local.Submitted, local.Entries),
            std::tuple(false, false, false, Lines(6, "")));
  EXPECT_EQ(
      std::tuple(g.GameState.Pictures[1].Gone, g.EventVenue, g.EntriesSold, g.SellOutRewarded),
      std::tuple(true, 0, 0, false));
}

// At 6:00 a draw below one tenth is a fire: 12 % of the money, never a gain
// for a player in debt (a basket paid after an earlier fire can leave one).
TEST(Clock, FireTakesTwelvePercentOfTheMoneyWhenTheDrawIsBelowOneTenth) {
  struct Row {
    double money, draw;
    const char* line;  // nullptr: no fire
    double left;
  };
  const Row rows[] = {
      {250.0, 0.0999, "A fire caused damage to the value of $30.00", 220.0},
      {-12.0, 0.0, "A fire caused damage to the value of $0.00", -12.0},
      {100.0, 0.1, nullptr, 100.0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.money);
    TestApp app;
    app.StartNewGame();
    Game& g = app.game;
    g.GameState.Money = r.money;
    ClockBefore(app, HourOf(0, 0, 6));
    app.platform.reals = {r.draw};
    std::vector<SeenWindow> seen;
    Watch(app, seen);
    Tick(app);
    EXPECT_TRUE(app.platform.reals.empty());
    EXPECT_DOUBLE_EQ(g.GameState.Money, r.left);
    EXPECT_TRUE(app.main().Timer1.Enabled());
    if (!r.line) {
      EXPECT_TRUE(app.platform.modalsShown.empty());
      continue;
    }
    EXPECT_DOUBLE_EQ(g.FireDamage, r.money - r.left);
    EXPECT_EQ(Text(app.forms().Form3->Label7), FormatMoney(r.left));
    EXPECT_EQ(seen, (std::vector<SeenWindow>{{"FIRE !!!!", {r.line}, true, QSize(65, 90), false}}));
    // No load errors, and the notice is blank again.
    EXPECT_EQ(std::tuple(app.platform.EffectNames(), app.platform.MessageTexts(),
                         app.forms().Form12->Caption(), app.forms().Form12->Lines()),
              std::tuple(Lines{"s12.wav"}, Lines{"Start new game?"}, "", Lines{}));
  }
}

TEST(Clock, IncidentsDrawOnlyAtTheirHoursAndNotAtAllWithExtinguisherAndAlarm) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  g.GameState.Money = 100.0;
  g.GameState.Reputation = 50;
  AddPictures(app, {"a", "b", "c"});
  app.platform.reals = {0.0, 0.0, 0.0};
  ClockBefore(app, HourOf(0, 1, 7));
  Tick(app, 20);  // 7:00 .. 2:00 next day
  EXPECT_EQ(app.platform.reals.size(), 3u);

  g.GameState.Stock[kSlotFireExtinguisher].Owned = true;
  g.GameState.Stock[kSlotBurglarAlarm].Owned = true;
  ClockBefore(app, HourOf(0, 3, 0));
  Tick(app, 24);  // a whole day, both incident hours included
  EXPECT_EQ(app.platform.reals.size(), 3u);
  EXPECT_TRUE(app.platform.modalsShown.empty());
  EXPECT_DOUBLE_EQ(g.GameState.Money, 100.0);
  EXPECT_FALSE(g.GameState.Pictures[1].Gone);
}

TEST(Clock, BurglarsNeedMoreThanFifteenReputationAndSkipTheFirstTheLastAndPicturesAway) {
  who state;
  const auto steal = [&state](const std::vector<std::pair<bool, bool>>& pictures) {
    state.Pictures.clear();
    for (const auto& [atVenue, gone] : pictures)
      state.Pictures.push_back({"p", "t", 1.0, atVenue, gone});
    state.PictureCount = static_cast<int>(state.Pictures.size());
    return PictureToSteal(state);
  };
  const std::pair<bool, bool> free{false, false}, away{true, false}, sold{false, true};
  EXPECT_EQ(
      std::tuple(steal({}), steal({free, free}), steal({free, away, sold, free}),
                 steal({free, away, sold, free, free}), steal({free, free, sold, free, free})),
      std::tuple(-1, -1, -1, 3, 1));

  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  AddPictures(app, {"first", "middle", "last"});
  g.GameState.Reputation = 15;
  ClockBefore(app, HourOf(0, 1, 3));
  app.platform.reals = {0.01};
  Tick(app);
  EXPECT_FALSE(g.GameState.Pictures[1].Gone);
  EXPECT_TRUE(app.platform.modalsShown.empty());

  g.GameState.Reputation = 16;
  ClockBefore(app, HourOf(0, 2, 3));
  app.platform.reals = {0.01};
  std::vector<SeenWindow> seen;
  Watch(app, seen);
  Tick(app);
  EXPECT_EQ(
      seen,
      (std::vector<SeenWindow>{{"BURGLARY !!!",
                                {"Your artwork entitled \"middle\" was stolen during the night."},
                                true,
                                QSize(65, 90),
                                false}}));
  EXPECT_EQ(
      std::tuple(app.platform.EffectNames(), g.GameState.Pictures[0].Gone,
                 g.GameState.Pictures[1].Gone, g.GameState.Pictures[2].Gone,
                 g.GameState.PictureCount, g.GameState.Reputation, app.main().Timer1.Enabled()),
      std::tuple(Lines{"s2.wav"}, false, true, false, 3, 16, true));

  // Nothing left to take: nothing shown.
  g.GameState.Pictures[1].AtVenue = true;
  g.GameState.Pictures[1].Gone = false;
  app.platform.modalsShown.clear();
  app.platform.effects.clear();
  ClockBefore(app, HourOf(0, 3, 3));
  app.platform.reals = {0.0};
  Tick(app);
  EXPECT_EQ(std::tuple(app.platform.reals.empty(), app.platform.modalsShown.empty(),
                       app.platform.effects.empty(), app.forms().Form12->Caption()),
            std::tuple(true, true, true, ""));
}

// An error box raised inside a tick must hold the clock: ticks falling due
// under it neither advance the game nor rebuild the plan and raise more boxes.
TEST(Clock, AnErrorBoxInsideATickHoldsTheClock) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  TTimer& clock = app.main().Timer1;
  submittedpic& local = g.Venues[kVenueLocal];
  for (int k = 0; k < local.Slots; ++k) {
    AddPictures(app, {"gone" + std::to_string(k)}, true);
    local.Entries[static_cast<std::size_t>(k)] = "gone" + std::to_string(k);
  }
  local.Submitted = true;
  app.platform.messages.clear();

  struct Seen {
    bool clockRunning, planBuilt;
    int hour;
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
  EXPECT_TRUE(clock.Running()) << "the clock goes on once the boxes are closed";
}

// A box inside a notice inside a tick: the inner hold's end must not start the clock.
TEST(Clock, OnlyTheOuterHoldsEndStartsTheClockAgain) {
  TTimer timer(100);
  int ticks = 0;
  timer.OnTimer = [&ticks] { ++ticks; };
  timer.SetEnabled(true);
  {
    const TimerHold outer(timer);
    { const TimerHold inner(timer); }
    timer.Fire();
    EXPECT_EQ(ticks, 0);
  }
  timer.Fire();
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace pictorio
