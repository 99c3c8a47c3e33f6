#pragma once

#include <string>

namespace pictorio {

class TestApp;

// Adds a finished picture to the running game as the studio leaves one: its
// JPEG in "pictures", a picrec, the count, and its lines in the saved-game text.
void AddPicture(TestApp& app, const std::string& title, double value, int hue = 120);

}  // namespace pictorio
