#pragma once

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>
#include <string>
#include <vector>

#include "core/one_based.h"
#include "shop/basket.h"
#include "ui/components.h"
#include "ui/form_base.h"

namespace pictorio {

// Where the shop's picture (800 x 600, stretched over the scene) draws its till.
inline constexpr QRect kTillInPicture{340, 380, 120, 82};
// The basket's paper in the scene, drawn at this size; its rules lie every
// kBasketRule pixels, the list's rows start kBasketFirstRow below its top.
inline constexpr QRect kBasketPaper{560, 12, 228, 310};
inline constexpr int kBasketRule = 18;
inline constexpr int kBasketFirstRow = 26;
inline constexpr int kBasketRows = 15;

// The shop, where money becomes materials. It covers the room without blocking
// it: the clock keeps running while the player shops.
class TForm10 : public TFormBase {
  Q_OBJECT
 public:
  TForm10(Game& game, Forms& forms);

  bool TryAddToBasketTotal(int price) { return basket.TryAddToBasketTotal(price); }
  // The shopkeeper speaks: the text replaces the memo and the animation replays.
  void ShopSay(const std::string& text);
  void ShowShopHome();
  void ResetShopPanels();
  void RefreshBasketList();
  void PaintSwatch(TImage& image, int k);
  void AddColourToBasket(int k);
  // A click on a catalogue item's buy control.
  void BuyClick(int slot, int units);
  // A panel's close button.
  void ClosePanel(int panel);

  void Button1Click();   // "Exit Shop", also the menu's "Exit"
  void Button2Click();   // "Buy"
  void Button3Click();   // "Clear list"
  void BitBtn1Click();   // canvases
  void BitBtn10Click();  // pencils
  void BitBtn9Click();   // charcoal
  void BitBtn2Click();   // pastels
  void BitBtn3Click();   // water colours
  void BitBtn11Click();  // oil paint
  void Extras1Click();
  void ImageClick(int k);  // colour swatch Image1..Image32
  void SpeedButton2Click();
  void SpeedButton3Click();
  void Items1Click();
  void Image34Click();
  void InfoBar1Click();
  void StockBar1Click();
  void Timer1Timer();
  void Timer2Timer();
  void mediaplayer1Notify();

  // What the basket shows, as text.
  std::vector<std::string> BasketListLines() const;
  std::vector<std::string> MemoLines() const;

  ShopBasket basket;
  int shopAnimTicks = 0;
  int shopHintTicks = 0;

  QMenuBar* MainMenu1;
  QAction* Paper1;  // "Shop "
  QAction* Exit1;
  QAction* Items1;  // "Products"
  QAction* Paper2;
  QAction* Pencils1;
  QAction* Charcoal1;
  QAction* Pastels1;
  QAction* Watercolors1;
  QAction* OilPaint1;
  QAction* N1;
  QAction* Extras1;
  QAction* Options1;
  QAction* InfoBar1;
  QAction* StockBar1;

  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;  // closes the extras panel
  QPlainTextEdit* Memo1;
  TAnimate* Animate1;
  TImage* Image33;  // the basket paper
  TImage* Image34;  // the background
  TImage* Image35;  // the hint bubble
  QListWidget* ListBox1;

  OneBased<QFrame*, 7> Panel;
  OneBased<TImage*, 32> Image;  // colour swatches; 1..16 pastels, 17..32 water colours
  OneBased<QPushButton*, 33> BitBtn;
  OneBased<QPushButton*, 8> SpeedButton;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label9;
  QLabel* Label16;
  QLabel* Label18;
  QLabel* Label19;
  QLabel* Label20;
  QLabel* Label21;
  QLabel* Label22;
  QLabel* Label29;
  QLabel* Label41;

  TTimer Timer1{1000};
  TTimer Timer2{1000};
  TMediaPlayer mediaplayer1;

 protected:
  void FormShow() override;
  void FormClose() override;
  // Escape leaves the way "Exit Shop" does, so a full basket is offered first.
  void reject() override;

 private:
  void BuildMenus();
  void BuildPanels();
  QFrame* MakePanel(int number, int height);
  QLabel* AddHeading(QFrame* panel, const char* text);
  QLabel* AddLabel(QFrame* panel, const char* text, int left, int top, int width);
  QPushButton* AddBuyRow(QFrame* panel, int button, const char* caption, const char* price, int top,
                         int slot, int units);
  QPushButton* AddCloseButton(QFrame* panel, const char* caption, int panelNumber);
  void HideBasket();
  void PlaySound(const std::string& path);
  void SetProductChoices(bool enabled);
  QWidget* scene_;
};

}  // namespace pictorio
