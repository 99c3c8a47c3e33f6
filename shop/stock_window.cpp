#include "shop/stock_window.h"

#include "core/game.h"
#include "shop/stock_list.h"
#include "ui/fonts.h"

namespace pictorio {

TForm11::TForm11(Game& g, Forms& f) : TFormBase(g, f, "Stock") {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFixedSize(300, 340);
  setFont(GameFont());

  Label1 = new QLabel("Item                 :         units left", this);
  Label1->setGeometry(12, 8, 276, 22);
  ListBox1 = new QListWidget(this);
  ListBox1->setGeometry(12, 32, 276, 258);
  ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
  ListBox1->setFocusPolicy(Qt::NoFocus);
  Button1 = new QPushButton("update", this);
  Button1->setGeometry(12, 300, 90, 28);
  Button1->hide();
  Button2 = new QPushButton("Close", this);
  Button2->setGeometry(198, 300, 90, 28);
  connect(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, [this] { Button2Click(); });
}

void TForm11::RefreshStockList() {
  ListBox1->clear();
  for (const std::string& line : NormaliseStock(game.GameState.Stock))
    ListBox1->addItem(QString::fromStdString(line));
}

void TForm11::Button1Click() {
  RefreshStockList();
}

void TForm11::Button2Click() {
  Close();
}

}  // namespace pictorio
