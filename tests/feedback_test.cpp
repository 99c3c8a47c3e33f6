// What the player is told beyond the game's own notices: the day's summary, an
// offer's cue, what a reputation opens, tips, and a clock that waits for them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "app/main_window.h"
#include "shop/shop_window.h"
#include "simulation/notice_window.h"
#include "simulation/scene_layout.h"
#include "support/pictures.h"
#include "support/test_app.h"
#include "ui/info_bar.h"
#include "ui/theme.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

// A new game with summaries and tips on, as a new player has it.
void StartTold(TestApp& app) {
  app.StartNewGame();
  app.game.Settings.News = app.game.Settings.Tips = true;
  app.game.MusicOn = false;
}

// Whether the offer cue shows as each of the first `count` blinks of its timer
// (the game's one timer of 250 ms) falls due; every other timer waits meanwhile.
std::vector<bool> CueAtBlinks(TForm9& venue, std::size_t count) {
  struct Spy : QObject {
    TForm9& venue;
    std::vector<bool> shown;
    explicit Spy(TForm9& v) : venue(v) {}
    bool eventFilter(QObject* object, QEvent* event) override {
      const auto* timer = qobject_cast<QTimer*>(object);
      if (event->type() != QEvent::Timer || !timer) return false;
      if (timer->interval() != 250) return true;
      shown.push_back(!venue.OfferCue->isHidden());
      return false;
    }
  } spy(venue);
  bool late = false;
  QObject guard;  // a cue that never blinks fails the test instead of hanging it
  QTimer::singleShot(5000, &guard, [&late] { late = true; });
  QCoreApplication::instance()->installEventFilter(&spy);
  while (spy.shown.size() < count && !late)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::instance()->removeEventFilter(&spy);
  return spy.shown;
}

TEST(PlayerNews, AMarketDayEndsWithItsSummaryAndWhatTheReputationOpened) {
  TestApp app;
  StartTold(app);
  TForm9& venue = OpenVenue(app, kVenueFlea, 4, 10.0, 9);
  Game& g = app.game;
  g.UnlocksTold = 9;
  std::vector<SeenWindow> seen;
  Watch(app, seen, 1);

  // The first offer: a bell, a glow on the panel and, once a game, its tip.
  double sold = 0.0;
  for (const auto& [entry, take] : {std::pair{0, true}, {1, false}, {2, true}}) {
    SCOPED_TRACE(entry);
    NextBuyer(app, venue, entry, 18);
    ASSERT_TRUE(venue.OfferShown());
    EXPECT_EQ(std::tuple(app.platform.EffectNames().back(), venue.OfferCue->isHidden()),
              std::tuple("s19.wav", false));
    // The glow blinks from the start: shown at once, out at the first blink.
    if (entry == 1) {
      EXPECT_EQ(CueAtBlinks(venue, 2), (std::vector<bool>{true, false}));
    }
    if (take) sold += venue.currentOffer;
    take ? venue.Button1Click() : venue.Button2Click();
    EXPECT_TRUE(venue.OfferCue->isHidden());
  }
  EXPECT_EQ(Captions(seen), Lines{"Tip"});
  const DayReport report = venue.Report();
  ASSERT_EQ(report.Offers.size(), 3u);

  // Leaving early: the unsold entries stay on show; the reputation passed 10.
  seen.clear();
  Watch(app, seen, 2);
  venue.Close();
  ASSERT_EQ(Captions(seen), (Lines{"Your day at the Flea Market", "Now open to you"}));
  EXPECT_EQ(std::tuple(g.GameState.Money, g.GameState.Reputation, g.UnlocksTold),
            std::tuple(25.0 + sold, 11, 11));
  EXPECT_EQ(seen[0].lines,
            (Lines{"Sold \"Pic 1\" for $ " + FormatMoney(report.Offers[0].Sum) + ".",
                   "Refused $ " + FormatMoney(report.Offers[1].Sum) + " for \"Pic 2\".",
                   "Sold \"Pic 3\" for $ " + FormatMoney(report.Offers[2].Sum) + ".",
                   "Money: $ 25.00 -> $ " + FormatMoney(g.GameState.Money),
                   "Reputation: 9 -> 11",
                   "Still on show until the day ends: \"Pic 2\", \"Pic 4\""}));
  EXPECT_EQ(seen[1].lines, Lines{"Pastels are now on sale in the shop (Products > Pastels)."});

  // Switched off, a day says nothing beyond the game's own notices.
  g.Settings.News = false;
  app.platform.modalsShown.clear();
  app.platform.randoms = {0};
  venue.show();
  venue.Close();
  EXPECT_TRUE(app.platform.modalsShown.empty());
}

TEST(PlayerNews, EachOpeningIsToldOnceInItsOrder) {
  TestApp app;
  app.Start();
  const auto& v = app.game.Venues;
  // Told at 10, not again.
  EXPECT_EQ(std::tuple(UnlockNews(0, 9, v).size(), UnlockNews(9, 10, v).size(),
                       UnlockNews(10, 19, v).size()),
            std::tuple(0u, 1u, 0u));
  // A leap tells everything it passed, shop first, then galleries.
  const Lines leap = UnlockNews(0, 70, v);
  ASSERT_EQ(leap.size(), 6u);
  EXPECT_NE(leap[1].find("Water colours"), std::string::npos);
  EXPECT_NE(leap[3].find("Local Gallery"), std::string::npos);
  EXPECT_NE(leap[5].find("International"), std::string::npos);
  // A gallery opens one point above its threshold, where the calendar admits.
  EXPECT_EQ(std::tuple(UnlockNews(0, 49, v).size(), UnlockNews(49, 50, v).size()),
            std::tuple(4u, 1u));
}

// Tips come once each in a game begun with New, never in a loaded one.
TEST(PlayerNews, TipsComeOnceAndAnEventDayCanPauseTheClock) {
  TestApp app;
  StartTold(app);
  TForm1& room = app.main();
  std::vector<SeenWindow> seen;
  Watch(app, seen, 2);
  room.Shop1Click();
  app.forms().Form10->close();
  room.Shop1Click();
  room.paint1Click();
  EXPECT_EQ(Captions(seen), (Lines{"Tip", "Tip"}));
  EXPECT_NE(seen[1].lines[0].find("New Picture"), std::string::npos);

  // Tuesday's market begins: its tip, then, chosen in Options, the pause.
  seen.clear();
  app.game.Settings.PauseAtEvents = true;
  app.platform.modalScripts.push_back([&](QDialog&) { seen.emplace_back().caption = "Tip"; });
  app.platform.modalScripts.push_back([&](QDialog&) {
    seen.emplace_back().caption = "Paused";
    seen.back().lines = app.forms().Form12->Lines();
    EXPECT_FALSE(room.Timer1.Running());
  });
  app.game.ElapsedHours = 23;
  room.Timer1Timer();
  EXPECT_EQ(std::tuple(app.game.ClockHour, Captions(seen)), std::tuple(0, Lines{"Tip", "Paused"}));
  EXPECT_EQ(seen[1].lines.back(), "Today is an event day: the game waits until you are ready.");
  EXPECT_TRUE(room.Timer1.Running()) << "resumed";

  // A Monday does not pause.
  app.platform.modalsShown.clear();
  app.game.ElapsedHours = 24 * 7 - 1;
  room.Timer1Timer();
  EXPECT_TRUE(app.platform.modalsShown.empty());
}

}  // namespace
}  // namespace pictorio
