// Temporary: families not written yet.
#include "generators.h"
namespace assets {
void MakeItems(Output&) {}
void MakeBrushes(Output&) {}
void MakeScreens(Output&) {}
void MakePeople(Output&) {}
void MakeChallenges(Output&) {}
void MakeSounds(Output&) {}
void MakeMusic(Output&) {}
void MakeAnimations(Output&) {}
void MakeHelpText(Output&) {}
void MakeContactSheet(const Output&, const std::filesystem::path&) {}
}
