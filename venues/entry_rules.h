#pragma once

#include <string>

namespace pictorio {

struct Game;

// Lets the player enter pictures for venue 1..4 only while their reputation is
// strictly above the venue's threshold (-10, 19, 49, 69): sets VenueAllowed.
void CheckVenueReputation(Game& game, int venue);

// How the entry window greets the player at venue 1..4.
struct EntryScene {
  const char* hostAnimation;  // "\avis\a2.avi"
  const char* background;     // "\screens\s2.jpg"
  int hostAnimTicks;          // seconds the host talks when the window opens
  const char* hostSound;      // "s5": "\sound\sounds\s5.wav"
};
const EntryScene& EntrySceneOf(int venue);

// What the host says: entries welcome, refused (reputation too low or not the
// market's day), or already made.
struct EntryTexts {
  std::string open;
  std::string refusal;
  std::string done;
};
EntryTexts EntryTextsFor(int venue, int reputation);

}  // namespace pictorio
