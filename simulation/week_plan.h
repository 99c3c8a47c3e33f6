#pragma once

#include <string>
#include <vector>

#include "core/game.h"

namespace pictorio {

struct Forms;

// When a day of the week carries its event, in terms of the week of the year (1..52).
enum class EventWeeks { Never, Every, Odd, Even, EveryFourth };

// One row of the weekly rhythm. A named event is open to the player when the
// venue it needs (0: none) has pictures entered for it.
struct ScheduleRow {
  const char* DayLabel;
  const char* EventName;
  EventWeeks Weeks;
  int NeedsSubmittedVenue;
};

// Monday first: market Tuesday and Friday, challenge every other Wednesday,
// local show every Thursday, national every other Saturday, international every fourth Sunday.
inline constexpr ScheduleRow kWeekSchedule[7] = {
    {"Mo: ", "", EventWeeks::Never, 0},
    {"Tu: ", "Flea Market ", EventWeeks::Every, 0},
    {"We: ", "Challenge ", EventWeeks::Odd, 0},
    {"Th: ", "Local exhibition ", EventWeeks::Every, kVenueLocal},
    {"Fr: ", "Flea Market ", EventWeeks::Every, 0},
    {"Sa: ", "National exhibition ", EventWeeks::Even, kVenueNational},
    {"Su: ", "International exhibition ", EventWeeks::EveryFourth, kVenueInternational},
};

bool EventHeldInWeek(EventWeeks weeks, int week);

// Fills the seven days for week `week` (1..52): labels, event names and which are open.
void FillWeekSchedule(Game& game, int week);

// The calendar's day list: each day with its suffix and a rule under it, then next week's events.
// `today` and `week` are 1-based.
// "Monday" for day 0 of the week (the clock's ClockDay) up to "Sunday" for day 6.
const char* WeekdayName(int day);
std::vector<std::string> CalendarDayList(const OneBased<schedule, 7>& plan, int today, int week);

// Works out today's events at the start of a day (or when the calendar is opened):
// opens today's event, dresses the venue window, announces it by telephone,
// and writes the calendar's day list.
void BuildWeekPlan(Game& game, Forms& forms);

}  // namespace pictorio
