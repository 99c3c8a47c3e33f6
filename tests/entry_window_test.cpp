// Entering pictures for a venue: the free pictures, the venue's number of
// places, accepting, clearing, leaving, refusals and lost picture files.
#include "venues/entry_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_window.h"
#include "support/pictures.h"
#include "support/test_app.h"
#include "ui/info_bar.h"
#include "venues/calendar_window.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

// A new game with `count` pictures "Pic 1".. and `reputation`; the clock stands
// on Monday (no event today).
void GameWithPictures(TestApp& app, int count, int reputation = 0) {
  app.StartNewGame();
  app.game.MusicOn = false;
  app.game.GameState.Reputation = reputation;
  for (int k = 1; k <= count; ++k) AddPicture(app, "Pic " + std::to_string(k), 10.0, k * 30);
}

void Choose(TForm8& entry, const std::string& title) {
  const int item = entry.ComboBox1->findText(QString::fromStdString(title));
  ASSERT_GE(item, 0) << title << " is not offered";
  entry.ComboBox1->setCurrentIndex(item);
}

void Enter(TForm8& entry, const std::string& title) {
  Choose(entry, title);
  entry.Button1Click();
}

std::vector<bool> AtVenue(const Game& g) {
  std::vector<bool> at;
  for (const picrec& picture : g.GameState.Pictures) at.push_back(picture.AtVenue);
  return at;
}

void ExpectNothingToDo(const TForm8& entry) {
  for (const QWidget* off : std::initializer_list<const QWidget*>{
           entry.ComboBox1, entry.Button1, entry.Button2, entry.Button3, entry.ListBox1})
    EXPECT_FALSE(off->isEnabled()) << entry.MemoText().front();
}

// The market's day: left empty-handed the entry window opens nothing more;
// four pictures accepted are recorded and lay out the stall once, which a
// later visit the same day finds as it was left.
TEST(EntryWindow, TheFleaMarketTakesFourPicturesRecordsThemAndOpensTheStallOnce) {
  TestApp app;
  GameWithPictures(app, 5);
  TickTo(app, 24);
  app.main().Save1Click();  // the morning's game, before anything is entered
  ASSERT_EQ(app.game.EventVenue, kVenueFlea);
  TForm4& calendar = *app.forms().Form4;
  TForm8& entry = *app.forms().Form8;
  Game& g = app.game;
  calendar.Button5Click();  // "Flea Market" on its day does what "Go To Event" does
  EXPECT_EQ(std::tuple(app.platform.modalsShown, g.EventVisitPrepared),
            std::tuple(Lines{"Submit Pictures"}, false));
  app.platform.modalsShown.clear();

  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_FALSE(app.main().Timer1.Enabled()) << "the clock stands still while entering";
    // The market keeper speaks.
    EXPECT_EQ(
        std::tuple(entry.MemoText(), entry.ComboBox1->currentIndex(), entry.Button2->isEnabled(),
                   entry.Button3->isEnabled(), app.platform.EffectNames().back()),
        std::tuple(Lines{"Hi, please submit 4 pictures. Accept your selection and exit to "
                         "go and sell your goods."},
                   -1, false, false, "s5.wav"));
    for (const char* title : {"Pic 2", "Pic 4", "Pic 1", "Pic 5"}) Enter(entry, title);
    EXPECT_EQ(
        std::tuple(app.platform.EffectNames().back(), entry.Button1->isEnabled(),
                   entry.ComboBox1->isEnabled(), entry.Button2->isEnabled(),
                   ListLines(*entry.ListBox1)),
        std::tuple("s15.wav", false, false, true, (Lines{"Pic 2", "Pic 4", "Pic 1", "Pic 5"})));
    const std::size_t before = app.forms().Form3->ListBox1.Items.size();
    entry.Button2Click();
    EXPECT_EQ(std::tuple(app.platform.EffectNames().back(), entry.Button2->isEnabled(),
                         entry.Button3->isEnabled()),
              std::tuple("s16.wav", false, false));
    const Lines& text = app.forms().Form3->ListBox1.Items;
    EXPECT_EQ(
        Lines(text.begin() + static_cast<long>(before), text.end()),
        (Lines{"FLEAXXB", "Pic 2", "FLEAXXB", "Pic 4", "FLEAXXB", "Pic 1", "FLEAXXB", "Pic 5"}));
    entry.Button2Click();  // a second acceptance records nothing twice
    EXPECT_EQ(text.size(), before + 8);
  });
  calendar.Button2Click();
  // The stall opens after the entries.
  EXPECT_EQ(std::tuple(g.Venues[kVenueFlea].Submitted, AtVenue(g), app.platform.modalsShown,
                       app.main().Timer1.Enabled(), g.EventVisitPrepared),
            std::tuple(true, std::vector<bool>{true, true, false, true, true},
                       Lines{"Submit Pictures", "Event"}, true, true));

  // Coming back the same day shows the entries, the done text and the stall as it was left.
  TForm9& venue = *app.forms().Form9;
  venue.SoldMark(2)->show();
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(ListLines(*entry.ListBox1), (Lines{"Pic 2", "Pic 4", "Pic 1", "Pic 5"}));
    EXPECT_EQ(entry.MemoText(), (Lines{"You cannot submit any other pictures today. But please "
                                       "visit your stall to assess your sales."}));
    ExpectNothingToDo(entry);
    EXPECT_EQ(Offered(*entry.ComboBox1), Lines{"Pic 3"});
  });
  calendar.Button2Click();
  EXPECT_EQ(std::tuple(g.Venues[kVenueFlea].Submitted, venue.SoldMark(2)->Visible()),
            std::tuple(true, true));

  // The morning's game, loaded again, lays out a stall of its own.
  const qint64 hung = venue.Frame(1)->Picture().cacheKey();
  app.platform.answers.push_back(ModalResult::No);  // do not save
  ChooseInLoadDialog(app, "Tester");
  app.main().LoadGame1Click();
  EnterAndAccept(app, {"Pic 1", "Pic 2", "Pic 3", "Pic 4"});
  calendar.Button2Click();
  EXPECT_NE(venue.Frame(1)->Picture().cacheKey(), hung);
  EXPECT_FALSE(venue.SoldMark(2)->Visible());
}

