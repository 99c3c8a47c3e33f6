#include "venues/buyers.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "ui/platform.h"

namespace pictorio {
namespace {

constexpr int kWaitDraw = 500;
constexpr int kShortestWait = 30;
constexpr double kOfferSpread = 0.33;
constexpr int kFaceDraw = 100;
constexpr int kVipAbove = 90;
constexpr int kFacesPerVenue = 8;

const VenueSale kVenueSales[4] = {
    {0, 0, 20, "\\people\\f121.jpg"},
    {5, 5, 30, "\\people\\f122.jpg"},
    {10, 10, 40, "\\people\\f123.jpg"},
    {50, 12, 50, "\\people\\f124.jpg"},
};

// Rounds half to even and keeps the result inside an int.
int RoundToInt(double x) {
  const double rounded = std::nearbyint(x);
  if (!(rounded > INT_MIN)) return INT_MIN;
  if (!(rounded < INT_MAX)) return INT_MAX;
  return static_cast<int>(rounded);
}

}  // namespace

int StallInterval(int clockIntervalMs) {
  return std::max(1, RoundToInt(clockIntervalMs / static_cast<double>(kStallTicksPerHour)));
}

BuyerWait BuyerWaitFor(int r, int reputation) {
  const double rep = std::max(reputation, 0);
  BuyerWait wait;
  wait.ticks = RoundToInt(std::fabs(r / (std::sqrt(rep) + 1.0))) + kShortestWait;
  wait.passerPeriod = wait.ticks / 3;
  return wait;
}

BuyerWait DrawBuyerWait(Platform& platform, int reputation) {
  return BuyerWaitFor(platform.Random(kWaitDraw) + 1, reputation);
}

double OfferBase(double value, int reputation) {
  // reputation + 1 in double: INT_MAX must not wrap.
  const double rep = std::max(reputation, 0);
  return (std::sqrt(rep + 1.0) / 1.25 + 1.0) * std::max(value, 0.0);
}

double DrawOffer(Platform& platform, double value, int reputation) {
  const double base = OfferBase(value, reputation);
  const int n = RoundToInt(2.0 * base);
  return base + (platform.Random(n) - base) * kOfferSpread;
}

BuyerChoice FindBuyerChoice(Platform& platform, const submittedpic& venue, const who& state) {
  BuyerChoice choice;
  const int pictures = std::min(state.PictureCount, static_cast<int>(state.Pictures.size()));
  while (!choice.found && choice.attempts < kOfferGiveUp) {
    const int r = platform.Random(venue.Slots);
    const auto at = static_cast<std::size_t>(r);
    if (r >= 0 && at < venue.Entries.size()) {
      for (int i = 0; i < pictures && !choice.found; ++i) {
        const picrec& picture = state.Pictures[static_cast<std::size_t>(i)];
        if (picture.Title == venue.Entries[at] && !picture.Gone) {
          choice.found = true;
          choice.entry = r;
          choice.picture = i;
        }
      }
    }
    ++choice.attempts;
  }
  return choice;
}

BuyerFace DrawBuyerFace(Platform& platform, int venue, int faceBase) {
  BuyerFace face;
  const int draw = platform.Random(kFaceDraw) + 1;
  if (draw > kVipAbove && venue == kVenueInternational) {
    face.vip = true;
    face.picture = "\\people\\f21.jpg";
    return face;
  }
  const int n = faceBase + platform.Random(kFacesPerVenue) + 1;
  face.picture = "\\people\\f" + std::to_string(n) + ".jpg";
  return face;
}

const VenueSale& VenueSaleOf(int venue) {
  return kVenueSales[std::clamp(venue, 1, 4) - 1];
}

int ReputationMilestone(int reputationAtOpen, int reputationNow) {
  const int thresholds[5] = {10, 20, 50, 70, 118};
  int crossed = 0;
  for (int k = 0; k < 5; ++k)
    if (reputationAtOpen < thresholds[k] && reputationNow >= thresholds[k]) crossed = k + 1;
  return crossed;
}

int SaturatingAdd(int value, int amount) {
  const long long sum = static_cast<long long>(value) + amount;
  return static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}

}  // namespace pictorio
