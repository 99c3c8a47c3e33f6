#pragma once

#include <QRectF>

#include "style.h"

namespace assets {

// Props drawn into a box; shared by the room, its extras, the notices and
// the shop so the same telephone looks the same everywhere.
void DrawTelephone(QPainter& p, const QRectF& box, bool withShelf);
void DrawExtinguisher(QPainter& p, const QRectF& box);
void DrawAlarmBox(QPainter& p, const QRectF& box);
void DrawAlarmBell(QPainter& p, const QRectF& box);
void DrawFlames(QPainter& p, const QRectF& box, Rng& rng);
void DrawPalette(QPainter& p, const QRectF& box, double angleDegrees, bool withBrush);
// A small landscape painting: hills, sky and sun, the painter's own style.
void DrawLandscape(QPainter& p, const QRectF& box, int variant);
void DrawFrame(QPainter& p, const QRectF& outer, qreal border, const QColor& wood);
void DrawEasel(QPainter& p, const QRectF& box, int variant);
void DrawPlant(QPainter& p, const QRectF& box);
void DrawPaintTube(QPainter& p, const QPointF& at, qreal length, double angleDegrees,
                   const QColor& paint);
void DrawBrushTool(QPainter& p, const QPointF& tip, qreal length, double angleDegrees,
                   const QColor& handle, const QColor& paint);

}  // namespace assets
