#include "ui/screen_fit.h"

namespace pictorio {

namespace {
// Room for a title bar and borders; generous, as their size is only known
// once the window is shown.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;
}  // namespace

bool NeedsWholeScreen(const QSize& available, const QSize& window) {
  return available.width() < window.width() + kFrameWidth ||
         available.height() < window.height() + kFrameHeight;
}

}  // namespace pictorio
