#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <map>
#include <string>

#include "studio/brush_stamp.h"

namespace pictorio {

struct Game;

// The studio's picture, apart from any widget: a 670 x 570 image, the stamp
// of the tool in hand, and the brush pictures read so far.
class Canvas {
 public:
  static constexpr int kWidth = 670;
  static constexpr int kHeight = 570;

  explicit Canvas(const Game& game);

  const QImage& Image() const { return image_; }
  void Fill(const QColor& colour);
  // Draws a picture with its top-left corner on the canvas's; a smaller one
  // leaves the rest as it was.
  void DrawPicture(const QImage& picture);

  // Rebuilds the stamp from the brush picture `name` in `colour`. When the
  // picture cannot be read the old stamp stays and the reason comes back.
  bool BuildStamp(const std::string& name, const QColor& colour, std::string* error = nullptr);
  const BrushStamp& Stamp() const { return stamp_; }
  void UseStamp(const BrushStamp& stamp) { stamp_ = stamp; }
  // Lays the stamp centred on (x, y); the rectangle it touched, for the repaint.
  QRect LayStamp(int x, int y) { return stamp_.Lay(image_, x, y); }
  // Fills the gap between two pointer positions of a smooth stroke.
  QRect LayStampsBetween(QPoint from, QPoint to) { return stamp_.LayBetween(image_, from, to); }
  // The pixels themselves, for undo and redo to swap strokes in and out.
  QImage& Pixels() { return image_; }

  // A brush picture, read once and kept: the files do not change while the game runs.
  const QImage* BrushPicture(const std::string& name, std::string* error = nullptr);

 private:
  const Game& game_;
  QImage image_;
  BrushStamp stamp_;
  std::map<std::string, QImage> brushes_;
};

}  // namespace pictorio