TEST(EntryWindow, LeavingBeforeAcceptingReleasesEveryEntryAndClearSelectionStartsOver) {
  TestApp app;
  GameWithPictures(app, 6, 20);
  TForm8& entry = *app.forms().Form8;
  Game& g = app.game;
  app.platform.modalScripts.push_back([&](QDialog&) {
    for (const char* title : {"Pic 1", "Pic 3", "Pic 6"}) Enter(entry, title);
    EXPECT_TRUE(g.GameState.Pictures[2].AtVenue);
    entry.Button4Click();
  });
  app.forms().Form4->Button1Click();
  // Back to today's (no) event.
  EXPECT_EQ(
      std::tuple(AtVenue(g), g.Venues[kVenueLocal].Entries, g.Venues[kVenueLocal].Submitted,
                 app.forms().Form3->ListBox3.Count(), g.EventVenue, app.main().Timer1.Enabled()),
      std::tuple(std::vector<bool>(6, false), Lines(6, ""), false, 6, 0, true));

  // Back again, everything is offered; Clear Selection lets the player start over.
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(std::tuple(Offered(*entry.ComboBox1).size(), entry.ListBox1->count()), std::tuple(6u, 0));
    Enter(entry, "Pic 2");
    Enter(entry, "Pic 5");
    entry.Button3Click();
    EXPECT_EQ(std::tuple(app.platform.EffectNames().back(), entry.ListBox1->count(),
                         g.GameState.Pictures[1].AtVenue, g.GameState.Pictures[4].AtVenue,
                         g.Venues[kVenueLocal].Entries[0], entry.Button3->isEnabled(),
                         entry.Button2->isEnabled(), entry.Button1->isEnabled()),
              std::tuple("s11.wav", 0, false, false, "", false, false, true));
    for (const char* title : {"Pic 5", "Pic 4", "Pic 3", "Pic 2", "Pic 1"}) Enter(entry, title);
    entry.Button2Click();
  });
  app.forms().Form4->Button1Click();
  EXPECT_EQ(std::tuple(g.Venues[kVenueLocal].Submitted, g.Venues[kVenueLocal].Entries, AtVenue(g)),
            std::tuple(true, Lines{"Pic 5", "Pic 4", "Pic 3", "Pic 2", "Pic 1", ""},
                       std::vector<bool>{true, true, true, true, true, false}));
}

