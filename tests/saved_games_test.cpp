// Saving, loading and deleting games: the files on disk, the two dialogs and
// the game they leave running; and the weekly autosave.
#include "app/saved_games.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "app/delete_game_dialog.h"
#include "app/game_flow.h"
#include "app/load_game_dialog.h"
#include "app/main_window.h"
#include "core/save_files.h"
#include "core/save_text.h"
#include "core/text_file.h"
#include "shop/shop_window.h"
#include "support/test_app.h"
#include "ui/info_bar.h"

namespace fs = std::filesystem;

namespace pictorio {
namespace {

Lines FileLines(const fs::path& file) {
  Lines lines;
  std::string error;
  EXPECT_TRUE(ReadTextLines(file.string(), &lines, &error)) << error;
  return lines;
}

// The names the save index lists after its two reserved lines.
Lines IndexNames(const TestApp& app) {
  Lines lines = FileLines(app.dir / "savegames" / "main.txc");
  EXPECT_GE(lines.size(), 2u);
  return Lines(lines.begin() + std::min<std::size_t>(2, lines.size()), lines.end());
}

fs::path GameFile(const TestApp& app, const std::string& name) {
  return app.dir / "savegames" / (name + ".sgm");
}

Lines Names(const fs::path& folder) {
  Lines names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A game with something in every part of the file, on Monday at hour 8.
void MakeRichGame(TestApp& app, const std::string& name) {
  app.StartNewGame(name);
  Game& g = app.game;
  who& state = g.GameState;
  state.Reputation = -12;
  state.Money = 0.1 + 0.2;
  state.PicturesSold = 3;
  state.Stock[kSlotCanvas] = {"Canvas", "", true, 2000};
  state.Stock[kSlotTrophyRack] = {"Trophy rack", "w", true, 1000};
  state.Pictures = {{"PIC", "o", 9.5e11, false, false},
                    {"Entered one", "w", 12.5, true, false},
                    {"Sold one", "t", 40.0, false, false}};
  state.Pictures[2].Gone = true;
  state.PictureCount = 3;
  state.Trophies[2] = true;
  g.Venues[kVenueNational].Entries = {"Entered one", "", "", "", "", "", ""};
  g.Venues[kVenueNational].Submitted = true;
  g.ElapsedHours = 7;
  state.SavedHours = 7;
}

TEST(SavedGames, AFreshGameSavesThe335LineExampleAndIsListedOnce) {
  TestApp app;
  app.StartNewGame("Pictorio saved games");  // named like a reserved index line
  const fs::path index = app.dir / "savegames" / "main.txc";
  EXPECT_EQ(Bytes(index), "Pictorio saved games\r\nOne game name per line below\r\n");
  app.main().Save1Click();
  std::string expected = "Pictorio saved games\r\n0\r\n0\r\n25\r\n1\r\n0\r\nPics\r\n";
  for (int slot = 0; slot < 60; ++slot) expected += "stuffx\r\n\r\nx\r\n0\r\n0\r\n";
  for (int k = 0; k < 14; ++k) expected += "trophiex\r\n0\r\n";
  EXPECT_EQ(Bytes(GameFile(app, "Pictorio saved games")), expected);
  EXPECT_EQ(Text(app.forms().Form3->Label10), "Game saved");  // a silent save would leave doubt
  app.main().Save1Click();
  EXPECT_EQ(IndexNames(app), Lines{"Pictorio saved games"});
  EXPECT_EQ(app.platform.MessageTexts(), Lines{"Start new game?"});
  // The index, the game and its book: no temporary file stays behind.
  EXPECT_EQ(Names(app.dir / "savegames").size(), 3u);

  // An index already there is left as it is.
  TestApp other;
  WriteBytes(other.dir / "savegames" / "main.txc", "x\r\ny\r\nAnn\r\n");
  other.Start();
  EXPECT_EQ(Bytes(other.dir / "savegames" / "main.txc"), "x\r\ny\r\nAnn\r\n");
}

TEST(SavedGames, ANewGameAsksBeforeReplacingASavedGameOfTheSameName) {
  TestApp app;
  app.StartNewGame("Same");
  app.game.GameState.Money = 70.0;
  app.main().Save1Click();
  const std::string first = Bytes(GameFile(app, "Same"));

  // Just saved, not an hour since: a new game does not ask to save it again.
  app.StartNewGame("Same");
  app.platform.messages.clear();
  app.platform.answers.push_back(ModalResult::No);
  app.main().Save1Click();
  ASSERT_EQ(app.platform.MessageTexts(),
            Lines{"A saved game for 'Same' already exists. Do you want to replace it?"});
  EXPECT_EQ(Bytes(GameFile(app, "Same")), first);
  EXPECT_FALSE(app.game.HasSaveFile);
  app.platform.answers.push_back(ModalResult::Yes);
  app.main().Save1Click();
  EXPECT_EQ(FileLines(GameFile(app, "Same"))[3], "25");
  EXPECT_EQ(IndexNames(app), Lines{"Same"});
  EXPECT_TRUE(app.game.HasSaveFile);

  // A file without an index line counts as well.
  TestApp lone;
  WriteBytes(GameFile(lone, "Lone"), "old\r\n");
  lone.StartNewGame("Lone");
  lone.platform.answers.push_back(ModalResult::No);
  lone.main().Save1Click();
  EXPECT_EQ(Bytes(GameFile(lone, "Lone")), "old\r\n");
  EXPECT_TRUE(IndexNames(lone).empty());
}

TEST(SavedGames, AFailedWriteLeavesThePreviousSaveAndAFailedFirstSaveListsNothing) {
  TestApp app;
  app.StartNewGame("Careful");
  app.main().Save1Click();
  const std::string saved = Bytes(GameFile(app, "Careful"));
  app.game.GameState.Money = 1000.0;
  {
    FileSizeLimit limit(100);
    app.main().Save1Click();
  }
  EXPECT_EQ(Bytes(GameFile(app, "Careful")), saved);
  ASSERT_EQ(app.platform.messages.size(), 2u);
  EXPECT_NE(app.platform.messages[1].text.find("File too large"), std::string::npos);
  EXPECT_EQ(Names(app.dir / "savegames").size(), 3u);

  app.platform.answers.push_back(ModalResult::No);
  app.StartNewGame("Unlucky");
  {
    FileSizeLimit limit(100);
    app.main().Save1Click();
  }
  EXPECT_FALSE(app.game.HasSaveFile);
  EXPECT_FALSE(fs::exists(GameFile(app, "Unlucky")));
  EXPECT_EQ(IndexNames(app), Lines{"Careful"});
}

// Runs a safe write in a child process that the kernel kills once the file
// passes `bytes`: a save killed mid-write, as a crash or a power cut leaves it.
void KillWriteMidway(const fs::path& file, const std::string& bytes, rlim_t killAt) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit limit{killAt, killAt};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::string error;
    WriteBytesSafely(file.string(), bytes, &error);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
}

TEST(SavedGames, StartUpClearsKilledWritesLeftoversAndNothingElse) {
  TestApp app;
  const fs::path saves = app.dir / "savegames";
  const fs::path pictures = app.dir / "pictures";
  WriteBytes(saves / "Kept.sgm", "old game");
  WriteBytes(pictures / "Kept.jpg", "old picture");
  KillWriteMidway(saves / "Kept.sgm", std::string(5000, 'g'), 1000);
  KillWriteMidway(pictures / "Kept.jpg", std::string(5000, 'p'), 1000);
  fs::create_directory(saves / "autosave");
  KillWriteMidway(saves / "autosave" / "Kept.sgm", std::string(5000, 'a'), 1000);
  EXPECT_EQ(Bytes(saves / "Kept.sgm"), "old game");
  EXPECT_EQ(Names(saves).size(), 3u);
  EXPECT_EQ(Names(pictures).size(), 2u);

  // What looks alike but is not a leftover of ours stays.
  Lines others = {".pictorio-save-abc12", ".pictorio-save-abc1234", ".pictorio-save-ab-12",
                  "x.pictorio-save-abc123"};
  for (const std::string& name : others) WriteBytes(saves / name, "mine");
  fs::create_directory(pictures / ".pictorio-save-Folder");
  WriteBytes(pictures / ".pictorio-save-Folder" / ".pictorio-save-Inside", "mine");
  WriteBytes(app.dir / "outside.txt", "mine");
  fs::create_symlink(app.dir / "outside.txt", pictures / ".pictorio-save-Linked");
  WriteBytes(app.dir / ".pictorio-save-RootXy", "mine");  // only the game's two folders are swept

  app.Start();
  EXPECT_TRUE(fs::is_empty(saves / "autosave"));
  others.insert(others.end(), {"Kept.sgm", "autosave", "main.txc"});
  std::sort(others.begin(), others.end());
  EXPECT_EQ(
      std::tuple(Names(saves), Names(pictures), Bytes(pictures / "Kept.jpg"),
                 fs::exists(pictures / ".pictorio-save-Folder" / ".pictorio-save-Inside"),
                 Bytes(app.dir / "outside.txt"), fs::exists(app.dir / ".pictorio-save-RootXy")),
      std::tuple(others, (Lines{".pictorio-save-Folder", ".pictorio-save-Linked", "Kept.jpg"}),
                 "old picture", true, "mine", true));
}

TEST(SaveFiles, WritesWindows1252WithCrLfAndRefusesWhatItCannotHold) {
  TestApp app;
  const fs::path file = app.dir / "note.txt";
  const std::string written = "Caf\xe9 \x80\x35\r\n\r\nend\r\n";  // \x35: the 5
  std::string error;
  ASSERT_TRUE(WriteTextLinesSafely(file.string(), {"Café €5", "", "end"}, &error)) << error;
  EXPECT_EQ(Bytes(file), written);
  EXPECT_FALSE(WriteTextLinesSafely(file.string(), {"smile \xf0\x9f\x98\x80"}, &error));
  EXPECT_NE(error.find("Windows-1252"), std::string::npos) << error;
  EXPECT_EQ(Bytes(file), written);
}

TEST(SavedGames, LoadingBringsBackEverythingClosesTheShopAndAdvancesTheClockOneHour) {
  TestApp app;
  MakeRichGame(app, "Rich");
  app.main().Save1Click();
  // The venues are compared on their own: a load empties the half-entered ones.
  auto unentered = app.game.Venues;
  for (submittedpic& venue : unentered) venue.Submitted = false;
  const Lines saved = WriteSavedGame(app.game.GameState, unentered);
  app.StartNewGame("Poor");  // Rich was just saved: nothing to ask
  app.game.Venues[kVenueLocal].Entries = {"a", "b", "c", "d", "e", ""};
  app.game.Venues[kVenueLocal].Submitted = true;
  app.main().Shop1Click();
  ASSERT_TRUE(app.forms().Form10->Showing());
  app.platform.messages.clear();
  app.platform.answers.push_back(ModalResult::No);  // do not save Poor
  ChooseInLoadDialog(app, "Rich");
  app.main().LoadGame1Click();

  const Game& g = app.game;
  EXPECT_EQ(std::tuple(app.platform.MessageTexts(), app.platform.modalsShown,
                       app.forms().Form10->Showing(), g.GameRunning, g.HasSaveFile,
                       app.main().Timer1.Enabled(), g.ElapsedHours),
            std::tuple(Lines{"Do you want to save the current game? (Poor)"}, Lines{"Load Game"},
                       false, true, true, true, 8));
  Lines loaded = WriteSavedGame(g.GameState, unentered);
  EXPECT_EQ(loaded[4], "8");
  loaded[4] = "7";
  EXPECT_EQ(loaded, saved);
  // The loaded entries replace the game before's; "entered" only with the last place taken.
  EXPECT_EQ(g.Venues[kVenueNational].Entries, (Lines{"Entered one", "", "", "", "", "", ""}));
  EXPECT_EQ(g.Venues[kVenueLocal].Entries, Lines(6, ""));
  EXPECT_EQ(std::pair(g.Venues[kVenueNational].Submitted, g.Venues[kVenueLocal].Submitted),
            std::pair(false, false));
  TForm3& bar = *app.forms().Form3;
  EXPECT_EQ((Lines{Text(bar.Label1), Text(bar.Label6), Text(bar.Label7), Text(bar.Label8)}),
            (Lines{"Rich", "-12", "0.30", "3"}));
  EXPECT_EQ(bar.ListBox3.Items, Lines{"PIC"});
}

// After Yes to saving, the game just saved comes back one hour later.
TEST(SavedGames, CancellingTheLoadDialog) {
  TestApp app;
  app.StartNewGame("Keeper");
  app.game.GameState.Money = 33.0;
  app.platform.answers.push_back(ModalResult::Yes);
  app.main().LoadGame1Click();
  EXPECT_EQ(std::tuple(app.game.GameRunning, app.game.GameState.Money, app.game.ElapsedHours,
                       app.main().Timer1.Enabled()),
            std::tuple(true, 33.0, 2, true));
}

// A copy whose first line names another game's player saves back into
// itself, never over that game; the running copy cannot be deleted.
TEST(SavedGames, ALoadedCopySavesIntoItsOwnFile) {
  TestApp app;
  app.StartNewGame("Alice");
  app.game.GameState.Money = 480.0;
  app.main().Save1Click();
  const std::string alice = Bytes(GameFile(app, "Alice"));
  Lines copy = FileLines(GameFile(app, "Alice"));
  copy[3] = "25";
  std::string error;
  ASSERT_TRUE(
      WriteTextLinesSafely(GameFile(app, "Alice before the market").string(), copy, &error));
  WriteBytes(app.dir / "savegames" / "main.txc", "r\r\nr\r\nAlice\r\nAlice before the market\r\n");

  app.platform.answers.push_back(ModalResult::No);
  ChooseInLoadDialog(app, "Alice before the market");
  app.main().LoadGame1Click();
  ASSERT_EQ(app.game.GameState.Money, 25.0);
  app.platform.messages.clear();
  app.game.GameState.Money = 30.0;
  app.main().Save1Click();
  EXPECT_EQ(Bytes(GameFile(app, "Alice")), alice);
  EXPECT_EQ(FileLines(GameFile(app, "Alice before the market"))[3], "30");
  app.platform.modalScripts.push_back([&](QDialog&) {
    app.forms().Form6->ComboBox1->setCurrentIndex(1);
    app.forms().Form6->Button1Click();
  });
  app.main().Delete1Click();
  EXPECT_TRUE(app.platform.messages.empty());
  EXPECT_TRUE(fs::exists(GameFile(app, "Alice before the market")));
}

// A save that fails when a game ends must not lose it: the player is asked,
// and No goes back to the running game exactly as it was.
TEST(SavedGames, AFailedSaveWhenLeavingAGameAsksBeforeLosingIt) {
  TestApp app;
  app.StartNewGame("Fragile");
  app.main().Save1Click();
  Game& g = app.game;
  g.GameState.Money = 221.0;
  g.Venues[kVenueLocal].Entries = {"a", "b", "c", "d", "e", ""};
  g.Venues[kVenueLocal].Submitted = true;
  g.EventVenue = kVenueLocal;
  fs::remove_all(app.dir / "savegames");  // nothing can be written any more
  const std::string leave = "The game was not saved. Do you want to leave it without saving?";
  using A = ModalResult;
  struct Way {
    const char* name;
    std::function<void()> go;
    std::vector<A> answers;  // save, the error box, stay
  };
  const Way ways[] = {
      {"new game", [&] { app.main().New1Click(); }, {A::Yes, A::Ok, A::No}},
      {"load", [&] { app.main().LoadGame1Click(); }, {A::Yes, A::Ok, A::No}},
      {"exit", [&] { app.main().Exit1Click(); }, {A::Yes, A::Yes, A::Ok, A::No}},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    app.platform.messages.clear();
    app.platform.modalsShown.clear();
    app.platform.tracks.clear();
    app.platform.answers.assign(way.answers.begin(), way.answers.end());
    way.go();
    EXPECT_EQ(app.platform.MessageTexts().back(), leave);
    EXPECT_EQ(app.platform.messages.end()[-2].type, MsgType::Error);
    // Every answer used, no name asked, no Load Game dialog, the game and its music as they were.
    EXPECT_EQ(std::tuple(app.platform.answers.size(), app.platform.inputCaptions.size(),
                         app.platform.modalsShown.size(), g.GameRunning, g.GameState.PlayerName,
                         g.GameState.Money, g.Venues[kVenueLocal].Submitted, g.EventVenue,
                         app.main().Timer1.Enabled(), app.platform.tracks.size()),
              std::tuple(0u, 1u, 0u, true, "Fragile", 221.0, true, kVenueLocal, true,
                         std::string(way.name) == "exit" ? 1u : 0u));
  }
  // Yes to leaving unsaved ends the game and the new one starts.
  app.platform.answers = {A::Yes, A::Ok, A::Yes, A::Ok};
  app.platform.inputs = {std::string("Fresh")};
  app.main().New1Click();
  EXPECT_EQ(g.GameState.PlayerName, "Fresh");
  EXPECT_EQ(g.GameState.Money, 25.0);
}

TEST(SavedGames, TheLoadDialogRefusesMissingAndDamagedFilesAndNothingStarts) {
  TestApp app;
  app.StartNewGame("Whole");
  app.main().Save1Click();
  Lines damaged = FileLines(GameFile(app, "Whole"));
  damaged[1] = "-4";
  std::string error;
  ASSERT_TRUE(WriteTextLinesSafely(GameFile(app, "Broken").string(), damaged, &error));
  // A pipe is no saved game, and is never waited on.
  ASSERT_EQ(mkfifo(GameFile(app, "Pipe").c_str(), 0600), 0);
  WriteBytes(app.dir / "savegames" / "main.txc",
             "r1\r\nr2\r\nWhole\r\nBroken\r\nGhost\r\nPipe\r\n");

  app.main().Timer1Timer();  // an hour since its save: Whole is asked about
  app.platform.messages.clear();
  app.platform.answers.push_back(ModalResult::No);  // end Whole without saving
  TForm5& load = *app.forms().Form5;
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(load.ComboBox1->count(), 4);
    EXPECT_EQ(load.ComboBox1->currentIndex(), -1);
    EXPECT_FALSE(load.Button1->isEnabled());
    for (int chosen : {1, 2, 3}) {
      load.ComboBox1->setCurrentIndex(chosen);
      load.Button1Click();
    }
    EXPECT_TRUE(load.Showing());
  });
  app.main().LoadGame1Click();
  const auto notFound = [&](const char* name) {
    return "The file '" + GameFile(app, name).string() + "' could not be found.";
  };
  EXPECT_EQ(app.platform.MessageTexts(),
            (Lines{"Do you want to save the current game? (Whole)",
                   "The saved game 'Broken' is damaged and cannot be loaded.\n"
                   "Line 2: the number of pictures cannot be negative.",
                   notFound("Ghost"), notFound("Pipe")}));
  EXPECT_EQ(std::tuple(app.platform.messages[1].type, app.game.GameRunning,
                       app.main().Timer1.Enabled(), app.game.ElapsedHours),
            std::tuple(MsgType::Error, false, false, 0));
}

