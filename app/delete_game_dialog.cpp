#include "app/delete_game_dialog.h"

#include "app/saved_games.h"
#include "core/game.h"
#include "ui/platform.h"

namespace pictorio {

TForm6::TForm6(Game& g, Forms& f)
    : TSaveListDialog(g, f, "Delete Game", "Choose saved game to delete: ") {
  Label2 = new QLabel("(not current running game)", this);
  Label2->setGeometry(16, 34, 228, 20);
}

void TForm6::Button1Click() {
  if (ComboBox1->currentIndex() < 0) return;
  const std::string name = ComboBox1->currentText().toStdString();
  // The running game's file is refused, also when it is a copy named otherwise.
  if (name == game.GameState.PlayerName || name == game.SaveName) return;
  if (game.platform.MessageDlg("Are you sure you want to delete the game : '" + name + "'",
                               MsgType::Warning, MsgButtons::YesNo) != ModalResult::Yes)
    return;
  std::string error;
  if (!RemoveSavedGame(game, forms, ChosenPosition(), &error)) {
    game.platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
    return;
  }
  Close();
}

}  // namespace pictorio
