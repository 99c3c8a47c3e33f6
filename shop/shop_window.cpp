#include "shop/shop_window.h"

#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "app/main_window.h"  // the shop plays on the room's two media players
#include "core/game.h"
#include "shop/catalogue.h"
#include "shop/stock_window.h"
#include "simulation/trophies.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "ui/screen_fit.h"
#include "ui/theme.h"

namespace pictorio {
namespace {

constexpr int kPanelLeft = 244;
constexpr int kPanelTop = 70;
constexpr int kPanelWidth = 300;

const char* const kGreeting = "Please select any of our fine quality products.";

QIcon ColourIcon(const QColor& colour) {
  QPixmap swatch(16, 16);
  swatch.fill(colour);
  QPainter painter(&swatch);
  painter.setPen(theme::kInk);
  painter.drawRect(0, 0, 15, 15);
  return QIcon(swatch);
}

// Every basket line is one ruled line of the paper high.
class RuledRows : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(kBasketRule);
    return size;
  }
};

}  // namespace

TForm10::TForm10(Game& g, Forms& f)
    : TFormBase(g, f, "Shop"), basket(g), mediaplayer1(g.platform, MediaChannel::Music) {
  // A full-screen room of its own laid over the main window.
  setWindowFlag(Qt::FramelessWindowHint);
  setFont(GameFont(10, true));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  MainMenu1 = new QMenuBar(this);
  layout->setMenuBar(MainMenu1);
  BuildMenus();
  // Menu and scene together fill an 800 x 600 screen.
  const int sceneHeight = 600 - MainMenu1->sizeHint().height();
  scene_ = new QWidget(this);
  scene_->setFixedSize(800, sceneHeight);
  layout->addWidget(scene_);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  Image34 = new TImage(scene_);
  Image34->setGeometry(0, 0, 800, sceneHeight);
  Image34->SetStretch(true);
  Image34->LoadFromFile(AssetPath(g, "\\design\\shop.png"));
  Image34->SetHint("Select 'products' from dropdown menu");
  Image34->OnClick = [this] { Image34Click(); };

  Animate1 = new TAnimate(g.platform, scene_);
  // The shopkeeper stands just above his speech box.
  Animate1->setGeometry(24, 16, 214, 206);
  Animate1->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  Animate1->SetStopFrame(8);

  Memo1 = new QPlainTextEdit(scene_);
  Memo1->setGeometry(24, 226, 214, sceneHeight - 284);
  Memo1->setReadOnly(true);
  Memo1->setFont(GameFont(10, true));
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  SetLook(*Memo1, look::kSpeech);
  Memo1->setPlainText("Please select the \nitems you want to \npurchase.");

  Button1 = new QPushButton("Exit Shop", scene_);
  Button1->setGeometry(24, sceneHeight - 48, 130, 34);

  // The basket: its paper, the list written on the paper's rules, and the
  // two buttons right under it, well above the till and the info bar's corner.
  Image33 = new TImage(scene_);
  Image33->setGeometry(kBasketPaper);
  Image33->LoadFromFile(AssetPath(g, "\\design\\basket.png"));
  ListBox1 = new QListWidget(scene_);
  ListBox1->setGeometry(kBasketPaper.left() + 12, kBasketPaper.top() + kBasketFirstRow,
                        kBasketPaper.width() - 20, kBasketRows * kBasketRule);
  ListBox1->setFont(GameFont(9, false));
  SetLook(*ListBox1, look::kOnPaper);
  ListBox1->setItemDelegate(new RuledRows(ListBox1));
  ListBox1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
  ListBox1->setFocusPolicy(Qt::NoFocus);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  const int buttonTop = kBasketPaper.bottom() + 8;
  const int buttonWidth = (kBasketPaper.width() - 12) / 2;
  Button2 = new QPushButton("Buy", scene_);
  Button2->setGeometry(kBasketPaper.left(), buttonTop, buttonWidth, 32);
  Button3 = new QPushButton("Clear list", scene_);
  Button3->setGeometry(kBasketPaper.right() + 1 - buttonWidth, buttonTop, buttonWidth, 32);

  BuildPanels();

  Image35 = new TImage(scene_);
  // The bubble comes from the shopkeeper's mouth.
  Image35->setGeometry(160, 24, 150, 60);
  Image35->LoadFromFile(AssetPath(g, "\\design\\shophint.png"));
  Image35->hide();

  connect(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, [this] { Button2Click(); });
  connect(Button3, &QPushButton::clicked, [this] { Button3Click(); });

  basket.PlaySound = [this](const std::string& path) { PlaySound(path); };
  Timer1.OnTimer = [this] { Timer1Timer(); };
  Timer2.OnTimer = [this] { Timer2Timer(); };
  Timer2.SetEnabled(true);
  mediaplayer1.OnNotify = [this] { mediaplayer1Notify(); };
  HideBasket();
}