TEST(SavedGames, DeletingAGameButNeverThePlayersOwn) {
  TestApp app;
  app.StartNewGame("Mine");
  app.main().Save1Click();
  app.StartNewGame("Other");
  app.main().Save1Click();
  ASSERT_EQ(IndexNames(app), (Lines{"Mine", "Other"}));
  TForm6& dialog = *app.forms().Form6;
  const auto choose = [&](int item, std::function<void()> then = {}) {
    app.platform.modalScripts.push_back([&dialog, item, then](QDialog&) {
      dialog.ComboBox1->setCurrentIndex(item);
      dialog.Button1Click();
      if (then) then();
    });
    app.main().Delete1Click();
  };
  // The running player's own game is refused without a word.
  app.platform.messages.clear();
  choose(1, [&] { EXPECT_TRUE(dialog.Showing()); });
  EXPECT_TRUE(app.platform.messages.empty());
  EXPECT_TRUE(fs::exists(GameFile(app, "Other")));

  // No keeps it, and the dialog stays open; Yes removes line and file and closes.
  app.platform.answers = {ModalResult::No, ModalResult::Yes};
  choose(0, [&] {
    EXPECT_TRUE(dialog.Showing());
    EXPECT_TRUE(fs::exists(GameFile(app, "Mine")));
    dialog.Button1Click();
    EXPECT_FALSE(dialog.Showing());
  });
  EXPECT_EQ(app.platform.MessageTexts(),
            (Lines(2, "Are you sure you want to delete the game : 'Mine'")));
  EXPECT_FALSE(fs::exists(GameFile(app, "Mine")));
  EXPECT_EQ(FileLines(app.dir / "savegames" / "main.txc"),
            (Lines{"Pictorio saved games", "One game name per line below", "Other"}));
}

