#include "simulation/clock.h"

#include "core/game.h"
#include "core/saved_games.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "venues/entry_window.h"

namespace pictorio {

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
  game.ElapsedHours += 1;
  const GameDate date = DateOfHour(game.ElapsedHours);
  game.ClockYear = date.year;
  game.ClockWeek = date.week;
  game.ClockDay = date.day;
  game.ClockHour = date.hour;
  game.ClockText = ClockCaption(date);
  forms.Form3->Label10->setText(QString::fromStdString(game.ClockText));
  game.GameState.SavedHours = game.ElapsedHours;
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
