// The shop window over a whole game: opening it, the product panels and their
// gating, buying through the window, leaving, and the music hand-over.
#include <gtest/gtest.h>

#include <QLabel>
#include <algorithm>
#include <filesystem>

#include "app/main_window.h"
#include "shop/shop_window.h"
#include "shop/stock_window.h"
#include "support/test_app.h"
#include "ui/info_bar.h"

namespace pictorio {
namespace {

const char* const kGreeting = "Please select any of our fine quality products.";

std::string BaseName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

std::vector<std::string> LabelTexts(const QWidget& panel) {
  std::vector<std::string> texts;
  for (const QLabel* label : panel.findChildren<QLabel*>()) {
    if (qobject_cast<const TImage*>(label)) continue;
    texts.push_back(label->text().toStdString());
  }
  return texts;
}

bool Has(const std::vector<std::string>& all, const std::string& one) {
  return std::find(all.begin(), all.end(), one) != all.end();
}

int Count(const std::vector<std::string>& all, const std::string& one) {
  return static_cast<int>(std::count(all.begin(), all.end(), one));
}

class ShopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.StartNewGame("Ada");
    app.platform.messages.clear();
  }
  TForm10& shop() { return *app.forms().Form10; }
  TForm3& bar() { return *app.forms().Form3; }
  std::vector<int> OpenPanels() {
    std::vector<int> open;
    for (int k = 1; k <= 7; ++k)
      if (!shop().Panel[k]->isHidden()) open.push_back(k);
    return open;
  }
  bool BasketShown() {
    return !shop().ListBox1->isHidden() && !shop().Image33->isHidden() &&
           !shop().Button2->isHidden() && !shop().Button3->isHidden();
  }
  bool BasketHidden() {
    return shop().ListBox1->isHidden() && shop().Image33->isHidden() &&
           shop().Button2->isHidden() && shop().Button3->isHidden();
  }
  void OpenShop() {
    app.main().Shop1->trigger();
    ASSERT_TRUE(shop().Showing());
  }

  TestApp app;
};

TEST_F(ShopTest, OpensOnlyWhileAGameRuns) {
  TestApp idle;
  idle.Start();
  idle.main().Image21Click();
  EXPECT_FALSE(idle.forms().Form10->Showing());
  EXPECT_FALSE(idle.main().Shop1->isEnabled());

  app.main().Image21Click();
  EXPECT_TRUE(shop().Showing());
}

TEST_F(ShopTest, OpeningGreetsEmptiesTheBasketAndRefreshesTheMoney) {
  bar().Label7->setText("stale");
  app.game.GameState.Money = 42.5;
  const std::size_t tracksBefore = app.platform.tracks.size();
  const int stopsBefore = app.platform.musicStops;
  OpenShop();

  EXPECT_TRUE(app.platform.modalsShown.empty()) << "the shop must not block the room";
  EXPECT_TRUE(app.main().Timer1.Enabled()) << "the clock keeps running while shopping";
  EXPECT_EQ(Text(bar().Label7), "42.50");
  EXPECT_EQ(BaseName(shop().Animate1->FileName()), "a1.avi");
  EXPECT_EQ(shop().Animate1->StopFrame(), 8);
  EXPECT_EQ(shop().MemoLines(), std::vector<std::string>{kGreeting});
  EXPECT_TRUE(OpenPanels().empty());
  EXPECT_TRUE(BasketHidden());
  EXPECT_TRUE(shop().Timer1.Enabled());
  EXPECT_EQ(shop().shopAnimTicks, 3);
  EXPECT_TRUE(shop().Image35->isHidden());
  EXPECT_EQ(shop().Image34->Hint(), "Select 'products' from dropdown menu");

  // The room's music stops and the shop's own tune plays.
  EXPECT_GT(app.platform.musicStops, stopsBefore);
  ASSERT_EQ(app.platform.tracks.size(), tracksBefore + 1);
  EXPECT_EQ(BaseName(app.platform.tracks.back()), "m1.mid");

  // The shopkeeper talks for four ticks, then rests.
  for (int tick = 1; tick <= 3; ++tick) {
    shop().Timer1Timer();
    EXPECT_TRUE(shop().Animate1->Active()) << tick;
    EXPECT_TRUE(shop().Timer1.Enabled()) << tick;
  }
  shop().Timer1Timer();
  EXPECT_FALSE(shop().Animate1->Active());
  EXPECT_FALSE(shop().Timer1.Enabled());
}