// An edited index must not lead Load or Delete outside the save folder.
TEST(SavedGames, IndexNamesThatAreNoGameNamesNeverTouchAFile) {
  TestApp app;
  app.StartNewGame("Good");
  app.main().Save1Click();
  const std::string good = Bytes(GameFile(app, "Good"));
  // A well-formed game lies one folder up, where "../Outside" would reach it.
  WriteBytes(app.dir / "Outside.sgm", good);
  WriteBytes(app.dir / "savegames" / "main.txc",
             "r1\r\nr2\r\n../Outside\r\n..\r\nsub/dir\r\nGood\r\nPIC\r\n");
  app.StartNewGame("Other");  // Good is no longer the player, so it may be deleted
  EndGame(app.game, app.forms());

  // The dialog does not offer them; the one real game is found at its own line.
  TForm6& remove = *app.forms().Form6;
  app.platform.answers = {ModalResult::Yes};
  app.platform.modalScripts.push_back([&](QDialog&) {
    ASSERT_EQ(remove.ComboBox1->count(), 1);
    EXPECT_EQ(remove.ComboBox1->itemText(0).toStdString(), "Good");
    remove.ComboBox1->setCurrentIndex(0);
    remove.Button1Click();
  });
  app.main().Delete1Click();
  EXPECT_FALSE(fs::exists(GameFile(app, "Good")));
  const Lines left = {"../Outside", "..", "sub/dir", "PIC"};
  EXPECT_EQ(IndexNames(app), left);

  // Asked for directly, as after the index changed under the open dialog,
  // the removal refuses it and leaves every file alone.
  ASSERT_TRUE(ReadSaveIndex(app.game, app.forms()));
  std::string error;
  EXPECT_FALSE(RemoveSavedGame(app.game, app.forms(), 0, &error));
  EXPECT_NE(error.find("../Outside"), std::string::npos) << error;
  EXPECT_EQ(Bytes(app.dir / "Outside.sgm"), good);
  EXPECT_EQ(IndexNames(app), left);
}

