#include "app/game_flow.h"

#include "app/main_window.h"
#include "app/saved_games.h"
#include "core/game.h"
#include "core/save_text.h"
#include "shop/shop_window.h"
#include "shop/stock_window.h"
#include "simulation/clock.h"
#include "simulation/trophies.h"
#include "studio/studio_window.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "venues/calendar_window.h"
#include "venues/entry_window.h"

namespace pictorio {
namespace {

const char* const kLeaveUnsaved = "The game was not saved. Do you want to leave it without saving?";

void ClearSharedLists(TForm3& bar) {
  bar.ListBox1.Clear();
  bar.ListBox2.Clear();
  bar.ListBox3.Clear();
}

void SetGameMenus(TForm1& main, bool enabled) {
  main.paint1->setEnabled(enabled);
  main.Calendar1->setEnabled(enabled);
  main.Save1->setEnabled(enabled);
  main.Shop1->setEnabled(enabled);
  main.CareerBook1->setEnabled(enabled);
}

// Hot spot hints speak while a game runs; the room's own hint while none does.
void SetSceneHints(TForm1& main, bool gameRunning) {
  main.Image20->SetShowHint(gameRunning);
  main.Image21->SetShowHint(gameRunning);
  main.Image22->SetShowHint(gameRunning);
  main.Image24->SetShowHint(gameRunning);
  main.Image1->SetShowHint(!gameRunning);
}

// The saved-game text of a game not yet snapshotted; every save rebuilds it first.
void FillNewGameText(TStringList& text, const std::string& name) {
  text.Add(name);
  text.Add("0");
  text.Add("0");
  text.Add("25");
  text.Add("0");
  text.Add("Pics");
  for (int slot = 1; slot <= kStockSlots; ++slot) {
    text.Add("stuffx");
    text.Add("");
    text.Add("x");
    text.Add("FALSE");
    text.Add("0");
  }
  for (int k = 1; k <= kTrophyCount; ++k) {
    text.Add("trophiex");
    text.Add("FALSE");
  }
}

}  // namespace

void CloseShop(Forms& forms) {
  if (forms.Form10->Showing()) forms.Form10->Close();
}

void NewGame(Game& game, Forms& forms) {
  TForm1& main = *forms.Form1;
  TForm3& bar = *forms.Form3;
  Platform& platform = game.platform;

  // The running game ends only once the new one has its name: a change of
  // mind at any question leaves it running.
  const SaveAnswer answer = game.GameRunning ? OfferSave(game, forms) : SaveAnswer::Saved;
  if (answer == SaveAnswer::Stay) return;
  if (platform.MessageDlg("Start new game?", MsgType::Confirmation, MsgButtons::OkCancel) !=
      ModalResult::Ok)
    return;
  std::string name = platform.InputBox("New Game", "Please enter your name", "Anonymous");
  std::string refusal;
  while (!name.empty() && !IsUsablePlayerName(name, &refusal)) {
    platform.MessageDlg(refusal, MsgType::Error, MsgButtons::Ok);
    // Asked again with the text kept; the same text back is a cancel.
    const std::string again = platform.InputBox("New Game", "Please enter your name", name);
    if (again == name) return;
    name = again;
  }
  if (name.empty()) return;
  if (answer == SaveAnswer::Unsaved) EndGame(game, forms);

  main.Timer1.SetEnabled(false);
  ClearSharedLists(bar);
  forms.Form2->Close();
  forms.Form4->Close();
  CloseShop(forms);
  game.ElapsedHours = 0;
  game.SaveName = name;
  FillNewGameText(bar.ListBox1, name);

  who& state = game.GameState;
  state.PlayerName = name;
  ClearGameState(state);
  game.Book = CareerBook{};
  state.Money = 25.0;
  game.HasSaveFile = false;

  // The clock stays still until the new game stands, boxes of its first tick included.
  const TimerHold hold(main.Timer1);
  EndVenueEvent(game, forms);
  // A load replaces the venues' entries; a new game has none, so the old
  // player's exhibitions neither open for it nor reach its first save.
  ClearVenueEntries(game.Venues);
  forms.Form8->ListBox1->clear();
  game.TipsThisGame = true;
  game.TipsShown = 0;
  gameon(game, forms);
  backgroundload(game, forms);

  // Every figure of the bar belongs to the new game, not to the one before it.
  bar.Label1->setText(QString::fromStdString(state.PlayerName));
  ShowReputation(bar, state.Reputation);
  ShowMoney(bar, state.Money);
  ShowPictureCount(bar, state.PictureCount);
  bar.ShowIfWanted();
}

void gameon(Game& game, Forms& forms) {
  TForm1& main = *forms.Form1;
  game.VipNoticeDone = true;
  game.UndoNoteShown = false;
  // Only what the reputation opens from here on is news.
  game.UnlocksTold = game.GameState.Reputation;
  SetGameMenus(main, true);
  game.GameRunning = true;
  main.Timer1.SetEnabled(true);
  main.SubmitPictures1->setEnabled(true);
  game.VenueAllowed = false;
  game.SellOutRewarded = false;
  // The stall is laid out for the game that left it; this one lays out its own.
  game.EventVisitPrepared = false;
  game.EntriesSold = 0;
  for (int d = 1; d <= 7; ++d) game.WeekPlan[d].Active = false;
  forms.Form4->Button2->setEnabled(false);
  forms.Form11->RefreshStockList();
  AdvanceClock(game, forms);
  SetSceneHints(main, true);
}

void EndGame(Game& game, Forms& forms) {
  TForm1& main = *forms.Form1;
  TForm3& bar = *forms.Form3;
  forms.Form2->Close();
  forms.Form4->Close();
  CloseShop(forms);
  SetGameMenus(main, false);
  game.GameRunning = false;
  main.Timer1.SetEnabled(false);
  main.SubmitPictures1->setEnabled(false);
  main.nowEvent1->setEnabled(false);
  ClearSharedLists(bar);
  game.ElapsedHours = 0;
  game.ClockDay = 0;
  ClearGameState(game.GameState);
  game.HasSaveFile = false;
  SnapshotGame(game, forms);
  bar.Label1->clear();
  bar.Label6->clear();
  bar.Label7->clear();
  bar.Label8->clear();
  bar.Label10->setText("No game in progress");
  EndVenueEvent(game, forms);
  SetSceneHints(main, false);
}

SaveAnswer OfferSave(Game& game, Forms& forms) {
  // Just saved and nothing since, not even an hour: there is nothing to lose.
  if (game.HasSaveFile && WriteSavedGame(game.GameState, game.Venues) == game.SavedText)
    return SaveAnswer::Saved;
  const ModalResult answer = game.platform.MessageDlg(
      "Do you want to save the current game? (" + game.GameState.PlayerName + ")",
      MsgType::Confirmation, MsgButtons::YesNo);
  if (answer == ModalResult::Yes) {
    if (SaveGame(game, forms)) return SaveAnswer::Saved;
    // The game exists only in memory now; leaving would lose it unasked.
    if (game.platform.MessageDlg(kLeaveUnsaved, MsgType::Warning, MsgButtons::YesNo) !=
        ModalResult::Yes)
      return SaveAnswer::Stay;
  }
  return SaveAnswer::Unsaved;
}

bool OfferSaveOrEnd(Game& game, Forms& forms, Leaving leaving) {
  const SaveAnswer answer = OfferSave(game, forms);
  if (answer == SaveAnswer::Stay) return false;
  if (answer == SaveAnswer::Unsaved) {
    if (leaving == Leaving::Program) Autosave(game);
    EndGame(game, forms);
  }
  return true;
}

}  // namespace pictorio
