// The calendar's doors: who may enter where, which window today's event opens,
// and the menu items that lead to them.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "support/pictures.h"
#include "support/test_app.h"
#include "ui/info_bar.h"
#include "venues/calendar_window.h"
#include "venues/entry_rules.h"
#include "venues/entry_window.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

constexpr int kTuesday = 24;
constexpr int kChallengeWednesday = 48;

TEST(Calendar, GalleriesAdmitOnlyReputationAboveTheirThreshold) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  const std::pair<int, int> edges[] = {
      {kVenueFlea, -10}, {kVenueLocal, 19}, {kVenueNational, 49}, {kVenueInternational, 69}};
  for (auto [venue, threshold] : edges) {
    g.GameState.Reputation = threshold;
    CheckVenueReputation(g, venue);
    EXPECT_FALSE(g.VenueAllowed) << venue;
    g.GameState.Reputation = threshold + 1;
    CheckVenueReputation(g, venue);
    EXPECT_TRUE(g.VenueAllowed) << venue;
  }

  // Through the calendar's button, at the edge.
  g.GameState.Reputation = 50;
  bool allowed = false;
  int venueShown = 0;
  app.platform.modalScripts.push_back([&](QDialog&) {
    allowed = g.VenueAllowed;
    venueShown = g.EventVenue;
  });
  app.forms().Form4->Button3Click();
  EXPECT_TRUE(allowed);
  EXPECT_EQ(venueShown, kVenueNational);
  EXPECT_EQ(g.EventVenue, g.TodayVenue);
}

TEST(Calendar, OnAChallengeWednesdayTheMarketButtonAndGoToEventLeadApart) {
  TestApp app;
  app.StartNewGame();
  TickTo(app, kChallengeWednesday);
  Game& g = app.game;
  ASSERT_TRUE(g.ChallengeOpen);
  TForm4& calendar = *app.forms().Form4;
  bool allowed = true;
  app.platform.modalScripts.push_back([&](QDialog&) { allowed = g.VenueAllowed; });
  calendar.Button5Click();
  calendar.Button2Click();
  EXPECT_EQ(app.platform.modalsShown, (Lines{"Submit Pictures", "Challenge"}));
  EXPECT_FALSE(allowed);
}

TEST(Calendar, TheFleaMarketDayPathPlaysItsMusicAndOpensTheStallOnlyAfterEntries) {
  TestApp app;
  app.StartNewGame();
  for (int k = 1; k <= 4; ++k) AddPicture(app, "Pic " + std::to_string(k), 5.0);
  TickTo(app, kTuesday);
  app.main().Save1Click();  // the morning's game, before anything is entered
  Game& g = app.game;
  TForm4& calendar = *app.forms().Form4;
  ASSERT_TRUE(calendar.Button2->isEnabled());

  // Leaving the entry window empty-handed opens nothing more.
  app.platform.tracks.clear();
  int themeInside = 0;
  app.platform.modalScripts.push_back([&](QDialog&) { themeInside = g.MusicTheme; });
  calendar.Button5Click();  // "Flea Market" on its day does what "Go To Event" does
  EXPECT_EQ(app.platform.modalsShown, Lines{"Submit Pictures"});
  EXPECT_EQ(themeInside, 20);
  ASSERT_GE(app.platform.tracks.size(), 1u);
  EXPECT_EQ(BaseName(app.platform.tracks[0]), "m60.mid");
  EXPECT_FALSE(g.EventVisitPrepared);

  // Entering the four pictures lays out the stall once and opens it.
  const Lines four = {"Pic 1", "Pic 2", "Pic 3", "Pic 4"};
  EnterAndAccept(app, four);
  app.platform.modalsShown.clear();
  calendar.Button2Click();
  EXPECT_EQ(app.platform.modalsShown, (Lines{"Submit Pictures", "Event"}));
  EXPECT_TRUE(g.EventVisitPrepared);
  TForm9& venue = *app.forms().Form9;
  EXPECT_TRUE(venue.Frame(4)->Visible());
  EXPECT_EQ(venue.Frame(1)->pos(), QPoint(159, 145));

  // A later visit the same day finds the stall as it was left.
  venue.SoldMark(2)->show();
  app.platform.modalsShown.clear();
  calendar.Button2Click();
  EXPECT_EQ(app.platform.modalsShown, (Lines{"Submit Pictures", "Event"}));
  EXPECT_TRUE(venue.SoldMark(2)->Visible()) << "not laid out again";

  // The morning's game, loaded again, lays out a stall of its own.
  const qint64 hung = venue.Frame(1)->Picture().cacheKey();
  app.platform.answers.push_back(ModalResult::No);  // do not save
  ChooseInLoadDialog(app, "Tester");
  app.main().LoadGame1Click();
  EnterAndAccept(app, four);
  calendar.Button2Click();
  EXPECT_NE(venue.Frame(1)->Picture().cacheKey(), hung);
  EXPECT_FALSE(venue.SoldMark(2)->Visible());
}