fs::path AutosaveFile(const TestApp& app, const std::string& player) {
  return app.dir / "savegames" / "autosave" / (player + ".sgm");
}

// From Sunday 23:00 the next tick starts a week.
void TickIntoANewWeek(TestApp& app) {
  TickTo(app, 7 * 24);
}

TEST(Autosave, EachWeekBeginsWithOneThatLoadsBackAsTheGameWas) {
  TestApp app;
  MakeRichGame(app, "Rich");
  // Half-entered venues come back emptied from any load; this one has none.
  app.game.Venues[kVenueNational].Submitted = false;
  app.game.Venues[kVenueNational].Entries.assign(7, "");
  app.game.GameState.Pictures[1].AtVenue = false;
  const Lines shownText = app.forms().Form3->ListBox1.Items;
  app.main().Timer1Timer();  // Monday 8:00 is no new week
  EXPECT_FALSE(fs::exists(AutosaveFile(app, "Rich")));
  TickIntoANewWeek(app);
  const Lines written = WriteSavedGame(app.game.GameState, app.game.Venues);
  EXPECT_EQ(FileLines(AutosaveFile(app, "Rich")), written);
  // The player's own saves are untouched, and a cancelled Load still goes
  // back to the text the player last saved or loaded.
  EXPECT_FALSE(fs::exists(GameFile(app, "Rich")));
  EXPECT_TRUE(IndexNames(app).empty());
  EXPECT_EQ(app.forms().Form3->ListBox1.Items, shownText);

  app.platform.answers.push_back(ModalResult::No);
  app.StartNewGame("Other");
  app.platform.answers.push_back(ModalResult::No);  // do not save Other
  ChooseInLoadDialog(app, "Autosave of Rich");
  app.main().LoadGame1Click();
  Lines reloaded = WriteSavedGame(app.game.GameState, app.game.Venues);
  reloaded[4] = written[4];  // a load moves the clock on an hour
  EXPECT_EQ(reloaded, written);

  // Saved by the player it becomes Rich's game, asking before replacing one.
  app.platform.messages.clear();
  app.main().Save1Click();
  EXPECT_EQ(IndexNames(app), Lines{"Rich"});
  EXPECT_TRUE(app.platform.messages.empty());
  ChooseInLoadDialog(app, "Autosave of Rich");
  app.platform.answers = {ModalResult::No, ModalResult::No};  // do not save; do not replace Rich
  app.main().LoadGame1Click();
  app.main().Save1Click();
  EXPECT_EQ(app.platform.MessageTexts().back(),
            "A saved game for 'Rich' already exists. Do you want to replace it?");

  // Switched off in Options, remembered, no week writes one.
  fs::remove(AutosaveFile(app, "Rich"));
  app.main().Autosave1->trigger();
  app.Restart();
  EXPECT_FALSE(app.main().Autosave1->isChecked());
  app.StartNewGame("Rich");
  TickIntoANewWeek(app);
  EXPECT_FALSE(fs::exists(AutosaveFile(app, "Rich")));
}

