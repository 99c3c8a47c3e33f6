// The arithmetic of the stall: tick interval, waits, offers, the buyer's pick and face.
#include "venues/buyers.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/scripted_platform.h"

namespace pictorio {
namespace {

TEST(Buyers, TheStallTicksSixtyTimesPerGameHourAndNeverAtZero) {
  EXPECT_EQ(StallInterval(5000), 83);  // Normal
  EXPECT_EQ(StallInterval(2500), 42);  // Fast
  EXPECT_EQ(StallInterval(250), 4);    // Very fast
  EXPECT_EQ(StallInterval(90), 2);     // 1.5 rounds to the even 2
  EXPECT_EQ(StallInterval(150), 2);    // 2.5 rounds to the even 2
  // A zero interval would spin the processor.
  EXPECT_EQ(StallInterval(29), 1);
  EXPECT_EQ(StallInterval(10), 1);
  EXPECT_EQ(StallInterval(0), 1);
}

TEST(Buyers, WaitsShortenWithReputation) {
  // Reputation 0: R + 30.
  EXPECT_EQ(BuyerWaitFor(1, 0).ticks, 31);
  EXPECT_EQ(BuyerWaitFor(500, 0).ticks, 530);
  EXPECT_EQ(BuyerWaitFor(500, 0).passerPeriod, 176);
  // Reputation 99: R / 10.95 rounded, plus 30.
  EXPECT_EQ(BuyerWaitFor(1, 99).ticks, 30);
  EXPECT_EQ(BuyerWaitFor(250, 99).ticks, 53);  // 22.8
  EXPECT_EQ(BuyerWaitFor(500, 99).ticks, 76);  // 45.66
  EXPECT_EQ(BuyerWaitFor(500, 99).passerPeriod, 25);
  // A negative reputation from a loaded file waits as reputation 0, not NaN ticks.
  EXPECT_EQ(BuyerWaitFor(200, -7).ticks, 230);
  EXPECT_EQ(BuyerWaitFor(200, INT_MIN).ticks, 230);
  EXPECT_EQ(BuyerWaitFor(500, INT_MAX).ticks, 30);

  ScriptedPlatform platform;
  platform.randoms = {499, 0};
  EXPECT_EQ(DrawBuyerWait(platform, 0).ticks, 530);
  EXPECT_EQ(DrawBuyerWait(platform, 0).ticks, 31);
  EXPECT_EQ(platform.randomCalls, (std::vector<int>{500, 500}));
}

TEST(Buyers, OffersSpreadAroundThePicturesWorth) {
  // Reputation 0, worth 10: Base 18, offers from 12.06 to 23.61.
  EXPECT_DOUBLE_EQ(OfferBase(10.0, 0), 18.0);
  ScriptedPlatform platform;
  platform.randoms = {0, 35, 18};
  EXPECT_NEAR(DrawOffer(platform, 10.0, 0), 12.06, 1e-9);
  EXPECT_NEAR(DrawOffer(platform, 10.0, 0), 23.61, 1e-9);
  EXPECT_NEAR(DrawOffer(platform, 10.0, 0), 18.0, 1e-9);
  EXPECT_EQ(platform.randomCalls, (std::vector<int>{36, 36, 36}));

  // Reputation 3 multiplies the worth by 2.6.
  EXPECT_DOUBLE_EQ(OfferBase(10.0, 3), 26.0);
  EXPECT_DOUBLE_EQ(OfferBase(1.0, 3), 2.6);
  // Negative reputation counts as 0; a negative worth never makes the player pay.
  EXPECT_DOUBLE_EQ(OfferBase(10.0, -40), 18.0);
  EXPECT_DOUBLE_EQ(OfferBase(-10.0, 5), 0.0);
  platform.randoms = {};
  EXPECT_DOUBLE_EQ(DrawOffer(platform, -10.0, 5), 0.0);
  // Extreme figures stay finite and non-negative.
  const double huge = DrawOffer(platform, 1e300, INT_MAX);
  EXPECT_TRUE(std::isfinite(huge));
  EXPECT_GT(huge, 0.0);
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
  EXPECT_TRUE(choice.found);
  EXPECT_EQ(choice.entry, 1);
  EXPECT_EQ(choice.picture, 1);
  EXPECT_EQ(choice.attempts, 4);

  state.Pictures[1].Gone = true;
  platform.randoms = {};
  platform.randomCalls.clear();
  choice = FindBuyerChoice(platform, venue, state);
  EXPECT_FALSE(choice.found);
  EXPECT_EQ(choice.attempts, 5000);
  EXPECT_EQ(platform.randomCalls.size(), 5000u);
}

TEST(Buyers, FacesByVenueAndTheVipOnlyAtTheInternationalGallery) {
  ScriptedPlatform platform;
  platform.randoms = {90, 0};  // draw 91 at the international gallery: the VIP
  BuyerFace face = DrawBuyerFace(platform, kVenueInternational, 12);
  EXPECT_TRUE(face.vip);
  EXPECT_EQ(face.picture, "\\people\\f21.jpg");
  EXPECT_EQ(platform.randoms.size(), 1u) << "the VIP draws no face";

  platform.randoms = {89, 7};  // draw 90 is an ordinary buyer: 12 + 7 + 1
  face = DrawBuyerFace(platform, kVenueInternational, 12);
  EXPECT_FALSE(face.vip);
  EXPECT_EQ(face.picture, "\\people\\f20.jpg");

  platform.randoms = {99, 0};  // draw 100 at the national gallery
  face = DrawBuyerFace(platform, kVenueNational, 10);
  EXPECT_FALSE(face.vip);
  EXPECT_EQ(face.picture, "\\people\\f11.jpg");

  platform.randoms = {50, 7};
  EXPECT_EQ(DrawBuyerFace(platform, kVenueFlea, 0).picture, "\\people\\f8.jpg");
}

TEST(Buyers, ReputationMilestonesAndLimits) {
  EXPECT_EQ(ReputationMilestone(45, 61), 3);
  EXPECT_EQ(ReputationMilestone(9, 10), 1);
  EXPECT_EQ(ReputationMilestone(10, 19), 0);
  EXPECT_EQ(ReputationMilestone(0, 120), 5) << "the last milestone crossed wins";
  EXPECT_EQ(ReputationMilestone(69, 70), 4);
  EXPECT_EQ(ReputationMilestone(118, 200), 0);
  EXPECT_EQ(ReputationMilestone(-50, 5), 0);

  EXPECT_EQ(SaturatingAdd(INT_MAX, 1), INT_MAX);
  EXPECT_EQ(SaturatingAdd(INT_MAX - 10, 50), INT_MAX);
  EXPECT_EQ(SaturatingAdd(-3, 1), -2);
  EXPECT_EQ(VenueSaleOf(kVenueInternational).sellOutBonus, 50);
  EXPECT_EQ(VenueSaleOf(kVenueLocal).buyerFaceBase, 5);
  EXPECT_EQ(VenueSaleOf(kVenueNational).musicTheme, 40);
  EXPECT_STREQ(VenueSaleOf(kVenueFlea).hostPicture, "\\people\\f121.jpg");
}

}  // namespace
}  // namespace pictorio
