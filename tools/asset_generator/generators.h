#pragma once

#include "output.h"

namespace assets {

// Each writes one family of files into the game folder.
void MakeRoom(Output& out);        // design/room.png, rack, extras
void MakeTrophies(Output& out);    // design/trophy1..12.png
void MakeCursors(Output& out);     // design/cursors/*.png
void MakePanels(Output& out);      // splash, info bar, calendar, basket, hints, sold mark, notice
void MakeItems(Output& out);       // items/*.bmp
void MakeIcons(Output& out);       // icons/pictorio-<size>.png, the launcher's icon
void MakeBrushes(Output& out);     // brush/*.bmp
void MakeScreens(Output& out);     // screens/*.jpg and design/shop.png
void MakePeople(Output& out);      // people/*
void MakeChallenges(Output& out);  // challenge/*.jpg, design/challenge.png
void MakeSounds(Output& out);      // sound/sounds/*.wav
void MakeMusic(Output& out);       // sound/music/*.mid
void MakeAnimations(Output& out);  // avis/*.avi
void MakeHelpText(Output& out);    // Pictorio Help.txt
void MakeContactSheet(const Output& out, const std::filesystem::path& file);

}  // namespace assets
