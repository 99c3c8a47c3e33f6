// Ten game years played at full speed through the windows' own handlers: the
// shop, the studio's canvas, the calendar, the entry window, the stall and the
// galleries, fires and burglaries, and a save and a load every four weeks.
// Every four weeks the game must agree with itself and its career book.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>
#include <set>

#include "app/main_window.h"
#include "app/saved_games.h"
#include "core/career_book.h"
#include "core/save_text.h"
#include "shop/shop_window.h"
#include "shop/stock_window.h"
#include "simulation/clock.h"
#include "simulation/week_plan.h"
#include "studio/stroke_rules.h"
#include "studio/studio_window.h"
#include "support/test_app.h"
#include "ui/info_bar.h"
#include "venues/buyers.h"
#include "venues/calendar_window.h"
#include "venues/venue_window.h"

namespace fs = std::filesystem;

namespace pictorio {
namespace {

constexpr int kYears = 10;
constexpr int kMonday = 0, kTuesday = 1;
// The player's working hour, and the hour of the monthly save.
constexpr int kWorkHour = 8;
constexpr int kSaveHour = 12;
// Charcoal strokes: a hundred stamps are worth 0.1 and use 67 units of a
// stick's thousand, which a buyer pays for even at reputation 0.
constexpr int kStrokeStamps = 1500;
constexpr int kStickUnits = 1000;

// Where every dollar came from and went, as the player saw it happen.
struct Ledger {
  double start = 0, sales = 0, purchases = 0, fire = 0;
  double Expected() const { return start + sales - purchases - fire; }
};

class Career {
 public:
  Career() {
    app.platform.drawRandom = [this](int n) {
      return std::uniform_int_distribution<int>(0, n - 1)(rng_);
    };
    app.StartNewGame("Career");
    ledger.start = state().Money;
    reputation = state().Reputation;
  }

  TestApp app;
  Ledger ledger;
  // Reputation as earned: a point a sale, a venue's bonus for the first
  // sell-out of a day, 35 for the VIP's visit.
  int reputation = 0;
  int offersRefused = 0, sold = 0, fires = 0, burglaries = 0, saves = 0;

  Game& g() { return app.game; }
  who& state() { return app.game.GameState; }
  Forms& forms() { return app.forms(); }
  ScriptedPlatform& platform() { return app.platform; }

  void Play(int years) {
    const int end = years * kHoursPerYear;
    while (g().ElapsedHours < end) {
      const GameDate next = DateOfHour(g().ElapsedHours + 1);
      PlanIncidents(next);
      Tick();
      if (::testing::Test::HasFatalFailure()) return;
      ActAt(DateOfHour(g().ElapsedHours));
      if (::testing::Test::HasFatalFailure()) return;
      // The event loop the program runs between timer ticks: without it, the
      // repaints asked for pile up in the widgets' dirty regions.
      if (g().ClockHour == 23) QCoreApplication::processEvents();
    }
  }

 private:
  std::mt19937 rng_{1515};
  bool fireQueued_ = false, burglaryQueued_ = false;
  int soldOutDay_ = -1, fleaVisits_ = 0, offers_ = 0;

  int Year() const { return app.game.ElapsedHours / kHoursPerYear; }

  void Tick() {
    const int gone = burglaryQueued_ ? CountGone() : 0;
    app.main().Timer1Timer();
    if (fireQueued_) {
      fireQueued_ = false;
      ++fires;
      EXPECT_TRUE(platform().reals.empty());
      ledger.fire += g().FireDamage;
    }
    if (burglaryQueued_) {
      burglaryQueued_ = false;
      EXPECT_TRUE(platform().reals.empty());
      // One picture is taken when there is one to take, never more.
      const int taken = CountGone() - gone;
      EXPECT_LE(taken, 1);
      burglaries += taken;
    }
  }

  int CountGone() const {
    const auto& pictures = app.game.GameState.Pictures;
    return static_cast<int>(
        std::count_if(pictures.begin(), pictures.end(), [](const picrec& p) { return p.Gone; }));
  }

  // A fire every seven weeks until the extinguisher is bought, a burglary
  // attempt every five until the alarm is. The draw at 6:00 rolls the fire,
  // at 3:00 the burglary.
  void PlanIncidents(const GameDate& next) {
    const int week = next.year * 52 + next.week;
    if (next.day == kMonday && next.hour == 6 && week % 7 == 3 &&
        !state().Stock[kSlotFireExtinguisher].Owned) {
      platform().reals.push_back(0.05);
      fireQueued_ = true;
    }
    if (next.day == kTuesday && next.hour == 3 && week % 12 == 1 &&
        !state().Stock[kSlotBurglarAlarm].Owned) {
      // Below the burglars' mark a burglary never comes, whatever the draw.
      if (state().Reputation > 15) {
        platform().reals.push_back(0.01);
        burglaryQueued_ = true;
      }
    }
  }

