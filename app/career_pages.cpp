#include "app/career_pages.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/game.h"
#include "simulation/clock.h"

namespace pictorio {
namespace {

long long Cents(double dollars) {
  return std::isfinite(dollars) ? std::llround(std::clamp(dollars, -kMostMoney, kMostMoney) * 100)
                                : 0;
}

std::string PictureStyle(const who& state, const CareerBook& book, int index) {
  if (index >= 0 && index < static_cast<int>(state.Pictures.size()))
    return state.Pictures[static_cast<std::size_t>(index)].Kind;
  const BookPicture* entry = FindBookPicture(book, index);
  return entry ? entry->Style : "z";
}

}  // namespace

std::string PictureStateName(PictureState state) {
  switch (state) {
    case PictureState::Studio: return "In the studio";
    case PictureState::Entered: return "Entered at a venue";
    case PictureState::Sold: return "Sold";
    case PictureState::Stolen: return "Stolen";
    case PictureState::GoneBefore: break;
  }
  return "Gone before the book";
}

std::string HourText(int hour) {
  const GameDate d = DateOfHour(hour);
  return "Year " + std::to_string(d.year + 1) + ", week " + std::to_string(d.week + 1) + ", day " +
         std::to_string(d.day + 1) + ", hour " + std::to_string(d.hour + 1);
}

std::vector<PictureRow> PictureRows(const who& state, const CareerBook& book) {
  // The latest entry of each picture; indices past the game's are a damaged book's.
  std::vector<const BookPicture*> entries(state.Pictures.size(), nullptr);
  for (const BookPicture& p : book.Pictures)
    if (p.Index >= 0 && p.Index < static_cast<int>(entries.size()))
      entries[static_cast<std::size_t>(p.Index)] = &p;
  std::vector<PictureRow> rows;
  rows.reserve(state.Pictures.size());
  for (std::size_t i = 0; i < state.Pictures.size(); ++i) {
    const picrec& picture = state.Pictures[i];
    const BookPicture* entry = entries[i];
    PictureRow row;
    row.Index = static_cast<int>(i);
    row.Title = picture.Title;
    row.Style = picture.Kind;
    row.Worth = picture.Value;
    row.InBook = entry != nullptr;
    WorthParts parts{};
    if (entry) {
      row.PaintedHour = entry->PaintedHour;
      parts = entry->Parts;
    }
    row.Breakdown = WorthBreakdown(picture.Value, parts);
    if (entry && entry->Standing == BookStanding::Sold) {
      row.State = PictureState::Sold;
      row.Buyer = entry->Buyer;
      row.Standing = std::string("Sold at the ") + VenueName(entry->Venue) + " for $" +
                     FormatMoney(entry->Price) + ", " + HourText(entry->SoldHour);
    } else if (entry && entry->Standing == BookStanding::Stolen) {
      row.State = PictureState::Stolen;
      row.Standing = "Stolen in a burglary, " + HourText(entry->SoldHour);
    } else if (picture.AtVenue) {
      row.State = PictureState::Entered;
      row.Standing = "Entered at a venue";
    } else if (picture.Gone) {
      row.State = PictureState::GoneBefore;
      row.Standing = "Sold or stolen before the book began";
    } else {
      row.State = PictureState::Studio;
      row.Standing = "In the studio";
    }
    rows.push_back(std::move(row));
  }
  std::stable_sort(rows.begin(), rows.end(), [](const PictureRow& a, const PictureRow& b) {
    if (a.InBook != b.InBook) return !a.InBook;
    return a.InBook && a.PaintedHour < b.PaintedHour;
  });
  return rows;
}

std::vector<PictureRow> FilterRows(const std::vector<PictureRow>& rows, const std::string& style,
                                   std::optional<PictureState> state) {
  std::vector<PictureRow> kept;
  for (const PictureRow& row : rows)
    if ((style.empty() || row.Style == style) && (!state || row.State == *state))
      kept.push_back(row);
  return kept;
}

SalesSummary SummariseSales(const who& state, const CareerBook& book) {
  SalesSummary s;
  for (int v = 1; v <= 4; ++v) s.ByVenue.push_back({VenueName(v)});
  std::map<std::string, SaleTotal> styles;
  for (const BookOffer& o : book.Offers) {
    const std::string style = StyleName(PictureStyle(state, book, o.Picture));
    SaleTotal& byStyle = styles[style];
    byStyle.What = style;
    for (SaleTotal* total : {&s.ByVenue[static_cast<std::size_t>(std::clamp(o.Venue, 1, 4) - 1)],
                             &byStyle}) {
      ++total->Offers;
      if (o.Taken) {
        ++total->Taken;
        total->TakenCents += Cents(o.Sum);
      }
    }
    if (o.Taken) s.TakenCents += Cents(o.Sum);
    else if (!s.BestRefused || o.Sum > s.BestRefused->Sum) s.BestRefused = o;
  }
  for (auto& [name, total] : styles) s.ByStyle.push_back(total);
  return s;
}

std::vector<WeekRow> WeekRows(const who& state, const CareerBook& book, int hourNow) {
  std::map<int, int> painted, sold;
  for (const BookPicture& p : book.Pictures) ++painted[p.PaintedHour / kHoursPerWeek];
  for (const BookOffer& o : book.Offers)
    if (o.Taken) ++sold[o.Hour / kHoursPerWeek];
  std::vector<WeekRow> rows;
  // Trophies held when the book began were not won in its first week.
  unsigned before = book.Origin == BookOrigin::Kept || book.Weeks.empty() ? 0 : book.Weeks[0].Trophies;
  auto add = [&](const BookWeek& w, int week) {
    WeekRow row{week + 1, w.Money, w.Reputation, painted[week], sold[week], {}};
    for (int t = 1; t <= kTrophyCount; ++t)
      if ((w.Trophies & ~before) & (1u << (t - 1))) row.TrophiesWon.push_back(t);
    before = w.Trophies;
    rows.push_back(std::move(row));
  };
  int lastHour = -1;
  for (const BookWeek& w : book.Weeks) {
    // A week's line is written as it ends, at the first hour of the next.
    add(w, std::max(w.Hour - 1, 0) / kHoursPerWeek);
    lastHour = w.Hour;
  }
  if (hourNow > lastHour && hourNow >= book.StartHour)
    add(WeekInBook(state, hourNow), hourNow / kHoursPerWeek);
  return rows;
}

std::string BookOriginText(const CareerBook& book) {
  switch (book.Origin) {
    case BookOrigin::Loaded:
      return "This game was saved before it had a career book: the book begins at " +
             HourText(book.StartHour) + ". Pictures painted earlier are listed without their story.";
    case BookOrigin::Unreadable:
      return "The career book of this game could not be read: a new one begins at " +
             HourText(book.StartHour) + ".";
    case BookOrigin::Kept:
      break;
  }
  return "Kept since the first day of the career.";
}

}  // namespace pictorio