TEST(Autosave, LeavingTheProgramUnsavedKeepsTheGameThereAndAFailureIsSaidOnce) {
  TestApp app;
  app.StartNewGame("Ivy");
  app.main().Save1Click();
  const std::string saved = Bytes(GameFile(app, "Ivy"));
  app.game.GameState.Money = 99.0;
  const Lines unsaved = WriteSavedGame(app.game.GameState, app.game.Venues);
  app.platform.answers = {ModalResult::No};  // do not save at exit
  app.main().close();
  EXPECT_EQ(Bytes(GameFile(app, "Ivy")), saved);
  EXPECT_EQ(FileLines(AutosaveFile(app, "Ivy")), unsaved);

  TestApp blocked;
  blocked.StartNewGame("Dos");
  WriteBytes(blocked.dir / "savegames" / "autosave", "a file in the folder's place");
  blocked.platform.messages.clear();
  TickIntoANewWeek(blocked);
  TickIntoANewWeek(blocked);
  ASSERT_EQ(blocked.platform.messages.size(), 1u);
  EXPECT_NE(blocked.platform.messages[0].text.find("could not be saved automatically"),
            std::string::npos);
  EXPECT_TRUE(blocked.main().Timer1.Enabled());
}

}  // namespace
}  // namespace pictorio