  // The flea market every fourth week, a gallery every eighth once the
  // reputation opens one (in a week when all three hold their shows).
  static bool MarketWeek(int week) { return week % 4 == 1; }
  static bool GalleryWeek(int week) { return week % 8 == 3; }

  void ActAt(const GameDate& date) {
    const int week = date.year * 52 + date.week;
    if (date.hour == kWorkHour) {
      switch (date.day) {
        case kMonday:
          Shop();
          if (GalleryWeek(week)) EnterAGallery(date.week + 1);
          // Painted the day before, so that a burglar finds something.
          if (MarketWeek(week)) PaintUntilFree(4, 4);
          break;
        case kTuesday:
          if (MarketWeek(week)) FleaMarket();
          break;
        default:
          if (g().EventVenue > kVenueFlea && g().Venues[g().EventVenue].Submitted) Exhibition();
          break;
      }
      ExpectNothingPending();
    }
    if (date.day == kMonday && date.hour == kSaveHour && week % 4 == 3) {
      CheckAgreement();
      SaveAndLoad();
      CheckAgreement();
      ForgetLogs();
    }
  }

  void ExpectNothingPending() {
    EXPECT_EQ(std::tuple(platform().answers.size(), platform().inputs.size(),
                         platform().modalScripts.size()),
              std::tuple(0u, 0u, 0u));
    platform().answers.clear();
    platform().inputs.clear();
    platform().modalScripts.clear();
  }

  // The platform remembers everything shown; a ten-year log is the test's, not the game's.
  void ForgetLogs() {
    platform().messages.clear();
    platform().effects.clear();
    platform().tracks.clear();
    platform().randomCalls.clear();
    platform().modalsShown.clear();
    platform().inputCaptions.clear();
  }

  void Shop() {
    app.main().Shop1Click();
    TForm10& shop = *forms().Form10;
    const auto units = [&](int slot) { return state().Stock[slot].Units; };
    double money = state().Money;
    const auto want = [&](int slot, int count, int price) {
      if (money < price) return;
      shop.BuyClick(slot, count);
      money -= price;
    };
    if (units(kSlotCanvas) < 10000) {
      if (money >= 60)
        want(kSlotCanvas, 20, 20);
      else
        want(kSlotCanvas, 5, 5);
    }
    for (int sticks = units(kSlotCharcoal) / kStickUnits; sticks < 8; ++sticks)
      want(kSlotCharcoal, 1, 1);
    // The room's extras as the career can afford them.
    const int year = Year();
    if (year >= 1 && !state().Stock[kSlotTelephone].Owned) want(kSlotTelephone, 1, 50);
    if (year >= 2 && !state().Stock[kSlotTrophyRack].Owned) want(kSlotTrophyRack, 1, 30);
    if (year >= 6 && !state().Stock[kSlotFireExtinguisher].Owned)
      want(kSlotFireExtinguisher, 1, 35);
    if (year >= 7 && !state().Stock[kSlotBurglarAlarm].Owned) want(kSlotBurglarAlarm, 1, 100);
    if (!shop.basket.Empty()) {
      ledger.purchases += shop.basket.basketTotal;
      platform().answers.push_back(ModalResult::Yes);
      shop.Button2Click();
    }
    shop.Button1Click();
  }

  std::vector<std::string> FreeTitles() const {
    std::vector<std::string> titles;
    for (const picrec& p : app.game.GameState.Pictures)
      if (!p.Gone && !p.AtVenue) titles.push_back(p.Title);
    return titles;
  }

  void PaintUntilFree(int wanted, int most) {
    int painted = 0;
    if (static_cast<int>(FreeTitles().size()) >= wanted) return;
    app.main().paint1Click();
    TForm2& studio = *forms().Form2;
    while (static_cast<int>(FreeTitles().size()) < wanted && painted < most &&
           state().Stock[kSlotCanvas].Units >= 1000 &&
           state().Stock[kSlotCharcoal].Units >= kStrokeStamps) {
      // The picture still open was saved with its last stroke: nothing is asked.
      studio.New1Click();
      studio.Charcoal1Click();
      studio.BitBtnClick(10 + state().PictureCount % 3);
      Stroke(studio, state().PictureCount);
      const std::string title = "Study " + std::to_string(state().PictureCount + 1);
      platform().inputs.push_back(title);
      studio.Save1Click();
      ++painted;
    }
    studio.Exit1Click();
  }

