// Starting, running and ending a game; the room's hot spots and the sound menus.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/game_flow.h"
#include "app/main_window.h"
#include "studio/studio_window.h"
#include "support/test_app.h"
#include "ui/info_bar.h"
#include "venues/calendar_window.h"
#include "venues/entry_window.h"

namespace pictorio {
namespace {

TEST(NewGame, StartsWithTwentyFiveDollarsAtHourTwo) {
  TestApp app;
  app.StartNewGame("Vincent");
  const Game& g = app.game;
  TForm3& bar = *app.forms().Form3;

  EXPECT_TRUE(g.GameRunning);
  EXPECT_EQ(g.GameState.PlayerName, "Vincent");
  EXPECT_EQ(g.SaveName, "Vincent");
  EXPECT_EQ(g.GameState.Money, 25.0);
  EXPECT_EQ(g.GameState.Reputation, 0);
  EXPECT_EQ(g.GameState.PictureCount, 0);
  EXPECT_TRUE(g.GameState.Pictures.empty());
  EXPECT_EQ(g.ElapsedHours, 1);
  EXPECT_EQ(g.GameState.SavedHours, 1);
  EXPECT_EQ(g.ClockText, "Year: 1 Week: 1 Day: 1 Hour: 2");
  EXPECT_FALSE(g.HasSaveFile);
  for (int slot = 1; slot <= kStockSlots; ++slot) {
    EXPECT_EQ(g.GameState.Stock[slot].Kind, "x");
    EXPECT_FALSE(g.GameState.Stock[slot].Owned);
    EXPECT_EQ(g.GameState.Stock[slot].Units, 0);
  }
  for (int k = 1; k <= kTrophyCount; ++k) EXPECT_FALSE(g.GameState.Trophies[k]);

  EXPECT_EQ(Text(bar.Label1), "Vincent");
  EXPECT_EQ(Text(bar.Label7), "25.00");
  EXPECT_EQ(Text(bar.Label10), "Year: 1 Week: 1 Day: 1 Hour: 2");
  EXPECT_TRUE(bar.Showing());

  TForm1& main = app.main();
  EXPECT_TRUE(main.Timer1.Enabled());
  for (QAction* on : {main.paint1, main.Calendar1, main.Save1, main.Shop1, main.SubmitPictures1})
    EXPECT_TRUE(on->isEnabled()) << on->text().toStdString();
  EXPECT_FALSE(main.nowEvent1->isEnabled());
  EXPECT_FALSE(app.forms().Form4->Button2->isEnabled());
  EXPECT_TRUE(main.Image20->ShowHint());
  EXPECT_TRUE(main.Image21->ShowHint());
  EXPECT_TRUE(main.Image22->ShowHint());
  EXPECT_FALSE(main.Image1->ShowHint());
  EXPECT_EQ(app.platform.inputCaptions, std::vector<std::string>{"New Game"});
  EXPECT_EQ(app.platform.MessageTexts(), std::vector<std::string>{"Start new game?"});
}

TEST(NewGame, PutsTheNewGameTextIntoTheSharedList) {
  TestApp app;
  app.StartNewGame("Ann");
  const TStringList& text = app.forms().Form3->ListBox1;
  ASSERT_EQ(text.Count(), 6 + 60 * 5 + 14 * 2);
  EXPECT_EQ(std::vector<std::string>(text.Items.begin(), text.Items.begin() + 11),
            (std::vector<std::string>{"Ann", "0", "0", "25", "0", "Pics", "stuffx", "", "x",
                                      "FALSE", "0"}));
  EXPECT_EQ(text[text.Count() - 2], "trophiex");
  EXPECT_EQ(text[text.Count() - 1], "FALSE");
}

TEST(NewGame, CancellingTheNameBoxPlaysAsAnonymous) {
  TestApp app;
  app.Start();
  app.platform.answers = {ModalResult::Ok};
  app.platform.inputs = {std::nullopt};
  app.main().New1Click();
  EXPECT_TRUE(app.game.GameRunning);
  EXPECT_EQ(app.game.GameState.PlayerName, "Anonymous");
}

TEST(NewGame, AnEmptyNameOrCancelStartsNothing) {
  TestApp app;
  app.Start();
  app.platform.answers = {ModalResult::Ok};
  app.platform.inputs = {std::string()};
  app.main().New1Click();
  EXPECT_FALSE(app.game.GameRunning);
  EXPECT_EQ(app.game.GameState.Money, 0.0);
  EXPECT_FALSE(app.main().Timer1.Enabled());

  app.platform.answers = {ModalResult::Cancel};
  app.main().New1Click();
  EXPECT_FALSE(app.game.GameRunning);
  EXPECT_TRUE(app.platform.inputs.empty());
  EXPECT_EQ(app.platform.inputCaptions.size(), 1u);
}

// Whatever the answer to saving, a change of mind later leaves the game
// running, and no game hour passes while a question waits.
TEST(NewGame, AChangeOfMindAtAnyQuestionKeepsTheOldGameRunning) {
  using A = ModalResult;
  using Inputs = std::deque<std::optional<std::string>>;
  struct Row {
    std::vector<A> answers;
    Inputs names;
    std::vector<std::string> asked;
  };
  const std::string save = "Do you want to save the current game? (First)";
  const std::string refused =
      "Your game is saved under your name, so the name cannot contain \"/\" or \"\\\".";
  const Row rows[] = {
      {{A::No, A::Cancel}, {}, {save, "Start new game?"}},
      {{A::Yes, A::Cancel}, {}, {save, "Start new game?"}},
      {{A::No, A::Ok}, {std::string("")}, {save, "Start new game?"}},
      // A refused name comes back to be mended; the same text again gives up.
      {{A::No, A::Ok, A::Ok}, {std::string("a/b"), std::nullopt},
       {save, "Start new game?", refused}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.asked.size());
    TestApp app;
    app.StartNewGame("First");
    app.game.GameState.Money = 40.0;
    app.platform.messages.clear();
    app.platform.answers.assign(row.answers.begin(), row.answers.end());
    app.platform.inputs = row.names;
    app.platform.whileMessageOpen = [&app](const ScriptedPlatform::Message&) {
      EXPECT_TRUE(app.main().Timer1.Held());
    };
    app.main().New1Click();
    EXPECT_EQ(app.platform.MessageTexts(), row.asked);
    EXPECT_TRUE(app.game.GameRunning);
    EXPECT_EQ(app.game.GameState.PlayerName, "First");
    EXPECT_EQ(app.game.GameState.Money, 40.0);
    EXPECT_TRUE(app.main().Timer1.Enabled());
    EXPECT_FALSE(app.main().Timer1.Held());
    EXPECT_EQ(Text(app.forms().Form3->Label1), "First");
  }
  // Mended, the name starts the new game.
  TestApp app;
  app.StartNewGame("First");
  app.platform.answers = {A::No, A::Ok, A::Ok};
  app.platform.inputs = {std::string("a/b"), std::string("ab")};
  app.main().New1Click();
  EXPECT_EQ(app.game.GameState.PlayerName, "ab");
  EXPECT_EQ(app.game.GameState.Money, 25.0);
}

TEST(NewGame, ASecondGameKeepsStockNamesButNothingElse) {
  TestApp app;
  app.StartNewGame("First");
  stuffrec& canvas = app.game.GameState.Stock[kSlotCanvas];
  canvas = stuffrec{"canvas", "", true, 3000};
  app.game.GameState.Trophies[7] = true;
  app.game.GameState.Pictures.push_back(picrec{"Sunset", "t", 10.0, false, false});
  app.game.GameState.PictureCount = 1;

  app.platform.answers = {ModalResult::No, ModalResult::Ok};
  app.platform.inputs = {std::string("Second")};
  app.main().New1Click();
  EXPECT_EQ(app.game.GameState.PlayerName, "Second");
  EXPECT_EQ(canvas.Name, "canvas");
  EXPECT_EQ(canvas.Kind, "x");
  EXPECT_FALSE(canvas.Owned);
  EXPECT_EQ(canvas.Units, 0);
  EXPECT_FALSE(app.game.GameState.Trophies[7]);
  EXPECT_EQ(app.game.GameState.PictureCount, 0);
  EXPECT_TRUE(app.game.GameState.Pictures.empty());
  EXPECT_EQ(app.game.ElapsedHours, 1);
}

// The bar must not keep the figures of a game that was loaded, or blanks
// left by one that ended, once a new game has started.
TEST(NewGame, TheInfoBarShowsOnlyTheNewGamesFigures) {
  TestApp app;
  app.StartNewGame("First");
  TForm3& bar = *app.forms().Form3;
  ShowReputation(bar, 57);
  ShowPictureCount(bar, 9);
  app.platform.answers = {ModalResult::No, ModalResult::Ok};
  app.platform.inputs = {std::string("Second")};
  app.main().New1Click();
  EXPECT_EQ(Text(bar.Label1), "Second");
  EXPECT_EQ(Text(bar.Label6), "0");
  EXPECT_EQ(Text(bar.Label7), "25.00");
  EXPECT_EQ(Text(bar.Label8), "0");
  EXPECT_EQ(Text(bar.Label10), "Year: 1 Week: 1 Day: 1 Hour: 2");

  // After an ended game the figures were blank; the next game fills them all.
  EndGame(app.game, app.forms());
  ASSERT_EQ(Text(bar.Label6), "");
  app.StartNewGame("Third");
  EXPECT_EQ(Text(bar.Label6), "0");
  EXPECT_EQ(Text(bar.Label8), "0");
}

TEST(NewGame, StartsWithNoEntriesAtAnyVenue) {
  TestApp app;
  app.StartNewGame("First");
  Game& g = app.game;
  g.Venues[kVenueLocal].Entries = {"A", "B", "C", "D", "E", ""};
  g.Venues[kVenueLocal].Submitted = true;
  g.Venues[kVenueInternational].Entries[0] = "F";
  app.forms().Form8->ListBox1->addItem("A");

  app.platform.answers = {ModalResult::No, ModalResult::Ok};
  app.platform.inputs = {std::string("Second")};
  app.main().New1Click();
  for (int v = 1; v <= 4; ++v) {
    EXPECT_FALSE(g.Venues[v].Submitted) << v;
    EXPECT_EQ(g.Venues[v].Entries,
              std::vector<std::string>(static_cast<std::size_t>(g.Venues[v].Slots + 1), ""))
        << v;
  }
  EXPECT_EQ(app.forms().Form8->ListBox1->count(), 0);

  // Thursday opens no exhibition for the new player, and the first save
  // writes no entries.
  g.ElapsedHours = 3 * 24 - 1;
  app.main().Timer1Timer();
  EXPECT_EQ(g.ClockDay, 3);
  EXPECT_FALSE(g.EventOpen);
  EXPECT_EQ(g.EventVenue, 0);
  app.main().Save1Click();
  const TStringList& text = app.forms().Form3->ListBox1;
  for (const std::string& line : text.Items) EXPECT_NE(line, "LOCALXXB");
  EXPECT_EQ(text.Count(), 7 + 300 + 28);
}

TEST(NewGame, ClosesTheStudioAndTheCalendar) {
  TestApp app;
  app.StartNewGame("First");
  app.main().paint1Click();
  EXPECT_TRUE(app.forms().Form2->Showing());
  app.platform.answers = {ModalResult::No, ModalResult::Ok};
  app.platform.inputs = {std::string("Second")};
  app.main().New1Click();
  EXPECT_FALSE(app.forms().Form2->Showing());
  EXPECT_FALSE(app.forms().Form4->Showing());
}

TEST(EndGame, EmptiesTheGameAndTheInfoBar) {
  TestApp app;
  app.StartNewGame("Quitter");
  app.game.GameState.Reputation = 12;
  app.game.GameState.PicturesSold = 3;
  app.game.GameState.Stock[kSlotTelephone] = stuffrec{"telephone", "w", true, 1000};
  app.platform.answers = {ModalResult::No};
  app.main().FormClose();  // leaving offers to save; No ends the game

  const Game& g = app.game;
  EXPECT_FALSE(g.GameRunning);
  EXPECT_EQ(g.GameState.PlayerName, "Quitter");
  EXPECT_EQ(g.GameState.Money, 0.0);
  EXPECT_EQ(g.GameState.Reputation, 0);
  EXPECT_EQ(g.GameState.PicturesSold, 0);
  EXPECT_FALSE(g.GameState.Stock[kSlotTelephone].Owned);
  EXPECT_EQ(g.ElapsedHours, 0);
  EXPECT_EQ(g.ClockDay, 0);
  TForm3& bar = *app.forms().Form3;
  EXPECT_EQ(Text(bar.Label1), "");
  EXPECT_EQ(Text(bar.Label6), "");
  EXPECT_EQ(Text(bar.Label7), "");
  EXPECT_EQ(Text(bar.Label8), "");
  EXPECT_EQ(Text(bar.Label10), "No game in progress");
  TForm1& main = app.main();
  EXPECT_FALSE(main.Timer1.Enabled());
  for (QAction* off :
       {main.paint1, main.Calendar1, main.Save1, main.Shop1, main.SubmitPictures1, main.nowEvent1})
    EXPECT_FALSE(off->isEnabled());
  EXPECT_FALSE(main.Image20->ShowHint());
  EXPECT_TRUE(main.Image1->ShowHint());
  EXPECT_FALSE(main.Image4->Visible());
}

TEST(EndGame, ReleasesTheEntriesOfTheCurrentEvent) {
  TestApp app;
  app.StartNewGame("Seller");
  who& state = app.game.GameState;
  state.Pictures = {{"A", "t", 5, true, false}, {"B", "t", 5, true, true}};
  state.PictureCount = 2;
  app.game.Venues[kVenueLocal].Entries = {"A", "B", "", "", "", ""};
  app.game.Venues[kVenueLocal].Submitted = true;
  app.game.EventVenue = kVenueLocal;
  app.game.EntriesSold = 1;
  app.game.SellOutRewarded = true;
  app.platform.answers = {ModalResult::No};
  app.main().FormClose();
  // The pictures are gone with the game; the venue's places are free again.
  EXPECT_FALSE(app.game.Venues[kVenueLocal].Submitted);
  EXPECT_EQ(app.game.EventVenue, 0);
  EXPECT_EQ(app.game.EntriesSold, 0);
  EXPECT_FALSE(app.game.SellOutRewarded);
}

TEST(HotSpots, DoNothingWithoutAGameExceptTheExit) {
  TestApp app;
  app.Start();
  TForm1& main = app.main();
  main.Image20Click();
  main.Image21Click();
  main.Image22Click();
  EXPECT_FALSE(app.forms().Form4->Showing());
  EXPECT_FALSE(app.forms().Form2->Showing());
  EXPECT_TRUE(app.platform.messages.empty());

  app.platform.answers = {ModalResult::No};
  main.Image23Click();
  EXPECT_EQ(app.platform.MessageTexts(), std::vector<std::string>{"Do you want to exit?"});
  EXPECT_EQ(app.platform.musicStops, 0);
}

TEST(HotSpots, CalendarIsDeadWhileTheStudioIsOpen) {
  TestApp app;
  app.StartNewGame();
  TForm1& main = app.main();
  main.Image22Click();
  EXPECT_TRUE(app.forms().Form2->Showing());
  EXPECT_FALSE(main.Calendar1->isEnabled());
  main.Image20Click();
  EXPECT_FALSE(app.forms().Form4->Showing());
}

TEST(HotSpots, SitOverTheRoomWithTheirHints) {
  TestApp app;
  app.Start();
  TForm1& main = app.main();
  EXPECT_EQ(main.Image20->geometry(), QRect(208, 152, 113, 89));
  EXPECT_EQ(main.Image21->geometry(), QRect(64, 496, 137, 97));
  EXPECT_EQ(main.Image22->geometry(), QRect(216, 288, 145, 257));
  EXPECT_EQ(main.Image23->geometry(), QRect(720, 328, 57, 73));
  EXPECT_EQ(main.Image20->Hint(), "Show Calendar");
  EXPECT_EQ(main.Image21->Hint(), "Go to Shop");
  EXPECT_EQ(main.Image22->Hint(), "Go to Studio");
  EXPECT_EQ(main.Image23->Hint(), "Exit Game");
  EXPECT_EQ(main.Image1->Hint(), "Use dropdown-menu to start new game or load a previous one");
  EXPECT_TRUE(main.Image23->ShowHint());
  EXPECT_FALSE(main.Image20->ShowHint());
  EXPECT_EQ(main.Image18->geometry(), QRect(480, 16, 65, 114));
  EXPECT_EQ(main.Image2->geometry(), QRect(374, 81, 378, 482));
}

TEST(Exit, YesStopsTheMusicAndClosesAfterOfferingToSave) {
  TestApp app;
  app.StartNewGame("Leaver");
  app.platform.messages.clear();
  app.platform.answers = {ModalResult::Yes, ModalResult::No};
  app.main().Exit1Click();
  EXPECT_EQ(app.platform.MessageTexts(),
            (std::vector<std::string>{"Do you want to exit?",
                                      "Do you want to save the current game? (Leaver)"}));
  EXPECT_EQ(app.platform.musicStops, 1);
  EXPECT_FALSE(app.game.GameRunning);
}

TEST(Exit, AGameThatCouldNotBeSavedIsNotLeftUnasked) {
  TestApp app;
  app.StartNewGame("Stuck");
  app.game.GameState.Money = 77.0;
  std::filesystem::remove_all(app.dir / "savegames");
  const std::string leave = "The game was not saved. Do you want to leave it without saving?";

  // Exit, save, the save fails, stay: the game goes on with its clock and music.
  app.platform.messages.clear();
  app.platform.tracks.clear();
  // The answers: exit, save, the save's error box, stay.
  app.platform.answers = {ModalResult::Yes, ModalResult::Yes, ModalResult::Ok, ModalResult::No};
  app.main().Exit1Click();
  ASSERT_EQ(app.platform.messages.size(), 4u);
  EXPECT_EQ(app.platform.messages[2].type, MsgType::Error);
  EXPECT_EQ(app.platform.messages[3].text, leave);
  EXPECT_TRUE(app.game.GameRunning);
  EXPECT_EQ(app.game.GameState.Money, 77.0);
  EXPECT_TRUE(app.main().Timer1.Enabled());
  EXPECT_EQ(app.platform.tracks.size(), 1u) << "the music starts again";

  // Closing the window by other means asks the same; Yes leaves at last.
  app.platform.answers = {ModalResult::Yes, ModalResult::Ok, ModalResult::No};
  EXPECT_FALSE(app.main().FormClose());
  EXPECT_TRUE(app.game.GameRunning);
  app.platform.answers = {ModalResult::Yes, ModalResult::Ok, ModalResult::Yes};
  EXPECT_TRUE(app.main().FormClose());
  EXPECT_FALSE(app.game.GameRunning);
  EXPECT_FALSE(app.main().Timer1.Enabled());
}

TEST(SoundMenus, MusicComesBackWithTheMainTheme) {
  TestApp app;
  app.Start();
  TForm1& main = app.main();
  app.game.MusicTheme = 50;
  main.Music1Click();
  EXPECT_FALSE(app.game.MusicOn);
  EXPECT_FALSE(main.Music1->isChecked());
  EXPECT_EQ(app.platform.musicStops, 1);
  const std::size_t played = app.platform.tracks.size();
  // No new track while music is off, even when one ends.
  app.platform.FinishPlayback(MediaChannel::Music);
  EXPECT_EQ(app.platform.tracks.size(), played);

  app.platform.randoms = {10};
  main.Music1Click();
  EXPECT_TRUE(app.game.MusicOn);
  EXPECT_TRUE(main.Music1->isChecked());
  EXPECT_EQ(app.game.MusicTheme, 10);
  ASSERT_EQ(app.platform.tracks.size(), played + 1);
  EXPECT_EQ(app.platform.tracks.back(), (app.dir / "sound/music/m20.mid").string());
}

TEST(SoundMenus, EachThemeDrawsFromItsOwnTracks) {
  TestApp app;
  app.Start();
  struct Case {
    int theme;
    int n;
    int draw;
    const char* file;
  };
  for (const Case& c :
       {Case{20, 5, 4, "m64.mid"}, Case{30, 3, 0, "m30.mid"}, Case{40, 3, 2, "m42.mid"},
        Case{50, 3, 1, "m51.mid"}, Case{10, 11, 0, "m10.mid"}}) {
    app.game.MusicTheme = c.theme;
    app.game.MusicRestart = true;
    app.platform.randomCalls.clear();
    app.platform.randoms = {c.draw};
    app.main().MediaPlayer2Notify();
    EXPECT_EQ(app.platform.randomCalls, std::vector<int>{c.n});
    EXPECT_EQ(app.platform.tracks.back(), (app.dir / "sound/music" / c.file).string());
  }
  // Without a restart pending, a direct call starts nothing.
  const std::size_t played = app.platform.tracks.size();
  app.main().MediaPlayer2Notify();
  EXPECT_EQ(app.platform.tracks.size(), played);
}

TEST(SoundMenus, SoundToggleSilencesEffects) {
  TestApp app;
  app.Start();
  TForm1& main = app.main();
  main.PlaySound("\\sound\\sounds\\s1.wav");
  main.Sound1Click();
  EXPECT_FALSE(app.game.SoundOn);
  EXPECT_FALSE(main.Sound1->isChecked());
  main.PlaySound("\\sound\\sounds\\s2.wav");
  main.Sound1Click();
  EXPECT_TRUE(app.game.SoundOn);
  main.PlaySound("\\sound\\sounds\\s3.wav");
  EXPECT_EQ(app.platform.EffectNames(), (std::vector<std::string>{"s1.wav", "s3.wav"}));
}

TEST(SoundMenus, TriggeringTheMenuItemTogglesOnce) {
  TestApp app;
  app.Start();
  app.main().Sound1->trigger();
  EXPECT_FALSE(app.game.SoundOn);
  EXPECT_FALSE(app.main().Sound1->isChecked());
  app.main().Sound1->trigger();
  EXPECT_TRUE(app.game.SoundOn);
  EXPECT_TRUE(app.main().Sound1->isChecked());
}

}  // namespace
}  // namespace pictorio