TEST(EntryWindow, APictureIsEnteredOnceAndPicturesElsewhereAreNotOffered) {
  TestApp app;
  GameWithPictures(app, 7, 55);
  Game& g = app.game;
  TForm8& entry = *app.forms().Form8;
  g.GameState.Pictures[6].AtVenue = true;  // entered at the local gallery
  g.GameState.Pictures[5].Gone = true;     // sold
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(Offered(*entry.ComboBox1), (Lines{"Pic 1", "Pic 2", "Pic 3", "Pic 4", "Pic 5"}));
    Enter(entry, "Pic 2");
    Enter(entry, "Pic 2");
    entry.ComboBox1->setCurrentIndex(-1);
    entry.Button1Click();  // nothing chosen
    // Still listed until shown again.
    EXPECT_EQ(std::tuple(ListLines(*entry.ListBox1), entry.entryCount,
                         entry.ComboBox1->findText("Pic 2") >= 0),
              std::tuple(Lines{"Pic 2"}, 1, true));
  });
  app.forms().Form4->Button3Click();
  EXPECT_FALSE(g.GameState.Pictures[1].AtVenue) << "left without accepting";
}

// Refusals name the reputation (the market's own is the calendar's to check).
TEST(EntryWindow, RefusalsSayWhyALostFileIsNotEnteredAndTheHostIsQuietWhenClosed) {
  TestApp app;
  GameWithPictures(app, 5);
  TForm4& calendar = *app.forms().Form4;
  TForm8& entry = *app.forms().Form8;
  const std::tuple<int, void (TForm4::*)(), std::string> refusals[] = {
      {19, &TForm4::Button1Click,
       "This is the Local Gallery. You need to submit 5 pictures at least one day before the "
       "scheduled exhibition. You also need a reputation of 20. Your current reputation is 19."},
      {-3, &TForm4::Button4Click,
       "Unfortunately you are not yet skilled enough to exhibit your pictures here at the "
       "International Gallery. You need a reputation of 70. Your current reputation is -3."}};
  for (const auto& [reputation, door, memo] : refusals) {
    app.game.GameState.Reputation = reputation;
    app.platform.modalScripts.push_back([&entry, memo = memo](QDialog&) {
      EXPECT_EQ(entry.MemoText(), Lines{memo});
      ExpectNothingToDo(entry);
    });
    (calendar.*door)();
  }
  EXPECT_EQ(std::tuple(app.platform.modalsShown.size(), AtVenue(app.game)),
            std::tuple(2u, std::vector<bool>(5, false)));

  // A lost picture file is said and not entered; the host talks on opening.
  app.game.GameState.Reputation = 80;
  std::filesystem::remove(app.dir / "pictures" / "Pic 3.jpg");
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(std::tuple(BaseName(entry.Animate1->FileName()), entry.Timer1.Enabled(),
                         app.platform.EffectNames().back()),
              std::tuple("a5.avi", true, "s7.wav"));
    Enter(entry, "Pic 3");
    EXPECT_EQ(std::tuple(entry.ListBox1->count(), app.game.GameState.Pictures[2].AtVenue,
                         entry.Button3->isEnabled()),
              std::tuple(0, false, false));
    Enter(entry, "Pic 1");
    EXPECT_EQ(ListLines(*entry.ListBox1), Lines{"Pic 1"});
  });
  calendar.Button3Click();
  EXPECT_EQ(std::tuple(app.platform.messages.back().text, app.platform.messages.back().type),
            std::tuple("Sorry but you seem to have lost your picture: \"Pic 3.jpg\". Until found "
                       "please don't try to submit it.",
                       MsgType::Error));
  // Closed, the host is quiet.
  app.platform.effects.clear();
  entry.Timer2Timer();
  EXPECT_EQ(std::tuple(app.platform.effects.empty(), entry.Timer1.Enabled()),
            std::tuple(true, false));
}

}  // namespace
}  // namespace pictorio
