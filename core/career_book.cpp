#include "core/career_book.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "core/game_state.h"
#include "core/save_text.h"
#include "core/text_file.h"

namespace pictorio {
namespace {

constexpr std::string_view kHeader = "Pictorio career book 1";
constexpr std::string_view kStyles = "pctwoxz";
// Hours of a career far beyond any player's.
constexpr int kMostHours = 100'000'000;
constexpr unsigned kAllTrophies = (1u << kTrophyCount) - 1;

// ---- writing: every value is brought inside what the reader takes ----

std::string Number(double value) {
  if (!(std::fabs(value) <= kMostMoney)) value = std::isnan(value) ? 0.0 : std::copysign(kMostMoney, value);
  // Shortest form that reads back to the same double: a loaded book equals the saved one.
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

std::string Whole(long long value, long long low, long long high) {
  return std::to_string(std::clamp(value, low, high));
}

// A tab or line break would split the line; a long text is cut at a whole character.
std::string Field(const std::string& text, std::size_t most) {
  std::string out = text;
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  if (out.size() > most) {
    std::size_t cut = most;
    while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
    out.resize(cut);
  }
  return out;
}

std::string StyleField(const std::string& style) {
  return style.size() == 1 && kStyles.find(style[0]) != std::string_view::npos ? style : "z";
}

std::string PartsField(const WorthParts& parts) {
  std::string out;
  for (double part : parts) out += Number(part) + "\t";
  return out;
}

const char* StandingWord(BookStanding s) {
  switch (s) {
    case BookStanding::Sold: return "sold";
    case BookStanding::Stolen: return "stolen";
    case BookStanding::Studio: break;
  }
  return "studio";
}

const char* OriginWord(BookOrigin o) {
  switch (o) {
    case BookOrigin::Loaded: return "loaded";
    case BookOrigin::Unreadable: return "unreadable";
    case BookOrigin::Kept: break;
  }
  return "kept";
}

// ---- reading ----

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

bool Int(std::string_view text, int low, int high, int* out) {
  const auto v = ParseSaveInt(text);
  if (!v || *v < low || *v > high) return false;
  *out = *v;
  return true;
}

bool Money(std::string_view text, double* out) {
  const auto v = ParseSaveFloat(text);
  if (!v || !(std::fabs(*v) <= kMostMoney)) return false;
  *out = *v;
  return true;
}

bool Flag(std::string_view text, bool* out) {
  if (text != "0" && text != "1") return false;
  *out = text == "1";
  return true;
}

bool Text(std::string_view text, std::size_t most, std::string* out) {
  if (text.size() > most) return false;
  for (char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
  *out = std::string(text);
  return true;
}

bool Style(std::string_view text, std::string* out) {
  if (text.size() != 1 || kStyles.find(text[0]) == std::string_view::npos) return false;
  *out = std::string(text);
  return true;
}

bool ReadPicture(const std::vector<std::string_view>& f, BookPicture* p) {
  constexpr std::size_t kParts = 10;
  if (f.size() != kParts + kWorthSources + 1) return false;
  for (std::size_t k = 0; k < kWorthSources; ++k)
    if (!Money(f[kParts + k], &p->Parts[k])) return false;
  if (f[6] == "studio") p->Standing = BookStanding::Studio;
  else if (f[6] == "sold") p->Standing = BookStanding::Sold;
  else if (f[6] == "stolen") p->Standing = BookStanding::Stolen;
  else return false;
  return Int(f[1], 0, kMostPictures, &p->Index) && Int(f[2], 0, kMostHours, &p->PaintedHour) &&
         Style(f[3], &p->Style) && Money(f[4], &p->Worth) && Int(f[5], 0, 4, &p->Venue) &&
         Int(f[7], 0, kMostHours, &p->SoldHour) && Money(f[8], &p->Price) &&
         Text(f[9], kMostBookBuyerBytes, &p->Buyer) &&
         Text(f[kParts + kWorthSources], kMostBookTitleBytes, &p->Title);
}

bool ReadOffer(const std::vector<std::string_view>& f, BookOffer* o) {
  if (f.size() != 9) return false;
  return Int(f[1], 0, kMostHours, &o->Hour) && Int(f[2], 1, 4, &o->Venue) &&
         Int(f[3], 0, kMostPictures, &o->Picture) && Money(f[4], &o->Sum) &&
         Flag(f[5], &o->Taken) && Flag(f[6], &o->Vip) &&
         Text(f[7], kMostBookBuyerBytes, &o->Buyer) && Text(f[8], kMostBookTitleBytes, &o->Title);
}

bool ReadWeek(const std::vector<std::string_view>& f, BookWeek* w) {
  int trophies = 0;
  if (f.size() != 5 || !Int(f[1], 0, kMostHours, &w->Hour) || !Money(f[2], &w->Money) ||
      !Int(f[3], -kMostReputation, kMostReputation, &w->Reputation) ||
      !Int(f[4], 0, static_cast<int>(kAllTrophies), &trophies))
    return false;
  w->Trophies = static_cast<unsigned>(trophies);
  return true;
}

template <typename Book>
auto* Entry(Book& book, int index) {
  // The latest entry: indices only grow, so it is found from the end.
  for (auto p = book.Pictures.rbegin(); p != book.Pictures.rend(); ++p)
    if (p->Index == index) return &*p;
  return static_cast<decltype(&*book.Pictures.rbegin())>(nullptr);
}

}  // namespace

void BookPainted(CareerBook& book, int index, const std::string& title, const std::string& style,
                 double worth, const WorthParts& parts, int hour) {
  if (static_cast<int>(book.Pictures.size()) >= kMostBookPictures) return;
  BookPicture p;
  p.Index = index;
  p.Title = title;
  p.Style = style;
  p.Worth = worth;
  p.Parts = parts;
  p.PaintedHour = hour;
  book.Pictures.push_back(std::move(p));
}

void BookResaved(CareerBook& book, int index, const std::string& style, double worth,
                 const WorthParts& parts) {
  if (BookPicture* p = Entry(book, index)) {
    p->Style = style;
    p->Worth = worth;
    p->Parts = parts;
  }
}

void BookOffered(CareerBook& book, const BookOffer& offer) {
  if (static_cast<int>(book.Offers.size()) >= kMostBookOffers) return;
  book.Offers.push_back(offer);
}

void BookOfferTaken(CareerBook& book, int index) {
  // A full book wrote the offer nowhere; the one before it stays as it was.
  if (book.Offers.empty() || book.Offers.back().Picture != index || book.Offers.back().Taken)
    return;
  BookOffer& o = book.Offers.back();
  o.Taken = true;
  if (BookPicture* p = Entry(book, o.Picture)) {
    p->Standing = BookStanding::Sold;
    p->Venue = o.Venue;
    p->SoldHour = o.Hour;
    p->Price = o.Sum;
    p->Buyer = o.Buyer;
  }
}

void BookStolen(CareerBook& book, int index, int hour) {
  if (BookPicture* p = Entry(book, index)) {
    p->Standing = BookStanding::Stolen;
    p->SoldHour = hour;
  }
}

void BookWeekEnded(CareerBook& book, const BookWeek& week) {
  if (static_cast<int>(book.Weeks.size()) >= kMostBookWeeks) return;
  book.Weeks.push_back(week);
}

BookWeek WeekInBook(const who& state, int hour) {
  BookWeek week{hour, state.Money, state.Reputation, 0};
  for (int t = 1; t <= kTrophyCount; ++t)
    if (state.Trophies[t]) week.Trophies |= 1u << (t - 1);
  return week;
}

const BookPicture* FindBookPicture(const CareerBook& book, int index) {
  return Entry(book, index);
}

std::vector<std::string> WriteCareerBook(const CareerBook& book) {
  std::vector<std::string> lines;
  lines.reserve(2 + book.Pictures.size() + book.Offers.size() + book.Weeks.size());
  lines.emplace_back(kHeader);
  lines.push_back(std::string("start\t") + OriginWord(book.Origin) + "\t" +
                  Whole(book.StartHour, 0, kMostHours));
  auto hour = [](int h) { return Whole(h, 0, kMostHours); };
  auto picture = [](int i) { return Whole(i, 0, kMostPictures); };
  for (const BookPicture& p : book.Pictures)
    lines.push_back("P\t" + picture(p.Index) + "\t" + hour(p.PaintedHour) + "\t" +
                    StyleField(p.Style) + "\t" + Number(p.Worth) + "\t" + Whole(p.Venue, 0, 4) +
                    "\t" + StandingWord(p.Standing) + "\t" + hour(p.SoldHour) + "\t" +
                    Number(p.Price) + "\t" + Field(p.Buyer, kMostBookBuyerBytes) + "\t" +
                    PartsField(p.Parts) + Field(p.Title, kMostBookTitleBytes));
  for (const BookOffer& o : book.Offers)
    lines.push_back("O\t" + hour(o.Hour) + "\t" + Whole(o.Venue, 1, 4) + "\t" +
                    picture(o.Picture) + "\t" + Number(o.Sum) + "\t" + (o.Taken ? "1" : "0") +
                    "\t" + (o.Vip ? "1" : "0") + "\t" + Field(o.Buyer, kMostBookBuyerBytes) +
                    "\t" + Field(o.Title, kMostBookTitleBytes));
  for (const BookWeek& w : book.Weeks)
    lines.push_back("W\t" + hour(w.Hour) + "\t" + Number(w.Money) + "\t" +
                    Whole(w.Reputation, -kMostReputation, kMostReputation) + "\t" +
                    std::to_string(w.Trophies & kAllTrophies));
  return lines;
}

bool ReadCareerBook(const std::vector<std::string>& lines, CareerBook* out, std::string* error) {
  auto fail = [&](std::size_t i, const std::string& why) {
    *error = "Line " + std::to_string(i + 1) + " of the career book " + why;
    return false;
  };
  if (lines.size() < 2 || lines[0] != kHeader) return fail(0, "is not its first line.");
  if (lines.size() > kMostBookLines) return fail(0, "starts a book longer than any career.");
  CareerBook book;
  const auto start = Fields(lines[1]);
  if (start.size() != 3 || start[0] != "start" || !Int(start[2], 0, kMostHours, &book.StartHour))
    return fail(1, "does not say when the book starts.");
  if (start[1] == "kept") book.Origin = BookOrigin::Kept;
  else if (start[1] == "loaded") book.Origin = BookOrigin::Loaded;
  else if (start[1] == "unreadable") book.Origin = BookOrigin::Unreadable;
  else return fail(1, "does not say how the book started.");
  for (std::size_t i = 2; i < lines.size(); ++i) {
    if (lines[i].size() > kMostBookLineBytes) return fail(i, "is too long.");
    const auto f = Fields(lines[i]);
    if (f[0] == "P") {
      BookPicture p;
      if (!ReadPicture(f, &p)) return fail(i, "is not a picture's entry.");
      if (static_cast<int>(book.Pictures.size()) >= kMostBookPictures)
        return fail(i, "is one picture too many.");
      book.Pictures.push_back(std::move(p));
    } else if (f[0] == "O") {
      BookOffer o;
      if (!ReadOffer(f, &o)) return fail(i, "is not an offer.");
      if (static_cast<int>(book.Offers.size()) >= kMostBookOffers)
        return fail(i, "is one offer too many.");
      book.Offers.push_back(std::move(o));
    } else if (f[0] == "W") {
      BookWeek w;
      if (!ReadWeek(f, &w)) return fail(i, "is not a week.");
      if (static_cast<int>(book.Weeks.size()) >= kMostBookWeeks)
        return fail(i, "is one week too many.");
      book.Weeks.push_back(w);
    } else {
      return fail(i, "is neither a picture, an offer nor a week.");
    }
  }
  *out = std::move(book);
  return true;
}

bool ReadCareerBookBytes(const std::string& bytes, CareerBook* out, std::string* error) {
  if (bytes.size() > kMostBookBytes) {
    *error = "The career book is larger than any career.";
    return false;
  }
  return ReadCareerBook(SplitLines(FromWindows1252(bytes)), out, error);
}

std::vector<WorthLine> WorthBreakdown(double worth, const WorthParts& parts) {
  auto cents = [](double dollars) {
    return std::isfinite(dollars) ? std::llround(std::clamp(dollars, -kMostMoney, kMostMoney) * 100.0)
                                  : 0LL;
  };
  std::vector<WorthLine> lines;
  long long sum = 0;
  for (int k = 0; k < kWorthSources; ++k) {
    const long long c = cents(parts[static_cast<std::size_t>(k)]);
    sum += c;
    if (c != 0) lines.push_back({static_cast<WorthSource>(k), c});
  }
  const long long left = cents(worth) - sum;
  if (left == 0) return lines;
  if (lines.empty()) return {{kWorthEarlier, left}};
  auto largest = std::max_element(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
    return std::llabs(a.Cents) < std::llabs(b.Cents);
  });
  largest->Cents += left;
  if (largest->Cents == 0) lines.erase(largest);
  return lines;
}

std::string WorthSourceName(WorthSource source) {
  switch (source) {
    case kWorthPencil: return "Pencil strokes";
    case kWorthCharcoal: return "Charcoal strokes";
    case kWorthPastel: return "Pastel strokes";
    case kWorthWaterColour: return "Water colour strokes";
    case kWorthOil: return "Oil strokes";
    case kWorthMixedRule: return "Mixed styles: set to one cent";
    case kWorthEarlier:
    case kWorthSources: break;
  }
  return "Worth before the book";
}

std::string StyleName(const std::string& style) {
  if (style == "p") return "Pencil";
  if (style == "c") return "Charcoal";
  if (style == "t") return "Pastel";
  if (style == "w") return "Water colour";
  if (style == "o") return "Oil";
  if (style == "x") return "Mixed";
  return "Blank";
}

}  // namespace pictorio
