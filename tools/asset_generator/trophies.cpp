// Twelve trophies for the rack: 1..6 the challenges, 7 and 8 money, 9 and 10
// pictures sold, 11 the VIP visit and 12 the career's crown.
#include <cmath>
#include <functional>

#include "generators.h"
#include "objects.h"

namespace assets {

namespace {

constexpr qreal kW = 65;

// Wooden plinth with a brass plate; returns the y of its top face.
qreal Plinth(QPainter& p, qreal h, const QColor& wood, const QColor& plate) {
  const qreal top = h - 18;
  QPainterPath block;
  block.moveTo(8, h - 2);
  block.lineTo(12, top);
  block.lineTo(kW - 12, top);
  block.lineTo(kW - 8, h - 2);
  block.closeSubpath();
  Shape(p, block, wood, 1.6);
  FlatShape(p, RoundRect(20, top + 5, kW - 40, 7, 1.5), plate, 1.2);
  return top;
}

QPainterPath Cup(qreal top, qreal bottom, qreal width) {
  // A classic two-handled cup on a stem; its foot rests on `bottom`.
  const qreal cx = kW / 2;
  const qreal bowlBottom = top + (bottom - top) * 0.55;
  QPainterPath bowl;
  bowl.moveTo(cx - width / 2, top);
  bowl.lineTo(cx + width / 2, top);
  bowl.cubicTo(cx + width / 2, bowlBottom, cx + 6, bowlBottom + 4, cx + 3, bowlBottom + 6);
  bowl.lineTo(cx + 3, bottom - 7);
  bowl.lineTo(cx + 11, bottom - 2);
  bowl.lineTo(cx + 11, bottom);
  bowl.lineTo(cx - 11, bottom);
  bowl.lineTo(cx - 11, bottom - 2);
  bowl.lineTo(cx - 3, bottom - 7);
  bowl.lineTo(cx - 3, bowlBottom + 6);
  bowl.cubicTo(cx - 6, bowlBottom + 4, cx - width / 2, bowlBottom, cx - width / 2, top);
  bowl.closeSubpath();
  return bowl;
}

void Handles(QPainter& p, qreal top, qreal width, const QColor& metal) {
  const qreal cx = kW / 2;
  p.save();
  p.setBrush(Qt::NoBrush);
  for (int side : {-1, 1}) {
    QPainterPath h;
    h.moveTo(cx + side * (width / 2 - 1), top + 4);
    h.cubicTo(cx + side * (width / 2 + 10), top + 2, cx + side * (width / 2 + 10), top + 20,
              cx + side * (width / 2 - 4), top + 22);
    p.setPen(QPen(ink::line, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(h);
    p.setPen(QPen(metal, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(h);
  }
  p.restore();
}

void Engrave(QPainter& p, const QRectF& r, const QString& text, qreal size, const QColor& colour) {
  p.save();
  p.setFont(SerifFont(size, true));
  p.setPen(colour);
  p.drawText(r, Qt::AlignCenter, text);
  p.restore();
}

void Sparkle(QPainter& p, const QPointF& c, qreal r) {
  QPainterPath s;
  s.moveTo(c.x(), c.y() - r);
  s.quadTo(c.x(), c.y(), c.x() + r, c.y());
  s.quadTo(c.x(), c.y(), c.x(), c.y() + r);
  s.quadTo(c.x(), c.y(), c.x() - r, c.y());
  s.quadTo(c.x(), c.y(), c.x(), c.y() - r);
  FlatShape(p, s, QColor(255, 255, 240), 0);
}

using Topper = std::function<void(QPainter&, qreal /*plinthTop*/)>;

QImage Trophy(int height, const QColor& wood, const QColor& plate, const Topper& topper) {
  QImage image = NewTransparent(65, height);
  QPainter p;
  Begin(p, image);
  const qreal top = Plinth(p, height, wood, plate);
  topper(p, top);
  p.end();
  return image;
}

// 1: a paint roller dripping red, raised on a gold column.
void RollerTopper(QPainter& p, qreal base) {
  FlatShape(p, RoundRect(27, base - 30, 11, 30, 2), ink::gold, 1.6);
  FlatShape(p, RoundRect(22, base - 34, 21, 6, 2), ink::gold, 1.6);
  QPainterPath handle;
  handle.moveTo(32, base - 34);
  handle.lineTo(32, base - 46);
  handle.lineTo(50, base - 50);
  handle.lineTo(50, base - 58);
  p.save();
  p.setPen(QPen(ink::line, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(handle);
  p.setPen(QPen(ink::silver, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(handle);
  p.restore();
  Shape(p, RoundRect(8, base - 70, 48, 16, 6), QColor(214, 52, 44), 1.6);
  FlatShape(p, RoundRect(20, base - 55, 4, 7, 2), QColor(214, 52, 44), 1.0);
  FlatShape(p, RoundRect(36, base - 55, 4, 10, 2), QColor(214, 52, 44), 1.0);
  Sparkle(p, QPointF(16, base - 64), 4);
}

// 2: a spray can in silver with a burst of blue.
void SprayTopper(QPainter& p, qreal base) {
  Shape(p, RoundRect(18, base - 52, 26, 52, 5), ink::silver, 1.6);
  FlatShape(p, RoundRect(18, base - 40, 26, 18, 1), QColor(90, 140, 210), 1.2);
  FlatShape(p, RoundRect(23, base - 60, 16, 9, 3), QColor(160, 164, 170), 1.6);
  FlatShape(p, RoundRect(27, base - 66, 8, 7, 2), QColor(60, 60, 64), 1.4);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 170, 240));
  const QPointF dots[] = {{39, base - 64}, {43, base - 68}, {42, base - 60},
                          {47, base - 64}, {47, base - 72}, {51, base - 67},
                          {45, base - 76}, {52, base - 59}, {55, base - 70}};
  for (const auto& d : dots) p.drawEllipse(d, 2.0, 2.0);
  p.restore();
  Sparkle(p, QPointF(24, base - 30), 4);
}

// 3: a quill in a golden inkwell.
void QuillTopper(QPainter& p, qreal base) {
  QPainterPath feather;
  feather.moveTo(30, base - 18);
  feather.cubicTo(30, base - 48, 44, base - 66, 58, base - 72);
  feather.cubicTo(54, base - 56, 46, base - 36, 34, base - 20);
  feather.closeSubpath();
  Shape(p, feather, QColor(248, 244, 232), 1.6);
  p.save();
  p.setPen(InkPen(1.2));
  p.drawLine(QPointF(31, base - 20), QPointF(55, base - 68));
  p.restore();
  QPainterPath well;
  well.moveTo(14, base);
  well.lineTo(18, base - 18);
  well.lineTo(47, base - 18);
  well.lineTo(51, base);
  well.closeSubpath();
  Shape(p, well, ink::gold, 1.6);
  FlatShape(p, RoundRect(22, base - 24, 21, 7, 2), Darker(ink::gold, 0.2), 1.4);
}

// 4: two crossed Chinese brushes over a bronze disc.
void BrushArtTopper(QPainter& p, qreal base) {
  FlatShape(p, RoundRect(28, base - 14, 9, 14, 2), ink::bronze, 1.6);
  Shape(p, Ellipse(32.5, base - 38, 24, 24), ink::bronze, 1.6);
  FlatShape(p, Ellipse(32.5, base - 38, 17, 17), Lighter(ink::bronze, 0.25), 1.2);
  DrawBrushTool(p, QPointF(14, base - 56), 50, 48, QColor(40, 40, 40), QColor(30, 30, 30));
  DrawBrushTool(p, QPointF(51, base - 56), 50, 132, QColor(150, 40, 36), QColor(30, 30, 30));
}

// 5: a heart with an anchor, the classic tattoo, on a gold stand.
void TattooTopper(QPainter& p, qreal base) {
  FlatShape(p, RoundRect(28, base - 16, 9, 16, 2), ink::gold, 1.6);
  QPainterPath heart;
  const qreal cx = 32.5, cy = base - 42;
  heart.moveTo(cx, cy + 24);
  heart.cubicTo(cx - 30, cy + 4, cx - 22, cy - 24, cx, cy - 12);
  heart.cubicTo(cx + 22, cy - 24, cx + 30, cy + 4, cx, cy + 24);
  Shape(p, heart, QColor(206, 52, 60), 1.6);
  QPainterPath anchor;
  anchor.moveTo(cx, cy - 8);
  anchor.lineTo(cx, cy + 14);
  anchor.moveTo(cx - 8, cy - 2);
  anchor.lineTo(cx + 8, cy - 2);
  anchor.moveTo(cx - 10, cy + 6);
  anchor.quadTo(cx, cy + 20, cx + 10, cy + 6);
  p.save();
  p.setPen(QPen(QColor(250, 236, 200), 2.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(anchor);
  p.restore();
  // Banner across the heart.
  QPainterPath banner;
  banner.moveTo(8, cy + 2);
  banner.lineTo(57, cy - 2);
  banner.lineTo(57, cy + 7);
  banner.lineTo(8, cy + 11);
  banner.closeSubpath();
  FlatShape(p, banner, QColor(240, 220, 150), 1.4);
}

// 6: a domed chapel with a fresco window, in gold.
void ChapelTopper(QPainter& p, qreal base) {
  FlatShape(p, RoundRect(10, base - 34, 45, 34, 1), ink::gold, 1.6);
  for (int i = 0; i < 4; ++i)
    FlatShape(p, RoundRect(13 + i * 11, base - 30, 5, 28, 1), Lighter(ink::gold, 0.3), 1.0);
  QPainterPath roof;
  roof.moveTo(7, base - 34);
  roof.lineTo(32.5, base - 48);
  roof.lineTo(58, base - 34);
  roof.closeSubpath();
  Shape(p, roof, Darker(ink::gold, 0.1), 1.6);
  QPainterPath dome;
  dome.moveTo(18, base - 46);
  dome.cubicTo(18, base - 70, 47, base - 70, 47, base - 46);
  dome.closeSubpath();
  Shape(p, dome, ink::gold, 1.6);
  FlatShape(p, RoundRect(30, base - 78, 5, 12, 1), ink::gold, 1.2);
  FlatShape(p, RoundRect(27.5, base - 75, 10, 3, 1), ink::gold, 1.0);
  // A touch of fresco colour in the round window.
  FlatShape(p, Ellipse(32.5, base - 40, 4, 4), QColor(100, 150, 210), 1.0);
}

// 7: a silver cup brimming with gold coins.
void CoinsCupTopper(QPainter& p, qreal base) {
  const qreal top = base - 52;
  Handles(p, top, 34, ink::silver);
  for (int i = 0; i < 5; ++i)
    FlatShape(p, Ellipse(18 + i * 7.5, top - 2 - (i % 2) * 3, 6, 3.5), ink::gold, 1.2);
  Shape(p, Cup(top, base, 34), ink::silver, 1.6);
  Engrave(p, QRectF(16, top + 2, 33, 16), QStringLiteral("$"), 14, Darker(ink::silver, 0.5));
}

// 8: a fat money bag on a gold coin.
void MoneyBagTopper(QPainter& p, qreal base) {
  FlatShape(p, Ellipse(32.5, base - 4, 22, 5), ink::gold, 1.6);
  QPainterPath bag;
  bag.moveTo(26, base - 52);
  bag.cubicTo(4, base - 36, 6, base - 6, 32.5, base - 6);
  bag.cubicTo(59, base - 6, 61, base - 36, 39, base - 52);
  bag.closeSubpath();
  Shape(p, bag, QColor(214, 186, 120), 1.6);
  QPainterPath neck;
  neck.moveTo(24, base - 66);
  neck.lineTo(41, base - 66);
  neck.lineTo(37, base - 52);
  neck.lineTo(28, base - 52);
  neck.closeSubpath();
  Shape(p, neck, QColor(214, 186, 120), 1.6);
  FlatShape(p, RoundRect(24, base - 56, 17, 5, 2), QColor(180, 60, 48), 1.2);
  Engrave(p, QRectF(16, base - 42, 33, 30), QStringLiteral("$"), 24, QColor(120, 90, 40));
}

// 9 and 10: cups engraved with the number of pictures sold.
void NumberCupTopper(QPainter& p, qreal base, const QColor& metal, const QString& number,
                     qreal width) {
  const qreal top = base - 60;
  Handles(p, top, width, metal);
  Shape(p, Cup(top, base, width), metal, 1.6);
  Engrave(p, QRectF(32.5 - width / 2, top + 3, width, 20), number, number.size() > 2 ? 12 : 14,
          Darker(metal, 0.55));
  Sparkle(p, QPointF(32.5 - width / 2 + 6, top + 6), 3.5);
}

// 11: a gold star on a column.
void StarTopper(QPainter& p, qreal base) {
  FlatShape(p, RoundRect(28, base - 24, 9, 24, 2), ink::gold, 1.6);
  QPainterPath star;
  const QPointF c(32.5, base - 46);
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double r = (i % 2) ? 10.5 : 24.0;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0)
      star.moveTo(pt);
    else
      star.lineTo(pt);
  }
  star.closeSubpath();
  Shape(p, star, ink::gold, 1.6);
  Engrave(p, QRectF(18, base - 54, 29, 16), QStringLiteral("VIP"), 9, QColor(140, 70, 30));
}

// 12: the tall gold cup of the Number 1 Artist with a palette on its lid.
void GrandTopper(QPainter& p, qreal base) {
  const qreal top = base - 70;
  Handles(p, top, 42, ink::gold);
  Shape(p, Cup(top, base, 42), ink::gold, 1.6);
  FlatShape(p, RoundRect(10, top - 5, 45, 7, 3), Darker(ink::gold, 0.1), 1.6);
  DrawPalette(p, QRectF(14, top - 30, 36, 26), -10, false);
  Engrave(p, QRectF(14, top + 3, 37, 26), QStringLiteral("1"), 24, QColor(150, 90, 20));
  Sparkle(p, QPointF(18, top + 8), 4);
  Sparkle(p, QPointF(50, top - 28), 3);
}

}  // namespace

void MakeTrophies(Output& out) {
  const QColor walnut(120, 72, 44), mahogany(140, 58, 44), ebony(70, 56, 52);
  const std::vector<std::pair<int, QImage>> trophies = {
      {1, Trophy(90, walnut, ink::gold, RollerTopper)},
      {2, Trophy(90, ebony, ink::silver, SprayTopper)},
      {3, Trophy(90, mahogany, ink::gold, QuillTopper)},
      {4, Trophy(90, walnut, ink::bronze, BrushArtTopper)},
      {5, Trophy(90, ebony, ink::gold, TattooTopper)},
      {6, Trophy(90, mahogany, ink::gold, ChapelTopper)},
      {7, Trophy(90, walnut, ink::silver, CoinsCupTopper)},
      {8, Trophy(90, mahogany, ink::gold, MoneyBagTopper)},
      {9, Trophy(90, walnut, ink::silver,
                 [](QPainter& p, qreal b) {
                   NumberCupTopper(p, b, ink::silver, QStringLiteral("50"), 34);
                 })},
      {10, Trophy(90, ebony, ink::gold,
                  [](QPainter& p, qreal b) {
                    NumberCupTopper(p, b, ink::gold, QStringLiteral("100"), 38);
                  })},
      {11, Trophy(90, ebony, ink::gold, StarTopper)},
      {12, Trophy(114, mahogany, ink::gold, GrandTopper)},
  };
  for (const auto& [k, image] : trophies)
    out.png("design/trophy" + std::to_string(k) + ".png", image);
}

}  // namespace assets
