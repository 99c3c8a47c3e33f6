#include "app/saved_games.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "app/delete_game_dialog.h"
#include "app/game_flow.h"
#include "app/load_game_dialog.h"
#include "app/main_window.h"
#include "core/career_book.h"
#include "core/game.h"
#include "core/read_file.h"
#include "core/save_files.h"
#include "core/save_text.h"
#include "core/text_file.h"
#include "simulation/clock.h"
#include "simulation/scene_layout.h"
#include "simulation/trophies.h"
#include "simulation/week_plan.h"
#include "studio/studio_window.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "ui/platform.h"
#include "venues/calendar_window.h"
#include "venues/free_pictures.h"

namespace pictorio {
namespace {

// The index starts with two lines of its own that no reader shows or keeps names in.
constexpr int kReservedIndexLines = 2;
const char* const kReservedLines[kReservedIndexLines] = {"Pictorio saved games",
                                                         "One game name per line below"};

std::string UnusableNameMessage(const std::string& name) {
  return "The save index names a game '" + name +
         "', which cannot be the name of a saved game. It is left alone.";
}

void ReportError(Game& game, const std::string& text) {
  game.platform.MessageDlg(text, MsgType::Error, MsgButtons::Ok);
}

std::string AutosaveBookPath(const Game& game, const std::string& player) {
  return AutosaveFolder(game) + "/" + player + ".book";
}

// The book goes with the game but is no part of it: a failed write is
// reported and the game stays saved.
void SaveBook(Game& game, const std::string& path) {
  std::string error;
  if (!WriteTextLinesSafely(path, WriteCareerBook(game.Book), &error))
    ReportError(game, "The career book could not be saved.\n" + error);
}

// A game saved before its book existed starts one now; a damaged book is
// reported, started afresh and never keeps the game from loading.
void LoadBook(Game& game, const std::string& path) {
  std::error_code ignored;
  const bool exists = std::filesystem::exists(path, ignored);
  std::string bytes;
  std::string error;
  if (exists && ReadRegularFile(path, &bytes, &error, kMostBookBytes + 1) &&
      ReadCareerBookBytes(bytes, &game.Book, &error))
    return;
  game.Book = CareerBook{};
  game.Book.Origin = exists ? BookOrigin::Unreadable : BookOrigin::Loaded;
  game.Book.StartHour = game.ElapsedHours;
  if (exists)
    game.platform.MessageDlg("The career book of this game could not be read; a new one starts "
                             "now.\n" + error,
                             MsgType::Warning, MsgButtons::Ok);
}

// Only the lines after the reserved ones name games: a player whose name
// happens to match a reserved line still gets a line of their own.
bool IndexLists(const TStringList& index, const std::string& name) {
  for (int i = kReservedIndexLines; i < index.Count(); ++i)
    if (index[i] == name) return true;
  return false;
}

// A new game's first save: the index gets its name, the game its file.
bool SaveNewGame(Game& game, Forms& forms) {
  TStringList& index = forms.Form3->ListBox2;
  if (!ReadSaveIndex(game, forms)) return false;
  const std::string& name = game.SaveName;
  const bool listed = IndexLists(index, name);
  std::error_code ignored;
  if (listed || std::filesystem::exists(SavedGamePath(game, name), ignored)) {
    // Another game of the same name would be lost without a word.
    if (game.platform.MessageDlg(
            "A saved game for '" + name + "' already exists. Do you want to replace it?",
            MsgType::Warning, MsgButtons::YesNo) != ModalResult::Yes)
      return false;
  }
  SnapshotGame(game, forms);
  std::string error;
  // The game's file first: an index line without a file would offer a game
  // that cannot be loaded.
  if (!WriteTextLinesSafely(SavedGamePath(game, name), forms.Form3->ListBox1.Items, &error)) {
    ReportError(game, error);
    return false;
  }
  if (!listed) {
    while (index.Count() < kReservedIndexLines) index.Add(kReservedLines[index.Count()]);
    index.Add(name);
    if (!WriteTextLinesSafely(SaveIndexPath(game), index.Items, &error)) {
      ReportError(game, error);
      return false;
    }
  }
  game.HasSaveFile = true;
  game.SavedText = forms.Form3->ListBox1.Items;
  SaveBook(game, BookPath(game, name));
  return true;
}

// Steps 7 to 15 of a load, over the saved-game text now held by the info bar.
bool StartLoadedGame(Game& game, Forms& forms, const std::string& chosenGame, bool autosave) {
  TForm3& bar = *forms.Form3;
  LoadedGame loaded;
  std::string error;
  if (!ReadSavedGame(bar.ListBox1.Items, game.Venues, &loaded, &error)) {
    ReportError(game, "The saved game cannot be loaded.\n" + error);
    return false;
  }
  forms.Form2->Close();
  forms.Form4->Close();
  CloseShop(forms);

  who& state = game.GameState;
  state = std::move(loaded.state);
  // Saves go back to the file the game came from, not to the one its first
  // line names; a reload after a cancelled dialog keeps the file it had.
  if (!chosenGame.empty()) game.SaveName = chosenGame;
  game.ElapsedHours = state.SavedHours;
  // A game that is going on needs no first-week tips.
  game.TipsThisGame = false;
  LoadBook(game, autosave ? AutosaveBookPath(game, chosenGame) : BookPath(game, game.SaveName));
  bar.Label1->setText(QString::fromStdString(state.PlayerName));
  ShowReputation(bar, state.Reputation);
  ShowMoney(bar, state.Money);
  ShowPictureCount(bar, state.PictureCount);
  // The venues take the loaded game's entries only: an earlier game's entries
  // would name pictures this game does not have.
  for (int v = 1; v <= 4; ++v) {
    game.Venues[v].Entries = std::move(loaded.entries[v]);
    game.Venues[v].Submitted = loaded.submitted[v];
  }

  // No tick may see the game half loaded, also while a box raised by its
  // first tick or by its week plan is open.
  const TimerHold hold(forms.Form1->Timer1);
  backgroundload(game, forms);
  ListFreePictures(game, forms);
  gameon(game, forms);
  game.EventNoticeEnabled = false;
  BuildWeekPlan(game, forms);
  game.EventNoticeEnabled = true;
  // The venue window is modal: no save falls between a sell-out and its bonus,
  // so today's event found sold out was rewarded before it was saved.
  const int v = game.EventVenue;
  game.SellOutRewarded =
      v != 0 && game.Venues[v].Submitted && SoldEntries(game, v) == game.Venues[v].Slots;
  bar.ShowIfWanted();
  return true;
}

}  // namespace

std::string SaveIndexPath(const Game& game) {
  return PlayerPath(game, "\\savegames\\main.txc");
}

std::string SavedGamePath(const Game& game, const std::string& name) {
  return PlayerPath(game, "\\savegames\\" + name + ".sgm");
}

std::string BookPath(const Game& game, const std::string& name) {
  return PlayerPath(game, "\\savegames\\" + name + ".book");
}

void EnsureSaveIndex(const Game& game) {
  const std::string path = SaveIndexPath(game);
  std::error_code ignored;
  if (std::filesystem::exists(path, ignored)) return;
  // Without the folder there is nothing to create; the first save reports it.
  std::string error;
  WriteTextLinesSafely(path, {kReservedLines[0], kReservedLines[1]}, &error);
}

bool ReadSaveIndex(Game& game, Forms& forms) {
  TStringList& index = forms.Form3->ListBox2;
  index.Clear();
  std::string error;
  if (!ReadTextLines(SaveIndexPath(game), &index.Items, &error)) {
    index.Clear();
    ReportError(game, error);
    return false;
  }
  return true;
}

namespace {

// The text of a saved game or an autosave at `path`, checked line by line.
bool ReadGameText(Game& game, const std::string& path, const std::string& shownName,
                  std::vector<std::string>* lines, std::string* message) {
  std::string error;
  if (!ReadTextLines(path, lines, &error)) {
    *message = "The file '" + path + "' could not be found.";
    return false;
  }
  if (!ReadSavedGame(*lines, game.Venues, nullptr, &error)) {
    *message = "The saved game '" + shownName + "' is damaged and cannot be loaded.\n" + error;
    return false;
  }
  return true;
}

}  // namespace

bool ReadSavedGameFile(Game& game, const std::string& name, std::vector<std::string>* lines,
                       std::string* message) {
  // Only a name a game can be saved under becomes a path inside the save folder.
  if (PlayerNameProblem(name)) {
    *message = UnusableNameMessage(name);
    return false;
  }
  return ReadGameText(game, SavedGamePath(game, name), name, lines, message);
}

std::string AutosaveFolder(const Game& game) {
  return PlayerPath(game, "\\savegames\\autosave");
}

bool Autosave(Game& game) {
  if (!game.Settings.Autosave || !game.GameRunning) return false;
  const std::string& player = game.GameState.PlayerName;
  std::string error;
  std::error_code ignored;
  std::filesystem::create_directories(AutosaveFolder(game), ignored);
  // Straight from the game: the info bar's copy of the text stays the last
  // one the player saved or loaded, which a cancelled Load goes back to.
  if (!PlayerNameProblem(player) &&
      WriteTextLinesSafely(AutosaveFolder(game) + "/" + player + ".sgm",
                           WriteSavedGame(game.GameState, game.Venues), &error) &&
      WriteTextLinesSafely(AutosaveBookPath(game, player), WriteCareerBook(game.Book), &error))
    return true;
  if (PlayerNameProblem(player)) error = UnusableNameMessage(player);
  if (!std::exchange(game.AutosaveFailureShown, true))
    ReportError(game, "The game could not be saved automatically.\n" + error);
  return false;
}

std::vector<std::string> AutosavedPlayers(const Game& game) {
  std::vector<std::string> players;
  std::error_code failed;
  std::filesystem::directory_iterator files(AutosaveFolder(game), failed);
  for (; !failed && files != std::filesystem::directory_iterator(); files.increment(failed)) {
    const std::filesystem::path& file = files->path();
    if (file.extension() != ".sgm" || !files->is_regular_file(failed)) continue;
    const std::string player = file.stem().string();
    if (PlayerNameProblem(player)) continue;
    players.push_back(player);
    if (static_cast<int>(players.size()) == kMostAutosavesListed) break;
  }
  std::sort(players.begin(), players.end());
  return players;
}

bool ReadAutosaveFile(Game& game, const std::string& player, std::vector<std::string>* lines,
                      std::string* message) {
  if (PlayerNameProblem(player)) {
    *message = UnusableNameMessage(player);
    return false;
  }
  return ReadGameText(game, AutosaveFolder(game) + "/" + player + ".sgm",
                      "autosave of " + player, lines, message);
}

bool RemoveSavedGame(Game& game, Forms& forms, int position, std::string* error) {
  TStringList& index = forms.Form3->ListBox2;
  const int line = position + kReservedIndexLines;
  if (position < 0 || line >= index.Count()) {
    if (error) *error = "The save index has no game at this place.";
    return false;
  }
  const std::string name = index[line];
  if (PlayerNameProblem(name)) {
    if (error) *error = UnusableNameMessage(name);
    return false;
  }
  std::vector<std::string> kept = index.Items;
  kept.erase(kept.begin() + line);
  if (!WriteTextLinesSafely(SaveIndexPath(game), kept, error)) return false;
  index.Items = std::move(kept);
  std::error_code ignored;
  std::filesystem::remove(SavedGamePath(game, name), ignored);
  std::filesystem::remove(BookPath(game, name), ignored);
  return true;
}

void SnapshotGame(Game& game, Forms& forms) {
  forms.Form3->ListBox1.Items = WriteSavedGame(game.GameState, game.Venues);
  backgroundload(game, forms);
}

bool SaveGame(Game& game, Forms& forms) {
  if (!game.HasSaveFile) return SaveNewGame(game, forms);
  SnapshotGame(game, forms);
  std::string error;
  if (!WriteTextLinesSafely(SavedGamePath(game, game.SaveName), forms.Form3->ListBox1.Items,
                            &error)) {
    ReportError(game, error);
    return false;
  }
  game.SavedText = forms.Form3->ListBox1.Items;
  SaveBook(game, BookPath(game, game.SaveName));
  return true;
}

void LoadGame(Game& game, Forms& forms) {
  TForm1& main = *forms.Form1;
  // Asked first: a player who stays with a game that could not be saved
  // keeps its event as it was.
  if (game.GameRunning && !OfferSaveOrEnd(game, forms)) return;
  EndVenueEvent(game, forms);
  if (!ReadSaveIndex(game, forms)) return;
  main.Timer1.SetEnabled(false);
  forms.Form5->ChosenGame.clear();
  game.platform.ShowModal(*forms.Form5);
  const std::string chosen = std::exchange(forms.Form5->ChosenGame, {});
  const bool autosave = std::exchange(forms.Form5->ChoseAutosave, false);
  // A game that was not saved (declined or failed) and is still running goes on.
  if (!game.HasSaveFile || !StartLoadedGame(game, forms, chosen, autosave)) {
    if (game.GameRunning) main.Timer1.SetEnabled(true);
    return;
  }
  // Saved by the player, an autosave goes under the player's name, asking
  // first if a game of that name is there already.
  if (autosave) game.HasSaveFile = false;
}

void DeleteGame(Game& game, Forms& forms) {
  if (!ReadSaveIndex(game, forms)) return;
  game.platform.ShowModal(*forms.Form6);
}

bool IsUsablePlayerName(const std::string& name, std::string* reason) {
  const std::optional<std::string> problem = PlayerNameProblem(name);
  if (problem && reason) *reason = *problem;
  return !problem;
}

}  // namespace pictorio
