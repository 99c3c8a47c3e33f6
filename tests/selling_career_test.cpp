// A short career at the game's level: buy materials, make four pictures, sell
// them at Tuesday's flea market, and find the same figures after a save and a load.
#include <gtest/gtest.h>

#include "app/load_game_dialog.h"
#include "app/main_window.h"
#include "app/saved_games.h"
#include "core/save_text.h"
#include "shop/basket.h"
#include "support/pictures.h"
#include "support/test_app.h"
#include "ui/info_bar.h"
#include "venues/calendar_window.h"
#include "venues/entry_window.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

using Lines = std::vector<std::string>;

TEST(SellingCareer, FourPicturesSoldAtTheFleaMarketSurviveASaveAndALoad) {
  TestApp app;
  app.StartNewGame("Vera");
  Game& g = app.game;
  who& state = g.GameState;

  // The shop: four canvases and an HB pencil.
  ShopBasket basket(g);
  ASSERT_TRUE(basket.AddCatalogueItem(kSlotCanvas, 4));
  ASSERT_TRUE(basket.AddCatalogueItem(34, 1));
  app.platform.answers.push_back(ModalResult::Yes);
  ASSERT_TRUE(basket.Buy());
  EXPECT_DOUBLE_EQ(state.Money, 18.0);

  // Four pictures as the studio leaves them, each on one of the canvases.
  const double worth[4] = {10.0, 12.0, 15.0, 20.0};
  for (int k = 0; k < 4; ++k) {
    state.Stock[kSlotCanvas].Units -= 1000;
    AddPicture(app, "Still life " + std::to_string(k + 1), worth[k], 40 * k);
  }
  ShowPictureCount(*app.forms().Form3, state.PictureCount);

  // Tuesday: the calendar, "Go To Event", the entries, then the stall.
  g.ElapsedHours = 23;
  app.main().Timer1Timer();
  app.main().Calendar1Click();
  TForm4& calendar = *app.forms().Form4;
  ASSERT_TRUE(calendar.Button2->isEnabled());
  app.platform.modalScripts.push_back([&](QDialog& window) {
    auto& entry = dynamic_cast<TForm8&>(window);
    for (int k = 1; k <= 4; ++k) {
      entry.ComboBox1->setCurrentIndex(
          entry.ComboBox1->findText(QString::fromStdString("Still life " + std::to_string(k))));
      entry.Button1Click();
    }
    entry.Button2Click();
  });
  int ticks = 0;
  app.platform.modalScripts.push_back([&](QDialog& window) {
    auto& venue = dynamic_cast<TForm9&>(window);
    // Every draw of the stall comes out as `sale`: the buyer asks for entry `sale`.
    for (int sale = 0; sale < 4; ++sale) {
      app.platform.defaultRandom = sale;
      while (!venue.OfferShown() && ticks < 10000) {
        venue.Timer1Timer();
        ++ticks;
      }
      ASSERT_TRUE(venue.OfferShown()) << sale;
      venue.Button1Click();
    }
    app.platform.defaultRandom = 0;
    venue.Button3Click();
  });
  calendar.Button2Click();
  EXPECT_LE(ticks, 4 * 531);

  // 12.06 + 14.802 + 18.75 + 25.11 from the offers at reputation 0.
  const double money = 18.0 + 12.06 + 14.802 + 18.75 + 25.11;
  EXPECT_NEAR(state.Money, money, 1e-9);
  EXPECT_EQ(state.Reputation, 4);
  EXPECT_EQ(state.PicturesSold, 4);
  for (const picrec& picture : state.Pictures) EXPECT_TRUE(picture.Gone) << picture.Title;
  TForm3& bar = *app.forms().Form3;
  EXPECT_EQ(Text(bar.Label7), "88.72");
  EXPECT_EQ(Text(bar.Label6), "4");
  EXPECT_EQ(Text(bar.Label8), "4");

  // The saved game says the same.
  SaveGame(g, app.forms());
  std::vector<std::string> lines;
  std::string message;
  ASSERT_TRUE(ReadSavedGameFile(g, "Vera", &lines, &message)) << message;
  LoadedGame saved;
  std::string error;
  ASSERT_TRUE(ReadSavedGame(lines, g.Venues, &saved, &error)) << error;
  EXPECT_NEAR(saved.state.Money, money, 1e-9);
  EXPECT_EQ(saved.state.Reputation, 4);
  EXPECT_EQ(saved.state.PicturesSold, 4);
  EXPECT_EQ(saved.state.Stock[kSlotCanvas].Units, 0);
  ASSERT_EQ(saved.state.Pictures.size(), 4u);
  for (const picrec& picture : saved.state.Pictures) EXPECT_TRUE(picture.Gone);
  EXPECT_TRUE(saved.submitted[kVenueFlea]);

  // End the game, load it, and close the day: the figures hold, the pictures stay sold.
  app.platform.answers.push_back(ModalResult::No);  // do not save again
  app.platform.modalScripts.push_back([](QDialog& window) {
    auto& dialog = dynamic_cast<TForm5&>(window);
    dialog.ComboBox1->setCurrentIndex(dialog.ComboBox1->findText("Vera"));
    dialog.Button1Click();
  });
  app.main().LoadGame1Click();
  ASSERT_TRUE(g.GameRunning);
  EXPECT_EQ(state.PlayerName, "Vera");
  EXPECT_NEAR(state.Money, money, 1e-9);
  EXPECT_EQ(state.Reputation, 4);
  EXPECT_EQ(state.PicturesSold, 4);
  EXPECT_EQ(Text(bar.Label7), "88.72");
  for (const picrec& picture : state.Pictures) EXPECT_TRUE(picture.Gone);
  // Back at the stall: it is sold out, and its "Well done" came before the save.
  app.platform.modalsShown.clear();
  calendar.Button2Click();
  EXPECT_EQ(app.platform.modalsShown, (Lines{"Submit Pictures", "Event"}));
  EXPECT_EQ(state.Reputation, 4);
  g.ElapsedHours = 24 + 21;
  app.main().Timer1Timer();
  EXPECT_FALSE(g.Venues[kVenueFlea].Submitted);
  for (const picrec& picture : state.Pictures) {
    EXPECT_TRUE(picture.Gone);
    EXPECT_FALSE(picture.AtVenue);
  }
  EXPECT_EQ(state.PicturesSold, 4);
}

}  // namespace
}  // namespace pictorio