  // One stroke of kStrokeStamps stamps: a wave across the canvas, its shape
  // changing from picture to picture.
  static void Stroke(TForm2& studio, int n) {
    const int amplitude = 40 + n % 200;
    const auto at = [&](int i) {
      return QPoint(20 + (i * 630) / kStrokeStamps,
                    285 + static_cast<int>(amplitude * std::sin(i * (0.01 + (n % 7) * 0.003))));
    };
    studio.Image100MouseDown(Qt::LeftButton, at(0));
    for (int i = 1; i < kStrokeStamps; ++i) studio.Image100MouseMove(at(i));
    studio.Image100MouseUp(Qt::LeftButton, at(kStrokeStamps - 1));
  }

  // Scripts the entry window: the first free pictures into every place, then accept.
  void EnterFreePictures(int venue) {
    const std::vector<std::string> free = FreeTitles();
    EnterAndAccept(app, Lines(free.begin(), free.begin() + g().Venues[venue].Slots));
  }

  // The stall's script: wait for buyers with the game clock running (an hour
  // every sixty stall ticks), sell, refuse every fifth offer, and leave when
  // everything is sold; the end of the day closes the stall anyway.
  std::function<void(QDialog&)> SellAtTheStall(int mostSales = 8) {
    return [this, mostSales](QDialog& window) {
      auto& venue = dynamic_cast<TForm9&>(window);
      const int places = g().Venues[g().EventVenue].Slots;
      const int bonus = VenueSaleOf(g().EventVenue).sellOutBonus;
      const int day = g().ElapsedHours / kHoursPerDay;
      bool allSold = g().EntriesSold == places;
      const std::size_t shownBefore = platform().modalsShown.size();
      int stallTicks = 0, sales = 0;
      while (venue.Showing() && venue.offerAttempts < kAllSoldAttempts && sales < mostSales) {
        if (venue.OfferShown()) {
          if (++offers_ % 5 == 0) {
            ++offersRefused;
            venue.Button2Click();
          } else {
            ledger.sales += venue.currentOffer;
            venue.Button1Click();
            ++reputation;
            ++sold;
            ++sales;
            allSold = g().EntriesSold == places;
          }
          continue;
        }
        const bool vip = state().Trophies[11];
        venue.Timer1Timer();
        if (!vip && state().Trophies[11]) reputation += 35;
        if (++stallTicks % kStallTicksPerHour == 0) Tick();
      }
      if (venue.Showing()) venue.Button3Click();
      // The host praises the first sell-out of a day, and nothing else.
      const bool praised = std::count(platform().modalsShown.begin() + shownBefore,
                                      platform().modalsShown.end(), "Well done") > 0;
      const bool soldOutNow = allSold && day != soldOutDay_;
      EXPECT_EQ(praised, soldOutNow) << "entries sold " << g().EntriesSold << " of " << places;
      if (soldOutNow) {
        soldOutDay_ = day;
        reputation += bonus;
      }
    };
  }

  void FleaMarket() {
    if (g().EventVenue != kVenueFlea) return;
    PaintUntilFree(4, 4);
    const bool entering = !g().Venues[kVenueFlea].Submitted;
    if (entering && FreeTitles().size() < 4) return;
    app.main().Calendar1Click();
    TForm4& calendar = *forms().Form4;
    // The entry window opens on every visit; entries are made once.
    if (entering)
      EnterFreePictures(kVenueFlea);
    else
      platform().modalScripts.push_back([](QDialog&) {});
    // Now and then the painter goes home after two sales.
    platform().modalScripts.push_back(SellAtTheStall(fleaVisits_ % 3 == 0 ? 2 : 8));
    calendar.Button2Click();
    ++fleaVisits_;
    calendar.Button6Click();
  }

  // The best gallery the reputation opens whose show comes this week.
  void EnterAGallery(int week) {
    for (int venue : {kVenueInternational, kVenueNational, kVenueLocal}) {
      const submittedpic& gallery = g().Venues[venue];
      if (gallery.Submitted || state().Reputation <= gallery.ReputationThreshold) continue;
      const EventWeeks weeks = venue == kVenueLocal      ? EventWeeks::Every
                               : venue == kVenueNational ? EventWeeks::Even
                                                         : EventWeeks::EveryFourth;
      if (!EventHeldInWeek(weeks, week)) continue;
      PaintUntilFree(gallery.Slots, gallery.Slots);
      if (static_cast<int>(FreeTitles().size()) < gallery.Slots) return;
      EnterFreePictures(venue);
      app.main().SubmitPicturesClick(venue);
      return;
    }
  }

