#include "core/settings.h"

#include <array>
#include <utility>

namespace pictorio {
namespace {

constexpr std::array<std::pair<GameSpeed, const char*>, 3> kSpeedNames{
    {{GameSpeed::VeryFast, "veryfast"}, {GameSpeed::Fast, "fast"}, {GameSpeed::Normal, "normal"}}};

const char* OnOff(bool on) { return on ? "on" : "off"; }

void ReadOnOff(const SettingValues& values, const char* key, bool& setting) {
  const auto found = values.find(key);
  if (found == values.end()) return;
  if (found->second == "on") setting = true;
  if (found->second == "off") setting = false;
}

}  // namespace

SettingValues SettingsToValues(const PlayerSettings& s) {
  SettingValues values{{"sound", OnOff(s.Sound)},
                       {"music", OnOff(s.Music)},
                       {"display", s.Windowed ? "window" : "fullscreen"},
                       {"infobar", OnOff(s.InfoBar)},
                       {"autosave", OnOff(s.Autosave)},
                       {"smooth", OnOff(s.SmoothStrokes)},
                       {"news", OnOff(s.News)},
                       {"tips", OnOff(s.Tips)},
                       {"pauseatevents", OnOff(s.PauseAtEvents)}};
  for (const auto& [speed, name] : kSpeedNames)
    if (speed == s.Speed) values["speed"] = name;
  return values;
}

PlayerSettings SettingsFromValues(const SettingValues& values) {
  PlayerSettings s;
  ReadOnOff(values, "sound", s.Sound);
  ReadOnOff(values, "music", s.Music);
  ReadOnOff(values, "infobar", s.InfoBar);
  ReadOnOff(values, "autosave", s.Autosave);
  ReadOnOff(values, "smooth", s.SmoothStrokes);
  ReadOnOff(values, "news", s.News);
  ReadOnOff(values, "tips", s.Tips);
  ReadOnOff(values, "pauseatevents", s.PauseAtEvents);
  if (const auto display = values.find("display"); display != values.end())
    s.Windowed = display->second == "window";
  if (const auto speed = values.find("speed"); speed != values.end())
    for (const auto& [value, name] : kSpeedNames)
      if (speed->second == name) s.Speed = value;
  return s;
}

}  // namespace pictorio
