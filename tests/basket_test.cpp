// The shop's basket without its window: what is admitted, refused, listed and bought.
#include "shop/basket.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "shop/catalogue.h"
#include "studio/colour_table.h"
#include "support/scripted_platform.h"

namespace pictorio {
namespace {

const std::string kTooMuch = "Too much for your current budget";

class BasketTest : public ::testing::Test {
 protected:
  BasketTest() {
    InitColourTable(game);
    basket.PlaySound = [this](const std::string& path) { sounds.push_back(path); };
  }

  void SetMoney(double money) { game.GameState.Money = money; }
  int Refusals() const {
    int count = 0;
    for (const std::string& s : sounds) count += s == "\\sound\\sounds\\s10.wav";
    return count;
  }

  ScriptedPlatform platform;
  Game game{platform};
  ShopBasket basket{game};
  std::vector<std::string> sounds;
};

// A stock count near its limit (a loaded game may hold one) takes no more
// than fits: buying never wraps the count round and loses the canvases.
TEST_F(BasketTest, CanvasesComeSinglyOrInPacksThatFitWholeAndStockNeverCountsPastItsLimit) {
  SetMoney(1.0);
  EXPECT_TRUE(basket.AddCatalogueItem(kSlotCanvas, 1));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(basket.AddCatalogueItem(kSlotCanvas, 1));
  ASSERT_EQ(platform.MessageTexts(), std::vector<std::string>{kTooMuch});
  EXPECT_EQ(std::tuple(basket.basketTotal, basket.Basket[kSlotCanvas].Line,
                       platform.messages[0].buttons, Refusals()),
            std::tuple(1, "1: Canvas  ($1)", MsgButtons::Ok, 1));

  SetMoney(100.0);
  ASSERT_TRUE(basket.AddCatalogueItem(kSlotCanvas, 20));
  ASSERT_TRUE(basket.AddCatalogueItem(kSlotCanvas, 5));
  SetMoney(45.0);
  EXPECT_FALSE(basket.AddCatalogueItem(kSlotCanvas, 20));
  EXPECT_EQ(std::tuple(basket.Basket[kSlotCanvas].Line, basket.basketTotal),
            std::tuple("26: Canvas  ($1)", 26));

  basket.Clear();
  platform.messages.clear();
  sounds.clear();
  SetMoney(1e9);
  game.GameState.Stock[kSlotCanvas] = {"Canvas", "", true, kMostStockUnits - 25000};
  ASSERT_TRUE(basket.AddCatalogueItem(kSlotCanvas, 20));
  ASSERT_TRUE(basket.AddCatalogueItem(kSlotCanvas, 5));
  EXPECT_FALSE(basket.AddCatalogueItem(kSlotCanvas, 1));
  EXPECT_EQ(platform.MessageTexts(),
            std::vector<std::string>{"You cannot keep any more of this item."});
  EXPECT_EQ(Refusals(), 1);
  EXPECT_EQ(basket.basketTotal, 25);
  platform.answers.push_back(ModalResult::Yes);
  ASSERT_TRUE(basket.Buy());
  EXPECT_EQ(game.GameState.Stock[kSlotCanvas].Units, kMostStockUnits);
  EXPECT_TRUE(game.GameState.Stock[kSlotCanvas].Owned);

  // A whole set is refused when one of its colours has no room.
  game.GameState.Stock[5] = {"Pastel", "t", true, kMostStockUnits};
  EXPECT_FALSE(basket.AddWholeSet("Pastel: "));
  EXPECT_EQ(basket.basketTotal, 0);
  EXPECT_FALSE(basket.Basket[1].Chosen);

  // The dollar total cannot wrap round either, however rich the player.
  SetMoney(kMostMoney);
  basket.basketTotal = std::numeric_limits<int>::max() - 1;
  EXPECT_FALSE(basket.AddCatalogueItem(34, 1));  // a $3 pencil
  EXPECT_EQ(basket.basketTotal, std::numeric_limits<int>::max() - 1);
}

TEST_F(BasketTest, AWholeSetFitsWithItsExactPriceOrNotAtAllAndColoursAddUp) {
  SetMoney(79.0);
  EXPECT_FALSE(basket.AddWholeSet(kPastelCategory));
  EXPECT_TRUE(basket.Empty());
  EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{kTooMuch});
  EXPECT_EQ(Refusals(), 1);
  SetMoney(80.0);
  // The pastel button buys pastels even if the water colours were looked at last.
  basket.colourCategory = std::string(kWatercolourCategory);
  ASSERT_TRUE(basket.AddWholeSet(kPastelCategory));
  EXPECT_EQ(basket.basketTotal, 80);
  EXPECT_FALSE(basket.Basket[17].Chosen);
  EXPECT_EQ(basket.Basket[16].Line, "1: Pastel: Brown ($5)");
  // The water colour set counts what is already in the basket.
  SetMoney(239.0);
  EXPECT_FALSE(basket.AddWholeSet(kWatercolourCategory));
  SetMoney(250.0);
  ASSERT_TRUE(basket.AddWholeSet(kWatercolourCategory));
  EXPECT_EQ(basket.Basket[32].Kind, "w");
  // A colour clicked again raises its count; with no colour panel opened a click adds nothing.
  SetMoney(1000.0);
  basket.colourCategory = std::string(kWatercolourCategory);
  ASSERT_TRUE(basket.AddColourToBasket(20));
  EXPECT_EQ(basket.Basket[20].Line, "2: Water Colors: Red ($10)");
  basket.colourCategory = std::string(kPastelCategory);
  ASSERT_TRUE(basket.AddColourToBasket(4));
  EXPECT_EQ(basket.Basket[4].Line, "2: Pastel: Rose ($5)");
  EXPECT_EQ(basket.basketTotal, 255);
  basket.colourCategory.clear();
  EXPECT_FALSE(basket.AddColourToBasket(5));
  EXPECT_EQ(basket.basketTotal, 255);
}

// One rule serves every one-only item; the first and last of each kind stand for the rest.
TEST_F(BasketTest, OneOnlyItemsAreRefusedWhenOwnedOrAlreadyInTheBasket) {
  const std::vector<std::pair<int, std::string>> oneOnly = {
      {37, "Don't erasers last forever? You need only one in your collection."},
      {39, "You need only one of each brush for watercolors."},
      {43, "You need only one of each brush for watercolors."},
      {44, "You need only one palette."},
      {54, "You need only one trophy rack."},
      {57, "You need only one telephone."}};
  SetMoney(10000.0);
  for (const auto& [slot, message] : oneOnly) {
    platform.messages.clear();
    ASSERT_TRUE(basket.AddCatalogueItem(slot, 1)) << slot;
    const int total = basket.basketTotal;
    EXPECT_FALSE(basket.AddCatalogueItem(slot, 1)) << slot;
    EXPECT_EQ(basket.basketTotal, total) << slot;
    EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{message}) << slot;
  }
  EXPECT_EQ(Refusals(), 6);

