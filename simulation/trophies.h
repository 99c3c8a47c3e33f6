#pragma once

#include <string>

namespace pictorio {

struct Game;
struct Forms;

struct TrophyInfo {
  const char* title;
  const char* text;  // shown when its picture is clicked
};

// Trophies 1..12 (13 and 14 exist in saved games only).
const TrophyInfo& Trophy(int k);

// Checks the money and sales milestones, announces them, and brings the room's
// extras and trophy pictures in line with the game.
void backgroundload(Game& game, Forms& forms);

// A click on trophy k's picture in the room tells what it was won for.
void ShowTrophyClick(Game& game, Forms& forms, int k);

}  // namespace pictorio