void TForm10::BuildMenus() {
  QMenu* shop = MainMenu1->addMenu("Shop ");
  Paper1 = shop->menuAction();
  Exit1 = shop->addAction("Exit");

  QMenu* products = MainMenu1->addMenu("Products");
  Items1 = products->menuAction();
  Paper2 = products->addAction("Canvases");
  Pencils1 = products->addAction("Pencils");
  Charcoal1 = products->addAction("Charcoal");
  Pastels1 = products->addAction("Pastels");
  Watercolors1 = products->addAction("Water colors");
  OilPaint1 = products->addAction("Oil Paint");
  N1 = products->addSeparator();
  Extras1 = products->addAction("Extras");

  QMenu* options = MainMenu1->addMenu("Options");
  Options1 = options->menuAction();
  InfoBar1 = options->addAction("Info Bar");
  StockBar1 = options->addAction("Stock Window");

  connect(Exit1, &QAction::triggered, [this] { Button1Click(); });
  connect(products, &QMenu::aboutToShow, [this] { Items1Click(); });
  connect(Paper2, &QAction::triggered, [this] { BitBtn1Click(); });
  connect(Pencils1, &QAction::triggered, [this] { BitBtn10Click(); });
  connect(Charcoal1, &QAction::triggered, [this] { BitBtn9Click(); });
  connect(Pastels1, &QAction::triggered, [this] { BitBtn2Click(); });
  connect(Watercolors1, &QAction::triggered, [this] { BitBtn3Click(); });
  connect(OilPaint1, &QAction::triggered, [this] { BitBtn11Click(); });
  connect(Extras1, &QAction::triggered, [this] { Extras1Click(); });
  connect(InfoBar1, &QAction::triggered, [this] { InfoBar1Click(); });
  connect(StockBar1, &QAction::triggered, [this] { StockBar1Click(); });
}

QFrame* TForm10::MakePanel(int number, int height) {
  auto* panel = new QFrame(scene_);
  const QString name = QString("Panel%1").arg(number);
  panel->setObjectName(name);
  panel->setGeometry(kPanelLeft, kPanelTop, kPanelWidth, height);
  panel->setFont(GameFont(10, true));
  SetLook(*panel, look::kPanel);
  panel->hide();
  Panel[number] = panel;
  return panel;
}

QLabel* TForm10::AddHeading(QFrame* panel, const char* text) {
  auto* heading = new QLabel(text, panel);
  heading->setGeometry(14, 8, kPanelWidth - 28, 32);
  heading->setFont(GameFont(16, true));
  return heading;
}

QLabel* TForm10::AddLabel(QFrame* panel, const char* text, int left, int top, int width) {
  auto* label = new QLabel(text, panel);
  label->setGeometry(left, top, width, 22);
  return label;
}

QPushButton* TForm10::AddBuyRow(QFrame* panel, int button, const char* caption, const char* price,
                                int top, int slot, int units) {
  auto* buy = new QPushButton(caption, panel);
  buy->setGeometry(18, top, 180, 30);
  BitBtn[button] = buy;
  QLabel* label = AddLabel(panel, price, 212, top + 4, 70);
  label->setFont(GameFont(12, true));
  connect(buy, &QPushButton::clicked, [this, slot, units] { BuyClick(slot, units); });
  return buy;
}

