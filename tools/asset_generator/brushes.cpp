// Brush stamps. The game turns pure black pixels into the tool's colour and
// keys out the bottom-left pixel's colour, so every stamp is drawn in black
// on white with a white bottom-left corner. Pencils and the eraser keep a
// white brush colour, so their marks are greys that are never pure black.
#include <cmath>

#include "generators.h"
#include "style.h"

namespace assets {

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kWhite);
  return image;
}

// Fills the pixels whose centre lies inside an ellipse; `keep` decides per
// pixel (for grain) and `colour` gives the mark.
template <typename Keep>
QImage Disc(int w, int h, double rx, double ry, QRgb colour, Keep keep) {
  QImage image = Blank(w, h);
  const double cx = (w - 1) / 2.0, cy = (h - 1) / 2.0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double dx = (x - cx) / rx, dy = (y - cy) / ry;
      const double d = dx * dx + dy * dy;
      if (d <= 1.0 && keep(x, y, d)) image.setPixel(x, y, colour);
    }
  image.setPixel(0, h - 1, kWhite);
  return image;
}

QImage Solid(int w, int h, double rx, double ry, QRgb colour) {
  return Disc(w, h, rx, ry, colour, [](int, int, double) { return true; });
}

// Grainy stamp: denser in the middle, broken at the rim.
QImage Grainy(int size, double radius, std::uint64_t seed, double density, QRgb colour) {
  Rng rng(seed);
  return Disc(size, size, radius, radius, colour, [&](int x, int y, double d) {
    (void)x;
    (void)y;
    return rng.real() < density * (1.0 - 0.5 * d);
  });
}

QImage Charcoal(int size, double radius, std::uint64_t seed) {
  // Black grains with a few dark-grey ones, which stay grey: charcoal dust.
  QImage image = Grainy(size, radius, seed, 0.85, kBlack);
  Rng rng(seed + 100);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (image.pixel(x, y) == kBlack && rng.real() < 0.25) {
        const int g = rng.range(36, 70);
        image.setPixel(x, y, qRgb(g, g, g));
      }
  image.setPixel(0, size - 1, kWhite);
  return image;
}

QImage FlatBrush(int w, int h) {
  // A flat brush laid at a slant: a parallelogram with streaky ends.
  QImage image = Blank(w, h);
  Rng rng(41);
  const double slant = 0.6, length = w - 2 - (h - 1) * slant;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double u = x - 1 - (h - 1 - y) * slant;
      if (u < 0 || u > length) continue;
      const bool end = u < 1.5 || u > length - 1.5;
      if (!end || rng.real() < 0.6) image.setPixel(x, y, kBlack);
    }
  image.setPixel(0, h - 1, kWhite);
  return image;
}

QImage Roller() {
  // The wall roller: a wide solid band with a few dry streaks at its ends.
  QImage image = Blank(42, 24);
  Rng rng(42);
  for (int y = 1; y < 23; ++y)
    for (int x = 1; x < 41; ++x) {
      const bool edge = x < 3 || x > 38;
      if (!edge || rng.real() < 0.7) image.setPixel(x, y, kBlack);
    }
  return image;
}

QImage Spray() {
  // A mist of droplets, thinning out towards the rim.
  Rng rng(43);
  return Disc(30, 30, 14.5, 14.5, kBlack,
              [&](int, int, double d) { return rng.real() < 0.62 * (1.0 - d * 0.85); });
}

