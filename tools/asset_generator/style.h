#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <vector>

namespace assets {

// Small deterministic generator: the standard distributions differ between
// library versions, and the assets must come out the same everywhere.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  std::uint32_t next() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 16);
  }
  // Uniform in [lo, hi].
  int range(int lo, int hi) {
    return lo + static_cast<int>(next() % static_cast<std::uint32_t>(hi - lo + 1));
  }
  double real() { return (next() & 0xFFFFFF) / double(0x1000000); }
  double real(double lo, double hi) { return lo + (hi - lo) * real(); }

 private:
  std::uint64_t state_;
};

// The house look: flat warm fills, a soft dark-brown ink line, light from the
// upper left.
namespace ink {
inline const QColor line{62, 40, 30};
inline const QColor paper{250, 243, 228};
inline const QColor wall{236, 214, 176};
inline const QColor wood{168, 104, 60};
inline const QColor woodDark{122, 72, 42};
inline const QColor woodLight{204, 146, 92};
inline const QColor brass{214, 168, 64};
inline const QColor gold{236, 186, 58};
inline const QColor silver{196, 200, 206};
inline const QColor bronze{190, 118, 62};
inline const QColor red{200, 62, 48};
inline const QColor green{86, 140, 82};
inline const QColor blue{64, 104, 160};
inline const QColor teal{62, 140, 140};
}  // namespace ink

QColor Mix(const QColor& a, const QColor& b, double t);
QColor Darker(const QColor& c, double amount);   // amount 0..1
QColor Lighter(const QColor& c, double amount);  // amount 0..1

QImage NewImage(int w, int h, const QColor& fill);
QImage NewTransparent(int w, int h);
void Begin(QPainter& p, QImage& image);

QPen InkPen(qreal width = 2.0);
// Fills a shape in a flat colour with a lighter upper-left and a darker
// lower-right rim, then inks its outline.
void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal line = 2.0);
void FlatShape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal line = 2.0);
QPainterPath RoundRect(qreal x, qreal y, qreal w, qreal h, qreal r);
QPainterPath Ellipse(qreal cx, qreal cy, qreal rx, qreal ry);

// Gentle vertical gradient fill of a rectangle.
void Gradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);
// Paper-like grain so large flat areas look hand-made, not computed.
void Grain(QImage& image, Rng& rng, int strength, const QRect& area = QRect());

QFont SerifFont(qreal pixelSize, bool bold = true, bool italic = false);
QFont SansFont(qreal pixelSize, bool bold = true);
// Centred text with a soft ink shadow.
void Title(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
           const QColor& fill, const QColor& shadow);

// A loaded-brush stroke through the points: parallel bristle lines of
// slightly varied colour, so fills look painted rather than computed.
void PaintStroke(QPainter& p, const std::vector<QPointF>& points, qreal width, const QColor& colour,
                 Rng& rng, int alpha = 210);

// Points along a cubic curve, for strokes.
std::vector<QPointF> Curve(QPointF a, QPointF b, QPointF c, QPointF d, int n = 24);

// Makes every pixel of an image fully opaque or fully transparent, dropping
// the half-covered fringe that antialiasing leaves over a transparent ground.
void HardenAlpha(QImage& image, int threshold = 128);

}  // namespace assets