QPushButton* TForm10::AddCloseButton(QFrame* panel, const char* caption, int panelNumber) {
  auto* close = new QPushButton(caption, panel);
  close->setGeometry(kPanelWidth - 104, panel->height() - 44, 86, 30);
  connect(close, &QPushButton::clicked, [this, panelNumber] { ClosePanel(panelNumber); });
  return close;
}

void TForm10::BuildPanels() {
  const QFont small = GameFont(9, true);

  QFrame* canvases = MakePanel(3, 270);
  AddHeading(canvases, "Canvases");
  AddBuyRow(canvases, 12, "Single canvas", "$1", 52, kSlotCanvas, 1);
  AddBuyRow(canvases, 13, "Pack of 5", "$5", 92, kSlotCanvas, 5);
  AddBuyRow(canvases, 14, "Pack of 20", "$20", 132, kSlotCanvas, 20);
  AddLabel(canvases, "Please select the number of canvases you", 14, 178, 276)->setFont(small);
  AddLabel(canvases, "would like to purchace.", 14, 198, 276)->setFont(small);
  SpeedButton[5] = AddCloseButton(canvases, "Close", 3);

  QFrame* pencils = MakePanel(4, 310);
  Label9 = AddHeading(pencils, "Pencils");
  AddBuyRow(pencils, 15, "HB Pencil", "$3", 52, 34, 1);
  AddBuyRow(pencils, 16, "H2 Pencil", "$5", 90, 35, 1);
  AddBuyRow(pencils, 17, "B2 Pencil", "$5", 128, 36, 1);
  AddBuyRow(pencils, 18, "Eraser", "$5", 166, 37, 1);
  AddLabel(pencils, "Please select the equipment you", 14, 214, 276)->setFont(small);
  AddLabel(pencils, "would like to purchace.", 14, 234, 276)->setFont(small);
  SpeedButton[6] = AddCloseButton(pencils, "Close", 4);

  QFrame* charcoal = MakePanel(5, 150);
  Label16 = AddHeading(charcoal, "Charcoal");
  AddBuyRow(charcoal, 19, "Charcoal stick", "$1", 52, 38, 1);
  SpeedButton[7] = AddCloseButton(charcoal, "Close", 5);

  QFrame* pastels = MakePanel(1, 400);
  Label18 = AddHeading(pastels, "Pastels");
  Label19 = AddLabel(pastels, "$5 per color", 14, 42, 200);
  for (int k = 1; k <= 16; ++k) {
    auto* swatch = new TImage(pastels);
    swatch->setGeometry(44 + ((k - 1) % 4) * 56, 70 + ((k - 1) / 4) * 50, 44, 40);
    swatch->setCursor(Qt::PointingHandCursor);
    swatch->OnClick = [this, k] { ImageClick(k); };
    Image[k] = swatch;
    FrameSwatch(*swatch);
  }
  Label1 = AddLabel(pastels, "Click on the color pastel you want to buy", 14, 272, 276);
  Label1->setFont(small);
  SpeedButton[2] = new QPushButton("Buy the whole set", pastels);
  SpeedButton[2]->setGeometry(18, 304, 180, 30);
  Label20 = AddLabel(pastels, "$80", 212, 308, 70);
  Label20->setFont(GameFont(12, true));
  SpeedButton[1] = AddCloseButton(pastels, "close", 1);
  connect(SpeedButton[2], &QPushButton::clicked, [this] { SpeedButton2Click(); });

  QFrame* water = MakePanel(2, 500);
  Label21 = AddHeading(water, "Watercolors");
  Label22 = AddLabel(water, "$10 per color", 14, 42, 200);
  for (int k = 17; k <= 32; ++k) {
    auto* swatch = new TImage(water);
    swatch->setGeometry(52 + ((k - 17) % 4) * 52, 66 + ((k - 17) / 4) * 38, 40, 32);
    swatch->setCursor(Qt::PointingHandCursor);
    swatch->OnClick = [this, k] { ImageClick(k); };
    Image[k] = swatch;
    FrameSwatch(*swatch);
  }
  SpeedButton[3] = new QPushButton("Buy the whole set", water);
  SpeedButton[3]->setGeometry(18, 222, 180, 30);
  AddLabel(water, "$160", 212, 226, 70)->setFont(GameFont(12, true));
  connect(SpeedButton[3], &QPushButton::clicked, [this] { SpeedButton3Click(); });
  AddBuyRow(water, 4, "Big brush", "$10", 262, 39, 1);
  AddBuyRow(water, 5, "Round brush", "$15", 296, 40, 1);
  AddBuyRow(water, 6, "Flat brush", "$28", 330, 41, 1);
  AddBuyRow(water, 7, "Thin brush", "$35", 364, 42, 1);
  AddBuyRow(water, 8, "Fine brush", "$42", 398, 43, 1);
  Label2 = AddLabel(water, "Please select the equipment you require.", 14, 432, 276);
  Label2->setFont(small);
  SpeedButton[4] = AddCloseButton(water, "Close", 2);

  QFrame* oil = MakePanel(6, 470);
  Label29 = AddHeading(oil, "Oil Paint");
  AddBuyRow(oil, 20, "Red", "$80", 48, 46, 1)->setIcon(ColourIcon(QColor(200, 30, 30)));
  AddBuyRow(oil, 21, "Blue", "$80", 82, 47, 1)->setIcon(ColourIcon(QColor(30, 60, 190)));
  AddBuyRow(oil, 22, "Green", "$80", 116, 48, 1)->setIcon(ColourIcon(QColor(30, 150, 50)));
  AddBuyRow(oil, 29, "Turpentine", "$10", 150, 45, 1);
  AddBuyRow(oil, 28, "Palette", "$50", 184, 44, 1);
  AddBuyRow(oil, 23, "Big Brush", "$25", 218, 49, 1);
  AddBuyRow(oil, 24, "Round Brush", "$30", 252, 50, 1);
  AddBuyRow(oil, 25, "Flat Brush", "$55", 286, 51, 1);
  AddBuyRow(oil, 26, "Thin Brush", "$62", 320, 52, 1);
  AddBuyRow(oil, 27, "Fine Brush", "$70", 354, 53, 1);
  AddLabel(oil, "Please select the equipment you require", 14, 394, 276)->setFont(small);
  SpeedButton[8] = AddCloseButton(oil, "Close", 6);

  QFrame* extras = MakePanel(7, 300);
  Label41 = AddHeading(extras, "Extras");
  AddBuyRow(extras, 30, "Trophy rack", "$30", 52, kSlotTrophyRack, 1);
  AddBuyRow(extras, 31, "Fire extinguisher", "$35", 90, kSlotFireExtinguisher, 1);
  AddBuyRow(extras, 32, "Telephone", "$50", 128, kSlotTelephone, 1);
  AddBuyRow(extras, 33, "Burglar alarm", "$100", 166, kSlotBurglarAlarm, 1);
  AddLabel(extras, "Please select the item you require", 14, 214, 276)->setFont(small);
  Button4 = AddCloseButton(extras, "Close", 7);

  // The product buttons: hidden, the menu is the way in, but they follow it.
  const std::pair<int, void (TForm10::*)()> openers[] = {
      {1, &TForm10::BitBtn1Click}, {10, &TForm10::BitBtn10Click}, {9, &TForm10::BitBtn9Click},
      {2, &TForm10::BitBtn2Click}, {3, &TForm10::BitBtn3Click},   {11, &TForm10::BitBtn11Click}};
  const char* const captions[] = {"Canvases", "Pencils",      "Charcoal",
                                  "Pastels",  "Water Colors", "Oil paint"};
  int i = 0;
  for (const auto& [number, handler] : openers) {
    auto* opener = new QPushButton(captions[i++], scene_);
    opener->hide();
    BitBtn[number] = opener;
    connect(opener, &QPushButton::clicked, [this, handler] { (this->*handler)(); });
  }
}

