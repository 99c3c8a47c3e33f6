// The nine tool cursors: 32 x 32, only opaque black, opaque white and clear,
// with each tool's working tip exactly on its hot spot.
#include <QPainter>
#include <QTransform>
#include <string>
#include <vector>

#include "generators.h"

namespace assets {

namespace {

// Draws crisp (unantialiased) shapes: white fill, black 1-pixel outline.
class CursorPainter {
 public:
  CursorPainter() : image_(32, 32, QImage::Format_ARGB32) {
    image_.fill(Qt::transparent);
    p_.begin(&image_);
    p_.setRenderHint(QPainter::Antialiasing, false);
  }
  QPainter& p() { return p_; }
  void shape(const QPolygonF& poly, bool dark = false) {
    p_.setPen(QPen(Qt::black, 1));
    p_.setBrush(dark ? Qt::black : Qt::white);
    p_.drawPolygon(poly);
  }
  void line(QPointF a, QPointF b) {
    p_.setPen(QPen(Qt::black, 1));
    p_.drawLine(a, b);
  }
  void dot(int x, int y, bool dark = true) {
    p_.setPen(Qt::NoPen);
    p_.setBrush(dark ? Qt::black : Qt::white);
    p_.drawRect(x, y, 1, 1);
  }
  QImage finish(QPoint hot) {
    p_.end();
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const QRgb c = image_.pixel(x, y);
        if (qAlpha(c) < 128)
          image_.setPixel(x, y, qRgba(0, 0, 0, 0));
        else
          image_.setPixel(x, y, qGray(c) < 128 ? qRgba(0, 0, 0, 255) : qRgba(255, 255, 255, 255));
      }
    // The tip pixel itself must show.
    image_.setPixel(hot, qRgba(0, 0, 0, 255));
    return image_;
  }