QImage PastelFace(int variant) {
  // The pastel buttons show a stick in the chosen colour (the black part)
  // with a dark outline that keeps its grey.
  QImage art = NewTransparent(24, 24);
  QPainter p;
  Begin(p, art);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.translate(12, 12);
  p.rotate(-35);
  QPainterPath stick;
  const qreal len = 9, half = 2.5 + variant * 1.5;
  stick.moveTo(-len, -half);
  stick.lineTo(len - 3, -half);
  if (variant == 0) {
    stick.lineTo(len + 3, 0);
  } else {
    stick.lineTo(len, -half + 1);
    stick.lineTo(len, half - 1);
  }
  stick.lineTo(len - 3, half);
  stick.lineTo(-len, half);
  stick.closeSubpath();
  p.setPen(QPen(QColor(60, 56, 52), 1));
  p.setBrush(Qt::black);
  p.drawPath(stick);
  // Paper wrapper around the back end.
  p.setBrush(QColor(236, 226, 206));
  p.drawRect(QRectF(-len, -half, 7, 2 * half));
  p.end();
  QImage image = Blank(24, 24);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) {
      const QRgb c = art.pixel(x, y);
      if (qAlpha(c) < 128) continue;
      const int r = qRed(c), g = qGreen(c), b = qBlue(c);
      image.setPixel(
          x, y, (r + g + b) < 30 ? kBlack : qRgb(std::max(r, 1), std::max(g, 1), std::max(b, 1)));
    }
  image.setPixel(0, 23, kWhite);
  return image;
}

}  // namespace

void MakeBrushes(Output& out) {
  auto grey = [](int v) { return qRgb(v, v, v); };
  out.bmp("brush/none.bmp", Blank(3, 3));
  // Pencils: HB medium, H2 hard and light, B2 soft, dark and wide.
  out.bmp("brush/p1.bmp", Solid(3, 3, 1.5, 1.5, grey(78)));
  out.bmp("brush/p2.bmp", Solid(3, 3, 1.1, 1.1, grey(128)));
  {
    Rng rng(44);
    out.bmp("brush/p3.bmp", Disc(6, 6, 2.9, 2.9, grey(44),
                                 [&](int, int, double d) { return d < 0.5 || rng.real() < 0.7; }));
  }
  // The eraser rubs back to the colour of fresh canvas.
  {
    QImage eraser = Blank(14, 14);
    for (int y = 1; y < 13; ++y)
      for (int x = 1; x < 13; ++x) eraser.setPixel(x, y, qRgb(250, 250, 250));
    out.bmp("brush/e1.bmp", eraser);
  }
  out.bmp("brush/c1.bmp", Charcoal(5, 2.4, 45));
  out.bmp("brush/c2.bmp", Charcoal(9, 4.4, 46));
  out.bmp("brush/c3.bmp", Charcoal(13, 6.4, 47));
  // Pastel sticks: the point, the edge and the broad side.
  out.bmp("brush/pa1.bmp", Grainy(5, 2.5, 48, 0.9, kBlack));
  {
    Rng rng(49);
    out.bmp("brush/pa2.bmp",
            Disc(12, 6, 5.8, 2.6, kBlack, [&](int, int, double) { return rng.real() < 0.8; }));
  }
  out.bmp("brush/pa3.bmp", Grainy(16, 7.8, 50, 0.75, kBlack));
  for (int i = 0; i < 3; ++i) out.bmp("brush/pas" + std::to_string(i + 1) + ".bmp", PastelFace(i));
  // Paint brushes: big, round, flat, thin, fine.
  {
    Rng rng(51);
    out.bmp("brush/b1.bmp", Disc(20, 20, 9.6, 9.6, kBlack,
                                 [&](int, int, double d) { return d < 0.8 || rng.real() < 0.6; }));
  }
  out.bmp("brush/b2.bmp", Solid(12, 12, 5.6, 5.6, kBlack));
  out.bmp("brush/b3.bmp", FlatBrush(16, 7));
  out.bmp("brush/b4.bmp", Solid(6, 6, 2.6, 2.6, kBlack));
  out.bmp("brush/b5.bmp", Solid(4, 4, 1.6, 1.6, kBlack));
  // Challenge tools.
  out.bmp("brush/wallbrush.bmp", Roller());
  out.bmp("brush/spray.bmp", Spray());
  out.bmp("brush/pen.bmp", Solid(6, 6, 2.6, 2.6, kBlack));
  {
    Rng rng(52);
    out.bmp("brush/bart.bmp", Disc(12, 14, 5.6, 6.6, kBlack, [&](int, int, double d) {
              return d < 0.7 || rng.real() < 0.75;
            }));
  }
  out.bmp("brush/tatoo.bmp", Solid(5, 5, 2.2, 2.2, kBlack));
  out.bmp("brush/restore.bmp", Solid(14, 14, 6.6, 6.6, kBlack));
}

}  // namespace assets
