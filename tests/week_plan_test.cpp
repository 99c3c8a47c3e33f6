// The week's events: which day carries what, today's event opening, the telephone
// notice and the calendar's day list.
#include "simulation/week_plan.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "simulation/notice_window.h"
#include "support/scripted_platform.h"
#include "support/test_app.h"
#include "ui/picture_io.h"
#include "venues/calendar_window.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

using Lines = std::vector<std::string>;

const std::string kRule(54, '-');

// Puts the clock on `day` (1 = Monday) of `week` (1..52) and builds the plan there.
void BuildOn(TestApp& app, int week, int day) {
  app.game.ClockWeek = week - 1;
  app.game.ClockDay = day - 1;
  BuildWeekPlan(app.game, app.forms());
}

void Submit(TestApp& app, int venue) {
  Game& g = app.game;
  submittedpic& place = g.Venues[venue];
  for (int k = 0; k < place.Slots; ++k) {
    const std::string title = "v" + std::to_string(venue) + "p" + std::to_string(k);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(SaveJpeg(picture, (app.dir / "pictures" / (title + ".jpg")).string()));
    g.GameState.Pictures.push_back({title, "t", 5.0, true, false});
    place.Entries[static_cast<std::size_t>(k)] = title;
  }
  g.GameState.PictureCount = static_cast<int>(g.GameState.Pictures.size());
  place.Submitted = true;
}

TEST(WeekPlan, WeeksOneTwoAndFourNameTheirEvents) {
  ScriptedPlatform platform;
  Game g(platform);
  BuildVenues(g);
  auto names = [&g](int week) {
    FillWeekSchedule(g, week);
    Lines result;
    for (const schedule& day : g.WeekPlan) result.push_back(day.DayLabel + day.EventName);
    return result;
  };
  EXPECT_EQ(names(1), (Lines{"Mo: ", "Tu: Flea Market ", "We: Challenge ", "Th: Local exhibition ",
                             "Fr: Flea Market ", "Sa: ", "Su: "}));
  EXPECT_EQ(names(2), (Lines{"Mo: ", "Tu: Flea Market ", "We: ", "Th: Local exhibition ",
                             "Fr: Flea Market ", "Sa: National exhibition ", "Su: "}));
  EXPECT_EQ(names(4),
            (Lines{"Mo: ", "Tu: Flea Market ", "We: ", "Th: Local exhibition ", "Fr: Flea Market ",
                   "Sa: National exhibition ", "Su: International exhibition "}));

  auto active = [&g](int week) {
    FillWeekSchedule(g, week);
    std::vector<bool> result;
    for (const schedule& day : g.WeekPlan) result.push_back(day.Active);
    return result;
  };
  // Galleries open only with pictures entered; the market always, the challenge on odd weeks.
  EXPECT_EQ(active(1), (std::vector<bool>{false, true, true, false, true, false, false}));
  EXPECT_EQ(active(4), (std::vector<bool>{false, true, false, false, true, false, false}));
  for (int v : {kVenueLocal, kVenueNational, kVenueInternational}) g.Venues[v].Submitted = true;
  EXPECT_EQ(active(4), (std::vector<bool>{false, true, false, true, true, true, true}));
  EXPECT_EQ(active(1), (std::vector<bool>{false, true, true, true, true, false, false}));
  EXPECT_EQ(active(2), (std::vector<bool>{false, true, false, true, true, true, false}));
}

TEST(WeekPlan, ThursdayOfWeekFourWithNothingEntered) {
  TestApp app;
  app.StartNewGame();
  app.forms().Form4->Button2->setEnabled(true);
  app.game.EventVenue = kVenueFlea;
  BuildOn(app, 4, 4);
  EXPECT_EQ(app.forms().Form4->DayList(),
            (Lines{"Mo:     X", kRule, "Tu:  Flea Market    X", kRule, "We:     X", kRule,
                   "Th:  Local exhibition   *Today*", kRule, "Fr:  Flea Market ", kRule,
                   "Sa:  National exhibition ", kRule, "Su:  International exhibition ", kRule, "",
                   "Events Next week :", "- Challenge (We)"}));
  EXPECT_FALSE(app.forms().Form4->Button2->isEnabled());
  EXPECT_FALSE(app.main().nowEvent1->isEnabled());
  EXPECT_EQ(app.game.EventVenue, 0);
  EXPECT_EQ(app.game.TodayVenue, 0);
  EXPECT_EQ(app.game.PlanDay, 3);
  for (const schedule& day : app.game.WeekPlan) EXPECT_FALSE(day.Active);
}