void TForm10::PlaySound(const std::string& path) {
  forms.Form1->PlaySound(path);
}

void TForm10::ShopSay(const std::string& text) {
  Memo1->setPlainText(QString::fromStdString(text));
  Memo1->moveCursor(QTextCursor::Start);
  Memo1->verticalScrollBar()->setValue(0);
  shopAnimTicks = 3;
  Timer1.SetEnabled(true);
  PlaySound("\\sound\\sounds\\s4.wav");
}

void TForm10::SetProductChoices(bool enabled) {
  const int reputation = game.GameState.Reputation;
  const bool pastels = enabled && reputation >= kPastelReputation;
  const bool water = enabled && reputation >= kWatercolourReputation;
  const bool oil = enabled && reputation >= kOilReputation;
  for (QAction* always : {Extras1, Paper2, Pencils1, Charcoal1}) always->setEnabled(enabled);
  Pastels1->setEnabled(pastels);
  Watercolors1->setEnabled(water);
  OilPaint1->setEnabled(oil);
  for (int always : {1, 10, 9}) BitBtn[always]->setEnabled(enabled);
  BitBtn[2]->setEnabled(pastels);
  BitBtn[3]->setEnabled(water);
  BitBtn[11]->setEnabled(oil);
}

void TForm10::ShowShopHome() {
  SetProductChoices(true);
  ShopSay(kGreeting);
}

