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

Lines Offered(const TForm8& entry) {
  Lines titles;
  for (int i = 0; i < entry.ComboBox1->count(); ++i)
    titles.push_back(entry.ComboBox1->itemText(i).toStdString());
  return titles;
}

TEST(EntryWindow, TheFleaMarketTakesFourPicturesAndRecordsThemOnAcceptance) {
  TestApp app;
  GameWithPictures(app, 5);
  TickTo(app, 24);
  ASSERT_EQ(app.game.EventVenue, kVenueFlea);
  TForm8& entry = *app.forms().Form8;
  Game& g = app.game;
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_FALSE(app.main().Timer1.Enabled()) << "the clock stands still while entering";
    EXPECT_EQ(entry.MemoText(), (Lines{"Hi, please submit 4 pictures. Accept your selection and "
                                       "exit to go and sell your goods."}));
    EXPECT_EQ(entry.ComboBox1->currentIndex(), -1);
    EXPECT_FALSE(entry.Button2->isEnabled());
    EXPECT_FALSE(entry.Button3->isEnabled());
    EXPECT_EQ(app.platform.EffectNames().back(), "s5.wav") << "the market keeper speaks";
    for (const char* title : {"Pic 2", "Pic 4", "Pic 1"}) Enter(entry, title);
    EXPECT_TRUE(entry.Button1->isEnabled());
    EXPECT_TRUE(entry.Button3->isEnabled());
    EXPECT_FALSE(entry.Button2->isEnabled());
    Enter(entry, "Pic 5");
    EXPECT_EQ(
        std::tuple(app.platform.EffectNames().back(), entry.Button1->isEnabled(),
                   entry.ComboBox1->isEnabled(), entry.Button2->isEnabled(),
                   ListLines(*entry.ListBox1)),
        std::tuple("s15.wav", false, false, true, (Lines{"Pic 2", "Pic 4", "Pic 1", "Pic 5"})));
    const std::size_t before = app.forms().Form3->ListBox1.Items.size();
    entry.Button2Click();
    EXPECT_EQ(app.platform.EffectNames().back(), "s16.wav");
    EXPECT_FALSE(entry.Button2->isEnabled());
    EXPECT_FALSE(entry.Button3->isEnabled());
    const Lines& text = app.forms().Form3->ListBox1.Items;
    EXPECT_EQ(
        Lines(text.begin() + static_cast<long>(before), text.end()),
        (Lines{"FLEAXXB", "Pic 2", "FLEAXXB", "Pic 4", "FLEAXXB", "Pic 1", "FLEAXXB", "Pic 5"}));
    entry.Button2Click();  // a second acceptance records nothing twice
    EXPECT_EQ(text.size(), before + 8);
  });
  app.forms().Form4->Button2Click();
  EXPECT_TRUE(g.Venues[kVenueFlea].Submitted);
  for (int k : {0, 1, 3, 4}) EXPECT_TRUE(g.GameState.Pictures[static_cast<std::size_t>(k)].AtVenue);
  EXPECT_FALSE(g.GameState.Pictures[2].AtVenue);
  EXPECT_EQ(app.platform.modalsShown, (Lines{"Submit Pictures", "Event"}))
      << "the stall opens after the entries";
  EXPECT_TRUE(app.main().Timer1.Enabled());

  // Coming back the same day shows the entries and the done text.
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(ListLines(*entry.ListBox1), (Lines{"Pic 2", "Pic 4", "Pic 1", "Pic 5"}));
    EXPECT_EQ(entry.MemoText(), (Lines{"You cannot submit any other pictures today. But please "
                                       "visit your stall to assess your sales."}));
    for (QWidget* off : std::initializer_list<QWidget*>{entry.ComboBox1, entry.Button1, entry.Button2,
                                                        entry.Button3, entry.ListBox1})
      EXPECT_FALSE(off->isEnabled());
    EXPECT_EQ(Offered(entry), Lines{"Pic 3"});
  });
  app.forms().Form4->Button2Click();
  EXPECT_TRUE(g.Venues[kVenueFlea].Submitted);
}

TEST(EntryWindow, LeavingBeforeAcceptingReleasesEveryEntryAndClearSelectionStartsOver) {
  TestApp app;
  GameWithPictures(app, 6, 20);
  TForm8& entry = *app.forms().Form8;
  Game& g = app.game;
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(entry.MemoText(),
              (Lines{"Welcome to the Local Gallery. Please submit 5 pictures and go to the event "
                     "on the scheduled day to sell your pictures."}));
    for (const char* title : {"Pic 1", "Pic 3", "Pic 6"}) Enter(entry, title);
    EXPECT_TRUE(g.GameState.Pictures[2].AtVenue);
    entry.Button4Click();
  });
  app.forms().Form4->Button1Click();
  for (const picrec& picture : g.GameState.Pictures) EXPECT_FALSE(picture.AtVenue);
  for (const std::string& title : g.Venues[kVenueLocal].Entries) EXPECT_EQ(title, "");
  EXPECT_FALSE(g.Venues[kVenueLocal].Submitted);
  EXPECT_EQ(app.forms().Form3->ListBox3.Count(), 6);
  EXPECT_EQ(g.EventVenue, 0) << "back to today's (no) event";
  EXPECT_TRUE(app.main().Timer1.Enabled());

  // Back again, everything is offered; Clear Selection lets the player start over.
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(std::tuple(Offered(entry).size(), entry.ListBox1->count()), std::tuple(6u, 0));
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
  EXPECT_TRUE(g.Venues[kVenueLocal].Submitted);
  EXPECT_EQ(g.Venues[kVenueLocal].Entries,
            (Lines{"Pic 5", "Pic 4", "Pic 3", "Pic 2", "Pic 1", ""}));
  EXPECT_FALSE(g.GameState.Pictures[5].AtVenue);
}

