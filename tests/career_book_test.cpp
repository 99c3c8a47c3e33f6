// The career book: kept with its game through save, load, delete and New
// game, read back the same, and never the reason a game fails to load.
#include "core/career_book.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/career_book_window.h"
#include "app/career_pages.h"
#include "app/delete_game_dialog.h"
#include "app/main_window.h"
#include "app/saved_games.h"
#include "studio/artwork_files.h"
#include "studio/stroke_rules.h"
#include "support/test_app.h"
#include "ui/picture_io.h"

namespace fs = std::filesystem;

namespace pictorio {
namespace {

fs::path BookFile(const TestApp& app, const std::string& name) {
  return app.dir / "savegames" / (name + ".book");
}

CareerBook SomeBook() {
  CareerBook book;
  BookPainted(book, 0, "Dawn", "w", 3.2, {0, 0, 0, 0, 3.2, 0, 0}, 10);
  // A tab the file cannot hold; worth partly from before the book.
  BookPainted(book, 1, "Dusk\tat sea", "p", 0.45, {0.25, 0.2, 0, 0, 0, 0, 0}, 30);
  BookOffered(book, {40, 2, "\\people\\f9.jpg", 0, "Dawn", 2.5, false, false});
  BookOffered(book, {41, 2, "\\people\\f3.jpg", 0, "Dawn", 4.75, false, true});
  BookOfferTaken(book, 0);
  BookStolen(book, 1, 60);
  BookWeekEnded(book, {168, 31.5, 4, 0b101});
  return book;
}

TEST(CareerBook, GoesWithItsGameThroughSaveLoadNewGameAndDelete) {
  TestApp app;
  app.StartNewGame("Keeper");
  app.game.Book = SomeBook();
  app.main().Save1Click();
  ASSERT_TRUE(fs::exists(BookFile(app, "Keeper")));

  // New game: an empty book of its own (Keeper, just saved, is not asked about).
  app.StartNewGame("Other");
  EXPECT_EQ(app.game.Book, CareerBook{});

  // Loaded: the book as it was saved, the tab in a title made a space.
  app.platform.answers.push_back(ModalResult::No);
  ChooseInLoadDialog(app, "Keeper");
  app.main().LoadGame1Click();
  ASSERT_EQ(app.game.GameState.PlayerName, "Keeper");
  CareerBook expected = SomeBook();
  expected.Pictures[1].Title = "Dusk at sea";
  EXPECT_EQ(app.game.Book, expected);

  // Saved before books existed: an empty one from the hour of the load, no word said.
  fs::remove(BookFile(app, "Keeper"));
  app.platform.messages.clear();
  app.platform.answers.push_back(ModalResult::No);
  ChooseInLoadDialog(app, "Keeper");
  app.main().LoadGame1Click();
  EXPECT_TRUE(app.game.GameRunning);
  EXPECT_TRUE(app.platform.messages.size() <= 1u);  // only "save the current game?"
  EXPECT_EQ(app.game.Book.Origin, BookOrigin::Loaded);
  EXPECT_GT(app.game.Book.StartHour, 0);
  EXPECT_TRUE(app.game.Book.Pictures.empty());

  // Damaged: the game loads all the same, the player is told, a new book starts.
  for (const std::string& bytes : {std::string("Pictorio career book 1\r\nstart\tkept\t0\r\nP\t"),
                                   std::string(2'000'000, 'x'), std::string()}) {
    WriteBytes(BookFile(app, "Keeper"), bytes);
    app.platform.messages.clear();
    app.platform.answers.push_back(ModalResult::No);
    ChooseInLoadDialog(app, "Keeper");
    app.main().LoadGame1Click();
    EXPECT_TRUE(app.game.GameRunning);
    EXPECT_EQ(app.game.GameState.PlayerName, "Keeper");
    EXPECT_EQ(app.game.Book.Origin, BookOrigin::Unreadable);
    ASSERT_FALSE(app.platform.messages.empty());
    EXPECT_EQ(app.platform.messages.back().type, MsgType::Warning);
    EXPECT_NE(app.platform.messages.back().text.find("could not be read"), std::string::npos);
  }

  // Saved again, the new book replaces the damaged one; deleting the game takes its book.
  app.main().Save1Click();
  CareerBook read;
  std::string error;
  ASSERT_TRUE(ReadCareerBookBytes(Bytes(BookFile(app, "Keeper")), &read, &error)) << error;
  EXPECT_EQ(read, app.game.Book);
  app.StartNewGame("Third");
  app.platform.answers.push_back(ModalResult::Yes);
  app.platform.modalScripts.push_back([&](QDialog&) {
    app.forms().Form6->ComboBox1->setCurrentIndex(0);
    app.forms().Form6->Button1Click();
  });
  app.main().Delete1Click();
  EXPECT_FALSE(fs::exists(BookFile(app, "Keeper")));
}

TEST(CareerBook, ReaderRefusesWhatTheWriterNeverWritesAndSaysWhere) {
  const std::string head = "Pictorio career book 1\nstart\tkept\t0\n";
  const struct {
    std::string text;
    std::string reason;
  } cases[] = {
      {"", "Line 1 "},
      {"Pictorio career book 2\nstart\tkept\t0\n", "Line 1 "},
      {"Pictorio career book 1\nstart\tlater\t0\n", "Line 2 "},
      {head + "P\t0\t1\tq\t1\t0\tstudio\t0\t0\t\t0\t0\t0\t0\t0\t0\t0\tT\n", "Line 3 "},
      {head + "P\t0\t1\tp\tnan\t0\tstudio\t0\t0\t\t0\t0\t0\t0\t0\t0\t0\tT\n", "Line 3 "},
      {head + "P\t0\t1\tp\t1\t0\tstudio\t0\t0\t\t0\t0\t0\t1e13\t0\t0\t0\tT\n", "Line 3 "},
      {head + "P\t0\t1\tp\t1\t0\tstudio\t0\t0\t\tT\n", "Line 3 "},  // no worth parts
      {head + "O\t1\t5\t0\t1\t0\t0\tf\tT\n", "Line 3 "},            // no fifth venue
      {head + "W\t1\t1\t1\t16384\n", "Line 3 "},                    // no fifteenth trophy
      {head + "X\n", "Line 3 "},
  };
  for (const auto& c : cases) {
    CareerBook book;
    std::string error;
    EXPECT_FALSE(ReadCareerBookBytes(c.text, &book, &error)) << c.text;
    EXPECT_EQ(error.rfind(c.reason, 0), 0u) << c.text << " -> " << error;
  }
}

TEST(CareerBook, WorthTakenApartAddsUpToTheCent) {
  using L = std::vector<WorthLine>;
  const struct {
    double worth;
    WorthParts parts;
    L lines;
  } cases[] = {
      {0.0, {}, {}},
      // Three parts that round to 29 cents of a 30-cent worth: the cent goes to the largest.
      {0.1 + 0.2,
       {0, 0.104, 0.104, 0.092, 0, 0, 0},
       {{kWorthPencil, 11}, {kWorthCharcoal, 10}, {kWorthPastel, 9}}},
  };
  for (const auto& c : cases) EXPECT_EQ(WorthBreakdown(c.worth, c.parts), c.lines) << c.worth;

  // The studio keeps the parts as it keeps the worth: charcoal, then a pencil
  // that makes the picture mixed.
  StudioSession s;
  auto hold = [&s](int a, int b) {
    ClearActiveSlots(s);
    s.ActiveSlots[1] = a;
    s.ActiveSlots[2] = b;
  };
  ApplyToolStyle(s, "c");
  hold(kSlotCharcoal, 0);
  s.StrokeStamps = 1500;
  AccrueValue(s);
  EXPECT_EQ(WorthBreakdown(s.PictureValue, s.PictureParts), (L{{kWorthCharcoal, 150}}));
  ApplyToolStyle(s, "p");
  hold(34, 0);
  AccrueValue(s);
  AccrueValue(s);
  EXPECT_EQ(WorthBreakdown(s.PictureValue, s.PictureParts),
            (L{{kWorthPencil, 2}, {kWorthMixedRule, 1}}));
}

// A game loaded without a book: two pictures from before it, three painted
// since; offers at two venues; two weeks ended, a trophy won in the second.
TEST(CareerBook, PagesTellEveryPictureOfferAndWeek) {
  who state;
  state.Pictures = {{"Old sold", "p", 1.0, false, true},
                    {"Old entered", "c", 2.0, true, false},
                    {"Dawn", "w", 3.2, false, true},
                    {"Dusk", "x", 0.04, false, true},
                    {"Noon", "o", 5.0, false, false}};
  CareerBook book;
  book.Origin = BookOrigin::Loaded;
  book.StartHour = 100;
  BookPainted(book, 4, "Noon", "o", 5.0, {0, 0, 0, 0, 0, 5.0, 0}, 120);
  BookPainted(book, 2, "Dawn", "w", 3.2, {0, 0, 0, 0, 3.2, 0, 0}, 110);
  BookPainted(book, 3, "Dusk", "x", 0.04, {0, 0.03, 0, 0, 0, 0, 0.01}, 400);
  BookOffered(book, {200, 2, "f1", 2, "Dawn", 9.0, false, false});
  BookOffered(book, {201, 2, "f2", 2, "Dawn", 4.5, false, true});
  BookOfferTaken(book, 2);
  BookOffered(book, {420, 4, "f3", 3, "Dusk", 0.75, false, false});
  BookStolen(book, 3, 500);  // the offer was refused, then a burglar came
  BookOffered(book, {210, 1, "f4", 1, "Old entered", 3.0, false, false});
  state.Trophies[7] = true;
  BookWeekEnded(book, {168, 20.0, 3, 0});
  BookWeekEnded(book, {336, 24.5, 4, 1u << 6});

  const std::vector<PictureRow> rows = PictureRows(state, book);
  std::vector<std::string> order, standings;
  for (const PictureRow& r : rows) {
    order.push_back(r.Title);
    standings.push_back(r.Standing);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"Old sold", "Old entered", "Dawn", "Noon", "Dusk"}));
  EXPECT_EQ(standings,
            (std::vector<std::string>{
                "Sold or stolen before the book began", "Entered at a venue",
                "Sold at the Local Gallery for $4.50, Year 1, week 2, day 2, hour 10",
                "In the studio", "Stolen in a burglary, Year 1, week 3, day 7, hour 21"}));
  EXPECT_EQ(rows[0].Breakdown, (std::vector<WorthLine>{{kWorthEarlier, 100}}));
  EXPECT_EQ(rows[4].Breakdown, (std::vector<WorthLine>{{kWorthPencil, 3}, {kWorthMixedRule, 1}}));
  EXPECT_EQ(FilterRows(rows, "w", std::nullopt).size(), 1u);
  EXPECT_EQ(FilterRows(rows, "", PictureState::Stolen).at(0).Title, "Dusk");

