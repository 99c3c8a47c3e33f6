#include "studio/brush_stamp.h"

#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <cstring>

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
    for (int x = 0; x < copy.width(); ++x) {
      if ((line[x] & 0xffffffu) == stamp.key_) line[x] = 0;
      if (line[x] == 0) continue;
      if (x > 0 && line[x - 1] != 0 && !stamp.runs_.empty() && stamp.runs_.back().y == y)
        ++stamp.runs_.back().length;
      else
        stamp.runs_.push_back({y, x, 1});
    }
  }
  stamp.image_ = copy;
  stamp.halfWidth_ = static_cast<int>(std::nearbyint(copy.width() / 2.0));
  stamp.halfHeight_ = static_cast<int>(std::nearbyint(copy.height() / 2.0));
  const auto solid = [&](int x, int y) { return copy.valid(x, y) && qAlpha(copy.pixel(x, y)); };
  // The ring of pixels k away from the centre, in the chessboard distance.
  const auto ringSolid = [&](int k) {
    const int cx = stamp.halfWidth_, cy = stamp.halfHeight_;
    for (int d = -k; d <= k; ++d)
      if (!solid(cx + d, cy - k) || !solid(cx + d, cy + k) || !solid(cx - k, cy + d) ||
          !solid(cx + k, cy + d))
        return false;
    return true;
  };
  int core = -1;
  while (ringSolid(core + 1)) ++core;
  // Stamps `core` apart along a line keep every line pixel within `core` of
  // some stamp's centre, so inside its solid square.
  stamp.spacing_ = std::max(1, core);
  return stamp;
}

void BrushStamp::LayRuns(QImage& canvas, QPoint topLeft) const {
  const int width = canvas.width(), height = canvas.height();
  for (const Run& run : runs_) {
    const int y = topLeft.y() + run.y;
    if (y < 0 || y >= height) continue;
    int x = topLeft.x() + run.x, from = run.x, length = run.length;
    if (x < 0) {
      from -= x;
      length += x;
      x = 0;
    }
    length = std::min(length, width - x);
    if (length <= 0) continue;
    std::memcpy(reinterpret_cast<QRgb*>(canvas.scanLine(y)) + x,
                reinterpret_cast<const QRgb*>(image_.constScanLine(run.y)) + from,
                static_cast<std::size_t>(length) * sizeof(QRgb));
  }
}

QRect BrushStamp::Lay(QImage& canvas, int x, int y) const {
  if (image_.isNull() || canvas.isNull()) return {};
  const QRect target(x - halfWidth_, y - halfHeight_, image_.width(), image_.height());
  const QRect touched = target & canvas.rect();
  if (touched.isEmpty()) return {};
  // The stamp's pixels are either fully painted or keyed out, so on a canvas
  // of whole 32-bit pixels a copy of the painted runs is the transparent draw.
  if (canvas.format() == QImage::Format_RGB32 || canvas.format() == QImage::Format_ARGB32) {
    LayRuns(canvas, target.topLeft());
  } else {
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(target.topLeft(), image_);
  }
  return touched;
}

QRect BrushStamp::LayBetween(QImage& canvas, QPoint from, QPoint to) const {
  const QPoint d = to - from;
  const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
  QRect touched;
  for (int t = spacing_; t < steps; t += spacing_) {
    const auto at = [&](int delta) {
      return static_cast<int>(std::lround(static_cast<double>(delta) * t / steps));
    };
    touched |= Lay(canvas, from.x() + at(d.x()), from.y() + at(d.y()));
  }
  return touched;
}

}  // namespace pictorio
