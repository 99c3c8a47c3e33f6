// Temporary: families not written yet.
#include "generators.h"
namespace assets {
void MakeAnimations(Output&) {}
}
