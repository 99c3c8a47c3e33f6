#include "simulation/week_plan.h"

#include "app/main_window.h"  // the plan rings the room's telephone and sets its event menu
#include "core/day_report.h"
#include "simulation/clock.h"
#include "simulation/notice_window.h"
#include "simulation/scene_layout.h"
#include "ui/forms.h"
#include "venues/calendar_window.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

constexpr int kTuesday = 2;
constexpr int kWednesday = 3;
constexpr int kThursday = 4;
constexpr int kFriday = 5;
constexpr int kSaturday = 6;
constexpr int kSunday = 7;

const char* const kDayRule = "------------------------------------------------------";

void AnnounceByTelephone(Game& game, Forms& forms) {
  TForm1& main = *forms.Form1;
  // The telephone rings even when the calendar is open and no notice follows.
  main.PlaySound("\\sound\\sounds\\s9.wav");
  if (forms.Form4->Showing()) return;
  TForm12& notice = *forms.Form12;
  notice.SetCaption("Event Notification");
  notice.AddLine(
      "You are hereby notified that an event has started. Please see your calendar for more "
      "details.");
  if (notice.Image1->LoadFromFile(AssetPath(game, "\\items\\tel.bmp"))) notice.Image1->show();
  notice.Button2->show();
  ShowNoticeModal(game, forms);
  notice.Button2->hide();
}

void OpenTodaysEvent(Game& game, Forms& forms, int today) {
  TForm9& venue = *forms.Form9;
  switch (today) {
    case kTuesday:
      game.EventVenue = kVenueFlea;
      venue.Label1->setText(VenueName(kVenueFlea));
      break;
    case kWednesday:
      game.ChallengeOpen = true;
      break;
    case kThursday:
      game.EventVenue = kVenueLocal;
      ArrangeExhibitionScene(game, forms, kVenueLocal);
      venue.SetTitleColour(QColor(0x80, 0x80, 0x80));
      venue.Label1->setText(VenueName(kVenueLocal));
      break;
    case kFriday:
      game.EventVenue = kVenueFlea;
      venue.SetTitleColour(Qt::black);
      venue.Label1->setText(VenueName(kVenueFlea));
      break;
    case kSaturday:
      game.EventVenue = kVenueNational;
      ArrangeExhibitionScene(game, forms, kVenueNational);
      venue.SetTitleColour(Qt::black);
      venue.Label1->setText(VenueName(kVenueNational));
      break;
    case kSunday:
      game.EventVenue = kVenueInternational;
      ArrangeExhibitionScene(game, forms, kVenueInternational);
      venue.SetTitleColour(Qt::black);
      venue.Label1->setText(VenueName(kVenueInternational));
      break;
    default:
      break;
  }
}

}  // namespace

bool EventHeldInWeek(EventWeeks weeks, int week) {
  switch (weeks) {
    case EventWeeks::Never:
      return false;
    case EventWeeks::Every:
      return true;
    case EventWeeks::Odd:
      return week % 2 == 1;
    case EventWeeks::Even:
      return week % 2 == 0;
    case EventWeeks::EveryFourth:
      return week % 4 == 0;
  }
  return false;
}

void FillWeekSchedule(Game& game, int week) {
  for (int d = 1; d <= 7; ++d) {
    const ScheduleRow& row = kWeekSchedule[d - 1];
    schedule& day = game.WeekPlan[d];
    day.DayLabel = row.DayLabel;
    const bool held = EventHeldInWeek(row.Weeks, week);
    day.EventName = held ? row.EventName : "";
    day.Active =
        held && (row.NeedsSubmittedVenue == 0 || game.Venues[row.NeedsSubmittedVenue].Submitted);
  }
}

const char* WeekdayName(int day) {
  static const char* const kNames[7] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                        "Friday", "Saturday", "Sunday"};
  return day >= 0 && day < 7 ? kNames[day] : "";
}

std::vector<std::string> CalendarDayList(const OneBased<schedule, 7>& plan, int today, int week) {
  std::vector<std::string> lines;
  for (int k = 1; k <= 7; ++k) {
    std::string line = plan[k].DayLabel + " " + plan[k].EventName;
    if (k < today)
      line += "   X";
    else if (k == today)
      line += "  *Today*";
    lines.push_back(line);
    lines.push_back(kDayRule);
  }
  lines.push_back("");
  lines.push_back("Events Next week :");
  if (week % 2 == 0) lines.push_back("- Challenge (We)");
  if ((week + 1) % 2 == 0) lines.push_back("- National exhibition (Sa)");
  if ((week + 1) % 4 == 0) lines.push_back("- International exhibition (Su)");
  return lines;
}

void BuildWeekPlan(Game& game, Forms& forms) {
  TForm1& main = *forms.Form1;
  TForm4& calendar = *forms.Form4;
  const int today = game.ClockDay + 1;
  const int week = game.ClockWeek + 1;
  // Counts as built for today from the start: a tick that comes while a
  // notice or an error box of this call is open must not build it again.
  game.PlanDay = game.ClockDay;
  game.ChallengeOpen = false;
  FillWeekSchedule(game, week);

  // Kept apart from WeekPlan: the notice's "Show calendar" rebuilds the plan
  // from inside this call and clears the Active flags.
  const bool open = game.WeekPlan[today].Active;
  if (open) {
    calendar.Button2->setEnabled(true);
    main.nowEvent1->setEnabled(true);
    game.EventOpen = true;
    if (game.EventNoticeEnabled && game.GameState.Stock[kSlotTelephone].Owned)
      AnnounceByTelephone(game, forms);
    game.EventDayNumber = today;
    OpenTodaysEvent(game, forms, today);
  } else {
    game.EventVenue = 0;
    game.ChallengeOpen = false;
    calendar.Button2->setEnabled(false);
    main.nowEvent1->setEnabled(false);
  }
  game.TodayVenue = game.EventVenue;
  // Built again after the day's close (the calendar at night, a game loaded
  // late), the plan closes the day again: nothing reopens until tomorrow.
  if (game.ClockHour >= kEventDayEnds) CloseEventDay(game, forms);

  calendar.SetDayList(CalendarDayList(game.WeekPlan, today, week));
  for (schedule& day : game.WeekPlan) day.Active = false;
}

}  // namespace pictorio
