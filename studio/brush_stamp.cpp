#include "studio/brush_stamp.h"

#include <QPainter>
#include <cmath>

namespace pictorio {

BrushStamp BrushStamp::FromPicture(const QImage& brush, const QColor& colour) {
  BrushStamp stamp;
  if (brush.isNull()) return stamp;
  // The test reads the picture as loaded; the writes go to the copy, so a
  // black brush colour (charcoal) changes nothing and a white one (pencils)
  // turns only the pure black pixels white.
  const QImage source = brush.convertToFormat(QImage::Format_RGB32);
  QImage copy = source.convertToFormat(QImage::Format_ARGB32);
  const QRgb paint = colour.rgb() | 0xff000000u;
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(copy.scanLine(y));
    for (int x = 0; x < source.width(); ++x)
      if ((in[x] & 0xffffffu) == 0) out[x] = paint;
  }
  // The key is read after recolouring: a brush whose corner is black takes
  // the brush colour there and keys it out, as a transparent draw of the copy would.
  stamp.key_ = copy.pixel(0, copy.height() - 1) & 0xffffffu;
  for (int y = 0; y < copy.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
    for (int x = 0; x < copy.width(); ++x)
      if ((line[x] & 0xffffffu) == stamp.key_) line[x] = 0;
  }
  stamp.image_ = copy;
  stamp.halfWidth_ = static_cast<int>(std::nearbyint(copy.width() / 2.0));
  stamp.halfHeight_ = static_cast<int>(std::nearbyint(copy.height() / 2.0));
  return stamp;
}

QRect BrushStamp::Lay(QImage& canvas, int x, int y) const {
  if (image_.isNull() || canvas.isNull()) return {};
  const QRect target(x - halfWidth_, y - halfHeight_, image_.width(), image_.height());
  const QRect touched = target & canvas.rect();
  if (touched.isEmpty()) return {};
  QPainter painter(&canvas);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.drawImage(target.topLeft(), image_);
  return touched;
}

}  // namespace pictorio
