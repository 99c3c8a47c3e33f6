// The shop window over a whole game: opening it, the product panels and their
// gating, buying through the window, leaving, the music hand-over, and the
// stock's list.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_window.h"
#include "shop/shop_window.h"
#include "shop/stock_list.h"
#include "shop/stock_window.h"
#include "support/test_app.h"
#include "ui/info_bar.h"

namespace pictorio {
namespace {

const char* const kGreeting = "Please select any of our fine quality products.";

bool Has(const Lines& all, const std::string& one) {
  return std::find(all.begin(), all.end(), one) != all.end();
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
  // The basket's list, paper and buttons show together or not at all.
  bool BasketShown() {
    const bool shown = !shop().ListBox1->isHidden();
    EXPECT_EQ(!shop().Image33->isHidden(), shown);
    EXPECT_EQ(!shop().Button2->isHidden(), shown);
    EXPECT_EQ(!shop().Button3->isHidden(), shown);
    return shown;
  }
  void OpenShop() {
    app.main().Shop1->trigger();
    ASSERT_TRUE(shop().Showing());
  }
  TestApp app;
};

TEST_F(ShopTest, OpensWithoutBlockingGreetsAndRefreshesTheMoney) {
  bar().Label7->setText("stale");
  app.game.GameState.Money = 42.5;
  const std::size_t tracksBefore = app.platform.tracks.size();
  const int stopsBefore = app.platform.musicStops;
  app.main().Image21Click();
  ASSERT_TRUE(shop().Showing());
  EXPECT_TRUE(app.platform.modalsShown.empty()) << "the shop must not block the room";
  EXPECT_TRUE(app.main().Timer1.Enabled()) << "the clock keeps running while shopping";
  EXPECT_EQ(
      std::tuple(Text(bar().Label7), BaseName(shop().Animate1->FileName()), shop().MemoLines(),
                 OpenPanels().empty(), BasketShown(), shop().Image35->isHidden()),
      std::tuple("42.50", "a1.avi", Lines{kGreeting}, true, false, true));
  // The room's music stops and the shop's own tune plays.
  EXPECT_GT(app.platform.musicStops, stopsBefore);
  EXPECT_EQ(Lines(app.platform.tracks.begin() + static_cast<long>(tracksBefore),
                  app.platform.tracks.end()),
            Lines{(app.dir / "sound/music/m1.mid").string()});
}

TEST_F(ShopTest, ProductsFollowTheReputationAndEachOpensItsOwnPanel) {
  struct Case {
    int reputation;
    bool pastels, water, oil;
  };
  for (const Case& c : {Case{9, false, false, false}, Case{10, true, false, false},
                        Case{20, true, true, false}, Case{35, true, true, true}}) {
    SCOPED_TRACE(c.reputation);
    app.game.GameState.Reputation = c.reputation;
    shop().ResetShopPanels();
    EXPECT_EQ(std::tuple(shop().Pastels1->isEnabled(), shop().Watercolors1->isEnabled(),
                         shop().OilPaint1->isEnabled(), shop().BitBtn[2]->isEnabled(),
                         shop().BitBtn[11]->isEnabled()),
              std::tuple(c.pastels, c.water, c.oil, c.pastels, c.oil));
    for (QAction* always : {shop().Paper2, shop().Pencils1, shop().Charcoal1, shop().Extras1})
      EXPECT_TRUE(always->isEnabled()) << always->text().toStdString();
  }
  OpenShop();
  const std::pair<QAction*, int> products[] = {
      {shop().Paper2, 3},       {shop().Pencils1, 4},  {shop().Charcoal1, 5}, {shop().Pastels1, 1},
      {shop().Watercolors1, 2}, {shop().OilPaint1, 6}, {shop().Extras1, 7}};
  for (const auto& [item, panel] : products) {
    item->trigger();
    EXPECT_EQ(OpenPanels(), std::vector<int>{panel});
  }
  // A panel's close button goes back home and greets again.
  shop().Button4->click();
  EXPECT_TRUE(OpenPanels().empty());
  EXPECT_EQ(shop().MemoLines(), Lines{kGreeting});
}

TEST_F(ShopTest, ColourSwatchesShowTheirColourAndBuyIt) {
  app.game.GameState.Reputation = 20;
  app.game.GameState.Money = 100;
  OpenShop();
  shop().Pastels1->trigger();
  TImage& rose = *shop().Image[4];
  EXPECT_EQ(std::tuple(rose.Hint(), rose.Picture().pixelColor(1, 1)),
            std::tuple(std::string("Rose"), app.game.ColourTable[4].Color));
  shop().ImageClick(4);
  shop().ImageClick(4);
  EXPECT_TRUE(BasketShown());
  EXPECT_TRUE(Has(shop().BasketListLines(), "2: Pastel: Rose ($5)"));

  shop().Watercolors1->trigger();
  shop().ImageClick(20);
  shop().SpeedButton[2]->click();  // the pastel set, from any panel's point of view
  const Lines lines = shop().BasketListLines();
  EXPECT_EQ(std::tuple(Has(lines, "1: Water Colors: Red ($10)"), Has(lines, "3: Pastel: Rose ($5)"),
                       Has(lines, "1: Pastel: Brown ($5)"), lines.back()),
            std::tuple(true, true, true, "Avaliable funds:      $100.00"));
}

TEST_F(ShopTest, BuyPaysWritesTheStockAndEmptiesTheBasketAndClearBuysNothing) {
  app.game.GameState.Money = 60;
  OpenShop();
  shop().Charcoal1->trigger();
  shop().BitBtn[19]->click();
  ASSERT_TRUE(BasketShown());
  shop().Button3->click();  // Clear List
  EXPECT_EQ(std::tuple(BasketShown(), shop().basket.Empty(), app.platform.EffectNames().back()),
            std::tuple(false, true, "s11.wav"));

  shop().Paper2->trigger();
  shop().BitBtn[14]->click();  // 20 canvases
  shop().Extras1->trigger();
  shop().BitBtn[30]->click();  // trophy rack
  EXPECT_FALSE(app.main().Image2->isVisibleTo(&app.main()));
  app.platform.answers.push_back(ModalResult::Yes);
  shop().Button2->click();
  EXPECT_EQ(std::tuple(app.platform.messages.back().text, app.game.GameState.Money,
                       Text(bar().Label7), BasketShown(), shop().ListBox1->count(),
                       shop().basket.basketTotal, app.game.GameState.Stock[38].Owned),
            std::tuple("Confirm purchase of items to the value of $50", 10.0, "10.00", false, 0, 0,
                       false));
  // The stock window's list follows even while that window is closed.
  EXPECT_FALSE(app.forms().Form11->Showing());
  EXPECT_EQ(ListLines(*app.forms().Form11->ListBox1),
            (Lines{" 20  :  Canvas  ", " 1  :  Trophy rack "}));
}

TEST_F(ShopTest, LeavingWithABasketAsksAndBuysOnlyOnYes) {
  // Nothing chosen: nothing asked.
  OpenShop();
  shop().Button1->click();
  EXPECT_FALSE(shop().Showing());
  EXPECT_TRUE(app.platform.messages.empty());

  OpenShop();
  shop().Pencils1->trigger();
  shop().BitBtn[15]->click();
  app.platform.answers.push_back(ModalResult::No);
  shop().Exit1->trigger();
  EXPECT_EQ(std::tuple(app.platform.messages.back().text, shop().Showing(),
                       app.game.GameState.Money, app.game.GameState.Stock[34].Owned),
            std::tuple("Confirm purchase of items to the value of $3", false, 25.0, false));
  OpenShop();
  shop().Extras1->trigger();
  app.game.GameState.Money = 40;
  shop().BitBtn[31]->click();  // fire extinguisher, $35
  app.platform.answers.push_back(ModalResult::Yes);
  shop().Button1->click();
  // The room shows the new extra.
  EXPECT_EQ(std::tuple(shop().Showing(), app.game.GameState.Money,
                       app.game.GameState.Stock[kSlotFireExtinguisher].Owned,
                       app.main().Image3->isVisibleTo(&app.main())),
            std::tuple(false, 5.0, true, true));
}

TEST_F(ShopTest, TheInfoBarAndTheStockWindowFromTheShopAndANewGameClosesIt) {
  OpenShop();
  bar().hide();
  app.game.GameState.Stock[38] = stuffrec{" Charcoal ", "c", true, 600};
  shop().InfoBar1->trigger();
  shop().StockBar1->trigger();
  EXPECT_EQ(std::tuple(bar().Showing(), app.forms().Form11->Showing(),
                       ListLines(*app.forms().Form11->ListBox1), app.platform.modalsShown.empty()),
            std::tuple(true, true, Lines{" 3/4 :  Charcoal "}, true));

  // A new game closes the shop and drops the old basket.
  shop().Paper2->trigger();
  shop().BitBtn[14]->click();                       // $20 of the old game's $25
  app.platform.answers.push_back(ModalResult::No);  // do not save the old game
  app.StartNewGame("Bea");
  EXPECT_EQ(std::tuple(shop().Showing(), app.platform.answers.empty(), app.game.GameState.Money,
                       app.game.GameState.Stock[kSlotCanvas].Owned),
            std::tuple(false, true, 25.0, false));
}

// ---- the stock's list ----
TEST(StockAmount, RoundsUpToTheNextQuarter) {
  const std::vector<std::pair<int, std::string>> cases = {
      {1, " 1/4"},   {250, " 1/4"},     {251, " 1/2"},     {501, " 3/4"}, {751, " 1"},
      {1000, " 1 "}, {1001, " 1  1/4"}, {1500, " 1  1/2"}, {20751, " 21"}};
  for (const auto& [units, text] : cases) EXPECT_EQ(StockAmountText(units), text) << units;
}

TEST(StockAmount, UsedUpSlotsAreRetiredAndTheRestListedInSlotOrder) {
  OneBased<stuffrec, kStockSlots> stock;
  stock[4] = stuffrec{" Pastel Rose ", "t", true, 0};
  stock[20] = stuffrec{" Water Colors Red ", "w", true, -340};
  stock[33] = stuffrec{" Canvas  ", "", true, 5000};
  stock[34] = stuffrec{" HB Pencil ", "p", true, 1001};
  stock[54] = stuffrec{" Trophy rack ", "w", true, 1000};
  // Not owned: not listed, whatever its units say.
  stock[38] = stuffrec{" Charcoal ", "c", false, 3000};

  const std::vector<std::string> lines = NormaliseStock(stock);
  EXPECT_EQ(lines, (std::vector<std::string>{" 5  :  Canvas  ", " 1  1/4 :  HB Pencil ",
                                             " 1  :  Trophy rack "}));
  // The name of a retired slot stays for when it is bought again.
  EXPECT_EQ(std::tuple(stock[4].Owned, stock[4].Units, stock[20].Owned, stock[20].Units,
                       stock[20].Name, stock[38].Units),
            std::tuple(false, 0, false, 0, " Water Colors Red ", 3000));
}

}  // namespace
}  // namespace pictorio
