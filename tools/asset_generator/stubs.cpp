// Temporary: families not written yet.
#include "generators.h"
namespace assets {
void MakeScreens(Output&) {}
void MakePeople(Output&) {}
void MakeChallenges(Output&) {}
void MakeAnimations(Output&) {}
void MakeHelpText(Output&) {}
void MakeContactSheet(const Output&, const std::filesystem::path&) {}
}
