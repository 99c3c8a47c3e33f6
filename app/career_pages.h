#pragma once

#include "core/day_report.h"  // VenueName

#include <optional>
#include <string>
#include <vector>

#include "core/career_book.h"
#include "core/game_state.h"

// What the career book's pages show, worked out from the book and the game
// without a widget: the book window and the exported portfolio both draw these.

namespace pictorio {

enum class PictureState { Studio, Entered, Sold, Stolen, GoneBefore };
// "In the studio", "Entered at a venue", ...
std::string PictureStateName(PictureState state);

struct PictureRow {
  int Index = 0;  // into GameState.Pictures
  std::string Title;
  std::string Style;
  double Worth = 0.0;
  PictureState State = PictureState::Studio;
  bool InBook = false;  // painted while the book was kept
  int PaintedHour = 0;  // InBook only
  std::string Standing;  // where it stands, in words
  std::string Buyer;     // the buyer's face, sold pictures only
  std::vector<WorthLine> Breakdown;
};

// Every picture of the game, oldest first: those painted before the book in
// their order, then the book's by the hour they were painted.
std::vector<PictureRow> PictureRows(const who& state, const CareerBook& book);
// The rows of one style ("" for all) and one state (nothing for all).
std::vector<PictureRow> FilterRows(const std::vector<PictureRow>& rows, const std::string& style,
                                   std::optional<PictureState> state);

// "Year 1, week 3, day 2, 9:00"
std::string HourText(int hour);

struct SaleTotal {
  std::string What;  // a venue or a style
  int Offers = 0;
  int Taken = 0;
  long long TakenCents = 0;
};
struct SalesSummary {
  std::vector<SaleTotal> ByVenue;  // the four venues
  std::vector<SaleTotal> ByStyle;  // the styles that had offers
  std::optional<BookOffer> BestRefused;
  long long TakenCents = 0;
};
SalesSummary SummariseSales(const who& state, const CareerBook& book);

struct WeekRow {
  int Week = 0;  // 1 for the game's first week
  double Money = 0.0;
  int Reputation = 0;
  int Painted = 0;
  int Sold = 0;
  std::vector<int> TrophiesWon;
};
// One row per week the book saw end, then the week running now from the game.
std::vector<WeekRow> WeekRows(const who& state, const CareerBook& book, int hourNow);

// What the first page says about where the book begins.
std::string BookOriginText(const CareerBook& book);

}  // namespace pictorio