TEST(WeekPlan, NextWeeksEventsFollowTheAlternation) {
  OneBased<schedule, 7> plan;
  auto nextWeek = [&plan](int week) {
    const Lines all = CalendarDayList(plan, 1, week);
    const auto heading = std::find(all.begin(), all.end(), "Events Next week :");
    return Lines(heading + 1, all.end());
  };
  EXPECT_EQ(nextWeek(1), Lines{"- National exhibition (Sa)"});
  EXPECT_EQ(nextWeek(2), Lines{"- Challenge (We)"});
  EXPECT_EQ(nextWeek(3), (Lines{"- National exhibition (Sa)", "- International exhibition (Su)"}));
  // The last week of the year leads into week 1 of the next.
  EXPECT_EQ(nextWeek(52), Lines{"- Challenge (We)"});
}

TEST(WeekPlan, ChallengeWednesdayAndTheWednesdayWithout) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  g.EventVenue = kVenueFlea;  // left from Tuesday's market
  BuildOn(app, 1, 3);
  EXPECT_TRUE(g.ChallengeOpen);
  EXPECT_TRUE(g.EventOpen);
  EXPECT_EQ(g.EventDayNumber, 3);
  EXPECT_EQ(g.EventVenue, kVenueFlea) << "a challenge leaves the venue alone";
  EXPECT_EQ(g.TodayVenue, kVenueFlea);
  EXPECT_TRUE(app.forms().Form4->Button2->isEnabled());
  EXPECT_TRUE(app.main().nowEvent1->isEnabled());

  BuildOn(app, 2, 3);
  EXPECT_FALSE(g.ChallengeOpen);
  EXPECT_EQ(g.EventVenue, 0);
  EXPECT_EQ(g.TodayVenue, 0);
  EXPECT_FALSE(app.forms().Form4->Button2->isEnabled());
  EXPECT_FALSE(app.main().nowEvent1->isEnabled());
  EXPECT_TRUE(g.EventOpen) << "the clock closes the event day, not the plan";
}

TEST(WeekPlan, GalleryDaysDressTheVenueAndTitleIt) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  TForm9& venue = *app.forms().Form9;
  Submit(app, kVenueLocal);
  BuildOn(app, 2, 4);
  EXPECT_EQ(g.EventVenue, kVenueLocal);
  EXPECT_EQ(g.EventDayNumber, 4);
  EXPECT_EQ(venue.Label1->text().toStdString(), "Local Gallery");
  EXPECT_EQ(venue.TitleColour(), QColor(0x80, 0x80, 0x80));
  EXPECT_TRUE(venue.Frame(5)->Visible());
  EXPECT_FALSE(venue.Frame(6)->Visible());

  // Tuesday keeps the colour it finds.
  BuildOn(app, 3, 2);
  EXPECT_EQ(g.EventVenue, kVenueFlea);
  EXPECT_EQ(venue.Label1->text().toStdString(), "Flea Market");
  EXPECT_EQ(venue.TitleColour(), QColor(0x80, 0x80, 0x80));
  BuildOn(app, 3, 5);
  EXPECT_EQ(venue.TitleColour(), QColor(Qt::black));

  Submit(app, kVenueNational);
  BuildOn(app, 2, 6);
  EXPECT_EQ(g.EventVenue, kVenueNational);
  EXPECT_EQ(venue.Label1->text().toStdString(), "National Gallery");
  EXPECT_EQ(g.SceneImageWidth, 87);
  EXPECT_TRUE(venue.Frame(6)->Visible());

  Submit(app, kVenueInternational);
  BuildOn(app, 4, 7);
  EXPECT_EQ(g.EventVenue, kVenueInternational);
  EXPECT_EQ(g.TodayVenue, kVenueInternational);
  EXPECT_EQ(venue.Label1->text().toStdString(), "International Gallery");
  EXPECT_TRUE(venue.Frame(8)->Visible());
  // A submitted international show on a Sunday that is not its week stays shut.
  BuildOn(app, 5, 7);
  EXPECT_EQ(g.EventVenue, 0);
  EXPECT_EQ(app.platform.MessageTexts(), Lines{"Start new game?"}) << "every picture loaded";
}