TEST_F(ShopTest, ProductsFollowTheReputation) {
  struct Case {
    int reputation;
    bool pastels, water, oil;
  };
  for (const Case& c : {Case{9, false, false, false}, Case{10, true, false, false},
                        Case{20, true, true, false}, Case{35, true, true, true}}) {
    app.game.GameState.Reputation = c.reputation;
    shop().ResetShopPanels();
    EXPECT_EQ(shop().Pastels1->isEnabled(), c.pastels) << c.reputation;
    EXPECT_EQ(shop().Watercolors1->isEnabled(), c.water) << c.reputation;
    EXPECT_EQ(shop().OilPaint1->isEnabled(), c.oil) << c.reputation;
    EXPECT_EQ(shop().BitBtn[2]->isEnabled(), c.pastels) << c.reputation;
    EXPECT_EQ(shop().BitBtn[11]->isEnabled(), c.oil) << c.reputation;
    for (QAction* always : {shop().Paper2, shop().Pencils1, shop().Charcoal1, shop().Extras1})
      EXPECT_TRUE(always->isEnabled()) << always->text().toStdString();
  }
  for (int product : {1, 10, 9, 2, 3, 11}) EXPECT_TRUE(shop().BitBtn[product]->isHidden());
}

TEST_F(ShopTest, EachProductOpensItsOwnPanelWithItsPricesAndTexts) {
  app.game.GameState.Reputation = 40;
  OpenShop();
  struct Case {
    QAction* item;
    int panel;
    std::vector<std::string> labels;
    std::string says;
  };
  const std::vector<Case> cases = {
      {shop().Paper2,
       3,
       {"Canvases", "$1", "$5", "$20", "Please select the number of canvases you",
        "would like to purchace."},
       "We have only top quality primed canvases for sale. You can buy a single sheet or packs "
       "(5 or 20). The price is $1 per sheet."},
      {shop().Pencils1,
       4,
       {"Pencils", "$3", "$5", "Please select the equipment you", "would like to purchace."},
       "Select from our range of pencils. The standard pencil (HB) is only $3, with the harder "
       "H2 and softer B2 pencils selling for $5. An eraser is also avaliably for only $5."},
      {shop().Charcoal1, 5, {"Charcoal", "$1"}, "Fine charcoal for only $1 per stick."},
      {shop().Pastels1,
       1,
       {"Pastels", "$5 per color", "$80", "Click on the color pastel you want to buy"},
       "You can select individual pastels for only $5 each or buy a whole set for $80."},
      {shop().Watercolors1,
       2,
       {"Watercolors", "$10 per color", "$160", "$10", "$15", "$28", "$35", "$42",
        "Please select the equipment you require."},
       "We have the following products in the watercolor range: 16 different colors of water "
       "based paintwhich can be bought separately for $10 each or as a set for $160. We also "
       "stock 5 differentbrushes ranging in price from $10 to $42. (Please select  \"Product "
       "Information\" in the Help menu for more information)."},
      {shop().OilPaint1,
       6,
       {"Oil Paint", "$10", "$50", "$25", "$30", "$55", "$62", "$70",
        "Please select the equipment you require"},
       "The following oil-painting products are available: Red, Blue and Green paint, for $80 "
       "per tube, from which any conceivable color can be made (see \"Product information\" on "
       "mixing the three basic colors and why yellow is not a basic color). Turpentine to clean "
       "your brushes is for sale for $10 per bottle and to mix paint we sell palettes for $50. "
       "We also stock 5 different brushes intended for oil painting ranging in price from $25 "
       "to $70. (Please select  \"Product Information\" in the Help menu for more "
       "information)."},
      {shop().Extras1,
       7,
       {"Extras", "$30", "$35", "$50", "$100", "Please select the item you require"},
       "The products on offer are there to make your life a bit more comfortable. Please select "
       "one of the following: Trophy rack to display your awards. A fire extinguisher or "
       "burglar alarm for your protection. A telephone for notification of important events."},
  };
  for (const Case& c : cases) {
    c.item->trigger();
    EXPECT_EQ(OpenPanels(), std::vector<int>{c.panel}) << c.panel;
    EXPECT_EQ(shop().MemoLines(), std::vector<std::string>{c.says}) << c.panel;
    const std::vector<std::string> labels = LabelTexts(*shop().Panel[c.panel]);
    for (const std::string& label : c.labels) EXPECT_TRUE(Has(labels, label)) << label;
  }
  EXPECT_EQ(Count(LabelTexts(*shop().Panel[6]), "$80"), 3);
  EXPECT_EQ(Count(LabelTexts(*shop().Panel[4]), "$5"), 3);

  // A panel's close button goes back home and greets again.
  shop().Button4->click();
  EXPECT_TRUE(OpenPanels().empty());
  EXPECT_EQ(shop().MemoLines(), std::vector<std::string>{kGreeting});
  EXPECT_EQ(app.platform.EffectNames().back(), "s4.wav");
}

