#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <string>
#include <vector>

namespace pictorio {

// A brush picture recoloured for one tool: its pure black pixels take the
// brush colour, and the colour of its bottom-left pixel is left unpainted when
// it is laid, so a brush drawn on white leaves its white out. The studio and
// the challenge window both lay stamps this way.
class BrushStamp {
 public:
  // Builds from a loaded brush picture. A null picture leaves the stamp empty.
  static BrushStamp FromPicture(const QImage& brush, const QColor& colour);

  bool Empty() const { return image_.isNull(); }
  const QImage& Image() const { return image_; }
  // Half sizes, rounded to the nearest integer with halves to the even one
  // (a 5-pixel brush has half width 2, a 7-pixel one 4).
  int HalfWidth() const { return halfWidth_; }
  int HalfHeight() const { return halfHeight_; }
  QRgb Key() const { return key_; }

  // Lays the stamp centred on (x, y) and returns the canvas rectangle it may
  // have touched (clipped; empty when nothing of it falls on the canvas).
  QRect Lay(QImage& canvas, int x, int y) const;
  // Lays stamps on the straight line from `from` to `to`, both ends left out,
  // close enough together that the line is covered wherever the stamp covers
  // its own centre; the rectangle they touched.
  QRect LayBetween(QImage& canvas, QPoint from, QPoint to) const;
  // The step between the stamps of LayBetween: the half side of the solid
  // square around the stamp's centre, at least one pixel.
  int Spacing() const { return spacing_; }

 private:
  // One row's run of painted pixels; the stamp is laid run by run.
  struct Run {
    int y, x, length;
  };
  void LayRuns(QImage& canvas, QPoint topLeft) const;

  QImage image_;  // ARGB32 with the key pixels made fully transparent
  int halfWidth_ = 0;
  int halfHeight_ = 0;
  QRgb key_ = 0;
  int spacing_ = 1;
  std::vector<Run> runs_;
};

}  // namespace pictorio