  const SalesSummary sales = SummariseSales(state, book);
  EXPECT_EQ(std::tuple(sales.TakenCents, sales.ByVenue[1].Offers, sales.ByVenue[1].Taken,
                       sales.ByVenue[3].Offers),
            std::tuple(450, 2, 1, 1));
  ASSERT_TRUE(sales.BestRefused);
  EXPECT_EQ(sales.BestRefused->Sum, 9.0);
  ASSERT_EQ(sales.ByStyle.size(), 3u);  // charcoal, mixed, water colour
  EXPECT_EQ(sales.ByStyle[2].What, "Water colour");
  EXPECT_EQ(sales.ByStyle[2].TakenCents, 450);

  // Two weeks ended and the third running: painted and sold in the week they happened.
  const std::vector<WeekRow> weeks = WeekRows(state, book, 430);
  ASSERT_EQ(weeks.size(), 3u);
  EXPECT_EQ(std::tuple(weeks[0].Week, weeks[0].Painted, weeks[1].Sold, weeks[1].TrophiesWon,
                       weeks[2].Week, weeks[2].Painted, weeks[2].TrophiesWon.empty()),
            std::tuple(1, 2, 1, std::vector<int>{7}, 3, 1, true));
  CareerBook fresh;
  fresh.StartHour = 430;
  EXPECT_EQ(WeekRows(state, fresh, 430).size(), 1u)
      << "the running week from the book's first hour";
}

