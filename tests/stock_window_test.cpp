// The stock window: amounts in quarters, used-up materials retired, and the
// window that floats above the game without blocking it.
#include "shop/stock_window.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "shop/stock_list.h"
#include "support/test_app.h"

namespace pictorio {
namespace {

TEST(StockAmount, RoundsUpToTheNextQuarter) {
  const std::vector<std::pair<int, std::string>> cases = {
      {1, " 1/4"},       {250, " 1/4"}, {251, " 1/2"}, {500, " 1/2"},   {501, " 3/4"},
      {750, " 3/4"},     {751, " 1"},   {999, " 1"},   {1000, " 1 "},   {1001, " 1  1/4"},
      {1500, " 1  1/2"}, {1999, " 2"},  {2000, " 2 "}, {20000, " 20 "}, {20751, " 21"}};
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
  EXPECT_FALSE(stock[4].Owned);
  EXPECT_EQ(stock[4].Units, 0);
  EXPECT_FALSE(stock[20].Owned);
  EXPECT_EQ(stock[20].Units, 0);
  // The name of a retired slot stays for when it is bought again.
  EXPECT_EQ(stock[20].Name, " Water Colors Red ");
  EXPECT_EQ(stock[38].Units, 3000);
}

TEST(StockWindow, IsASmallFloatingWindowWithItsListAndButtons) {
  TestApp app;
  app.Start();
  TForm11& stock = *app.forms().Form11;
  EXPECT_EQ(stock.Caption(), "Stock");
  EXPECT_TRUE(stock.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(stock.Label1->text().toStdString(), "Item                 :         units left");
  EXPECT_EQ(stock.Button1->text().toStdString(), "update");
  EXPECT_TRUE(stock.Button1->isHidden());
  EXPECT_EQ(stock.Button2->text().toStdString(), "Close");
  EXPECT_LT(stock.width(), 800);
}

TEST(StockWindow, OpensFromTheMenuRefreshedAndWithoutBlocking) {
  TestApp app;
  app.StartNewGame();
  TForm11& stock = *app.forms().Form11;
  who& state = app.game.GameState;
  state.Stock[kSlotCanvas] = stuffrec{" Canvas  ", "", true, 3250};
  state.Stock[36] = stuffrec{" B2 Pencil ", "p", true, -5};

  app.main().StockBar1->trigger();
  EXPECT_TRUE(stock.Showing());
  EXPECT_TRUE(app.platform.modalsShown.empty());
  EXPECT_EQ(ListLines(*stock.ListBox1), std::vector<std::string>{" 3  1/4 :  Canvas  "});
  EXPECT_FALSE(state.Stock[36].Owned);

  // The list changes only when refreshed; the hidden "update" button refreshes it.
  state.Stock[kSlotCanvas].Units = 2000;
  EXPECT_EQ(ListLines(*stock.ListBox1), std::vector<std::string>{" 3  1/4 :  Canvas  "});
  stock.Button1->click();
  EXPECT_EQ(ListLines(*stock.ListBox1), std::vector<std::string>{" 2  :  Canvas  "});

  stock.Button2->click();
  EXPECT_FALSE(stock.Showing());
}

}  // namespace
}  // namespace pictorio