 private:
  QImage image_;
  QPainter p_;
};

// A tool lying along the diagonal from its tip at the origin to the lower right.
QPolygonF Diagonal(const QPolygonF& alongX, QPointF tip) {
  QTransform t;
  t.translate(tip.x(), tip.y());
  t.rotate(45);
  return t.map(alongX);
}

QImage Pencil() {
  CursorPainter c;
  const QPointF tip(0, 0);
  c.shape(Diagonal(QPolygonF({{0, 0}, {9, -3.5}, {9, 3.5}}), tip));
  c.shape(Diagonal(QPolygonF({{0, 0}, {3.5, -1.4}, {3.5, 1.4}}), tip), true);
  c.shape(Diagonal(QPolygonF({{9, -3.5}, {33, -3.5}, {33, 3.5}, {9, 3.5}}), tip));
  c.shape(Diagonal(QPolygonF({{33, -3.5}, {40, -3.5}, {40, 3.5}, {33, 3.5}}), tip), true);
  c.p().setPen(QPen(Qt::black, 1));
  c.p().drawLine(Diagonal(QPolygonF({{9, 0}, {33, 0}}), tip)[0],
                 Diagonal(QPolygonF({{9, 0}, {33, 0}}), tip)[1]);
  return c.finish({0, 0});
}

QImage Charcoal() {
  CursorPainter c;
  // A dark, blunt stick with a white rim so it shows on black.
  c.shape(Diagonal(QPolygonF({{0, 0}, {6, -4.5}, {30, -4.5}, {30, 4.5}, {6, 4.5}}), {0, 0}));
  c.shape(Diagonal(QPolygonF({{2, 0}, {7, -3}, {28, -3}, {28, 3}, {7, 3}}), {0, 0}), true);
  return c.finish({0, 0});
}

QImage Eraser() {
  CursorPainter c;
  const QPointF corner(4, 5);
  c.shape(Diagonal(QPolygonF({{0, 0}, {12, -7}, {26, -7}, {26, 7}, {12, 7}, {0, 7}}), corner));
  c.shape(Diagonal(QPolygonF({{12, -7}, {26, -7}, {26, 7}, {12, 7}}), corner), true);
  // The rubbing corner.
  c.shape(QPolygonF({{4, 5}, {1, 5}, {4, 2}}), true);
  return c.finish({4, 5});
}

QImage Brush() {
  CursorPainter c;
  const QPointF tip(0, 0);
  c.shape(Diagonal(QPolygonF({{0, 0}, {4, -2}, {9, -3.5}, {11, -3.5}, {11, 3.5}, {9, 3.5}, {4, 2}}),
                   tip),
          true);
  c.shape(Diagonal(QPolygonF({{11, -3.5}, {17, -3.5}, {17, 3.5}, {11, 3.5}}), tip));
  c.shape(Diagonal(QPolygonF({{17, -2.5}, {41, -1.5}, {41, 1.5}, {17, 2.5}}), tip));
  return c.finish({0, 0});
}

QImage Pastel() {
  CursorPainter c;
  const QPointF tip(1, 1);
  c.shape(Diagonal(QPolygonF({{0, 0}, {5, -5}, {28, -5}, {28, 5}, {5, 5}}), tip));
  c.shape(Diagonal(QPolygonF({{11, -5}, {22, -5}, {22, 5}, {11, 5}}), tip), true);
  return c.finish({1, 1});
}

QImage Roller() {
  CursorPainter c;
  // The roller's middle is the hot spot (14, 5).
  c.shape(QPolygonF({{2, 1}, {26, 1}, {26, 9}, {2, 9}}));
  c.line({6, 3}, {22, 3});
  c.shape(QPolygonF({{13, 9}, {15, 9}, {15, 13}, {13, 13}}));
  c.shape(QPolygonF({{13, 12}, {23, 12}, {23, 14}, {13, 14}}));
  c.shape(QPolygonF({{20, 14}, {26, 14}, {26, 30}, {20, 30}}), true);
  return c.finish({14, 5});
}

QImage Spray() {
  CursorPainter c;
  // Mist from the nozzle to the hot spot in the corner.
  for (const QPoint& d :
       {QPoint(0, 0), QPoint(2, 1), QPoint(1, 3), QPoint(4, 2), QPoint(3, 5), QPoint(5, 4)})
    c.dot(d.x(), d.y());
  c.shape(QPolygonF({{7, 7}, {11, 7}, {11, 11}, {7, 11}}), true);
  c.shape(Diagonal(QPolygonF({{0, -6}, {24, -6}, {24, 6}, {0, 6}}), {14, 14}));
  c.shape(Diagonal(QPolygonF({{6, -6}, {14, -6}, {14, 6}, {6, 6}}), {14, 14}), true);
  c.shape(QPolygonF({{10, 10}, {14, 10}, {14, 14}, {10, 14}}));
  return c.finish({0, 0});
}

QImage Pen() {
  CursorPainter c;
  const QPointF tip(2, 3);
  c.shape(Diagonal(QPolygonF({{0, 0}, {9, -4}, {11, -4}, {11, 4}, {9, 4}}), tip));
  c.line(Diagonal(QPolygonF({{1, 0}, {8, 0}}), tip)[0],
         Diagonal(QPolygonF({{1, 0}, {8, 0}}), tip)[1]);
  c.shape(Diagonal(QPolygonF({{11, -4}, {16, -4}, {16, 4}, {11, 4}}), tip), true);
  c.shape(Diagonal(QPolygonF({{16, -3.5}, {36, -3.5}, {36, 3.5}, {16, 3.5}}), tip));
  return c.finish({2, 3});
}

QImage Tattoo() {
  CursorPainter c;
  // Needle pointing up to the hot spot (7, 0), grip below, coils beside.
  c.line({7, 0}, {7, 8});
  c.shape(QPolygonF({{5, 8}, {9, 8}, {9, 24}, {5, 24}}));
  c.shape(QPolygonF({{5, 24}, {9, 24}, {9, 31}, {5, 31}}), true);
  c.shape(QPolygonF({{9, 12}, {24, 12}, {24, 16}, {9, 16}}), true);
  c.shape(QPolygonF({{12, 16}, {17, 16}, {17, 26}, {12, 26}}));
  c.shape(QPolygonF({{18, 16}, {23, 16}, {23, 26}, {18, 26}}));
  c.line({24, 14}, {28, 10});
  return c.finish({7, 0});
}

}  // namespace

void MakeCursors(Output& out) {
  const std::vector<std::pair<std::string, QImage>> cursors = {
      {"PENCIL", Pencil()}, {"CHARCO", Charcoal()}, {"ERA", Eraser()},
      {"BRU", Brush()},     {"PASTA", Pastel()},    {"ROLL", Roller()},
      {"SPRAY", Spray()},   {"PEN", Pen()},         {"TAT", Tattoo()},
  };
  for (const auto& [name, image] : cursors) out.png("design/cursors/" + name + ".png", image);
}

}  // namespace assets