TEST(WeekPlan, TheTelephoneAnnouncesTodaysEvent) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  TForm12& notice = *app.forms().Form12;
  g.GameState.Stock[kSlotTelephone].Owned = true;
  bool showCalendarVisible = false;
  bool clockRan = true;
  Lines lines;
  app.platform.modalScripts.push_back([&](QDialog&) {
    showCalendarVisible = notice.Button2->isVisible();
    clockRan = app.main().Timer1.Enabled();
    lines = notice.Lines();
  });
  BuildOn(app, 1, 2);
  EXPECT_EQ(app.platform.modalsShown, Lines{"Event Notification"});
  EXPECT_EQ(lines, Lines{"You are hereby notified that an event has started. Please see your "
                         "calendar for more details."});
  EXPECT_TRUE(showCalendarVisible);
  EXPECT_FALSE(clockRan);
  EXPECT_EQ(app.platform.EffectNames(), Lines{"s9.wav"});
  EXPECT_FALSE(notice.Button2->isVisibleTo(&notice));
  EXPECT_TRUE(app.main().Timer1.Enabled());
  EXPECT_EQ(g.EventVenue, kVenueFlea);

  // With the calendar open the telephone rings but no notice comes.
  app.forms().Form4->show();
  BuildOn(app, 1, 5);
  EXPECT_EQ(app.platform.modalsShown.size(), 1u);
  EXPECT_EQ(app.platform.EffectNames(), (Lines{"s9.wav", "s9.wav"}));

  // Sound off: the notice without the ring.
  app.forms().Form4->Close();
  g.SoundOn = false;
  BuildOn(app, 2, 2);
  EXPECT_EQ(app.platform.modalsShown.size(), 2u);
  EXPECT_EQ(app.platform.effects.size(), 2u);
}

TEST(WeekPlan, NoTelephoneNoNoticeAndTheCalendarMenuIsSilent) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  BuildOn(app, 1, 2);
  EXPECT_TRUE(app.platform.modalsShown.empty());
  EXPECT_TRUE(app.platform.effects.empty());
  EXPECT_TRUE(g.EventOpen);
  EXPECT_TRUE(app.forms().Form4->Button2->isEnabled());

  g.GameState.Stock[kSlotTelephone].Owned = true;
  g.ClockWeek = 0;
  g.ClockDay = 4;  // Friday's market
  app.forms().Form4->SetDayList({});
  app.main().Calendar1Click();
  EXPECT_TRUE(app.forms().Form4->Showing());
  EXPECT_TRUE(app.platform.modalsShown.empty());
  EXPECT_TRUE(app.platform.effects.empty());
  EXPECT_TRUE(g.EventNoticeEnabled);
  EXPECT_EQ(app.forms().Form4->DayList()[8], "Fr:  Flea Market   *Today*");
}

TEST(WeekPlan, ShowCalendarOnTheNoticeOpensTheCalendarWithoutASecondNotice) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  g.GameState.Stock[kSlotTelephone].Owned = true;
  app.platform.modalScripts.push_back([&app](QDialog&) { app.forms().Form12->Button2Click(); });
  BuildOn(app, 1, 2);
  EXPECT_EQ(app.platform.modalsShown, Lines{"Event Notification"});
  EXPECT_EQ(app.platform.EffectNames(), Lines{"s9.wav"});
  EXPECT_TRUE(app.forms().Form4->Showing());
  EXPECT_EQ(app.forms().Form4->DayList()[2], "Tu:  Flea Market   *Today*");
  EXPECT_EQ(g.EventVenue, kVenueFlea);
  EXPECT_EQ(g.EventDayNumber, 2);
  EXPECT_TRUE(g.EventNoticeEnabled);
  for (const schedule& day : g.WeekPlan) EXPECT_FALSE(day.Active);
}

}  // namespace
}  // namespace pictorio
