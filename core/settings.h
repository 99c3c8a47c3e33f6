#pragma once

#include <map>
#include <string>

namespace pictorio {

enum class GameSpeed { VeryFast, Fast, Normal };

// What the player chose in Options, kept between runs. The defaults are the
// game as it always was; additions that change how it looks or plays are off.
struct PlayerSettings {
  bool Sound = true;
  bool Music = true;
  GameSpeed Speed = GameSpeed::Normal;
  bool Windowed = false;
  bool InfoBar = true;
  bool Autosave = true;
  // Stamps also fill the gap between two pointer positions; the design leaves it.
  bool SmoothStrokes = false;
  // A summary when the player leaves an event, and a word when the reputation
  // opens a shop shelf or a gallery.
  bool News = true;
  // Short tips at the first shop visit, studio, event day and offer of a new game.
  bool Tips = true;
  // The clock stops, with a notice, as a market, exhibition or challenge day begins.
  bool PauseAtEvents = false;
  bool operator==(const PlayerSettings&) const = default;
};

// The settings as text under their keys, and back. A value the game did not
// write (damaged, edited, out of range) gives that setting's default.
using SettingValues = std::map<std::string, std::string>;
SettingValues SettingsToValues(const PlayerSettings& settings);
PlayerSettings SettingsFromValues(const SettingValues& values);

}  // namespace pictorio