  // Owned from an earlier visit: refused with an empty basket too.
  basket.Clear();
  for (const auto& [slot, message] : oneOnly) {
    game.GameState.Stock[slot].Owned = true;
    platform.messages.clear();
    EXPECT_FALSE(basket.AddCatalogueItem(slot, 1)) << slot;
    EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{message}) << slot;
  }
  EXPECT_EQ(basket.basketTotal, 0);

  // Everything else can be had in any number, owned or not.
  for (int slot : {33, 36, 38, 45, 53}) {
    game.GameState.Stock[slot].Owned = true;
    ASSERT_TRUE(basket.AddCatalogueItem(slot, 1)) << slot;
    ASSERT_TRUE(basket.AddCatalogueItem(slot, 1)) << slot;
    EXPECT_EQ(basket.Basket[slot].Count, 2) << slot;
  }
}

TEST_F(BasketTest, TheListShowsTheChosenLinesInSlotOrderWithTotalAndFunds) {
  SetMoney(130.5);
  ASSERT_TRUE(basket.AddCatalogueItem(55, 1));
  ASSERT_TRUE(basket.AddCatalogueItem(54, 1));
  // $133 would not fit: the pencil stays out of the list.
  EXPECT_FALSE(basket.AddCatalogueItem(34, 1));
  EXPECT_EQ(
      basket.ListLines(),
      (std::vector<std::string>{
          "Quantity: Item  (Cost/unit)", "----------------------------------",
          "1: Trophy rack ($30)", "1: Burglar alarm ($100)", "----------------------------------",
          "Total:                   $130", "", "", "Avaliable funds:      $130.50"}));
}

