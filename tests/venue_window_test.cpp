// The stall and the galleries on their day: buyers come, offer, buy or leave;
// selling out earns the venue's bonus and its notices; the VIP earns a trophy.
// Below the window, the stall's arithmetic: ticks, waits, offers and faces.
#include "venues/venue_window.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "app/main_window.h"
#include "app/saved_games.h"
#include "simulation/notice_window.h"
#include "simulation/scene_layout.h"
#include "support/pictures.h"
#include "support/scripted_platform.h"
#include "support/test_app.h"
#include "ui/info_bar.h"
#include "venues/buyers.h"

namespace pictorio {
namespace {

const Lines kWaiting{"PLEASE WAIT ", "FOR AN", "INTERESTED ", "BUYER."};

TEST(VenueWindow, TheStallTicksWithTheClockAndPassersByWalkPastWhileItWaitsForItsFirstBuyer) {
  TestApp app;
  TForm9& venue = OpenVenue(app, kVenueFlea, 4, 10.0, 0);
  EXPECT_EQ(std::tuple(app.game.EventOpen, venue.Timer1.Interval(), venue.Timer1.Enabled(),
                       venue.buyerWaitTicks, venue.passerPeriod, venue.TextLines(),
                       venue.Button1->isVisible()),
            std::tuple(true, 83, true, 31, 10, kWaiting, false));

  // Passers-by walk past while the buyer is awaited.
  venue.buyerWaitTicks = 40;
  app.platform.randoms.clear();
  for (int i = 0; i < 9; ++i) venue.Timer1Timer();
  EXPECT_FALSE(venue.Image19->Visible());
  app.platform.randoms = {6, 300};
  venue.Timer1Timer();
  EXPECT_EQ(std::tuple(venue.buyerWaitTicks, venue.Image19->Visible(), venue.Image19->pos()),
            std::tuple(30, true, QPoint(300, 144)));
  venue.Close();

  // The stall takes the clock's speed of the moment it opens.
  app.main().veryfast1Click();
  venue.show();
  EXPECT_EQ(venue.Timer1.Interval(), 4);
}

TEST(VenueWindow, NoLeavesThePictureAndYesOnTheFourthEntryEndsTheBuyers) {
  TestApp app;
  TForm9& venue = OpenVenue(app, kVenueFlea, 4, 10.0, 0);
  Game& g = app.game;
  TForm3& bar = *app.forms().Form3;

  // The stall waits for the answer; the next wait is drawn with the offer.
  NextBuyer(app, venue, 2, 35, 3);
  EXPECT_EQ(std::tuple(venue.OfferShown(), venue.TextLines(), venue.Button2->isVisible(),
                       venue.Timer1.Enabled(), venue.Image19->Visible(), venue.buyerWaitTicks),
            std::tuple(
                true, Lines{"Would you like to ", "sell the picture: ", "\"Pic 3\" for", "$ 23.61"},
                true, false, false, 31));

  venue.Button2Click();
  EXPECT_EQ(std::tuple(g.GameState.Pictures[2].Gone, venue.SoldMark(3)->Visible(),
                       g.GameState.Money, venue.TextLines(), venue.Timer1.Enabled(),
                       venue.Button1->isVisible(), app.platform.EffectNames().back()),
            std::tuple(false, false, 25.0, kWaiting, true, false, "s10.wav"));

  // The refused picture is asked for again, and this time sold; the marks'
  // frames are the scene layout's to check.
  for (int entry : {2, 0, 3, 1}) {
    NextBuyer(app, venue, entry, 18);
    ASSERT_TRUE(venue.OfferShown()) << entry;
    venue.Button1Click();
  }
  std::vector<bool> sold;
  for (int k = 1; k <= 4; ++k)
    sold.push_back(g.GameState.Pictures[static_cast<std::size_t>(k - 1)].Gone &&
                   venue.SoldMark(k)->Visible());
  EXPECT_EQ(
      std::tuple(sold, g.GameState.Money, Text(bar.Label7), Text(bar.Label6),
                 app.platform.EffectNames().back(), venue.TextLines(), venue.Button1->isVisible()),
      std::tuple(std::vector<bool>(4, true), 97.0, "97.00", "4", "s1.wav", kWaiting, false));
  EXPECT_EQ(std::tuple(g.GameState.Reputation, g.GameState.PicturesSold, g.EntriesSold,
                       venue.allEntriesSold, venue.offerAttempts),
            std::tuple(4, 4, 4, true, kAllSoldAttempts));
  // No buyer comes any more, however long the stall stays open.
  app.platform.randomCalls.clear();
  const int wait = venue.buyerWaitTicks;
  for (int i = 0; i < 600; ++i) venue.Timer1Timer();
  EXPECT_EQ(std::tuple(venue.buyerWaitTicks, app.platform.randomCalls.empty(), venue.OfferShown()),
            std::tuple(wait, true, false));
  // A "yes" with no offer on display sells nothing more.
  venue.Button1Click();
  EXPECT_EQ(g.GameState.PicturesSold, 4);

  // Selling out at the market: a notice, no bonus, no milestone at 4 points.
  Lines seen;
  app.platform.modalScripts.push_back([&](QDialog&) { seen = app.forms().Form12->Lines(); });
  venue.Close();
  EXPECT_EQ(std::tuple(seen, g.GameState.Reputation, g.SellOutRewarded, g.FleaResult),
            std::tuple((Lines{"Nice work.", "All the submitted paintings sold."}), 4, true, 0));
}

TEST(VenueWindow, ANationalSellOutEarnsItsBonusAndTheMilestoneNotice) {
  TestApp app;
  TForm9& venue = OpenVenue(app, kVenueNational, 6, 10.0, 45);
  Game& g = app.game;
  for (int entry = 0; entry < 6; ++entry) {
    NextBuyer(app, venue, entry);
    venue.Button1Click();
  }
  EXPECT_EQ(g.GameState.Reputation, 51);

  std::vector<Lines> notices;
  for (int i = 0; i < 2; ++i)
    app.platform.modalScripts.push_back([&](QDialog&) {
      TForm12& notice = *app.forms().Form12;
      EXPECT_TRUE(notice.Image1->Visible()) << "the host's picture";
      EXPECT_FALSE(app.main().Timer1.Enabled());
      notices.push_back(notice.Lines());
    });
  venue.Close();
  EXPECT_EQ(std::tuple(g.GameState.Reputation, Text(app.forms().Form3->Label6), g.FleaResult,
                       app.main().Timer1.Enabled()),
            std::tuple(61, "61", 3, true));
  EXPECT_EQ(notices, (std::vector<Lines>{{"Nice work.", "All the submitted paintings sold."},
                                         {"Reputaion now: 61", "Great stuff."}}));

  // Coming back after a save and a load, each time, pays no second bonus: the
  // stall is modal, so the show was rewarded before it could be saved.
  g.ElapsedHours = 168 + 5 * 24 + 7;  // the tick brings Saturday of week 2, the show's day
  app.main().Timer1Timer();
  app.main().Save1Click();
  for (int load = 0; load < 2; ++load) {
    app.platform.answers.push_back(ModalResult::No);  // saved already
    ChooseInLoadDialog(app, "Tester");
    app.main().LoadGame1Click();
    ASSERT_EQ(g.EventVenue, kVenueNational);
    app.platform.modalsShown.clear();
    app.main().nowEvent1Click();
    EXPECT_EQ(std::tuple(g.GameState.Reputation, app.platform.modalsShown),
              std::tuple(61, Lines{"Event"}));
  }
}

TEST(VenueWindow, LeavingWithoutASellOutShowsNoNoticeAndDropsTheOpenOffer) {
  TestApp app;
  TForm9& venue = OpenVenue(app, kVenueLocal, 5, 10.0, 25);
  for (int entry : {1, 4}) {
    NextBuyer(app, venue, entry);
    venue.Button1Click();
  }
  NextBuyer(app, venue, 0);
  ASSERT_TRUE(venue.OfferShown());
  app.platform.modalsShown.clear();
  venue.Close();
  // No notice, and the offer still open is dropped.
  EXPECT_EQ(std::tuple(app.platform.modalsShown.empty(), app.game.GameState.Reputation,
                       app.game.GameState.Pictures[0].Gone, venue.Button1->isVisible(),
                       app.game.SellOutRewarded, app.game.EntriesSold),
            std::tuple(true, 27, false, false, false, 2));
}

TEST(VenueWindow, OffersGrowWithReputationAtOpeningAndNegativeReputationIsZero) {
  TestApp app;
  TForm9& venue = OpenVenue(app, kVenueLocal, 5, 10.0, 3);
  NextBuyer(app, venue, 0, 26);  // Base 26: Random(52) drew 26
  EXPECT_NEAR(venue.currentOffer, 26.0, 1e-9);
  EXPECT_EQ(app.platform.randomCalls[3], 52);
  venue.Button1Click();  // reputation 4 now, but the offer keeps the opening's 3
  NextBuyer(app, venue, 1, 26);
  EXPECT_NEAR(venue.currentOffer, 26.0, 1e-9);
  venue.Close();

  app.game.GameState.Reputation = -25;
  app.platform.randoms = {99};
  venue.show();
  NextBuyer(app, venue, 2, 18);
  EXPECT_NEAR(venue.currentOffer, 18.0, 1e-9);
}

TEST(VenueWindow, TheVipBringsOneTrophyAndOneNotice) {
  TestApp app;
  TForm9& venue = OpenVenue(app, kVenueInternational, 8, 10.0, 70);
  Game& g = app.game;
  ASSERT_TRUE(g.VipNoticeDone);

  NextBuyer(app, venue, 0, 0, 90);
  EXPECT_EQ(std::tuple(g.GameState.Trophies[11], g.VipNoticeDone), std::tuple(true, false));
  venue.Button2Click();

  // A second VIP before the notice was shown must not cancel it.
  NextBuyer(app, venue, 1, 0, 95);
  EXPECT_FALSE(g.VipNoticeDone);
  venue.Button1Click();
  venue.Close();

  Lines seen;
  app.platform.modalScripts.push_back([&](QDialog&) { seen = app.forms().Form12->Lines(); });
  const int before = g.GameState.Reputation;
  SnapshotGame(g, app.forms());
  EXPECT_EQ(seen, (Lines{"Congratulations, your art have been seen by a VIP. You receive another "
                         "trophy and 35 reputation points for this event."}));
  EXPECT_EQ(std::tuple(g.GameState.Reputation, g.VipNoticeDone), std::tuple(before + 35, true));

  // Later VIPs leave the trophy and bring no second notice.
  app.platform.randoms = {0};
  venue.show();
  NextBuyer(app, venue, 2, 0, 99);
  EXPECT_TRUE(g.VipNoticeDone);
  venue.Close();
  app.platform.modalsShown.clear();
  SnapshotGame(g, app.forms());
  EXPECT_TRUE(app.platform.modalsShown.empty());
}

// The milestones' trophies come once each, at their exact figures, with a
// notice each, when the game is next taken stock of.
TEST(Trophies, MilestonesAreWonOnceAtTheirExactFigures) {
  TestApp app;
  app.StartNewGame();
  who& state = app.game.GameState;
  struct Row {
    double money;
    int sold;
    bool vip;  // the VIP's trophy, won at a gallery
    std::vector<int> won;
    std::size_t notices;
  };
  const Row rows[] = {{250.0, 50, false, {7, 9}, 2},
                      {500.0, 100, false, {7, 8, 9, 10}, 2},
                      {1000.0, 150, false, {7, 8, 9, 10}, 0},
                      {1000.0, 150, true, {7, 8, 9, 10, 11, 12}, 1},
                      {1000.0, 150, true, {7, 8, 9, 10, 11, 12}, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.money);
    state.Money = r.money;
    state.PicturesSold = r.sold;
    state.Trophies[11] = r.vip;
    app.platform.modalsShown.clear();
    SnapshotGame(app.game, app.forms());
    std::vector<int> won;
    for (int k = 1; k <= kTrophyCount; ++k)
      if (state.Trophies[k]) won.push_back(k);
    EXPECT_EQ(std::tuple(won, app.platform.modalsShown.size()), std::tuple(r.won, r.notices));
  }
}

// ---- the stall's arithmetic, beyond what the window tests reach ----
TEST(Buyers, TicksWaitsAndOffersAtTheirEdges) {
  // Halves round to even, and a zero interval would spin the processor.
  for (const auto& [clock, stall] : {std::pair{90, 2}, {150, 2}, {29, 1}, {0, 1}})
    EXPECT_EQ(StallInterval(clock), stall) << clock;
  // Reputation 99: R / 10.95 rounded, plus 30; a reputation out of range waits at its end.
  // Passers-by walk every third of the wait.
  const std::tuple<int, int, int, int> waits[] = {{1, 99, 30, 10},         {250, 99, 53, 17},
                                                  {500, 99, 76, 25},       {500, 0, 530, 176},
                                                  {200, INT_MIN, 230, 76}, {500, INT_MAX, 30, 10}};
  for (const auto& [r, reputation, ticks, passers] : waits) {
    const BuyerWait wait = BuyerWaitFor(r, reputation);
    EXPECT_EQ(std::tuple(wait.ticks, wait.passerPeriod), std::tuple(ticks, passers)) << reputation;
  }
  // A negative worth never makes the player pay; extreme figures stay finite.
  EXPECT_DOUBLE_EQ(OfferBase(1.0, 3), 2.6);
  EXPECT_DOUBLE_EQ(OfferBase(-10.0, 5), 0.0);
  ScriptedPlatform platform;
  EXPECT_DOUBLE_EQ(DrawOffer(platform, -10.0, 5), 0.0);
  const double huge = DrawOffer(platform, 1e300, INT_MAX);
  EXPECT_TRUE(std::isfinite(huge) && huge > 0.0) << huge;
  EXPECT_EQ(std::tuple(SaturatingAdd(INT_MAX - 10, 50), SaturatingAdd(-3, 1)),
            std::tuple(INT_MAX, -2));
}

TEST(Buyers, ABuyerAsksForAnUnsoldEntryOrGivesUp) {
  ScriptedPlatform platform;
  who state;
  state.Pictures = {{"Sun", "p", 5, true, true}, {"Moon", "p", 5, true, false}};
  state.PictureCount = 2;
  submittedpic venue;
  venue.Slots = 4;
  venue.Entries = {"Sun", "Moon", "Sun", "", ""};

  platform.randoms = {0, 2, 3, 1};  // sold, sold, empty place, Moon
  BuyerChoice choice = FindBuyerChoice(platform, venue, state);
  EXPECT_EQ(std::tuple(choice.found, choice.entry, choice.picture, choice.attempts),
            std::tuple(true, 1, 1, 4));

  state.Pictures[1].Gone = true;
  platform.randoms = {};
  platform.randomCalls.clear();
  choice = FindBuyerChoice(platform, venue, state);
  EXPECT_EQ(std::tuple(choice.found, choice.attempts, platform.randomCalls.size()),
            std::tuple(false, 5000, 5000u));
}

TEST(Buyers, FacesByVenueAndMilestones) {
  // Draw 91 at the international gallery is the VIP, who draws no face; 90 is not.
  const std::tuple<int, int, int, bool, const char*, std::size_t> faces[] = {
      {kVenueInternational, 12, 90, true, "\\people\\f21.jpg", 1},
      {kVenueInternational, 12, 89, false, "\\people\\f20.jpg", 0},
      {kVenueNational, 10, 99, false, "\\people\\f18.jpg", 0}};
  for (const auto& [venue, base, draw, vip, picture, left] : faces) {
    ScriptedPlatform platform;
    platform.randoms = {draw, 7};
    const BuyerFace face = DrawBuyerFace(platform, venue, base);
    EXPECT_EQ(std::tuple(face.vip, face.picture, platform.randoms.size()),
              std::tuple(vip, picture, left))
        << draw;
  }
  // The last milestone crossed wins.
  const std::tuple<int, int, int> milestones[] = {{9, 10, 1},  {10, 19, 0},   {0, 120, 5},
                                                  {69, 70, 4}, {118, 200, 0}, {-50, 5, 0}};
  for (const auto& [from, to, milestone] : milestones)
    EXPECT_EQ(ReputationMilestone(from, to), milestone) << from << " -> " << to;
}

}  // namespace
}  // namespace pictorio
