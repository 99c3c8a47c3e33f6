#pragma once

#include <string>

#include "core/game_state.h"

namespace pictorio {

class Platform;

// The arithmetic of selling: how often the stall ticks, how long a buyer keeps
// the player waiting, which entry a buyer asks for and what they offer.

// Stall ticks per game hour.
inline constexpr int kStallTicksPerHour = 60;

// The stall's interval: the clock's interval / 60, rounded half to even, at
// least 1 ms (a zero interval would spin the processor).
int StallInterval(int clockIntervalMs);

// A buyer's wait in stall ticks and how often a passer-by walks by meanwhile.
struct BuyerWait {
  int ticks = 0;
  int passerPeriod = 0;
};

// The wait for a random R in 1..500: |R / (sqrt(reputation) + 1)| rounded, plus 30.
// A negative reputation (possible in a loaded game) counts as 0.
BuyerWait BuyerWaitFor(int r, int reputation);
// Draws R with Random(500) + 1.
BuyerWait DrawBuyerWait(Platform& platform, int reputation);

// What a picture is worth to buyers: (sqrt(reputation + 1) / 1.25 + 1) x value.
// Negative reputation and negative worth count as 0, so no offer asks the
// player to pay for handing a picture over.
double OfferBase(double value, int reputation);
// Base + (Random(2 x Base rounded) - Base) x 0.33: between 0.67 and 1.33 x Base.
double DrawOffer(Platform& platform, double value, int reputation);

// Picks made before a buyer gives up looking for an unsold entry.
inline constexpr int kOfferGiveUp = 5000;
// offerAttempts once every entry is sold: no more buyers come.
inline constexpr int kAllSoldAttempts = 10000;

struct BuyerChoice {
  bool found = false;
  int entry = -1;    // index into the venue's Entries
  int picture = -1;  // index into Pictures
  int attempts = 0;
};

// A buyer picks entries at random (Random(Slots)) until one names a picture
// that is not gone, or gives up after 5000 picks.
BuyerChoice FindBuyerChoice(Platform& platform, const submittedpic& venue, const who& state);

// The buyer's face: the VIP at the international gallery on a draw above 90,
// otherwise one of the venue's eight faces.
struct BuyerFace {
  bool vip = false;
  std::string picture;  // "\people\f7.jpg"
};
BuyerFace DrawBuyerFace(Platform& platform, int venue, int faceBase);

// Per venue (1..4): reputation for selling out, first buyer face, music, host picture.
struct VenueSale {
  int sellOutBonus;
  int buyerFaceBase;
  int musicTheme;
  const char* hostPicture;
};
const VenueSale& VenueSaleOf(int venue);

// The reputation milestone (1..5 for 10, 20, 50, 70, 118) last crossed between
// the reputation at opening and now; 0 when none was crossed.
int ReputationMilestone(int reputationAtOpen, int reputationNow);

// Adds without wrapping around at the integer's limits.
int SaturatingAdd(int value, int amount);

}  // namespace pictorio
