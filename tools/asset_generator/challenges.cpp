// Challenge templates, 585 x 585. Scoring counts pixels of one exact colour,
// so each target area is a large flat field of that colour, written at JPEG
// quality 100 without chroma subsampling and checked again after decoding.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "generators.h"
#include "objects.h"

namespace assets {

namespace {

constexpr int kSize = 585;

int Count(const QImage& image, QRgb colour) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  int n = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) n += (line[x] & 0xFFFFFF) == (colour & 0xFFFFFF);
  }
  return n;
}

// Texture everywhere except on the target colour, which must stay exact.
void GrainExcept(QImage& image, QRgb keep, int strength, std::uint64_t seed) {
  Rng rng(seed);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = line[x];
      const int d = rng.range(-strength, strength);
      if ((c & 0xFFFFFF) == (keep & 0xFFFFFF)) continue;
      line[x] = qRgb(std::clamp(qRed(c) + d, 1, 254), std::clamp(qGreen(c) + d, 1, 254),
                     std::clamp(qBlue(c) + d, 1, 254));
    }
  }
}

void WriteChallenge(Output& out, const std::string& relative, const QImage& image, QRgb target,
                    QRgb paint) {
  const int drawn = Count(image, target);
  out.jpeg(relative, image, 100);
  const QImage decoded = ReadJpegFile(out.path(relative));
  const int total = decoded.width() * decoded.height();
  const int kept = Count(decoded, target);
  const int painted = Count(decoded, paint);
  // The decoder must give back almost all of the target; a little is lost
  // only along its edges.
  if (decoded.width() != kSize || decoded.height() != kSize || kept < drawn * 0.9 ||
      kept < total / 50 || kept > total * 0.8 || painted > (total - kept) / 500)
    throw std::runtime_error(relative + ": target " + std::to_string(kept) + " of " +
                             std::to_string(drawn) + " pixels, paint colour " +
                             std::to_string(painted));
}

