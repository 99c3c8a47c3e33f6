#include "app/load_game_dialog.h"

#include "app/saved_games.h"
#include "core/game.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "ui/platform.h"

namespace pictorio {

TForm5::TForm5(Game& g, Forms& f) : TSaveListDialog(g, f, "Load Game", "Choose game to load:") {}

void TForm5::Button1Click() {
  if (ComboBox1->currentIndex() < 0) return;
  const std::string name = ComboBox1->currentText().toStdString();
  std::vector<std::string> lines;
  std::string message;
  // A damaged file is refused here, while the current game is still whole.
  if (!ReadSavedGameFile(game, name, &lines, &message)) {
    game.platform.MessageDlg(message, MsgType::Error, MsgButtons::Ok);
    return;
  }
  TForm3& bar = *forms.Form3;
  bar.ListBox1.Clear();
  bar.ListBox2.Clear();
  bar.ListBox3.Clear();
  bar.ListBox1.Items = std::move(lines);
  ChosenGame = name;
  Close();
  game.HasSaveFile = true;
}

}  // namespace pictorio
