#pragma once

#include <string>

namespace pictorio {

class TestApp;
class TForm9;

// Adds a finished picture to the running game as the studio leaves one: its
// JPEG in "pictures", a picrec, the count, and its lines in the saved-game text.
void AddPicture(TestApp& app, const std::string& title, double value, int hue = 120);
// Enters `count` new pictures "Pic 1".. for `venue`, each of its own hue (40 degrees apart).
void EnterPictures(TestApp& app, int venue, int count, double value = 12.0);

// A running game (started if none runs) whose venue `v` holds `count` entered
// pictures worth `value`, its scene arranged and shown, at `reputation` points.
// Music off keeps the draws to the stall's; the first wait is 31 ticks.
TForm9& OpenVenue(TestApp& app, int v, int count, double value, int reputation);
// The wait runs out on the next tick; the buyer picks `entry`, draws `offer`
// from Random(2 x Base) and `face` from Random(100); the next wait is 31 ticks at reputation 0.
void NextBuyer(TestApp& app, TForm9& venue, int entry, int offer = 0, int face = 0);

}  // namespace pictorio