// ch1: a room being decorated; the bare white wall is to be painted red.
QImage PaintWall() {
  QImage image = NewImage(kSize, kSize, QColor(200, 180, 150));
  QPainter p;
  Begin(p, image);
  const QRectF wall(72, 64, 440, 344);
  // Ceiling, side walls and floor in perspective around the back wall.
  QPolygonF ceiling{{0, 0}, {585, 0}, {wall.right(), wall.top()}, {wall.left(), wall.top()}};
  QPolygonF left{{0, 0}, {wall.left(), wall.top()}, {wall.left(), wall.bottom()}, {0, 585}};
  QPolygonF right{{585, 0}, {wall.right(), wall.top()}, {wall.right(), wall.bottom()}, {585, 585}};
  QPolygonF floor{
      {0, 585}, {wall.left(), wall.bottom()}, {wall.right(), wall.bottom()}, {585, 585}};
  p.setPen(InkPen(2));
  p.setBrush(QColor(214, 222, 228));
  p.drawPolygon(ceiling);
  p.setBrush(QColor(200, 170, 120));
  p.drawPolygon(left);
  p.setBrush(QColor(180, 150, 104));
  p.drawPolygon(right);
  p.setBrush(QColor(170, 112, 70));
  p.drawPolygon(floor);
  // Floor boards towards the wall.
  p.setPen(QPen(QColor(130, 84, 50), 1.5));
  for (int i = 1; i < 10; ++i) {
    const qreal x = i * 585.0 / 10;
    p.drawLine(QPointF(x, 585), QPointF(wall.left() + (x / 585.0) * wall.width(), wall.bottom()));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  p.drawRect(wall);
  p.setPen(InkPen(2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(wall);
  // A dust sheet, a tin of paint and a ladder in front of the wall.
  QPainterPath sheet;
  sheet.moveTo(40, 585);
  sheet.cubicTo(60, 470, 200, 440, 320, 470);
  sheet.cubicTo(420, 500, 430, 560, 440, 585);
  sheet.closeSubpath();
  FlatShape(p, sheet, QColor(214, 214, 200), 2);
  Shape(p, RoundRect(110, 470, 70, 70, 6), QColor(170, 170, 180), 2);
  FlatShape(p, Ellipse(145, 472, 35, 9), QColor(186, 30, 30), 2);
  FlatShape(p, RoundRect(120, 494, 50, 26, 2), QColor(230, 200, 90), 1.5);
  for (qreal x : {430.0, 500.0}) FlatShape(p, RoundRect(x, 300, 12, 285, 3), ink::woodLight, 2);
  for (int r = 0; r < 6; ++r) FlatShape(p, RoundRect(430, 330 + r * 44, 82, 9, 2), ink::wood, 1.8);
  p.end();
  GrainExcept(image, qRgb(255, 255, 255), 3, 71);
  return image;
}

// ch2: black graffiti on a brick wall, to be covered with light blue.
QImage Graffiti() {
  QImage image = NewImage(kSize, kSize, QColor(170, 84, 60));
  QPainter p;
  Begin(p, image);
  Rng rng(72);
  // Bricks.
  for (int row = 0; row < 30; ++row) {
    const qreal y = row * 20;
    const qreal offset = (row % 2) ? 0 : -30;
    for (qreal x = offset; x < kSize; x += 60) {
      const int t = rng.range(-14, 14);
      p.fillRect(QRectF(x + 2, y + 2, 56, 16), QColor(176 + t, 86 + t / 2, 62 + t / 3));
    }
  }
  p.fillRect(QRectF(0, 520, kSize, 65), QColor(120, 120, 116));
  p.setPen(QPen(QColor(90, 90, 86), 2));
  p.drawLine(QPointF(0, 520), QPointF(kSize, 520));
  // Bold bubble letters and a star, sprayed in black.
  QFont font = SansFont(210, true);
  QPainterPath letters;
  letters.addText(QPointF(38, 330), font, QStringLiteral("ART"));
  QTransform skew;
  skew.shear(-0.12, 0);
  letters = skew.map(letters).translated(40, 0);
  QPainterPathStroker fat;
  fat.setWidth(18);
  fat.setJoinStyle(Qt::RoundJoin);
  letters = letters.united(fat.createStroke(letters)).simplified();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0));
  p.drawPath(letters);
  QPainterPath star;
  const QPointF c(470, 440);
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double r = (i % 2) ? 24 : 56;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    i == 0 ? star.moveTo(pt) : star.lineTo(pt);
  }
  star.closeSubpath();
  p.drawPath(star);
  // A looping tag underline with drips.
  p.setPen(QPen(QColor(0, 0, 0), 16, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath swoosh;
  swoosh.moveTo(70, 400);
  swoosh.cubicTo(160, 450, 260, 380, 380, 420);
  p.drawPath(swoosh);
  for (qreal x : {120.0, 250.0, 330.0}) {
    p.setPen(QPen(QColor(0, 0, 0), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, 410), QPointF(x, 470 + (int(x) % 30)));
  }
  p.end();
  GrainExcept(image, qRgb(0, 0, 0), 4, 73);
  return image;
}

// ch3: a white stencil on a forearm, to be inked in dark purple.
QImage Tattoo() {
  QImage image = NewImage(kSize, kSize, QColor(64, 50, 60));
  QPainter p;
  Begin(p, image);
  // Studio wall behind, then the arm across the picture.
  for (int i = 0; i < 12; ++i) p.fillRect(QRectF(i * 50, 0, 25, kSize), QColor(74, 58, 70));
  QPainterPath arm;
  arm.moveTo(-10, 70);
  arm.cubicTo(200, 40, 400, 60, 600, 110);
  arm.lineTo(600, 500);
  arm.cubicTo(400, 540, 200, 540, -10, 520);
  arm.closeSubpath();
  Shape(p, arm, QColor(228, 180, 146), 2.5);
  // The stencil: a heart on an anchor with a swallow, in white lines.
  QPen stencil(QColor(255, 255, 255), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(stencil);
  p.setBrush(Qt::NoBrush);
  const QPointF c(292, 290);
  QPainterPath heart;
  heart.moveTo(c.x(), c.y() + 90);
  heart.cubicTo(c.x() - 150, c.y() - 10, c.x() - 90, c.y() - 140, c.x(), c.y() - 60);
  heart.cubicTo(c.x() + 90, c.y() - 140, c.x() + 150, c.y() - 10, c.x(), c.y() + 90);
  p.drawPath(heart);
  QPainterPath anchor;
  anchor.moveTo(c.x(), c.y() - 40);
  anchor.lineTo(c.x(), c.y() + 150);
  anchor.moveTo(c.x() - 40, c.y() - 10);
  anchor.lineTo(c.x() + 40, c.y() - 10);
  anchor.moveTo(c.x() - 70, c.y() + 100);
  anchor.quadTo(c.x() - 50, c.y() + 160, c.x(), c.y() + 150);
  anchor.quadTo(c.x() + 50, c.y() + 160, c.x() + 70, c.y() + 100);
  p.drawPath(anchor);
  p.drawEllipse(QPointF(c.x(), c.y() - 52), 12, 12);
  // Banner across the heart.
  QPainterPath banner;
  banner.moveTo(c.x() - 150, c.y() + 10);
  banner.cubicTo(c.x() - 60, c.y() - 20, c.x() + 60, c.y() + 40, c.x() + 150, c.y() + 10);
  banner.lineTo(c.x() + 150, c.y() + 50);
  banner.cubicTo(c.x() + 60, c.y() + 80, c.x() - 60, c.y() + 20, c.x() - 150, c.y() + 50);
  banner.closeSubpath();
  p.drawPath(banner);
  // Two stars above the heart.
  for (const QPointF& sc : {QPointF(150, 160), QPointF(440, 170)}) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
      const double a = -M_PI / 2 + i * M_PI / 5;
      const double r = (i % 2) ? 16 : 38;
      const QPointF pt(sc.x() + r * std::cos(a), sc.y() + r * std::sin(a));
      i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.drawPath(star);
  }
  p.end();
  GrainExcept(image, qRgb(255, 255, 255), 3, 74);
  return image;
}

// ch4: a chapel ceiling fresco with bare plaster patches to fill in.
QImage Fresco() {
  QImage image = NewImage(kSize, kSize, QColor(120, 160, 200));
  QPainter p;
  Begin(p, image);
  Rng rng(75);
  // Painted sky with clouds, a vault frame and two robed figures.
  Gradient(p, QRectF(0, 0, kSize, kSize), QColor(96, 140, 196), QColor(196, 214, 226));
  for (int i = 0; i < 9; ++i) {
    const QPointF cc(rng.range(40, 540), rng.range(60, 520));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 236, 216));
    for (int k = 0; k < 4; ++k) p.drawEllipse(cc + QPointF(k * 22 - 33, (k % 2) * 8), 26, 18);
  }
  const QColor robes[] = {QColor(190, 60, 50), QColor(60, 100, 170), QColor(220, 170, 60)};
  for (int f = 0; f < 3; ++f) {
    const qreal x = 110 + f * 180, y = 250 + (f % 2) * 40;
    QPainterPath robe;
    robe.moveTo(x, y);
    robe.cubicTo(x - 60, y + 60, x - 50, y + 160, x - 70, y + 200);
    robe.lineTo(x + 70, y + 200);
    robe.cubicTo(x + 50, y + 160, x + 60, y + 60, x, y);
    Shape(p, robe, robes[f], 2);
    FlatShape(p, Ellipse(x, y - 24, 22, 26), QColor(232, 190, 150), 2);
    FlatShape(p, Ellipse(x, y - 56, 30, 8), QColor(240, 200, 80, 200), 1.5);
    QPainterPath arm;
    arm.moveTo(x + 20, y + 30);
    arm.quadTo(x + 70, y - 10 - f * 10, x + 90, y - 40);
    p.setPen(QPen(robes[f], 14, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.setPen(Qt::NoPen);
    FlatShape(p, Ellipse(x + 92, y - 44, 8, 8), QColor(232, 190, 150), 1.5);
  }
  // Painted architecture around the edge.
  p.setPen(InkPen(2));
  p.setBrush(QColor(214, 196, 160));
  QPainterPath frame;
  frame.addRect(QRectF(0, 0, kSize, kSize));
  frame.addRoundedRect(QRectF(36, 36, kSize - 72, kSize - 72), 60, 60);
  p.drawPath(frame);
  for (int i = 0; i < 8; ++i)
    FlatShape(p, Ellipse(72 + i * 63, 18, 10, 10), QColor(190, 150, 90), 1.5);
  for (int i = 0; i < 8; ++i)
    FlatShape(p, Ellipse(72 + i * 63, 567, 10, 10), QColor(190, 150, 90), 1.5);
  // Bare plaster where the old paint has flaked off.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  const QPointF patches[] = {{150, 140}, {420, 120}, {300, 330},
                             {120, 430}, {470, 420}, {260, 500}};
  for (int i = 0; i < 6; ++i) {
    QPainterPath patch;
    const QPointF pc = patches[i];
    const int points = 9;
    for (int k = 0; k <= points; ++k) {
      const double a = 2 * M_PI * k / points;
      const double r = 34 + rng.range(0, 26);
      const QPointF pt(pc.x() + r * std::cos(a), pc.y() + r * 0.8 * std::sin(a));
      k == 0
          ? patch.moveTo(pt)
          : patch.quadTo(pc + (pt - pc) * 1.15 + QPointF(rng.range(-8, 8), rng.range(-8, 8)), pt);
    }
    p.drawPath(patch);
  }
  p.end();
  GrainExcept(image, qRgb(255, 255, 255), 4, 76);
  return image;
}

// ch5: Morvel's black signature on cream letter paper, to be retraced in red.
QImage Signature() {
  QImage image = NewImage(kSize, kSize, QColor(246, 238, 218));
  QPainter p;
  Begin(p, image);
  p.setPen(QPen(QColor(196, 210, 226), 1.5));
  for (int y = 120; y < kSize - 40; y += 34) p.drawLine(QPointF(40, y), QPointF(kSize - 40, y));
  p.setPen(QPen(QColor(226, 170, 160), 1.5));
  p.drawLine(QPointF(70, 0), QPointF(70, kSize));
  // The signature in a flowing script with a flourish beneath.
  QFont script(QStringLiteral("Z003"));
  script.setFamilies(
      {QStringLiteral("Z003"), QStringLiteral("URW Chancery L"), QStringLiteral("DejaVu Serif")});
  script.setPixelSize(170);
  script.setItalic(true);
  QPainterPath name;
  name.addText(QPointF(0, 0), script, QStringLiteral("Morvel"));
  const QRectF bounds = name.boundingRect();
  name.translate(kSize / 2.0 - bounds.center().x(), 300 - bounds.center().y());
  QPainterPathStroker bold;
  bold.setWidth(4);
  bold.setJoinStyle(Qt::RoundJoin);
  name = name.united(bold.createStroke(name)).simplified();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0));
  p.drawPath(name);
  p.setPen(QPen(QColor(0, 0, 0), 7, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath flourish;
  flourish.moveTo(110, 400);
  flourish.cubicTo(220, 360, 380, 440, 480, 380);
  flourish.cubicTo(500, 368, 470, 350, 450, 372);
  p.drawPath(flourish);
  p.end();
  GrainExcept(image, qRgb(0, 0, 0), 2, 77);
  return image;
}

// ch6: light grey brush characters on rice paper, to be painted in black ink.
QImage BrushLetters() {
  QImage image = NewImage(kSize, kSize, QColor(244, 232, 206));
  QPainter p;
  Begin(p, image);
  const QColor grey(239, 239, 239);
  // A tapered brush stroke: thick in the middle, pointed at the ends.
  auto stroke = [&](QPointF a, QPointF b, qreal width) {
    const QPointF d = b - a;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len * width / 2, d.x() / len * width / 2);
    QPainterPath s;
    s.moveTo(a + n * 0.6);
    s.cubicTo(a + d * 0.3 + n * 1.1, a + d * 0.7 + n * 1.0, b + n * 0.4);
    s.quadTo(b + d / len * width * 0.4, b - n * 0.4);
    s.cubicTo(a + d * 0.7 - n * 1.0, a + d * 0.3 - n * 1.1, a - n * 0.6);
    s.quadTo(a - d / len * width * 0.5, a + n * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(grey);
    p.drawPath(s);
  };
  // Mountain (three uprights on a base) and person (two sweeping legs),
  // then a tree: trunk, branch and two falling strokes.
  stroke({150, 110}, {150, 270}, 30);
  stroke({80, 170}, {82, 270}, 26);
  stroke({222, 160}, {220, 272}, 26);
  stroke({74, 272}, {228, 272}, 26);
  stroke({430, 100}, {370, 280}, 30);
  stroke({420, 160}, {510, 285}, 32);
  stroke({200, 370}, {390, 370}, 28);
  stroke({295, 320}, {295, 540}, 30);
  stroke({290, 390}, {200, 500}, 26);
  stroke({300, 390}, {400, 490}, 26);
  // The artist's red seal.
  FlatShape(p, RoundRect(470, 470, 70, 70, 6), QColor(190, 40, 36), 0);
  p.setPen(QPen(QColor(244, 220, 200), 4));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(480, 480, 50, 50));
  p.drawLine(QPointF(505, 484), QPointF(505, 526));
  p.drawLine(QPointF(484, 505), QPointF(526, 505));
  p.end();
  GrainExcept(image, grey.rgb(), 3, 78);
  return image;
}

