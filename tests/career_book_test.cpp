// The career book: kept with its game through save, load, delete and New
// game, read back the same, and never the reason a game fails to load.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/delete_game_dialog.h"
#include "app/main_window.h"
#include "app/saved_games.h"
#include "core/career_book.h"
#include "core/text_file.h"
#include "studio/stroke_rules.h"
#include "support/test_app.h"

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

  // New game: an empty book of its own.
  app.platform.answers.push_back(ModalResult::No);
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
  EXPECT_EQ(app.game.Book.Pictures[0].Standing, BookStanding::Sold);
  EXPECT_EQ(app.game.Book.Pictures[0].Price, 4.75);
  EXPECT_EQ(app.game.Book.Pictures[1].Standing, BookStanding::Stolen);

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
    std::ofstream(BookFile(app, "Keeper"), std::ios::binary) << bytes;
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

  // Saved again, the new book is what loads; deleting the game takes its book.
  app.main().Save1Click();
  CareerBook read;
  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(ReadTextLines(BookFile(app, "Keeper").string(), &lines, &error)) << error;
  ASSERT_TRUE(ReadCareerBook(lines, &read, &error)) << error;
  EXPECT_EQ(read, app.game.Book);
  app.platform.answers.push_back(ModalResult::No);
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
      {head + "O\t1\t5\t0\t1\t0\t0\tf\tT\n", "Line 3 "},                  // no fifth venue
      {head + "O\t1\t1\t0\t1\t0\t0\tf\tT\textra\n", "Line 3 "},
      {head + "W\t1\t1\t1\t16384\n", "Line 3 "},                           // no fifteenth trophy
      {head + "P\t0\t1\tp\t1\t0\tstudio\t0\t0\t\t0\t0\t0\t0\t0\t0\t0\t" +
           std::string(600, 'a') + "\n",
       "Line 3 "},
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
      {1.5, {0, 0, 1.5, 0, 0, 0, 0}, {{kWorthCharcoal, 150}}},
      // Three parts that round to 29 cents of a 30-cent worth: the cent goes to the largest.
      {0.1 + 0.2, {0, 0.104, 0.104, 0.092, 0, 0, 0}, {{kWorthPencil, 11}, {kWorthCharcoal, 10},
                                                       {kWorthPastel, 9}}},
      {2.0, {}, {{kWorthEarlier, 200}}},  // painted before the book
      {0.04, {0, 0.03, 0, 0, 0, 0, 0.01}, {{kWorthPencil, 3}, {kWorthMixedRule, 1}}},
  };
  for (const auto& c : cases) EXPECT_EQ(WorthBreakdown(c.worth, c.parts), c.lines) << c.worth;

  // The studio keeps the parts as it keeps the worth: charcoal, then a pencil
  // that makes the picture mixed, then water colour that sets it to a cent again.
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
  ApplyToolStyle(s, "w");
  hold(17, 18);
  AccrueValue(s);
  EXPECT_DOUBLE_EQ(s.PictureValue, 0.03);
  EXPECT_EQ(WorthBreakdown(s.PictureValue, s.PictureParts),
            (L{{kWorthWaterColour, 2}, {kWorthMixedRule, 1}}));
}

}  // namespace
}  // namespace pictorio