TEST_F(BasketTest, BuyingWritesTheStockAndTakesTheMoneyOfTheMomentOnlyOnYes) {
  SetMoney(200.0);
  basket.colourCategory = std::string(kPastelCategory);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(basket.AddColourToBasket(4));
  ASSERT_TRUE(basket.AddCatalogueItem(kSlotCanvas, 20));
  ASSERT_TRUE(basket.AddCatalogueItem(kSlotFireExtinguisher, 1));
  // Slot 4 already holds one and a half Rose pastels from an earlier visit.
  game.GameState.Stock[4] = stuffrec{" Pastel Rose ", "t", true, 1500};
  platform.answers.push_back(ModalResult::No);
  EXPECT_FALSE(basket.Buy());
  EXPECT_DOUBLE_EQ(game.GameState.Money, 200.0);
  EXPECT_FALSE(game.GameState.Stock[kSlotCanvas].Owned);
  EXPECT_EQ(basket.basketTotal, 70);
  EXPECT_TRUE(sounds.empty());

  SetMoney(12.5);  // the clock went on while the player shopped: a fire took some money
  platform.answers.push_back(ModalResult::Yes);
  ASSERT_TRUE(basket.Buy());
  EXPECT_EQ(platform.messages.back().text, "Confirm purchase of items to the value of $70");
  EXPECT_EQ(platform.messages.back().buttons, MsgButtons::YesNo);
  EXPECT_EQ(sounds.back(), "\\sound\\sounds\\s1.wav");
  const auto& stock = game.GameState.Stock;
  const auto slot = [](const stuffrec& r) {
    return std::tuple<std::string, std::string, bool, int>{r.Name, r.Kind, r.Owned, r.Units};
  };
  EXPECT_EQ(slot(stock[4]), std::tuple(" Pastel Rose ", "t", true, 4500));
  EXPECT_EQ(slot(stock[kSlotCanvas]), std::tuple(" Canvas  ", "", true, 20000));
  EXPECT_EQ(slot(stock[kSlotFireExtinguisher]), std::tuple(" Fire extinguisher", "w", true, 1000));
  EXPECT_FALSE(stock[5].Owned);
  EXPECT_DOUBLE_EQ(game.GameState.Money, -57.5);
  EXPECT_TRUE(basket.Empty());
  EXPECT_EQ(basket.basketTotal, 0);
  EXPECT_EQ(basket.Basket[4].Line, "");
  // Buying again adds to what is there.
  SetMoney(100.0);
  ASSERT_TRUE(basket.AddCatalogueItem(kSlotCanvas, 5));
  platform.answers.push_back(ModalResult::Yes);
  ASSERT_TRUE(basket.Buy());
  EXPECT_EQ(stock[kSlotCanvas].Units, 25000);
}

TEST(Catalogue, EveryItemHasItsSlotPriceAndKind) {
  for (int slot = 33; slot <= 57; ++slot) {
    const CatalogueItem* item = FindCatalogueItem(slot);
    ASSERT_NE(item, nullptr) << slot;
    EXPECT_EQ(item->slot, slot);
    // The price named in the text is the price charged.
    EXPECT_NE(item->text.find("($" + std::to_string(item->price) + ")"), std::string_view::npos)
        << item->text;
  }
  for (int slot : {0, 1, 32, 58, 60}) EXPECT_EQ(FindCatalogueItem(slot), nullptr) << slot;
  EXPECT_EQ(FindCatalogueItem(38)->kind, "c");
  EXPECT_EQ(FindCatalogueItem(44)->kind, "o");
}

}  // namespace
}  // namespace pictorio