void TForm10::ResetShopPanels() {
  SetProductChoices(false);
  for (QFrame* panel : Panel) panel->hide();
  ShowShopHome();
}

void TForm10::ClosePanel(int panel) {
  Panel[panel]->hide();
  ShowShopHome();
}

void TForm10::RefreshBasketList() {
  for (QWidget* part : {static_cast<QWidget*>(ListBox1), static_cast<QWidget*>(Image33),
                        static_cast<QWidget*>(Button2), static_cast<QWidget*>(Button3)})
    part->show();
  ListBox1->clear();
  for (const std::string& line : basket.ListLines()) {
    auto* item = new QListWidgetItem(QString::fromStdString(line), ListBox1);
    // Letters stand on the rule under their row.
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignBottom);
  }
}

void TForm10::HideBasket() {
  ListBox1->clear();
  Image33->hide();
  ListBox1->hide();
  Button2->hide();
  Button3->hide();
}

void TForm10::PaintSwatch(TImage& image, int k) {
  QImage fill(image.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  fill.fill(game.ColourTable[k].Color);
  image.SetPicture(fill);
  image.SetHint(game.ColourTable[k].Name);
  image.SetShowHint(true);
  image.setProperty("Tag", k);
}

void TForm10::AddColourToBasket(int k) {
  if (basket.AddColourToBasket(k)) RefreshBasketList();
}

void TForm10::ImageClick(int k) {
  AddColourToBasket(Image[k]->property("Tag").toInt());
}

void TForm10::BuyClick(int slot, int units) {
  if (basket.AddCatalogueItem(slot, units)) RefreshBasketList();
}

void TForm10::SpeedButton2Click() {
  if (basket.AddWholeSet(kPastelCategory)) RefreshBasketList();
}

void TForm10::SpeedButton3Click() {
  if (basket.AddWholeSet(kWatercolourCategory)) RefreshBasketList();
}

void TForm10::Button1Click() {
  if (!Image33->isHidden()) {
    Button2Click();
  } else if (game.SoundOn) {
    forms.Form1->MediaPlayer1.Stop();
  }
  Close();
}

void TForm10::Button2Click() {
  if (!basket.Buy()) return;
  ShowMoney(*forms.Form3, game.GameState.Money);
  HideBasket();
  forms.Form11->RefreshStockList();
}

void TForm10::Button3Click() {
  basket.Clear();
  PlaySound("\\sound\\sounds\\s11.wav");
  HideBasket();
}

void TForm10::BitBtn1Click() {
  ResetShopPanels();
  Panel[3]->show();
  ShopSay(
      "We have only top quality primed canvases for sale. You can buy a single sheet or packs (5 "
      "or 20). The price is $1 per sheet.");
}

void TForm10::BitBtn10Click() {
  ResetShopPanels();
  Panel[4]->show();
  ShopSay(
      "Select from our range of pencils. The standard pencil (HB) is only $3, with the harder H2 "
      "and softer B2 pencils selling for $5. An eraser is also avaliably for only $5.");
}

void TForm10::BitBtn9Click() {
  ResetShopPanels();
  Panel[5]->show();
  ShopSay("Fine charcoal for only $1 per stick.");
}

void TForm10::BitBtn2Click() {
  ResetShopPanels();
  Panel[1]->show();
  for (int k = 1; k <= 16; ++k) PaintSwatch(*Image[k], k);
  basket.colourCategory = std::string(kPastelCategory);
  Label1->setText("Click on the color pastel you want to buy");
  ShopSay("You can select individual pastels for only $5 each or buy a whole set for $80.");
}

void TForm10::BitBtn3Click() {
  ResetShopPanels();
  Panel[2]->show();
  for (int k = 17; k <= 32; ++k) PaintSwatch(*Image[k], k);
  basket.colourCategory = std::string(kWatercolourCategory);
  ShopSay(
      "We have the following products in the watercolor range: 16 different colors of water "
      "based paintwhich can be bought separately for $10 each or as a set for $160. We also stock "
      "5 differentbrushes ranging in price from $10 to $42. (Please select  \"Product "
      "Information\" in the Help menu for more information).");
}

void TForm10::BitBtn11Click() {
  ResetShopPanels();
  Panel[6]->show();
  ShopSay(
      "The following oil-painting products are available: Red, Blue and Green paint, for $80 per "
      "tube, from which any conceivable color can be made (see \"Product information\" on mixing "
      "the three basic colors and why yellow is not a basic color). Turpentine to clean your "
      "brushes is for sale for $10 per bottle and to mix paint we sell palettes for $50. We also "
      "stock 5 different brushes intended for oil painting ranging in price from $25 to $70. "
      "(Please select  \"Product Information\" in the Help menu for more information).");
}

void TForm10::Extras1Click() {
  ResetShopPanels();
  Panel[7]->show();
  ShopSay(
      "The products on offer are there to make your life a bit more comfortable. Please select "
      "one of the following: Trophy rack to display your awards. A fire extinguisher or burglar "
      "alarm for your protection. A telephone for notification of important events.");
}

void TForm10::Items1Click() {
  Image34->SetShowHint(false);
}

void TForm10::Image34Click() {
  Timer2.SetEnabled(true);
  Image35->show();
  Image35->raise();
  Image34->SetShowHint(true);
  shopHintTicks = 0;
}

void TForm10::InfoBar1Click() {
  forms.Form3->Reopen();
}

void TForm10::StockBar1Click() {
  forms.Form11->RefreshStockList();
  forms.Form11->show();
}

void TForm10::Timer1Timer() {
  Animate1->SetActive(true);
  --shopAnimTicks;
  if (shopAnimTicks <= -1) {
    Animate1->SetActive(false);
    Timer1.SetEnabled(false);
  }
}

void TForm10::Timer2Timer() {
  ++shopHintTicks;
  if (shopHintTicks >= 2) {
    Image35->hide();
    Timer2.SetEnabled(false);
    shopHintTicks = 0;
  }
}

void TForm10::mediaplayer1Notify() {
  // The shop's tune loops for as long as the shop is open.
  if (Showing()) mediaplayer1.Play();
}

void TForm10::FormShow() {
  if (game.MusicOn) {
    forms.Form1->MediaPlayer2.Stop();
    mediaplayer1.FileName = AssetPath(game, "\\sound\\music\\m1.mid");
    mediaplayer1.Notify = true;
    // A missing tune leaves the shop silent; the shop does not complain.
    if (mediaplayer1.Open()) mediaplayer1.Play();
  }
  basket.Clear();
  HideBasket();
  for (QFrame* panel : Panel) panel->hide();
  ResetShopPanels();
  shopAnimTicks = 3;
  Timer1.SetEnabled(true);
}

void TForm10::FormClose() {
  if (game.MusicOn) {
    mediaplayer1.Notify = false;
    mediaplayer1.Stop();
  }
  game.MusicRestart = true;
  forms.Form1->MediaPlayer2Notify();
  backgroundload(game, forms);
  FloatAbove(*forms.Form3, *forms.Room);
}

void TForm10::reject() {
  Button1Click();
}

std::vector<std::string> TForm10::BasketListLines() const {
  return ListLines(*ListBox1);
}

std::vector<std::string> TForm10::MemoLines() const {
  return pictorio::MemoLines(*Memo1);
}

}  // namespace pictorio