  void Exhibition() {
    platform().modalScripts.push_back(SellAtTheStall());
    app.main().nowEvent1Click();
  }

  void CheckAgreement() {
    SCOPED_TRACE("hour " + std::to_string(g().ElapsedHours));
    who& s = state();
    EXPECT_NEAR(s.Money, ledger.Expected(), 1e-7 * std::max(1.0, std::fabs(s.Money)));

    EXPECT_EQ(s.PicturesSold, sold);

    forms().Form11->RefreshStockList();
    for (int slot = 1; slot <= kStockSlots; ++slot)
      EXPECT_GE(s.Stock[slot].Units, s.Stock[slot].Owned ? 1 : 0) << slot;

    // The count, the records, the files and the saved text's "PIC" groups.
    ASSERT_EQ(s.PictureCount, static_cast<int>(s.Pictures.size()));
    std::multiset<std::string> titles;
    for (const picrec& p : s.Pictures) titles.insert(p.Title);
    std::multiset<std::string> files;
    for (const auto& entry : fs::directory_iterator(app.dir / "pictures")) {
      EXPECT_EQ(entry.path().extension(), ".jpg") << entry.path();
      files.insert(entry.path().stem().string());
    }
    EXPECT_EQ(files, titles);
    SnapshotGame(g(), forms());
    const std::vector<std::string>& text = forms().Form3->ListBox1.Items;
    std::multiset<std::string> groups;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
      if (text[i] == kPictureMarker) groups.insert(text[i + 1]);
    EXPECT_EQ(groups, titles);
    // After the snapshot: the VIP's points come with the notice it shows.
    EXPECT_EQ(s.Reputation, reputation);

    // The career book: one entry per picture, and its sales.
    const CareerBook& book = g().Book;
    ASSERT_EQ(book.Pictures.size(), s.Pictures.size());
    int bookSold = 0;
    for (std::size_t i = 0; i < s.Pictures.size(); ++i) {
      const BookPicture* entry = FindBookPicture(book, static_cast<int>(i));
      ASSERT_NE(entry, nullptr) << i;
      EXPECT_EQ(entry->Title, s.Pictures[i].Title);
      EXPECT_EQ(entry->Worth, s.Pictures[i].Value) << entry->Title;
      bookSold += entry->Standing == BookStanding::Sold;
    }
    EXPECT_EQ(bookSold, s.PicturesSold);
    double taken = 0;
    for (const BookOffer& o : book.Offers) taken += o.Taken ? o.Sum : 0.0;
    EXPECT_NEAR(taken, ledger.sales, 1e-7 * std::max(1.0, ledger.sales));
  }

  // The game as its saved text holds it, but for the hour, which a load moves on.
  static std::vector<std::string> SavedText(const who& state,
                                            const OneBased<submittedpic, 4>& venues) {
    std::vector<std::string> text = WriteSavedGame(state, venues);
    text[4].clear();
    return text;
  }

  void SaveAndLoad() {
    SCOPED_TRACE("save at hour " + std::to_string(g().ElapsedHours));
    const std::vector<std::string> before = SavedText(state(), g().Venues);
    const CareerBook book = g().Book;
    const int hour = g().ElapsedHours;
    app.main().Save1Click();
    ASSERT_TRUE(g().HasSaveFile);
    ++saves;

    // Saved just now: the load asks nothing.
    ChooseInLoadDialog(app, "Career");
    app.main().LoadGame1Click();
    ASSERT_TRUE(g().GameRunning);
    // Loading runs one clock tick.
    EXPECT_EQ(g().ElapsedHours, hour + 1);
    EXPECT_EQ(SavedText(state(), g().Venues), before);
    EXPECT_EQ(g().Book, book);
    // The save's own rounding becomes the ledger's.
    ledger.start += state().Money - ledger.Expected();
  }
};

TEST(Career, TenYearsAtFullSpeedKeepEveryPictureAndDollar) {
  Career career;
  career.Play(kYears);
  const who& s = career.app.game.GameState;
  // The career reached what it set out to do.
  EXPECT_EQ(career.app.game.ElapsedHours, kYears * kHoursPerYear);
  EXPECT_GT(career.sold, 500);
  EXPECT_GT(career.offersRefused, 50);
  EXPECT_GT(career.fires, 3);
  EXPECT_GT(career.burglaries, 3);
  EXPECT_GE(career.saves, 120);
  EXPECT_GT(s.Reputation, 69);  // the international gallery was open
  EXPECT_EQ(std::pair(s.Stock[kSlotBurglarAlarm].Owned, s.Stock[kSlotFireExtinguisher].Owned),
            std::pair(true, true));
}

}  // namespace
}  // namespace pictorio
