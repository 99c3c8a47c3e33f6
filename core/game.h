#pragma once

#include <QColor>
#include <string>
#include <vector>

#include "core/career_book.h"
#include "core/game_state.h"
#include "core/one_based.h"
#include "core/settings.h"

namespace pictorio {

class Platform;

// Text is kept as UTF-8 in memory; files are Windows-1252 (see text_codec.h).

struct schedule {
  std::string DayLabel;
  bool Active = false;
  std::string EventName;
};

struct ttcolx {
  std::string Name;
  QColor Color;
};

// The one running game and every program variable, under their own names.
// Exactly one instance per run; windows hold a reference.
struct Game {
  explicit Game(Platform& p) : platform(p) {}
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Platform& platform;

  who GameState;
  // What became of the game's pictures and offers; saved beside the game.
  CareerBook Book;
  OneBased<submittedpic, 4> Venues;
  OneBased<schedule, 7> WeekPlan;
  OneBased<ttcolx, 32> ColourTable;

  std::string AssetRoot;
  // The saved games, the save index and the paintings; see ChoosePlayerRoot.
  std::string PlayerRoot;
  std::string SaveName;
  // Read before the room's first frame; each change is written at once.
  PlayerSettings Settings;
  bool AutosaveFailureShown = false;
  // The text of the player's last save in this game: leaving a game that is
  // still just that asks nothing.
  std::vector<std::string> SavedText;
  bool GameRunning = false;
  bool HasSaveFile = false;
  int ElapsedHours = 0;
  int ClockYear = 0;
  int ClockWeek = 0;
  int ClockDay = 0;
  int ClockHour = 0;
  std::string ClockText;
  int PlanDay = 0;
  int EventVenue = 0;
  int TodayVenue = 0;
  int EventDayNumber = 0;
  bool EventOpen = false;
  bool EventVisitPrepared = false;
  bool ChallengeOpen = false;
  bool VenueAllowed = false;
  int EntriesSold = 0;
  bool SellOutRewarded = false;
  int FleaResult = 0;
  bool VipNoticeDone = true;
  // The first undo of a game says that the paint stays used; later ones do not.
  bool UndoNoteShown = false;
  // The highest reputation whose openings the player has been told of.
  int UnlocksTold = 0;
  // Tips belong to a game begun with New, each shown once (bits of Tip).
  bool TipsThisGame = false;
  unsigned TipsShown = 0;
  double FireDamage = 0.0;
  bool SoundOn = true;
  bool MusicOn = true;
  bool MusicRestart = true;
  int MusicTheme = 10;
  bool EventNoticeEnabled = true;
  int ScreenWidth = 0;
  int ScreenHeight = 0;
  int ScreenBitsPerPixel = 0;
  bool DisplayModeOk = false;
  int SceneImageWidth = 0;
  int SceneImageHeight = 0;
};

// The four selling places; built once at start-up, never reshaped.
void BuildVenues(Game& game);

// Frees every place of every venue and withdraws all submissions, as a game
// that has entered nothing would have them.
void ClearVenueEntries(OneBased<submittedpic, 4>& venues);

// Empties a stock slot the way New game and the end of a game do; the name stays.
void ResetStockSlot(stuffrec& slot);

// Empties GameState's figures, pictures, stock and trophies (the player's name stays).
void ClearGameState(who& state);

// Money as shown everywhere: fixed, two decimals, no thousands separator.
std::string FormatMoney(double money);

// Joins PlayerRoot (AssetRoot until one is chosen) and a relative path.
std::string PlayerPath(const Game& game, const std::string& relative);
// Joins AssetRoot and a relative path written with backslashes ("\sound\s1.wav").
std::string AssetPath(const Game& game, const std::string& relative);

}  // namespace pictorio
