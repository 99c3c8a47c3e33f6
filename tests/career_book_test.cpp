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
#include "support/test_app.h"

namespace fs = std::filesystem;

namespace pictorio {
namespace {

fs::path BookFile(const TestApp& app, const std::string& name) {
  return app.dir / "savegames" / (name + ".book");
}

CareerBook SomeBook() {
  CareerBook book;
  BookPainted(book, 0, "Dawn", "w", 3.2, 10);
  BookPainted(book, 1, "Dusk\tat sea", "p", 0.45, 30);  // a tab the file cannot hold
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
      {head + "P\t0\t1\tq\t1\t0\tstudio\t0\t0\t\tT\n", "Line 3 "},        // no such style
      {head + "P\t0\t1\tp\tnan\t0\tstudio\t0\t0\t\tT\n", "Line 3 "},      // not a number
      {head + "P\t0\t1\tp\t1e13\t0\tstudio\t0\t0\t\tT\n", "Line 3 "},     // beyond any money
      {head + "O\t1\t5\t0\t1\t0\t0\tf\tT\n", "Line 3 "},                  // no fifth venue
      {head + "O\t1\t1\t0\t1\t0\t0\tf\tT\textra\n", "Line 3 "},
      {head + "W\t1\t1\t1\t16384\n", "Line 3 "},                           // no fifteenth trophy
      {head + "P\t0\t1\tp\t1\t0\tstudio\t0\t0\t\t" + std::string(600, 'a') + "\n", "Line 3 "},
      {head + "X\n", "Line 3 "},
  };
  for (const auto& c : cases) {
    CareerBook book;
    std::string error;
    EXPECT_FALSE(ReadCareerBookBytes(c.text, &book, &error)) << c.text;
    EXPECT_EQ(error.rfind(c.reason, 0), 0u) << c.text << " -> " << error;
  }
}

}  // namespace
}  // namespace pictorio
