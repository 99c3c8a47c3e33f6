#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/game_state.h"

// The career book: what became of every picture, every offer a buyer made and
// every week. It only records; nothing in the game reads it to decide anything.
// Kept in a file of its own beside the saved game, whose text stays as it was.

namespace pictorio {

enum class BookStanding { Studio, Sold, Stolen };

// Where a picture's worth came from: the strokes of each material, the cent a
// mixed picture is set to, and what it was worth when the book first saw it.
enum WorthSource {
  kWorthEarlier,
  kWorthPencil,
  kWorthCharcoal,
  kWorthPastel,
  kWorthWaterColour,
  kWorthOil,
  kWorthMixedRule,
  kWorthSources
};
using WorthParts = std::array<double, kWorthSources>;

struct BookPicture {
  int Index = 0;  // into GameState.Pictures
  std::string Title;
  std::string Style;  // the studio's letter: p c t w o x z
  int PaintedHour = 0;
  double Worth = 0.0;
  WorthParts Parts{};
  BookStanding Standing = BookStanding::Studio;
  // Sold: where (1..4), when, for how much and to whom (the buyer's face).
  // Stolen: when, in SoldHour.
  int Venue = 0;
  int SoldHour = 0;
  double Price = 0.0;
  std::string Buyer;
  bool operator==(const BookPicture&) const = default;
};

struct BookOffer {
  int Hour = 0;
  int Venue = 0;  // 1..4
  std::string Buyer;
  int Picture = 0;  // into GameState.Pictures
  std::string Title;
  double Sum = 0.0;
  bool Taken = false;
  bool Vip = false;
  bool operator==(const BookOffer&) const = default;
};

// How the career stood when a week ended.
struct BookWeek {
  int Hour = 0;
  double Money = 0.0;
  int Reputation = 0;
  unsigned Trophies = 0;  // bit k-1 for trophy k
  bool operator==(const BookWeek&) const = default;
};

// Kept: the book runs from the game's first hour. Loaded: the game had no book
// (saved before there was one), so the book starts at StartHour. Unreadable:
// the book's file was damaged; a fresh one starts at StartHour.
enum class BookOrigin { Kept, Loaded, Unreadable };

struct CareerBook {
  BookOrigin Origin = BookOrigin::Kept;
  int StartHour = 0;
  std::vector<BookPicture> Pictures;
  std::vector<BookOffer> Offers;
  std::vector<BookWeek> Weeks;
  bool operator==(const CareerBook&) const = default;
};

// Past these the book stops writing down (a career far beyond any player's)
// and its reader refuses a file, so all the game writes reads back.
inline constexpr int kMostBookPictures = 100'000;
inline constexpr int kMostBookOffers = 200'000;
inline constexpr int kMostBookWeeks = 52 * 1000;
inline constexpr std::size_t kMostBookTitleBytes = 255;
inline constexpr std::size_t kMostBookBuyerBytes = 64;
inline constexpr std::size_t kMostBookLineBytes = 600;
inline constexpr std::size_t kMostBookLines =
    2 + kMostBookPictures + kMostBookOffers + kMostBookWeeks;
inline constexpr std::size_t kMostBookBytes = kMostBookLines * kMostBookLineBytes;

// What the game tells the book as it runs.
void BookPainted(CareerBook& book, int index, const std::string& title, const std::string& style,
                 double worth, const WorthParts& parts, int hour);
void BookResaved(CareerBook& book, int index, const std::string& style, double worth,
                 const WorthParts& parts);
void BookOffered(CareerBook& book, const BookOffer& offer);
// The offer just made for picture `index` was taken: it and its picture say so.
void BookOfferTaken(CareerBook& book, int index);
void BookStolen(CareerBook& book, int index, int hour);
void BookWeekEnded(CareerBook& book, const BookWeek& week);
// How the career stands at `hour`, as a week of the book.
BookWeek WeekInBook(const who& state, int hour);
// The book's entry of a picture, or nothing for a picture painted before the book.
const BookPicture* FindBookPicture(const CareerBook& book, int index);

// The book's file, as lines, and back. The reader is bounded: it refuses more
// lines, longer lines or larger numbers than the writer ever writes, with the
// reason. The writer never writes what the reader would refuse.
std::vector<std::string> WriteCareerBook(const CareerBook& book);
bool ReadCareerBook(const std::vector<std::string>& lines, CareerBook* out, std::string* error);
// The same from the file's bytes (Windows-1252), refusing more than kMostBookBytes.
bool ReadCareerBookBytes(const std::string& bytes, CareerBook* out, std::string* error);

// A picture's worth taken apart, in whole cents that add up exactly to the
// worth rounded to the cent; the cent or two the rounding of the parts leaves
// over goes to the largest. Sources worth nothing are left out.
struct WorthLine {
  WorthSource Source = kWorthEarlier;
  long long Cents = 0;
  bool operator==(const WorthLine&) const = default;
};
std::vector<WorthLine> WorthBreakdown(double worth, const WorthParts& parts);
// "Pencil strokes", "Mixed styles: set to one cent", ...
std::string WorthSourceName(WorthSource source);

// The style's name as the book shows it ("Pencil", "Mixed", ...).
std::string StyleName(const std::string& style);

}  // namespace pictorio
