#pragma once

#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/one_based.h"

namespace pictorio {

// What happened at a venue between the player's arrival and departure.
struct DayOffer {
  std::string Title;
  double Sum = 0.0;
  bool Taken = false;
};

struct DayReport {
  double MoneyBefore = 0.0;
  int ReputationBefore = 0;
  std::vector<DayOffer> Offers;
};

// The summary's lines: each sale, each refusal, money and reputation before
// and after, and the unsold entries: going home when the day is over, else
// still on show until it ends.
std::vector<std::string> DayReportLines(const DayReport& report, double moneyAfter,
                                        int reputationAfter,
                                        const std::vector<std::string>& unsold, bool dayOver);

// "Flea Market", "Local Gallery", "National Gallery", "International Gallery";
// "a venue" for a number that names none (a damaged career book).
const char* VenueName(int venue);

// The titles entered at `venue` whose pictures are not sold (or stolen).
std::vector<std::string> UnsoldEntries(const submittedpic& venue, const who& state);

// What a reputation that has risen from `told` to `now` opens: the shop's
// paints and the galleries that take the player's pictures, in that order.
std::vector<std::string> UnlockNews(int told, int now, const OneBased<submittedpic, 4>& venues);

enum class Tip { Shop, Studio, EventDay, Offer };
inline constexpr int kTipCount = 4;
const char* TipText(Tip tip);

}  // namespace pictorio
