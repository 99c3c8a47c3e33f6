#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <string>
#include <vector>

#include "ui/components.h"
#include "ui/form_base.h"

namespace pictorio {

// Lists what the player owns and how much of it is left. It floats above the
// other windows without blocking them, so it can stay open while painting.
class TForm11 : public TFormBase {
  Q_OBJECT
 public:
  TForm11(Game& game, Forms& forms);

  // Rebuilds the list, retiring used-up materials.
  void RefreshStockList();
  void Button1Click();
  void Button2Click();

  QLabel* Label1;
  QListWidget* ListBox1;
  QPushButton* Button1;  // "update", hidden: other windows refresh through it
  QPushButton* Button2;
};

}  // namespace pictorio