TEST_F(ShopTest, ColourSwatchesShowTheirColourAndBuyIt) {
  app.game.GameState.Reputation = 20;
  app.game.GameState.Money = 100;
  OpenShop();
  shop().Pastels1->trigger();
  TImage& rose = *shop().Image[4];
  EXPECT_EQ(rose.Hint(), "Rose");
  EXPECT_TRUE(rose.ShowHint());
  EXPECT_EQ(rose.property("Tag").toInt(), 4);
  EXPECT_EQ(rose.Picture().pixelColor(1, 1), app.game.ColourTable[4].Color);

  shop().ImageClick(4);
  shop().ImageClick(4);
  EXPECT_TRUE(BasketShown());
  std::vector<std::string> lines = shop().BasketListLines();
  EXPECT_TRUE(Has(lines, "2: Pastel: Rose ($5)"));
  EXPECT_TRUE(Has(lines, "Total:                   $10"));
  EXPECT_EQ(lines.back(), "Avaliable funds:      $100.00");

  shop().Watercolors1->trigger();
  EXPECT_EQ(shop().Image[20]->Hint(), "Red");
  shop().ImageClick(20);
  shop().SpeedButton[2]->click();  // the pastel set, from any panel's point of view
  lines = shop().BasketListLines();
  EXPECT_TRUE(Has(lines, "1: Water Colors: Red ($10)"));
  EXPECT_TRUE(Has(lines, "3: Pastel: Rose ($5)"));
  EXPECT_TRUE(Has(lines, "1: Pastel: Brown ($5)"));
  EXPECT_EQ(shop().basket.basketTotal, 100);
}

TEST_F(ShopTest, BuyPaysWritesTheStockAndEmptiesTheBasket) {
  app.game.GameState.Money = 60;
  OpenShop();
  shop().Paper2->trigger();
  shop().BitBtn[14]->click();  // 20 canvases
  shop().Extras1->trigger();
  shop().BitBtn[30]->click();  // trophy rack
  ASSERT_TRUE(BasketShown());
  EXPECT_FALSE(app.main().Image2->isVisibleTo(&app.main()));

  app.platform.answers.push_back(ModalResult::Yes);
  shop().Button2->click();
  EXPECT_EQ(app.platform.messages.back().text, "Confirm purchase of items to the value of $50");
  EXPECT_EQ(app.platform.EffectNames().back(), "s1.wav");
  EXPECT_DOUBLE_EQ(app.game.GameState.Money, 10.0);
  EXPECT_EQ(Text(bar().Label7), "10.00");
  EXPECT_TRUE(BasketHidden());
  EXPECT_EQ(shop().ListBox1->count(), 0);
  EXPECT_EQ(shop().basket.basketTotal, 0);
  // The stock window's list follows even while that window is closed.
  EXPECT_FALSE(app.forms().Form11->Showing());
  EXPECT_EQ(ListLines(*app.forms().Form11->ListBox1),
            (std::vector<std::string>{" 20  :  Canvas  ", " 1  :  Trophy rack "}));

  // A second rack is refused now that one is owned.
  shop().BitBtn[30]->click();
  EXPECT_EQ(app.platform.messages.back().text, "You need only one trophy rack.");
  EXPECT_TRUE(BasketHidden());
}

TEST_F(ShopTest, ClearListEmptiesTheBasketWithoutBuying) {
  OpenShop();
  shop().Charcoal1->trigger();
  shop().BitBtn[19]->click();
  ASSERT_TRUE(BasketShown());
  shop().Button3->click();
  EXPECT_TRUE(BasketHidden());
  EXPECT_EQ(shop().basket.basketTotal, 0);
  EXPECT_TRUE(shop().basket.Empty());
  EXPECT_EQ(app.platform.EffectNames().back(), "s11.wav");
  EXPECT_DOUBLE_EQ(app.game.GameState.Money, 25.0);
  EXPECT_FALSE(app.game.GameState.Stock[38].Owned);
}

TEST_F(ShopTest, ExitWithABasketAsksAndNoLeavesWithoutBuying) {
  OpenShop();
  shop().Pencils1->trigger();
  shop().BitBtn[15]->click();
  app.platform.answers.push_back(ModalResult::No);
  shop().Exit1->trigger();
  EXPECT_EQ(app.platform.messages.back().text, "Confirm purchase of items to the value of $3");
  EXPECT_FALSE(shop().Showing());
  EXPECT_DOUBLE_EQ(app.game.GameState.Money, 25.0);
  EXPECT_FALSE(app.game.GameState.Stock[34].Owned);

  // The next visit starts with an empty basket.
  OpenShop();
  EXPECT_TRUE(shop().basket.Empty());
  EXPECT_TRUE(BasketHidden());
}

