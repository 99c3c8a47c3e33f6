#pragma once

#include <QImage>
#include <QRect>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "core/career_book.h"

namespace pictorio {

// What a stroke can change about the open picture besides its pixels.
struct PictureWorth {
  std::string Style;
  double Value = 0.0;
  WorthParts Parts{};
  bool operator==(const PictureWorth&) const = default;
};

// The last strokes of the open picture, for undo and redo. Each keeps only the
// rectangle it changed and the picture's worth on the other side of it: an
// undo swaps the stroke's pixels and worth with the canvas's, a redo swaps
// them back, so one copy serves both ways.
class StrokeHistory {
 public:
  static constexpr std::size_t kDepth = 30;

  // Forgets every stroke; `now` is the picture's worth from here on.
  void Clear(const PictureWorth& now);

  // Brackets one stroke. The canvas is remembered as it was (shared, so
  // nothing is copied until the stroke paints) and compared at the end.
  void BeginStroke(const QImage& canvas, const PictureWorth& now);
  // False when the stroke changed neither a pixel nor the worth: there is
  // nothing to take back. A new stroke drops what could have been redone.
  bool EndStroke(const QImage& canvas, const PictureWorth& now);

  bool CanUndo() const { return undone_ < strokes_.size(); }
  bool CanRedo() const { return undone_ > 0; }
  // The worth the picture has again, or nothing when there is nothing to do.
  // `now` is kept for the way back: a tool taken since may have changed it.
  std::optional<PictureWorth> Undo(QImage& canvas, const PictureWorth& now);
  std::optional<PictureWorth> Redo(QImage& canvas, const PictureWorth& now);

  // Pixel bytes held, for the memory bound.
  std::size_t Bytes() const;

 private:
  struct Stroke {
    QRect rect;
    QImage pixels;       // the rectangle as it is not on the canvas now
    PictureWorth worth;  // the worth on that side of the stroke
  };
  PictureWorth Swap(Stroke& stroke, QImage& canvas, const PictureWorth& now);

  std::deque<Stroke> strokes_;  // oldest first
  std::size_t undone_ = 0;      // strokes at the back that were undone
  QImage before_;               // the canvas when the stroke began
  PictureWorth beforeWorth_;
  PictureWorth settled_;  // the worth after the last stroke, undo or redo
};

// The rectangle where two pictures of one size differ; empty when they are equal.
QRect ChangedRect(const QImage& a, const QImage& b);

}  // namespace pictorio
