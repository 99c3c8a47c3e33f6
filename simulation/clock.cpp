#include "simulation/clock.h"

#include "app/main_window.h"  // the clock drives the room's timer, menus and sound player
#include "app/player_news.h"
#include "app/saved_games.h"  // the tick snapshots the game (SnapshotGame) at its set hours
#include "challenges/challenge_window.h"
#include "core/game.h"
#include "simulation/notice_window.h"
#include "simulation/week_plan.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "venues/calendar_window.h"
#include "venues/entry_window.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

constexpr int kFireHour = 6;
constexpr int kBurglaryHour = 3;
constexpr double kIncidentChance = 0.1;
constexpr double kFireShare = 0.12;
// Burglars only come for a painter with a name.
constexpr int kBurglaryReputation = 15;

// Most ticks change only the hour: leave labels that stay the same untouched.
void SetText(QLabel& label, const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (label.text() != value) label.setText(value);
}

void RollFire(Game& game, Forms& forms) {
  if (game.GameState.Stock[kSlotFireExtinguisher].Owned) return;
  if (game.platform.RandomReal() >= kIncidentChance) return;
  who& state = game.GameState;
  // A fire takes a share of what there is; a player in debt has nothing to burn.
  game.FireDamage = state.Money > 0.0 ? kFireShare * state.Money : 0.0;
  forms.Form1->PlaySound("\\sound\\sounds\\s12.wav");
  const std::string line = "A fire caused damage to the value of $" + FormatMoney(game.FireDamage);
  state.Money -= game.FireDamage;
  ShowMoney(*forms.Form3, state.Money);
  ShowNotice(game, forms, "FIRE !!!!", line, "\\items\\fire.bmp");
  SnapshotGame(game, forms);
}

void RollBurglary(Game& game, Forms& forms) {
  if (game.GameState.Stock[kSlotBurglarAlarm].Owned) return;
  const double draw = game.platform.RandomReal();
  if (draw >= kIncidentChance || game.GameState.Reputation <= kBurglaryReputation) return;
  const int stolen = PictureToSteal(game.GameState);
  if (stolen < 0) return;
  picrec& picture = game.GameState.Pictures[static_cast<std::size_t>(stolen)];
  forms.Form1->PlaySound("\\sound\\sounds\\s2.wav");
  const std::string line =
      "Your artwork entitled \"" + picture.Title + "\" was stolen during the night.";
  picture.Gone = true;
  BookStolen(game.Book, stolen, game.ElapsedHours);
  ShowNotice(game, forms, "BURGLARY !!!", line, "\\people\\fb.jpg");
  SnapshotGame(game, forms);
}

}  // namespace

GameDate DateOfHour(int h) {
  GameDate date;
  date.year = h / kHoursPerYear;
  date.week = h / kHoursPerWeek - date.year * 52;
  date.day = h / kHoursPerDay - (h / kHoursPerWeek) * 7;
  date.hour = h % kHoursPerDay;
  return date;
}

std::string ClockCaption(const GameDate& date) {
  return "Year: " + std::to_string(date.year + 1) + " Week: " + std::to_string(date.week + 1) +
         " Day: " + std::to_string(date.day + 1) + " Hour: " + std::to_string(date.hour + 1);
}

void AdvanceClock(Game& game, Forms& forms) {
  // A message box or notice raised inside the tick runs a nested event loop;
  // without the hold, the clock would tick on under it and raise more boxes.
  const TimerHold hold(forms.Form1->Timer1);
  game.ElapsedHours += 1;
  const GameDate date = DateOfHour(game.ElapsedHours);
  game.ClockYear = date.year;
  game.ClockWeek = date.week;
  game.ClockDay = date.day;
  game.ClockHour = date.hour;
  game.ClockText = ClockCaption(date);
  SetText(*forms.Form3->Label10, game.ClockText);

  SetText(*forms.Form9->Label6, "Hours Left: " + std::to_string(kEventDayEnds - date.hour));

  TForm4& calendar = *forms.Form4;
  SetText(*calendar.Label2, "Year: " + std::to_string(date.year + 1));
  SetText(*calendar.Label1, "Week: " + std::to_string(date.week + 1));
  SetText(*calendar.Label3, "Day: " + std::to_string(date.day + 1));

  if (game.ClockDay != game.PlanDay) {
    BuildWeekPlan(game, forms);
    // The plan names today's venue or challenge only on an event day.
    if ((game.EventVenue != 0 || game.ChallengeOpen) && game.ClockHour < kEventDayEnds)
      EventDayBegins(game, forms);
  }

  game.GameState.SavedHours = game.ElapsedHours;
  if (game.ElapsedHours % kHoursPerWeek == 0)
    BookWeekEnded(game.Book, WeekInBook(game.GameState, game.ElapsedHours));

  if (game.ClockHour >= kEventDayEnds) CloseEventDay(game, forms);
  if (game.ClockHour == kFireHour) RollFire(game, forms);
  if (game.ClockHour == kBurglaryHour) RollBurglary(game, forms);
}

int PictureToSteal(const who& state) {
  for (int p = 1; p <= state.PictureCount - 2; ++p) {
    const picrec& picture = state.Pictures[static_cast<std::size_t>(p)];
    if (!picture.AtVenue && !picture.Gone) return p;
  }
  return -1;
}

void CloseEventDay(Game& game, Forms& forms) {
  if (game.EventOpen) {
    TForm9& venue = *forms.Form9;
    if (venue.Showing()) venue.Close();
    venue.Timer1.SetEnabled(false);
    EndVenueEvent(game, forms);
    game.EventOpen = false;
    game.EventVisitPrepared = false;
  }
  forms.Form13->Close();
  forms.Form4->Button2->setEnabled(false);
  forms.Form1->nowEvent1->setEnabled(false);
}

void EndVenueEvent(Game& game, Forms& forms) {
  if (game.EventVenue != 0 && game.Venues[game.EventVenue].Submitted) {
    submittedpic& venue = game.Venues[game.EventVenue];
    venue.Submitted = false;
    who& state = game.GameState;
    for (int j = 0; j < venue.Slots; ++j) {
      for (int p = 0; p < state.PictureCount; ++p) {
        picrec& picture = state.Pictures[static_cast<std::size_t>(p)];
        if (venue.Entries[static_cast<std::size_t>(j)] == picture.Title) {
          venue.Entries[static_cast<std::size_t>(j)].clear();
          picture.AtVenue = false;
        }
      }
    }
    forms.Form8->ListBox1->clear();
    SnapshotGame(game, forms);
    game.EventVenue = 0;
    game.EntriesSold = 0;
  }
  game.SellOutRewarded = false;
}

}  // namespace pictorio
