#include "app/form_set.h"

#include "app/delete_game_dialog.h"
#include "app/load_game_dialog.h"
#include "app/main_window.h"
#include "challenges/challenge_window.h"
#include "shop/shop_window.h"
#include "shop/stock_window.h"
#include "simulation/notice_window.h"
#include "studio/load_artwork_dialog.h"
#include "studio/studio_window.h"
#include "ui/info_bar.h"
#include "venues/calendar_window.h"
#include "venues/entry_window.h"
#include "venues/venue_window.h"

namespace pictorio {

FormSet::FormSet(Game& game) : game_(game) {
  forms_.Form1 = new TForm1(game, forms_);
  forms_.Room = forms_.Form1;
}

void FormSet::FinishStartUp() {
  Forms& f = forms_;
  if (f.Form2) return;
  Game& game = game_;
  f.Form2 = new TForm2(game, f);
  f.Form3 = new TForm3(game, f);
  f.Form3->KeepClear = [room = f.Form1] { return room->HotSpotsOnScreen(); };
  f.Form4 = new TForm4(game, f);
  f.Form5 = new TForm5(game, f);
  f.Form6 = new TForm6(game, f);
  f.Form7 = new TForm7(game, f);
  f.Form8 = new TForm8(game, f);
  f.Form9 = new TForm9(game, f);
  f.Form10 = new TForm10(game, f);
  f.Form11 = new TForm11(game, f);
  f.Form12 = new TForm12(game, f);
  f.Form13 = new TForm13(game, f);
  // Last: a message box about missing sound files may open here, and every
  // window must exist by then.
  f.Form1->FinishStartUp();
}

FormSet::~FormSet() {
  Forms& f = forms_;
  // The info bar may lie inside a scene as a strip: it must not go with it.
  if (f.Form3) f.Form3->ComeBack();
  delete f.Form13;
  delete f.Form12;
  delete f.Form11;
  delete f.Form10;
  delete f.Form9;
  delete f.Form8;
  delete f.Form7;
  delete f.Form6;
  delete f.Form5;
  delete f.Form4;
  delete f.Form3;
  delete f.Form2;
  delete f.Form1;
}

}  // namespace pictorio
