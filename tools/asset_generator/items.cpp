// Small pictures for notices and the studio. They are shown with their
// bottom-left colour keyed out, so each is drawn on white and keeps white
// out of its own shapes.
#include <algorithm>
#include <functional>
#include <string>

#include "generators.h"
#include "objects.h"
#include "panels.h"

namespace assets {

namespace {

const QColor kKey(255, 255, 255);
const QColor kOffWhite(250, 246, 236);

// Renders on a clear ground, drops the half-transparent fringe and lays the
// result on the white key, so no pale halo shows once the key is removed.
QImage OnKey(int w, int h, const std::function<void(QPainter&)>& draw) {
  QImage art = NewTransparent(w, h);
  QPainter p;
  Begin(p, art);
  draw(p);
  p.end();
  HardenAlpha(art);
  QImage out = NewImage(w, h, kKey);
  p.begin(&out);
  p.drawImage(0, 0, art);
  p.end();
  out.setPixelColor(0, h - 1, kKey);
  return out;
}

QImage Fire() {
  return OnKey(65, 90, [](QPainter& p) {
    Rng rng(31);
    // A picture frame caught by the flames.
    DrawFrame(p, QRectF(10, 30, 45, 36), 5, QColor(150, 100, 60));
    DrawLandscape(p, QRectF(15, 35, 35, 26), 2);
    DrawFlames(p, QRectF(2, 8, 61, 80), rng);
  });
}

QImage Telephone() {
  return OnKey(65, 90, [](QPainter& p) {
    DrawTelephone(p, QRectF(4, 24, 57, 57), false);
    // Ringing.
    p.setPen(QPen(ink::line, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
      p.drawArc(QRectF(4 - i * 4, 6 - i * 4, 20 + i * 8, 20 + i * 8), 100 * 16, 60 * 16);
      p.drawArc(QRectF(41 - i * 4, 6 - i * 4, 20 + i * 8, 20 + i * 8), 20 * 16, 60 * 16);
    }
  });
}

QImage Pause() {
  return OnKey(65, 90, [](QPainter& p) {
    // An hourglass: time stands still.
    FlatShape(p, RoundRect(10, 8, 45, 8, 3), ink::wood, 2);
    FlatShape(p, RoundRect(10, 74, 45, 8, 3), ink::wood, 2);
    QPainterPath glass;
    glass.moveTo(16, 16);
    glass.lineTo(49, 16);
    glass.cubicTo(49, 34, 36, 40, 36, 45);
    glass.cubicTo(36, 50, 49, 56, 49, 74);
    glass.lineTo(16, 74);
    glass.cubicTo(16, 56, 29, 50, 29, 45);
    glass.cubicTo(29, 40, 16, 34, 16, 16);
    glass.closeSubpath();
    FlatShape(p, glass, QColor(214, 232, 240), 2);
    QPainterPath sandTop;
    sandTop.moveTo(21, 28);
    sandTop.lineTo(44, 28);
    sandTop.cubicTo(42, 36, 34, 40, 32.5, 44);
    sandTop.cubicTo(31, 40, 23, 36, 21, 28);
    FlatShape(p, sandTop, QColor(230, 190, 110), 0);
    QPainterPath sandLow;
    sandLow.moveTo(18, 73);
    sandLow.quadTo(32.5, 56, 47, 73);
    sandLow.closeSubpath();
    FlatShape(p, sandLow, QColor(230, 190, 110), 0);
    p.setPen(QPen(QColor(230, 190, 110), 1.5));
    p.drawLine(QPointF(32.5, 44), QPointF(32.5, 62));
    FlatShape(p, RoundRect(12, 16, 3, 58, 1), ink::woodDark, 1);
    FlatShape(p, RoundRect(50, 16, 3, 58, 1), ink::woodDark, 1);
  });
}

QImage Logo() {
  return OnKey(158, 128, [](QPainter& p) {
    DrawPalette(p, QRectF(24, 4, 110, 86), -12, true);
    DrawWordmark(p, QRectF(0, 84, 158, 40), 34, false);
  });
}

QImage NotAvailable() {
  QImage image = NewImage(20, 20, kKey);
  QPainter p;
  Begin(p, image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(QColor(150, 140, 130), 1));
  p.setBrush(QColor(226, 220, 210));
  p.drawRect(1, 1, 17, 17);
  p.setPen(QPen(QColor(200, 50, 40), 2));
  p.drawLine(4, 4, 15, 15);
  p.drawLine(15, 4, 4, 15);
  p.end();
  return image;
}

QImage NoColour() {
  // Empty pastel button: a stick outline waiting for a colour.
  QImage image = NewImage(24, 24, kKey);
  QPainter p;
  Begin(p, image);
  p.setPen(QPen(QColor(130, 120, 110), 1.5, Qt::DashLine));
  p.setBrush(kOffWhite);
  p.drawRoundedRect(QRectF(4, 8, 16, 8), 3, 3);
  p.end();
  image.setPixelColor(0, 23, kKey);
  return image;
}

}  // namespace

// The launcher's icon: the palette and brush of the logo on a parchment tile,
// drawn anew at each size so the small ones stay crisp.
static QImage Icon(int size) {
  QImage image = NewTransparent(size, size);
  QPainter p;
  Begin(p, image);
  p.scale(size / 64.0, size / 64.0);
  // About one screen pixel of ink at the smallest sizes, three at the largest.
  const qreal line = std::clamp(size / 48.0, 1.0, 3.0) * 64.0 / size;
  Shape(p, RoundRect(2, 2, 60, 60, 11), ink::paper, line);
  DrawPalette(p, QRectF(7, 8, 50, 46), -12, true);
  p.end();
  return image;
}

void MakeIcons(Output& out) {
  // The ink lines keep their width in screen pixels; below 64 they would
  // swallow the colours, so the small sizes are the large one made smaller.
  const QImage large = Icon(256);
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
    out.png("icons/pictorio-" + std::to_string(size) + ".png",
            size >= 64 ? Icon(size)
                       : large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void MakeItems(Output& out) {
  out.bmp("items/fire.bmp", Fire());
  out.bmp("items/tel.bmp", Telephone());
  out.bmp("items/pause.bmp", Pause());
  out.bmp("items/pclogo.bmp", Logo());
  out.bmp("items/na.bmp", NotAvailable());
  out.bmp("items/none.bmp", NoColour());
}

}  // namespace assets
