#include "studio/stroke_history.h"

#include <algorithm>
#include <cstring>

namespace pictorio {

QRect ChangedRect(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.format() != b.format() || a.depth() != 32) return a.rect();
  int top = -1, bottom = -1, left = a.width(), right = -1;
  const auto rowBytes = static_cast<std::size_t>(a.width()) * 4;
  for (int y = 0; y < a.height(); ++y) {
    const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    if (ra == rb || std::memcmp(ra, rb, rowBytes) == 0) continue;
    if (top < 0) top = y;
    bottom = y;
    int x = 0;
    while (ra[x] == rb[x]) ++x;
    left = std::min(left, x);
    x = a.width() - 1;
    while (ra[x] == rb[x]) --x;
    right = std::max(right, x);
  }
  if (top < 0) return {};
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

void StrokeHistory::Clear(const PictureWorth& now) {
  strokes_.clear();
  undone_ = 0;
  before_ = QImage();
  settled_ = now;
}

void StrokeHistory::BeginStroke(const QImage& canvas, const PictureWorth& now) {
  before_ = canvas;
  // Taking up a tool of another style mixes the picture before its first
  // stroke; taking that stroke back unmixes it again.
  beforeWorth_ = now.Style == "x" && settled_.Style != "x" ? settled_ : now;
}

bool StrokeHistory::EndStroke(const QImage& canvas, const PictureWorth& now) {
  const QRect rect = before_.isNull() ? QRect() : ChangedRect(before_, canvas);
  const bool changed = !rect.isEmpty() || !(now == beforeWorth_);
  if (changed) {
    strokes_.erase(strokes_.end() - static_cast<std::ptrdiff_t>(undone_), strokes_.end());
    undone_ = 0;
    strokes_.push_back({rect, rect.isEmpty() ? QImage() : before_.copy(rect), beforeWorth_});
    if (strokes_.size() > kDepth) strokes_.pop_front();
  }
  before_ = QImage();
  settled_ = now;
  return changed;
}

PictureWorth StrokeHistory::Swap(Stroke& stroke, QImage& canvas, const PictureWorth& now) {
  const QRect& r = stroke.rect;
  if (!r.isEmpty()) {
    const auto bytes = static_cast<std::size_t>(r.width()) * 4;
    for (int y = 0; y < r.height(); ++y) {
      auto* on = canvas.scanLine(r.top() + y) + static_cast<std::size_t>(r.left()) * 4;
      std::swap_ranges(on, on + bytes, stroke.pixels.scanLine(y));
    }
  }
  settled_ = stroke.worth;
  stroke.worth = now;
  return settled_;
}

std::optional<PictureWorth> StrokeHistory::Undo(QImage& canvas, const PictureWorth& now) {
  if (!CanUndo()) return std::nullopt;
  ++undone_;
  return Swap(strokes_[strokes_.size() - undone_], canvas, now);
}

std::optional<PictureWorth> StrokeHistory::Redo(QImage& canvas, const PictureWorth& now) {
  if (!CanRedo()) return std::nullopt;
  Stroke& stroke = strokes_[strokes_.size() - undone_];
  --undone_;
  return Swap(stroke, canvas, now);
}

std::size_t StrokeHistory::Bytes() const {
  std::size_t bytes = 0;
  for (const Stroke& s : strokes_) bytes += static_cast<std::size_t>(s.pixels.sizeInBytes());
  return bytes;
}

}  // namespace pictorio