TEST(CareerBook, PortfolioStandsAloneWithEveryPictureCopied) {
  TestApp app;
  app.StartNewGame("Ann & <Bo>");
  who& state = app.game.GameState;
  state.Pictures = {{"Sea <at> dawn", "w", 3.2, false, true}, {"Lost", "p", 0.5, false, false}};
  state.PictureCount = 2;
  BookPainted(app.game.Book, 0, "Sea <at> dawn", "w", 3.2, {0, 0, 0, 0, 3.2, 0, 0}, 5);
  BookOffered(app.game.Book, {30, 1, "f1", 0, "Sea <at> dawn", 7.25, false, false});
  BookOfferTaken(app.game.Book, 0);
  QImage sea(80, 60, QImage::Format_RGB32);
  sea.fill(Qt::blue);
  ASSERT_TRUE(SaveJpeg(sea, PicturePath(app.game, "Sea <at> dawn")));
  const fs::path out = app.dir / "shared";
  const fs::path root = out / "Ann & <Bo> portfolio";
  app.platform.messages.clear();

  app.platform.folders = {"", out.string()};  // cancelled once, then chosen
  app.platform.modalScripts.push_back([](QDialog& window) {
    auto& book = dynamic_cast<TCareerBook&>(window);
    book.ExportPortfolio1->trigger();
    book.ExportPortfolio1->trigger();
  });
  app.main().CareerBook1Click();
  // The cancel wrote nothing and said nothing.
  EXPECT_EQ(app.platform.MessageTexts(),
            Lines{"The portfolio was written to " + (root / "index.html").string() + "."});
  const std::string page = Bytes(root / "index.html");
  EXPECT_NE(page.find("<img src=\"pictures/1.jpg\" alt=\"Sea &lt;at&gt; dawn\">"),
            std::string::npos);
  EXPECT_NE(page.find("The picture's file is missing"), std::string::npos);  // "Lost"
  EXPECT_NE(page.find("<h1>Ann &amp; &lt;Bo&gt;</h1>"), std::string::npos);
  for (const char* outside : {"<script", "http:", "https:", "//", "url("})
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
  EXPECT_EQ(fs::file_size(root / "pictures" / "1.jpg"),
            fs::file_size(PicturePath(app.game, "Sea <at> dawn")));
}

TEST(CareerBook, OpensFromTheMenuTheKeyAndTheBookshelfWithTheClockStopped) {
  TestApp app;
  app.Start();
  TForm1& room = app.main();
  room.Image24Click();  // no game: nothing opens
  EXPECT_TRUE(app.platform.modalsShown.empty());
  EXPECT_FALSE(room.CareerBook1->isEnabled());

  app.StartNewGame("Reader");
  int pictures = -1;
  bool clockRan = true;
  for (int k = 0; k < 2; ++k)
    app.platform.modalScripts.push_back([&](QDialog& window) {
      auto& book = dynamic_cast<TCareerBook&>(window);
      pictures = book.PictureModel->rowCount();
      clockRan = !room.Timer1.Held();
    });
  room.Image24Click();
  room.CareerBook1->trigger();
  EXPECT_EQ(std::tuple(app.platform.modalsShown, pictures, clockRan, room.Timer1.Held()),
            std::tuple((std::vector<std::string>{"Career Book", "Career Book"}), 0, false, false));
}

}  // namespace
}  // namespace pictorio