// The challenge window's backdrop: a board on the left for the tasks and the
// countdown, with a stopwatch beside the figure, and a frame around the
// 585 x 585 drawing area at (205, 7).
QImage ChallengeHall() {
  QImage image = NewImage(800, 600, ink::wall);
  QPainter p;
  Begin(p, image);
  Gradient(p, QRectF(0, 0, 800, 600), QColor(226, 196, 150), QColor(176, 128, 92));
  FlatShape(p, RoundRect(6, 6, 186, 588, 12), ink::paper, 2.5);
  DrawFrame(p, QRectF(196, -2, 606, 604), 9, ink::woodDark);
  // Stopwatch: crown, case, face and a hand at twelve.
  const QPointF c(150, 412);
  FlatShape(p, RoundRect(c.x() - 5, c.y() - 40, 10, 10, 2), ink::brass, 1.5);
  Shape(p, Ellipse(c.x(), c.y(), 30, 30), ink::silver, 2);
  FlatShape(p, Ellipse(c.x(), c.y(), 23, 23), ink::paper, 1.5);
  p.setPen(InkPen(2));
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    p.drawLine(QPointF(c.x() + 18 * std::cos(a), c.y() + 18 * std::sin(a)),
               QPointF(c.x() + 21 * std::cos(a), c.y() + 21 * std::sin(a)));
  }
  p.setPen(QPen(ink::red, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c, QPointF(c.x(), c.y() - 17));
  // A ribbon under the prize note.
  p.setPen(QPen(ink::gold, 3));
  p.drawLine(QPointF(20, 510), QPointF(182, 510));
  p.end();
  return image;
}

}  // namespace

void MakeChallenges(Output& out) {
  out.png("design/challenge.png", ChallengeHall());
  WriteChallenge(out, "challenge/ch1.jpg", PaintWall(), qRgb(255, 255, 255), qRgb(255, 0, 0));
  WriteChallenge(out, "challenge/ch2.jpg", Graffiti(), qRgb(0, 0, 0), qRgb(239, 239, 255));
  WriteChallenge(out, "challenge/ch3.jpg", Tattoo(), qRgb(255, 255, 255), qRgb(33, 0, 33));
  WriteChallenge(out, "challenge/ch4.jpg", Fresco(), qRgb(255, 255, 255), qRgb(0, 0, 0));
  WriteChallenge(out, "challenge/ch5.jpg", Signature(), qRgb(0, 0, 0), qRgb(255, 0, 0));
  WriteChallenge(out, "challenge/ch6.jpg", BrushLetters(), qRgb(239, 239, 239), qRgb(0, 0, 0));
}

}  // namespace assets