TEST(Calendar, ANationalSubmissionOnTuesdayKeepsTheMarketAsTodaysEvent) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  g.GameState.Reputation = 60;
  for (int k = 1; k <= 6; ++k) AddPicture(app, "Pic " + std::to_string(k), 5.0);
  TickTo(app, kTuesday);
  app.platform.tracks.clear();
  EnterAndAccept(app, {"Pic 1", "Pic 2", "Pic 3", "Pic 4", "Pic 5", "Pic 6"});
  app.platform.randoms = {1};  // the national tune m41
  app.forms().Form4->Button3Click();
  ASSERT_GE(app.platform.tracks.size(), 1u);
  EXPECT_EQ(BaseName(app.platform.tracks[0]), "m41.mid");
  EXPECT_TRUE(g.Venues[kVenueNational].Submitted);
  EXPECT_EQ(g.EventVenue, kVenueFlea);
  EXPECT_EQ(app.forms().Form3->ListBox3.Count(), 0) << "every picture is entered";

  int venueInside = 0;
  app.platform.modalScripts.push_back([&](QDialog&) { venueInside = g.EventVenue; });
  app.forms().Form4->Button2Click();
  EXPECT_EQ(venueInside, kVenueFlea);
  EXPECT_EQ(app.platform.modalsShown.back(), "Submit Pictures");
}

TEST(Calendar, AfterTheMarketClosesItsButtonAsksThePlayerToComeBack) {
  TestApp app;
  app.StartNewGame();
  for (int k = 1; k <= 4; ++k) AddPicture(app, "Pic " + std::to_string(k), 5.0);
  TickTo(app, kTuesday);
  TickTo(app, kTuesday + 22);
  Game& g = app.game;
  ASSERT_EQ(g.EventVenue, kVenueFlea) << "nothing was entered, so the venue is still set";
  ASSERT_FALSE(g.EventOpen);
  // Right after the close, then at 23:00 with the calendar opened again.
  for (bool calendarOpened : {false, true}) {
    SCOPED_TRACE(calendarOpened);
    if (calendarOpened) {
      TickTo(app, kTuesday + 23);
      app.main().Calendar1Click();
      EXPECT_FALSE(app.forms().Form4->Button2->isEnabled());
      EXPECT_FALSE(app.main().nowEvent1->isEnabled());
    }
    Lines memo;
    app.platform.modalScripts.push_back([&](QDialog& window) {
      auto& entry = dynamic_cast<TForm8&>(window);
      memo = entry.MemoText();
      EXPECT_FALSE(entry.Button1->isEnabled());
    });
    app.forms().Form4->Button5Click();
    EXPECT_EQ(memo, (Lines{"This is a Flea Market. Please come back to submit your pictures when "
                           "there are other vendors. You need 4 pictures on that day."}));
    EXPECT_EQ(app.platform.modalsShown.back(), "Submit Pictures");
    for (const picrec& picture : g.GameState.Pictures) EXPECT_FALSE(picture.AtVenue);
  }
}

TEST(Calendar, MenuItemsForwardToTheCalendarsButtons) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  TForm1& main = app.main();
  ASSERT_TRUE(main.SubmitPictures1->isEnabled());
  std::vector<int> venues;
  for (int i = 0; i < 4; ++i)
    app.platform.modalScripts.push_back([&](QDialog&) { venues.push_back(g.EventVenue); });
  main.FleaMarket1->trigger();
  main.Localgalery1->trigger();
  main.NationalGallery1->trigger();
  main.InternationalGallery1->trigger();
  EXPECT_EQ(venues, (std::vector<int>{1, 2, 3, 4}));

  // "Go to Event" snapshots the game first, then goes.
  AddPicture(app, "Fresh", 5.0);
  TickTo(app, kChallengeWednesday);
  app.forms().Form3->ListBox1.Clear();
  main.nowEvent1Click();
  EXPECT_EQ(app.platform.modalsShown.back(), "Challenge");
  const Lines& text = app.forms().Form3->ListBox1.Items;
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text[0], "Tester");
}

TEST(Calendar, ShowingTheCalendarListsTheFreePictures) {
  TestApp app;
  app.StartNewGame();
  for (int k = 1; k <= 3; ++k) AddPicture(app, "Pic " + std::to_string(k), 5.0);
  app.game.GameState.Pictures[1].Gone = true;
  app.main().Calendar1Click();
  EXPECT_EQ(app.forms().Form3->ListBox3.Items, (Lines{"Pic 1", "Pic 3"}));
  app.forms().Form4->Button6Click();
  EXPECT_TRUE(app.main().paint1->isEnabled());
}

}  // namespace
}  // namespace pictorio
