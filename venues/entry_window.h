#pragma once

#include <QListWidget>

#include "ui/form_base.h"

namespace pictorio {

// Where pictures are entered for a venue's coming event.
class TForm8 : public TFormBase {
  Q_OBJECT
 public:
  TForm8(Game& game, Forms& forms);

  QListWidget* ListBox1;  // the entries made
};

}  // namespace pictorio
