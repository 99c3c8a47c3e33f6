#pragma once

#include "style.h"

namespace assets {

// The game's name as a painted wordmark, centred in the box.
void DrawWordmark(QPainter& p, const QRectF& box, qreal pixelSize, bool shadow);

}  // namespace assets