TEST_F(ShopTest, ExitWithABasketAndYesBuysAndTheRoomShowsIt) {
  OpenShop();
  shop().Extras1->trigger();
  shop().BitBtn[32]->click();  // telephone, $50: too much for $25
  EXPECT_EQ(app.platform.messages.back().text, "Too much for your current budget");
  shop().BitBtn[31]->click();  // fire extinguisher, $35: still too much
  app.game.GameState.Money = 40;
  shop().BitBtn[31]->click();
  app.platform.answers.push_back(ModalResult::Yes);
  shop().Button1->click();
  EXPECT_FALSE(shop().Showing());
  EXPECT_DOUBLE_EQ(app.game.GameState.Money, 5.0);
  EXPECT_TRUE(app.game.GameState.Stock[kSlotFireExtinguisher].Owned);
  // Closing redraws the room with the new extra.
  EXPECT_TRUE(app.main().Image3->isVisibleTo(&app.main()));
}

TEST_F(ShopTest, ExitWithAnEmptyBasketAsksNothing) {
  OpenShop();
  shop().Button1->click();
  EXPECT_FALSE(shop().Showing());
  EXPECT_TRUE(app.platform.messages.empty());
}

TEST_F(ShopTest, TheShopTuneLoopsAndTheRoomMusicComesBackOnClosing) {
  OpenShop();
  const std::size_t played = app.platform.tracks.size();
  app.platform.FinishPlayback(MediaChannel::Music);
  ASSERT_EQ(app.platform.tracks.size(), played + 1);
  EXPECT_EQ(BaseName(app.platform.tracks.back()), "m1.mid");

  app.platform.randoms.push_back(4);
  shop().Button1->click();
  ASSERT_EQ(app.platform.tracks.size(), played + 2);
  EXPECT_EQ(BaseName(app.platform.tracks.back()), "m14.mid");
  EXPECT_FALSE(app.game.MusicRestart);

  // From now on the end of a track is the room's business again.
  app.platform.randoms.push_back(0);
  app.platform.FinishPlayback(MediaChannel::Music);
  EXPECT_EQ(BaseName(app.platform.tracks.back()), "m10.mid");
}

TEST_F(ShopTest, WithMusicAndSoundOffTheShopIsSilent) {
  app.main().Music1Click();
  app.main().Sound1Click();
  ASSERT_FALSE(app.game.MusicOn);
  ASSERT_FALSE(app.game.SoundOn);
  const std::size_t tracks = app.platform.tracks.size();
  const std::size_t effects = app.platform.effects.size();
  OpenShop();
  shop().Paper2->trigger();
  shop().BitBtn[12]->click();
  shop().Button3->click();
  shop().Button1->click();
  EXPECT_EQ(app.platform.tracks.size(), tracks);
  EXPECT_EQ(app.platform.effects.size(), effects);
}

TEST_F(ShopTest, ClickingTheBackgroundShowsTheHintBubbleForTwoTicks) {
  OpenShop();
  shop().Items1Click();
  EXPECT_FALSE(shop().Image34->ShowHint());
  shop().Image34Click();
  EXPECT_FALSE(shop().Image35->isHidden());
  EXPECT_TRUE(shop().Image34->ShowHint());
  EXPECT_TRUE(shop().Timer2.Enabled());
  shop().Timer2Timer();
  EXPECT_FALSE(shop().Image35->isHidden());
  shop().Timer2Timer();
  EXPECT_TRUE(shop().Image35->isHidden());
  EXPECT_FALSE(shop().Timer2.Enabled());
  EXPECT_EQ(shop().shopHintTicks, 0);
}

TEST_F(ShopTest, OptionsShowTheInfoBarAndARefreshedStockWindow) {
  OpenShop();
  bar().hide();
  app.game.GameState.Stock[38] = stuffrec{" Charcoal ", "c", true, 600};
  shop().InfoBar1->trigger();
  EXPECT_TRUE(bar().Showing());
  shop().StockBar1->trigger();
  EXPECT_TRUE(app.forms().Form11->Showing());
  EXPECT_EQ(ListLines(*app.forms().Form11->ListBox1),
            std::vector<std::string>{" 3/4 :  Charcoal "});
  EXPECT_TRUE(app.platform.modalsShown.empty());
}

TEST_F(ShopTest, ANewGameClosesTheShopAndDropsTheOldBasket) {
  OpenShop();
  shop().Paper2->trigger();
  shop().BitBtn[14]->click();                       // $20 of the old game's $25
  app.platform.answers.push_back(ModalResult::No);  // do not save the old game
  app.StartNewGame("Bea");
  EXPECT_FALSE(shop().Showing());
  EXPECT_TRUE(app.platform.answers.empty());
  EXPECT_DOUBLE_EQ(app.game.GameState.Money, 25.0);
  EXPECT_FALSE(app.game.GameState.Stock[kSlotCanvas].Owned);
}

}  // namespace
}  // namespace pictorio
