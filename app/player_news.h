#pragma once

#include <string>
#include <vector>

#include "core/day_report.h"

class QImage;

namespace pictorio {

struct Game;
struct Forms;

// What the player is told beyond the game's own notices: each is an option
// (Options > Summaries and unlocks, Tips, Pause when an event begins).

// The summary of a visit to a venue, in the notice window.
void ShowDayReport(Game& game, Forms& forms, const std::string& venue,
                   const std::vector<std::string>& lines, const QImage& picture);
// Says once what the reputation has opened since the game was begun or loaded.
void TellUnlocks(Game& game, Forms& forms);
// Shows `tip` if tips are on, the game was begun with New and it was not shown yet.
void ShowTip(Game& game, Forms& forms, Tip tip);
// A market, exhibition or challenge day has just begun.
void EventDayBegins(Game& game, Forms& forms);

}  // namespace pictorio