TEST(EntryWindow, APictureIsEnteredOnceAndPicturesElsewhereAreNotOffered) {
  TestApp app;
  GameWithPictures(app, 7, 55);
  Game& g = app.game;
  TForm8& entry = *app.forms().Form8;
  g.GameState.Pictures[6].AtVenue = true;  // entered at the local gallery
  g.GameState.Pictures[5].Gone = true;     // sold
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(Offered(entry), (Lines{"Pic 1", "Pic 2", "Pic 3", "Pic 4", "Pic 5"}));
    Enter(entry, "Pic 2");
    Enter(entry, "Pic 2");
    EXPECT_EQ(ListLines(*entry.ListBox1), Lines{"Pic 2"});
    EXPECT_EQ(entry.entryCount, 1);
    EXPECT_GE(entry.ComboBox1->findText("Pic 2"), 0) << "still listed until shown again";
    entry.ComboBox1->setCurrentIndex(-1);
    entry.Button1Click();  // nothing chosen
    EXPECT_EQ(entry.entryCount, 1);
  });
  app.forms().Form4->Button3Click();
  EXPECT_FALSE(g.GameState.Pictures[1].AtVenue) << "left without accepting";
}

TEST(EntryWindow, TooLittleReputationIsRefusedWithTheReputationNamed) {
  TestApp app;
  GameWithPictures(app, 5, 19);
  TForm8& entry = *app.forms().Form8;
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(entry.MemoText(),
              (Lines{"This is the Local Gallery. You need to submit 5 pictures at least one day "
                     "before the scheduled exhibition. You also need a reputation of 20. Your "
                     "current reputation is 19."}));
    for (QWidget* off : std::initializer_list<QWidget*>{entry.ComboBox1, entry.Button1, entry.Button2,
                                                        entry.Button3, entry.ListBox1})
      EXPECT_FALSE(off->isEnabled());
  });
  app.forms().Form4->Button1Click();

  app.game.GameState.Reputation = -3;
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(entry.MemoText(),
              (Lines{"Unfortunately you are not yet skilled enough to exhibit your pictures here "
                     "at the International Gallery. You need a reputation of 70. Your current "
                     "reputation is -3."}));
  });
  app.forms().Form4->Button4Click();
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(entry.MemoText(),
              (Lines{"To exhibit your art here at the National Gallery you need a reputation of "
                     "50. Your current reputation is -3."}));
  });
  app.forms().Form4->Button3Click();
  // The market on a Monday explains when to come back.
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(entry.MemoText(),
              (Lines{"This is a Flea Market. Please come back to submit your pictures when there "
                     "are other vendors. You need 4 pictures on that day."}));
    EXPECT_FALSE(entry.Button1->isEnabled());
  });
  app.forms().Form4->Button5Click();
  EXPECT_EQ(app.platform.modalsShown.size(), 4u);
  for (const picrec& picture : app.game.GameState.Pictures) EXPECT_FALSE(picture.AtVenue);
}

TEST(EntryWindow, ALostPictureFileIsReportedAndNotEntered) {
  TestApp app;
  GameWithPictures(app, 5, 20);
  std::filesystem::remove(app.dir / "pictures" / "Pic 3.jpg");
  TForm8& entry = *app.forms().Form8;
  app.platform.modalScripts.push_back([&](QDialog&) {
    Enter(entry, "Pic 3");
    EXPECT_EQ(entry.ListBox1->count(), 0);
    EXPECT_FALSE(app.game.GameState.Pictures[2].AtVenue);
    EXPECT_FALSE(entry.Button3->isEnabled());
    Enter(entry, "Pic 1");
    EXPECT_EQ(ListLines(*entry.ListBox1), Lines{"Pic 1"});
  });
  app.forms().Form4->Button1Click();
  ASSERT_EQ(app.platform.messages.size(), 2u);
  EXPECT_EQ(app.platform.messages[1].text,
            "Sorry but you seem to have lost your picture: \"Pic 3.jpg\". Until found please "
            "don't try to submit it.");
  EXPECT_EQ(app.platform.messages[1].type, MsgType::Error);
}

TEST(EntryWindow, TheHostTalksOnOpeningAndAgainEveryTenSeconds) {
  TestApp app;
  GameWithPictures(app, 5, 80);
  TForm8& entry = *app.forms().Form8;
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_EQ(BaseName(entry.Animate1->FileName()), "a5.avi");
    EXPECT_EQ(entry.hostAnimTicks, 2);
    EXPECT_TRUE(entry.Timer1.Enabled());
    EXPECT_EQ(app.platform.EffectNames().back(), "s7.wav");
    for (int i = 0; i < 2; ++i) {
      entry.Timer1Timer();
      EXPECT_TRUE(entry.Animate1->Active()) << i;
    }
    entry.Timer1Timer();
    EXPECT_FALSE(entry.Animate1->Active());
    EXPECT_FALSE(entry.Timer1.Enabled());
    app.platform.randoms = {3};
    app.platform.effects.clear();
    entry.Timer2Timer();
    EXPECT_EQ(entry.hostAnimTicks, 5);
    EXPECT_TRUE(entry.Timer1.Enabled());
    EXPECT_EQ(app.platform.EffectNames(), Lines{"s7.wav"});
  });
  app.forms().Form4->Button3Click();
  // Closed, the host is quiet.
  app.platform.effects.clear();
  entry.Timer2Timer();
  EXPECT_TRUE(app.platform.effects.empty());
  EXPECT_FALSE(entry.Timer1.Enabled());
}

}  // namespace
}  // namespace pictorio
