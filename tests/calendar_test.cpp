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

namespace pictorio {
namespace {

constexpr int kTuesday = 24;
constexpr int kChallengeWednesday = 48;

TEST(Calendar, AdmitsAboveTheThresholdsListsTheFreePicturesAndItsMenuItemsLeadToItsButtons) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  TForm1& main = app.main();
  TForm4& calendar = *app.forms().Form4;
  const std::pair<int, int> edges[] = {
      {kVenueFlea, -10}, {kVenueLocal, 19}, {kVenueNational, 49}, {kVenueInternational, 69}};
  for (auto [venue, threshold] : edges) {
    for (const int above : {0, 1}) {
      g.GameState.Reputation = threshold + above;
      CheckVenueReputation(g, venue);
      EXPECT_EQ(g.VenueAllowed, above == 1) << venue;
    }
  }

  // Shown, it lists the free pictures; closed, the easel works again.
  for (int k = 1; k <= 3; ++k) AddPicture(app, "Pic " + std::to_string(k), 5.0);
  g.GameState.Pictures[1].Gone = true;
  main.Calendar1Click();
  EXPECT_EQ(app.forms().Form3->ListBox3.Items, (Lines{"Pic 1", "Pic 3"}));
  calendar.Button6Click();
  EXPECT_TRUE(main.paint1->isEnabled());

  std::vector<int> venues;
  for (int i = 0; i < 4; ++i)
    app.platform.modalScripts.push_back([&](QDialog&) { venues.push_back(g.EventVenue); });
  main.FleaMarket1->trigger();
  main.Localgalery1->trigger();
  main.NationalGallery1->trigger();
  main.InternationalGallery1->trigger();
  EXPECT_EQ(venues, (std::vector<int>{1, 2, 3, 4}));

  // On a challenge Wednesday the market's button and Go To Event lead apart;
  // the menu's "Go to Event" snapshots the game first, then goes.
  TickTo(app, kChallengeWednesday);
  ASSERT_TRUE(g.ChallengeOpen);
  app.platform.modalsShown.clear();
  bool allowed = true;
  app.platform.modalScripts.push_back([&](QDialog&) { allowed = g.VenueAllowed; });
  calendar.Button5Click();
  calendar.Button2Click();
  app.forms().Form3->ListBox1.Clear();
  main.nowEvent1Click();
  EXPECT_EQ(std::tuple(app.platform.modalsShown, allowed),
            std::tuple(Lines{"Submit Pictures", "Challenge", "Challenge"}, false));
  const Lines& text = app.forms().Form3->ListBox1.Items;
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text[0], "Tester");
}

// Entered at a gallery on the market's day, the market stays today's event;
// once it has closed, its button asks the player to come back.
TEST(Calendar, AGallerySubmissionOnTuesdayKeepsTheMarketAsTodaysEventUntilItCloses) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  TForm4& calendar = *app.forms().Form4;
  g.GameState.Reputation = 60;
  for (int k = 1; k <= 6; ++k) AddPicture(app, "Pic " + std::to_string(k), 5.0);
  TickTo(app, kTuesday);
  EnterAndAccept(app, {"Pic 1", "Pic 2", "Pic 3", "Pic 4", "Pic 5", "Pic 6"});
  calendar.Button3Click();
  // Every picture is entered.
  EXPECT_EQ(std::tuple(g.Venues[kVenueNational].Submitted, g.EventVenue,
                       app.forms().Form3->ListBox3.Count()),
            std::tuple(true, kVenueFlea, 0));
  int venueInside = 0;
  app.platform.modalScripts.push_back([&](QDialog&) { venueInside = g.EventVenue; });
  calendar.Button2Click();
  EXPECT_EQ(std::tuple(venueInside, app.platform.modalsShown.back()),
            std::tuple(kVenueFlea, "Submit Pictures"));

  // Nothing was entered at the market, so the venue is still set after it closes.
  TickTo(app, kTuesday + 22);
  ASSERT_EQ(std::tuple(g.EventVenue, g.EventOpen), std::tuple(kVenueFlea, false));
  // The calendar opened again at 23:00 offers no way back in.
  TickTo(app, kTuesday + 23);
  app.main().Calendar1Click();
  EXPECT_EQ(std::tuple(calendar.Button2->isEnabled(), app.main().nowEvent1->isEnabled()),
            std::tuple(false, false));
  Lines memo;
  app.platform.modalScripts.push_back([&](QDialog& window) {
    auto& entry = dynamic_cast<TForm8&>(window);
    memo = entry.MemoText();
    EXPECT_FALSE(entry.Button1->isEnabled());
  });
  calendar.Button5Click();
  EXPECT_EQ(memo, (Lines{"This is a Flea Market. Please come back to submit your pictures when "
                         "there are other vendors. You need 4 pictures on that day."}));
  EXPECT_EQ(std::tuple(app.platform.modalsShown.back(), g.Venues[kVenueFlea].Submitted),
            std::tuple("Submit Pictures", false));
}

}  // namespace
}  // namespace pictorio
