// Window designs: the splash, the info bar, the calendar page, the basket
// paper, the shop's hint bubble, the sold mark and the notice backdrop.
#include "panels.h"

#include <QFontMetricsF>
#include <QRadialGradient>
#include <cmath>

#include "generators.h"
#include "objects.h"

namespace assets {

void DrawWordmark(QPainter& p, const QRectF& box, qreal pixelSize, bool shadow) {
  // Each letter in its own paint colour, inked, on a slight wave.
  const QString word = QStringLiteral("Pictorio");
  const QColor colours[] = {QColor(206, 60, 48),  QColor(236, 150, 40), QColor(222, 190, 50),
                            QColor(92, 150, 80),  QColor(54, 126, 170), QColor(96, 86, 168),
                            QColor(176, 70, 130), QColor(206, 60, 48)};
  const QFont font = SerifFont(pixelSize, true, true);
  const QFontMetricsF metrics(font);
  const qreal total = metrics.horizontalAdvance(word);
  qreal x = box.center().x() - total / 2;
  const qreal baseline = box.center().y() + metrics.ascent() * 0.35;
  for (int i = 0; i < word.size(); ++i) {
    const QString letter = word.mid(i, 1);
    QPainterPath path;
    path.addText(QPointF(x, baseline + std::sin(i * 0.9) * pixelSize * 0.04), font, letter);
    if (shadow) {
      p.save();
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(60, 30, 20, 90));
      p.drawPath(path.translated(pixelSize * 0.05, pixelSize * 0.06));
      p.restore();
    }
    p.save();
    p.setBrush(colours[i]);
    p.setPen(QPen(ink::line, std::max<qreal>(1.2, pixelSize / 28.0), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
    x += metrics.horizontalAdvance(letter);
  }
}

namespace {

QImage Splash() {
  QImage image = NewImage(800, 600, QColor(60, 40, 50));
  Rng rng(11);
  QPainter p;
  Begin(p, image);
  Gradient(p, QRectF(0, 0, 800, 600), QColor(250, 212, 150), QColor(214, 120, 90));
  // Broad strokes of a sunset painted across the whole picture.
  const QColor sky[] = {QColor(252, 226, 170), QColor(250, 196, 130), QColor(240, 160, 110),
                        QColor(220, 120, 100), QColor(190, 100, 110)};
  for (int band = 0; band < 5; ++band)
    for (int k = 0; k < 5; ++k) {
      const qreal y = 40 + band * 80 + rng.range(-20, 20);
      PaintStroke(
          p,
          Curve(QPointF(-40 + k * 180, y), QPointF(40 + k * 180, y - 20),
                QPointF(120 + k * 180, y + 20), QPointF(220 + k * 180, y + rng.range(-10, 10))),
          60 + rng.range(0, 20), sky[band], rng, 150);
    }
  // Sun setting behind the hills.
  QRadialGradient sun(QPointF(590, 340), 150);
  sun.setColorAt(0, QColor(255, 250, 220, 255));
  sun.setColorAt(0.35, QColor(255, 240, 180, 230));
  sun.setColorAt(1, QColor(255, 220, 150, 0));
  p.fillRect(QRectF(0, 0, 800, 600), sun);
  // Rolling hills painted in layers.
  const QColor hills[] = {QColor(176, 112, 132), QColor(128, 108, 124), QColor(100, 124, 88),
                          QColor(72, 102, 70)};
  for (int layer = 0; layer < 4; ++layer) {
    const qreal base = 370 + layer * 55;
    const double f1 = rng.real(0.006, 0.011), f2 = rng.real(0.015, 0.025);
    const double ph1 = rng.real(0, 6.28), ph2 = rng.real(0, 6.28);
    QPainterPath hill;
    hill.moveTo(0, 600);
    for (int x = 0; x <= 800; x += 10)
      hill.lineTo(x, base - 28 * std::sin(x * f1 + ph1) - 10 * std::sin(x * f2 + ph2));
    hill.lineTo(800, 600);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(hills[layer]);
    p.drawPath(hill);
    p.save();
    p.setClipPath(hill);
    for (int s = 0; s < 7; ++s) {
      const qreal y = base + 10 + (s % 3) * 16;
      PaintStroke(p,
                  Curve(QPointF(s * 130 - 60, y), QPointF(s * 130, y - 8),
                        QPointF(s * 130 + 80, y + 8), QPointF(s * 130 + 170, y)),
                  20, Lighter(hills[layer], 0.14), rng, 90);
    }
    p.restore();
  }
  // The painter's tools in the foreground.
  DrawPalette(p, QRectF(30, 400, 230, 190), -18, true);
  DrawBrushTool(p, QPointF(610, 520), 170, -20, QColor(70, 110, 80), QColor(206, 60, 48));
  DrawBrushTool(p, QPointF(640, 560), 150, -10, QColor(180, 64, 48), QColor(54, 126, 170));
  DrawPaintTube(p, QPointF(300, 560), 110, -8, QColor(54, 126, 170));
  DrawPaintTube(p, QPointF(430, 540), 100, 12, QColor(222, 190, 50));
  // Title on a soft light cloud.
  QRadialGradient glow(QPointF(400, 160), 300);
  glow.setColorAt(0, QColor(255, 248, 230, 220));
  glow.setColorAt(0.6, QColor(255, 248, 230, 120));
  glow.setColorAt(1, QColor(255, 248, 230, 0));
  p.fillRect(QRectF(0, 0, 800, 600), glow);
  DrawWordmark(p, QRectF(0, 60, 800, 170), 136, true);
  Title(p, QRectF(0, 228, 800, 44), QStringLiteral("A Painter's Life"), SerifFont(32, true, true),
        QColor(110, 50, 40), QColor(255, 240, 210));
  p.end();
  Grain(image, rng, 4);
  return image;
}

QImage Paper(int w, int h, Rng& rng, const QColor& tone) {
  QImage image = NewImage(w, h, tone);
  QPainter p;
  Begin(p, image);
  QRadialGradient vignette(QPointF(w / 2.0, h / 2.0), std::max(w, h) * 0.75);
  vignette.setColorAt(0, QColor(255, 255, 255, 0));
  vignette.setColorAt(1, QColor(190, 150, 100, 70));
  p.fillRect(QRectF(0, 0, w, h), vignette);
  p.end();
  Grain(image, rng, 3);
  return image;
}

QImage InfoBar() {
  Rng rng(21);
  QImage image = Paper(250, 144, rng, QColor(252, 244, 224));
  QPainter p;
  Begin(p, image);
  // Faint rules under the four figures; the info bar's labels sit on them
  // (rows of 22 pixels from y 8, 33, 58 and 83), the clock below them.
  p.setPen(QPen(QColor(210, 186, 150), 1, Qt::DotLine));
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(14, 32 + i * 25), QPointF(236, 32 + i * 25));
  // A small faded palette beside the three numbers, clear of the name and
  // the clock, which may run the whole width.
  p.setOpacity(0.22);
  DrawPalette(p, QRectF(198, 44, 36, 34), -20, true);
  p.setOpacity(1.0);
  // A fine double border.
  p.setPen(QPen(QColor(176, 120, 70), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(3, 3, 244, 138));
  p.setPen(QPen(QColor(200, 160, 110), 1));
  p.drawRect(QRectF(7, 7, 236, 130));
  p.end();
  return image;
}

QImage CalendarPage() {
  Rng rng(22);
  QImage image = Paper(313, 393, rng, QColor(252, 248, 236));
  QPainter p;
  Begin(p, image);
  FlatShape(p, RoundRect(-2, -2, 317, 22, 0), QColor(196, 64, 50), 0);
  p.fillRect(QRectF(0, 18, 313, 2), QColor(150, 40, 30));
  for (int i = 0; i < 9; ++i) {
    const qreal x = 20 + i * 34;
    FlatShape(p, Ellipse(x, 10, 4, 4), QColor(90, 30, 24), 0);
    QPainterPath ring;
    ring.addRoundedRect(QRectF(x - 2.5, -4, 5, 16), 2.5, 2.5);
    FlatShape(p, ring, ink::silver, 1.2);
  }
  // Ruled lines like a diary page, and a margin.
  p.setPen(QPen(QColor(200, 214, 230), 1));
  for (int y = 48; y < 393; y += 24) p.drawLine(QPointF(10, y), QPointF(303, y));
  p.setPen(QPen(QColor(232, 160, 150), 1));
  p.drawLine(QPointF(34, 24), QPointF(34, 393));
  p.setPen(QPen(QColor(176, 120, 70), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, 311, 391));
  p.end();
  return image;
}

QImage BasketPaper() {
  // Drawn at the size the shop shows it, so its rules stay where the basket
  // list writes: rows of 18 pixels from y 26, each rule 3 pixels above a
  // row's bottom, just under the letters.
  Rng rng(23);
  QImage image = NewImage(228, 310, QColor(0, 0, 0, 0));
  image.fill(QColor(236, 214, 176));
  QPainter p;
  Begin(p, image);
  // A receipt pad pinned to the counter board.
  QPainterPath sheet;
  sheet.moveTo(8, 12);
  for (int i = 0; i <= 21; ++i) sheet.lineTo(8 + i * 10, 12 + ((i % 2) ? 4 : 0));
  sheet.lineTo(220, 12);
  sheet.lineTo(220, 302);
  sheet.lineTo(8, 302);
  sheet.closeSubpath();
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 80, 40, 70));
  p.drawPath(sheet.translated(4, 4));
  p.restore();
  FlatShape(p, sheet, QColor(254, 252, 244), 1.5);
  p.save();
  p.setClipPath(sheet);
  p.setPen(QPen(QColor(170, 196, 222), 1));
  for (int y = 26 + 18 - 3; y < 300; y += 18)
    p.drawLine(QPointF(10, y + 0.5), QPointF(218, y + 0.5));
  p.restore();
  FlatShape(p, Ellipse(114, 14, 6, 6), QColor(200, 60, 48), 1.5);
  p.end();
  Grain(image, rng, 2);
  return image;
}

QImage ShopHint() {
  QImage image = NewTransparent(150, 60);
  QPainter p;
  Begin(p, image);
  QPainterPath bubble;
  bubble.addRoundedRect(QRectF(2, 2, 146, 44), 14, 14);
  QPainterPath tail;
  tail.moveTo(24, 40);
  tail.lineTo(18, 58);
  tail.lineTo(42, 42);
  tail.closeSubpath();
  FlatShape(p, bubble.united(tail), QColor(255, 250, 232), 2);
  p.setFont(SerifFont(14, true));
  p.setPen(ink::line);
  p.drawText(QRectF(4, 4, 142, 40), Qt::AlignCenter,
             QStringLiteral("Pick from the\nProducts menu!"));
  p.end();
  return image;
}

QImage SoldMark() {
  QImage image = NewTransparent(100, 85);
  QPainter p;
  Begin(p, image);
  p.translate(50, 42.5);
  p.rotate(-16);
  // A red sale sticker with a white inner ring.
  QPainterPath disc;
  disc.addEllipse(QPointF(0, 0), 40, 26);
  FlatShape(p, disc, QColor(204, 40, 36), 2);
  p.setPen(QPen(QColor(255, 240, 230), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 0), 34, 20);
  p.setFont(SansFont(22, true));
  p.setPen(QColor(255, 250, 240));
  p.drawText(QRectF(-40, -16, 80, 32), Qt::AlignCenter, QStringLiteral("SOLD"));
  p.end();
  return image;
}

QImage NoticeBackdrop() {
  Rng rng(24);
  QImage image = Paper(285, 238, rng, QColor(250, 242, 222));
  QPainter p;
  Begin(p, image);
  p.setPen(QPen(QColor(196, 150, 96), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(3, 3, 279, 232));
  // Delicate corner ornaments, out of the way of the text.
  p.setPen(QPen(QColor(206, 170, 120), 1.5));
  for (const QPointF& c :
       {QPointF(10, 10), QPointF(275, 10), QPointF(10, 228), QPointF(275, 228)}) {
    const qreal sx = c.x() < 100 ? 1 : -1, sy = c.y() < 100 ? 1 : -1;
    QPainterPath curl;
    curl.moveTo(c + QPointF(0, sy * 22));
    curl.quadTo(c, c + QPointF(sx * 22, 0));
    p.drawPath(curl);
  }
  p.end();
  return image;
}

}  // namespace

void MakePanels(Output& out) {
  // Uncompressed: it is the one picture decoded before the first frame.
  out.bmp("design/splash.bmp", Splash());
  out.png("design/infobar.png", InfoBar());
  out.png("design/calendar.png", CalendarPage());
  out.png("design/basket.png", BasketPaper());
  out.png("design/shophint.png", ShopHint());
  out.png("design/sold.png", SoldMark());
  out.png("design/notice.png", NoticeBackdrop());
}

}  // namespace assets
