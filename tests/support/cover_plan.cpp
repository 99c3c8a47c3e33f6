#include "support/cover_plan.h"

#include <cmath>
#include <limits>

namespace pictorio {

CoverPlan PlanCover(const QImage& picture, QRgb target, const BrushStamp& stamp) {
  CoverPlan plan;
  const QImage area = picture.convertToFormat(QImage::Format_RGB32);
  const int w = area.width(), h = area.height();
  // 0: other, 1: target still bare, 2: painted.
  std::vector<unsigned char> state(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(area.constScanLine(y));
    for (int x = 0; x < w; ++x)
      state[static_cast<size_t>(y) * w + x] = (line[x] & 0xFFFFFFu) == (target & 0xFFFFFFu);
  }
  std::vector<QPoint> offsets;  // painted stamp pixels relative to the pointer
  const QImage& image = stamp.Image();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0)
        offsets.emplace_back(x - stamp.HalfWidth(), y - stamp.HalfHeight());
  if (offsets.empty()) return plan;

  auto gain = [&](QPoint c) {
    int g = 0;
    for (const QPoint& o : offsets) {
      const int x = c.x() + o.x(), y = c.y() + o.y();
      if (x < 0 || y < 0 || x >= w || y >= h) continue;
      const unsigned char s = state[static_cast<size_t>(y) * w + x];
      g += s == 1 ? 1 : s == 0 ? -2 : 0;
    }
    return g;
  };
  std::vector<QPoint> chosen;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (state[static_cast<size_t>(y) * w + x] != 1) continue;
      QPoint best;
      int bestGain = std::numeric_limits<int>::min();
      for (const QPoint& o : offsets) {
        const QPoint c(x - o.x(), y - o.y());
        if (c.x() < 0 || c.y() < 0 || c.x() >= w || c.y() >= h) continue;
        const int g = gain(c);
        if (g > bestGain) bestGain = g, best = c;
      }
      if (bestGain == std::numeric_limits<int>::min()) continue;  // unreachable pixel
      for (const QPoint& o : offsets) {
        const int px = best.x() + o.x(), py = best.y() + o.y();
        if (px >= 0 && py >= 0 && px < w && py < h) state[static_cast<size_t>(py) * w + px] = 2;
      }
      chosen.push_back(best);
    }

  // Nearest next, starting from the first stamp.
  std::vector<bool> used(chosen.size());
  QPoint at = chosen.empty() ? QPoint() : chosen.front();
  for (size_t n = 0; n < chosen.size(); ++n) {
    size_t next = 0;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (size_t i = 0; i < chosen.size(); ++i) {
      if (used[i]) continue;
      const long long dx = chosen[i].x() - at.x(), dy = chosen[i].y() - at.y();
      if (dx * dx + dy * dy < bestDistance) bestDistance = dx * dx + dy * dy, next = i;
    }
    used[next] = true;
    plan.pathLength += std::sqrt(static_cast<double>(bestDistance));
    at = chosen[next];
    plan.centres.push_back(at);
  }
  return plan;
}

}  // namespace pictorio
