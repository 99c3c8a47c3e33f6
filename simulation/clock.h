#pragma once

#include <string>

namespace pictorio {

struct Game;
struct Forms;
struct who;

struct GameDate {
  int year = 0;
  int week = 0;  // 0..51
  int day = 0;   // 0..6, Monday first
  int hour = 0;  // 0..23
};

inline constexpr int kHoursPerDay = 24;
inline constexpr int kHoursPerWeek = 168;
inline constexpr int kHoursPerYear = 8736;
// The hour an event day closes; nothing opens again until the next day.
inline constexpr int kEventDayEnds = 22;

// Year, week, day and hour of an hour count (all 0-based).
GameDate DateOfHour(int elapsedHours);

// "Year: 1 Week: 1 Day: 1 Hour: 2": every figure shown 1-based.
std::string ClockCaption(const GameDate& date);

// One game hour passes: the clock timer's tick.
void AdvanceClock(Game& game, Forms& forms);

// The picture a burglar takes: the first free one, never the first or the last
// picture painted; -1 when there is none.
int PictureToSteal(const who& state);

// Closes the current venue's event: unsold entries become free pictures again.
void EndVenueEvent(Game& game, Forms& forms);

// The end of the event day: the venue and the challenge close, the day's event
// ends and "Go To Event" is disabled.
void CloseEventDay(Game& game, Forms& forms);

}  // namespace pictorio
