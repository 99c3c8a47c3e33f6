#include "app/load_game_dialog.h"

#include "app/saved_games.h"
#include "core/game.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "ui/platform.h"

namespace pictorio {

TForm5::TForm5(Game& g, Forms& f) : TSaveListDialog(g, f, "Load Game", "Choose game to load:") {}

namespace {

// Autosave items carry -1, -2, ...; the index's games their line, 2 and up.
int AutosaveItem(int k) {
  return -1 - k;
}

}  // namespace

void TForm5::AddChoices(std::vector<std::pair<std::string, int>>& choices) {
  autosaves_ = AutosavedPlayers(game);
  for (int k = 0; k < static_cast<int>(autosaves_.size()); ++k)
    choices.emplace_back("Autosave of " + autosaves_[static_cast<std::size_t>(k)],
                         AutosaveItem(k));
}

void TForm5::Button1Click() {
  if (ComboBox1->currentIndex() < 0) return;
  const int item = ComboBox1->currentData().toInt();
  const bool autosave = item < 0 && -1 - item < static_cast<int>(autosaves_.size());
  const std::string name = autosave ? autosaves_[static_cast<std::size_t>(-1 - item)]
                                    : ComboBox1->currentText().toStdString();
  std::vector<std::string> lines;
  std::string message;
  // A damaged file is refused here, while the current game is still whole.
  if (!(autosave ? ReadAutosaveFile(game, name, &lines, &message)
                 : ReadSavedGameFile(game, name, &lines, &message))) {
    game.platform.MessageDlg(message, MsgType::Error, MsgButtons::Ok);
    return;
  }
  TForm3& bar = *forms.Form3;
  bar.ListBox1.Clear();
  bar.ListBox2.Clear();
  bar.ListBox3.Clear();
  bar.ListBox1.Items = std::move(lines);
  ChosenGame = name;
  ChoseAutosave = autosave;
  Close();
  game.HasSaveFile = true;
}

}  // namespace pictorio
