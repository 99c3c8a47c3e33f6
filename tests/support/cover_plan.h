#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

#include "studio/brush_stamp.h"

namespace pictorio {

// Where to lay a brush so that every pixel of the target colour is painted,
// with as little paint beyond it as a greedy choice finds, in the order a hand
// would go (nearest next). Centres stay on the area.
struct CoverPlan {
  std::vector<QPoint> centres;
  double pathLength = 0.0;  // pixels the pointer travels from first to last stamp
};
CoverPlan PlanCover(const QImage& area, QRgb target, const BrushStamp& stamp);

}  // namespace pictorio
