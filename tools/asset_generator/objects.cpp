#include "objects.h"

#include <QTransform>
#include <cmath>

namespace assets {

namespace {

// Props are designed in a 100 x 100 unit box and scaled into place.
void Enter(QPainter& p, const QRectF& box, qreal unitW = 100, qreal unitH = 100) {
  p.save();
  p.translate(box.topLeft());
  p.scale(box.width() / unitW, box.height() / unitH);
}

qreal LineFor(const QPainter& p, qreal pixels) {
  // Keeps ink lines the same thickness on screen whatever the prop's scale.
  const qreal s = std::sqrt(std::abs(p.transform().determinant()));
  return s > 0 ? pixels / s : pixels;
}

}  // namespace

void DrawTelephone(QPainter& p, const QRectF& box, bool withShelf) {
  Enter(p, box);
  const qreal lw = LineFor(p, 2.0);
  if (withShelf) {
    // Bracket shelf fixed to the wall.
    FlatShape(p, RoundRect(8, 80, 84, 8, 2), ink::woodLight, lw);
    QPainterPath bracket;
    bracket.moveTo(20, 88);
    bracket.lineTo(20, 99);
    bracket.lineTo(30, 88);
    bracket.closeSubpath();
    FlatShape(p, bracket, ink::wood, lw);
    QPainterPath bracket2;
    bracket2.moveTo(80, 88);
    bracket2.lineTo(80, 99);
    bracket2.lineTo(70, 88);
    bracket2.closeSubpath();
    FlatShape(p, bracket2, ink::wood, lw);
  }
  const QColor body(196, 58, 44);
  // Curly cord from the handset to the body.
  QPainterPath cord;
  cord.moveTo(14, 38);
  for (int i = 0; i < 7; ++i)
    cord.cubicTo(6 - i, 44 + i * 5, 14 - i, 46 + i * 5, 12 - i, 50 + i * 5);
  p.save();
  p.setPen(QPen(ink::line, LineFor(p, 2.0)));
  p.setBrush(Qt::NoBrush);
  p.drawPath(cord);
  p.restore();
  // Body: a rounded trapezoid.
  QPainterPath bodyPath;
  bodyPath.moveTo(22, 80);
  bodyPath.lineTo(30, 42);
  bodyPath.quadTo(50, 36, 70, 42);
  bodyPath.lineTo(78, 80);
  bodyPath.closeSubpath();
  Shape(p, bodyPath, body, lw);
  // Dial.
  FlatShape(p, Ellipse(50, 60, 14, 13), QColor(246, 236, 214), lw);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(ink::line);
  for (int i = 0; i < 10; ++i) {
    const double a = (-60 + i * 28) * M_PI / 180.0;
    p.drawEllipse(QPointF(50 + 9 * std::cos(a), 60 + 9 * std::sin(a)), 2.0, 2.0);
  }
  p.setBrush(body);
  p.drawEllipse(QPointF(50, 60), 4, 4);
  p.restore();
  // Handset resting on the cradle.
  QPainterPath hand;
  hand.moveTo(10, 34);
  hand.quadTo(10, 22, 22, 24);
  hand.lineTo(78, 24);
  hand.quadTo(90, 22, 90, 34);
  hand.quadTo(84, 40, 74, 36);
  hand.quadTo(50, 30, 26, 36);
  hand.quadTo(16, 40, 10, 34);
  hand.closeSubpath();
  Shape(p, hand, Darker(body, 0.15), lw);
  p.restore();
}

void DrawExtinguisher(QPainter& p, const QRectF& box) {
  Enter(p, box, 65, 137);
  const qreal lw = LineFor(p, 2.0);
  const QColor red(206, 44, 36);
  // Hose behind the cylinder.
  QPainterPath hose;
  hose.moveTo(40, 22);
  hose.cubicTo(58, 26, 62, 60, 56, 96);
  p.save();
  p.setPen(QPen(ink::line, LineFor(p, 6.0), Qt::SolidLine, Qt::RoundCap));
  p.drawPath(hose);
  p.setPen(QPen(QColor(40, 36, 36), LineFor(p, 3.5), Qt::SolidLine, Qt::RoundCap));
  p.drawPath(hose);
  p.restore();
  FlatShape(p, RoundRect(52, 94, 9, 16, 2), QColor(40, 36, 36), lw);
  // Cylinder.
  QPainterPath body;
  body.moveTo(12, 134);
  body.lineTo(12, 40);
  body.quadTo(12, 26, 28, 26);
  body.lineTo(36, 26);
  body.quadTo(52, 26, 52, 40);
  body.lineTo(52, 134);
  body.closeSubpath();
  Shape(p, body, red, lw);
  // Label.
  FlatShape(p, RoundRect(17, 62, 30, 40, 3), QColor(246, 236, 214), LineFor(p, 1.5));
  p.save();
  p.setPen(QPen(ink::line, LineFor(p, 1.2)));
  for (int i = 0; i < 4; ++i)
    p.drawLine(QPointF(21, 72 + i * 7), QPointF(43 - (i % 2) * 6, 72 + i * 7));
  p.restore();
  FlatShape(p, RoundRect(12, 124, 40, 10, 2), Darker(red, 0.3), lw);
  // Valve, handle and gauge.
  FlatShape(p, RoundRect(26, 14, 12, 14, 2), QColor(60, 56, 56), lw);
  QPainterPath lever;
  lever.moveTo(30, 14);
  lever.lineTo(8, 6);
  lever.lineTo(8, 10);
  lever.lineTo(30, 19);
  lever.closeSubpath();
  FlatShape(p, lever, ink::silver, lw);
  QPainterPath nozzle;
  nozzle.moveTo(37, 16);
  nozzle.lineTo(46, 18);
  nozzle.lineTo(46, 22);
  nozzle.lineTo(37, 22);
  nozzle.closeSubpath();
  FlatShape(p, nozzle, QColor(60, 56, 56), lw);
  FlatShape(p, Ellipse(22, 34, 5, 5), QColor(246, 236, 214), lw);
  p.restore();
}

void DrawAlarmBox(QPainter& p, const QRectF& box) {
  Enter(p, box, 121, 65);
  const qreal lw = LineFor(p, 2.0);
  // Cable along the wall.
  p.save();
  p.setPen(QPen(ink::line, LineFor(p, 2.5)));
  p.drawLine(QPointF(0, 8), QPointF(22, 8));
  p.drawLine(QPointF(99, 30), QPointF(121, 30));
  p.restore();
  FlatShape(p, RoundRect(20, 4, 80, 56, 6), QColor(232, 226, 212), lw);
  FlatShape(p, RoundRect(26, 10, 68, 18, 3), QColor(48, 60, 64), LineFor(p, 1.5));
  // Display digits as bars.
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 230, 150));
  for (int i = 0; i < 4; ++i) p.drawRect(QRectF(31 + i * 15, 15, 9, 8));
  p.restore();
  // Keypad.
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 4; ++c)
      FlatShape(p, RoundRect(30 + c * 15, 33 + r * 11, 11, 8, 2), QColor(200, 192, 178),
                LineFor(p, 1.2));
  // Status lamps.
  FlatShape(p, Ellipse(92, 38, 3.5, 3.5), QColor(230, 48, 40), LineFor(p, 1.2));
  FlatShape(p, Ellipse(92, 50, 3.5, 3.5), QColor(90, 200, 90), LineFor(p, 1.2));
  p.restore();
}

void DrawAlarmBell(QPainter& p, const QRectF& box) {
  Enter(p, box, 73, 65);
  const qreal lw = LineFor(p, 2.0);
  FlatShape(p, RoundRect(30, 2, 13, 10, 2), QColor(90, 84, 80), lw);
  // Bell dome with a striker.
  QPainterPath bell;
  bell.moveTo(6, 44);
  bell.cubicTo(6, 8, 67, 8, 67, 44);
  bell.closeSubpath();
  Shape(p, bell, QColor(214, 50, 40), lw);
  FlatShape(p, RoundRect(3, 42, 67, 8, 3), QColor(160, 36, 30), lw);
  FlatShape(p, Ellipse(36.5, 55, 6, 6), ink::brass, lw);
  // Ringing marks.
  p.save();
  p.setPen(QPen(ink::line, LineFor(p, 2.0), Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(-2, 14, 12, 22), 110 * 16, 140 * 16);
  p.drawArc(QRectF(63, 14, 12, 22), -70 * 16, 140 * 16);
  p.restore();
  p.restore();
}

void DrawFlames(QPainter& p, const QRectF& box, Rng& rng) {
  Enter(p, box);
  const QColor layers[] = {QColor(208, 56, 30), QColor(240, 120, 36), QColor(252, 196, 64),
                           QColor(255, 240, 170)};
  for (int layer = 0; layer < 4; ++layer) {
    const qreal shrink = layer * 9.0;
    QPainterPath flame;
    const qreal base = 98 - layer * 3;
    flame.moveTo(8 + shrink, base);
    const int tongues = 4 - layer / 2;
    const qreal span = 84 - 2 * shrink;
    for (int t = 0; t < tongues; ++t) {
      const qreal x0 = 8 + shrink + span * t / tongues;
      const qreal x1 = 8 + shrink + span * (t + 1) / tongues;
      const qreal tip = 10 + layer * 16 + rng.range(0, 14);
      const qreal mid = (x0 + x1) / 2 + rng.range(-4, 4);
      flame.cubicTo(x0, base - 30, mid - 6, tip + 20, mid, tip);
      flame.cubicTo(mid + 4, tip + 24, x1 + 2, base - 34, x1, base - 20);
    }
    flame.quadTo(92 - shrink, base, 50, base);
    flame.closeSubpath();
    FlatShape(p, flame, layers[layer], layer == 0 ? LineFor(p, 2.0) : 0);
  }
  p.restore();
}

void DrawPalette(QPainter& p, const QRectF& box, double angleDegrees, bool withBrush) {
  p.save();
  p.translate(box.center());
  p.rotate(angleDegrees);
  p.scale(box.width() / 100.0, box.height() / 100.0);
  p.translate(-50, -50);
  const qreal lw = LineFor(p, 2.0);
  QPainterPath palette;
  palette.moveTo(50, 8);
  palette.cubicTo(82, 8, 98, 30, 96, 54);
  palette.cubicTo(94, 80, 70, 94, 46, 92);
  palette.cubicTo(30, 90, 34, 76, 24, 74);
  palette.cubicTo(10, 72, 4, 62, 6, 48);
  palette.cubicTo(8, 24, 26, 8, 50, 8);
  palette.closeSubpath();
  palette = palette - Ellipse(28, 58, 7, 8);
  Shape(p, palette, QColor(214, 160, 100), lw);
  const QColor blobs[] = {QColor(220, 52, 44), QColor(244, 196, 52),  QColor(60, 130, 200),
                          QColor(84, 160, 80), QColor(250, 248, 240), QColor(150, 70, 150)};
  const QPointF at[] = {{38, 26}, {60, 22}, {78, 34}, {82, 56}, {70, 74}, {50, 80}};
  for (int i = 0; i < 6; ++i) {
    QPainterPath blob;
    blob.addEllipse(at[i], 8.5, 7.5);
    FlatShape(p, blob, blobs[i], LineFor(p, 1.5));
  }
  p.restore();
  if (withBrush) {
    const QPointF c = box.center();
    DrawBrushTool(p, QPointF(c.x() - box.width() * 0.05, c.y() + box.height() * 0.02),
                  box.width() * 0.75, angleDegrees - 40, QColor(180, 64, 48), QColor(60, 130, 200));
  }
}

void DrawBrushTool(QPainter& p, const QPointF& tip, qreal length, double angleDegrees,
                   const QColor& handle, const QColor& paint) {
  p.save();
  p.translate(tip);
  p.rotate(angleDegrees);
  const qreal s = length / 100.0;
  p.scale(s, s);
  const qreal lw = LineFor(p, 1.8);
  // Pointing along +x from the tip.
  QPainterPath bristles;
  bristles.moveTo(0, 0);
  bristles.cubicTo(6, -6, 14, -6, 20, -5);
  bristles.lineTo(20, 5);
  bristles.cubicTo(14, 6, 6, 6, 0, 0);
  FlatShape(p, bristles, paint, lw);
  FlatShape(p, RoundRect(19, -5, 16, 10, 1), ink::silver, lw);
  QPainterPath stick;
  stick.moveTo(34, -4);
  stick.lineTo(100, -2.5);
  stick.quadTo(103, 0, 100, 2.5);
  stick.lineTo(34, 4);
  stick.closeSubpath();
  FlatShape(p, stick, handle, lw);
  p.restore();
}

void DrawPaintTube(QPainter& p, const QPointF& at, qreal length, double angleDegrees,
                   const QColor& paint) {
  p.save();
  p.translate(at);
  p.rotate(angleDegrees);
  const qreal s = length / 100.0;
  p.scale(s, s);
  const qreal lw = LineFor(p, 1.8);
  QPainterPath tube;
  tube.moveTo(0, -14);
  tube.lineTo(70, -16);
  tube.lineTo(82, -8);
  tube.lineTo(82, 8);
  tube.lineTo(70, 16);
  tube.lineTo(0, 14);
  tube.closeSubpath();
  Shape(p, tube, QColor(236, 232, 222), lw);
  FlatShape(p, RoundRect(12, -10, 40, 20, 3), paint, LineFor(p, 1.2));
  FlatShape(p, RoundRect(-6, -15, 7, 30, 1), QColor(200, 196, 186), lw);
  FlatShape(p, RoundRect(82, -7, 14, 14, 2), QColor(60, 60, 64), lw);
  p.restore();
}

void DrawLandscape(QPainter& p, const QRectF& box, int variant) {
  p.save();
  p.setClipRect(box);
  p.translate(box.topLeft());
  p.scale(box.width() / 100.0, box.height() / 100.0);
  struct Mood {
    QColor skyTop, skyLow, sun, far, near, field;
  };
  const Mood moods[] = {
      {QColor(250, 190, 120), QColor(252, 226, 170), QColor(255, 246, 200), QColor(170, 120, 140),
       QColor(110, 140, 90), QColor(200, 170, 80)},
      {QColor(120, 170, 220), QColor(200, 226, 240), QColor(255, 240, 180), QColor(120, 150, 180),
       QColor(90, 150, 100), QColor(150, 190, 100)},
      {QColor(60, 70, 120), QColor(200, 120, 120), QColor(255, 210, 150), QColor(90, 80, 120),
       QColor(60, 90, 80), QColor(120, 110, 70)},
      {QColor(150, 200, 210), QColor(230, 236, 220), QColor(255, 255, 230), QColor(140, 160, 150),
       QColor(80, 120, 100), QColor(220, 200, 140)},
  };
  const Mood& m = moods[variant % 4];
  Gradient(p, QRectF(0, 0, 100, 100), m.skyTop, m.skyLow);
  p.setPen(Qt::NoPen);
  p.setBrush(m.sun);
  p.drawEllipse(QPointF(70 - (variant % 3) * 20, 30 + (variant % 2) * 6), 10, 10);
  QPainterPath far;
  far.moveTo(0, 62);
  far.cubicTo(20, 40, 35, 46, 50, 56);
  far.cubicTo(65, 44, 85, 40, 100, 58);
  far.lineTo(100, 100);
  far.lineTo(0, 100);
  far.closeSubpath();
  p.setBrush(m.far);
  p.drawPath(far);
  QPainterPath near;
  near.moveTo(0, 76);
  near.cubicTo(30, 62, 60, 70, 100, 72);
  near.lineTo(100, 100);
  near.lineTo(0, 100);
  near.closeSubpath();
  p.setBrush(m.near);
  p.drawPath(near);
  QPainterPath field;
  field.moveTo(0, 90);
  field.cubicTo(40, 80, 70, 86, 100, 84);
  field.lineTo(100, 100);
  field.lineTo(0, 100);
  field.closeSubpath();
  p.setBrush(m.field);
  p.drawPath(field);
  // A tree for scale.
  p.setBrush(Darker(m.near, 0.35));
  p.drawRect(QRectF(20 + variant * 7, 66, 2.5, 12));
  p.drawEllipse(QPointF(21.2 + variant * 7, 63), 7, 8);
  p.restore();
}

void DrawFrame(QPainter& p, const QRectF& outer, qreal border, const QColor& wood) {
  p.save();
  QPainterPath frame;
  frame.addRect(outer);
  QPainterPath inner;
  inner.addRect(outer.adjusted(border, border, -border, -border));
  p.setPen(Qt::NoPen);
  p.setBrush(wood);
  p.drawPath(frame - inner);
  // Bevel: lighter top and left, darker bottom and right.
  QPolygonF top{outer.topLeft(), outer.topRight(), outer.topRight() + QPointF(-border, border),
                outer.topLeft() + QPointF(border, border)};
  QPolygonF left{outer.topLeft(), outer.topLeft() + QPointF(border, border),
                 outer.bottomLeft() + QPointF(border, -border), outer.bottomLeft()};
  QPolygonF bottom{outer.bottomLeft(), outer.bottomRight(),
                   outer.bottomRight() + QPointF(-border, -border),
                   outer.bottomLeft() + QPointF(border, -border)};
  p.setBrush(Lighter(wood, 0.25));
  p.drawPolygon(top);
  p.setBrush(Lighter(wood, 0.1));
  p.drawPolygon(left);
  p.setBrush(Darker(wood, 0.25));
  p.drawPolygon(bottom);
  p.setPen(InkPen(1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(outer);
  p.drawRect(outer.adjusted(border, border, -border, -border));
  p.restore();
}

void DrawEasel(QPainter& p, const QRectF& box, int variant) {
  Enter(p, box, 145, 257);
  const qreal lw = LineFor(p, 2.0);
  const QColor wood = ink::woodLight;
  // Back leg.
  QPainterPath back;
  back.moveTo(70, 20);
  back.lineTo(76, 20);
  back.lineTo(104, 246);
  back.lineTo(96, 246);
  back.closeSubpath();
  FlatShape(p, back, Darker(wood, 0.25), lw);
  // Front legs.
  QPainterPath left;
  left.moveTo(66, 6);
  left.lineTo(74, 6);
  left.lineTo(24, 254);
  left.lineTo(14, 254);
  left.closeSubpath();
  Shape(p, left, wood, lw);
  QPainterPath right;
  right.moveTo(71, 6);
  right.lineTo(79, 6);
  right.lineTo(131, 254);
  right.lineTo(121, 254);
  right.closeSubpath();
  Shape(p, right, wood, lw);
  // Canvas with a painting in progress.
  const QRectF canvas(16, 30, 113, 118);
  FlatShape(p,
            RoundRect(canvas.x() - 3, canvas.y() - 3, canvas.width() + 6, canvas.height() + 6, 1),
            QColor(232, 220, 196), lw);
  DrawLandscape(p, canvas, variant);
  // The lower right is still bare canvas: work in progress.
  QPainterPath bare;
  bare.moveTo(canvas.right(), canvas.bottom() - 46);
  bare.cubicTo(canvas.right() - 30, canvas.bottom() - 30, canvas.right() - 40, canvas.bottom() - 8,
               canvas.right() - 58, canvas.bottom());
  bare.lineTo(canvas.right(), canvas.bottom());
  bare.closeSubpath();
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(246, 240, 226));
  p.drawPath(bare);
  p.restore();
  p.save();
  p.setPen(InkPen(lw));
  p.setBrush(Qt::NoBrush);
  p.drawRect(canvas);
  p.restore();
  // Top clamp and tray.
  FlatShape(p, RoundRect(62, 18, 20, 12, 2), Darker(wood, 0.1), lw);
  FlatShape(p, RoundRect(6, 148, 133, 12, 2), Darker(wood, 0.1), lw);
  // Brushes and a tube on the tray.
  DrawBrushTool(p, QPointF(30, 146), 40, -8, QColor(180, 64, 48), QColor(60, 130, 200));
  DrawBrushTool(p, QPointF(70, 147), 34, 4, QColor(70, 110, 80), QColor(230, 180, 60));
  DrawPaintTube(p, QPointF(100, 144), 28, -4, QColor(200, 60, 50));
  p.restore();
}

void DrawPlant(QPainter& p, const QRectF& box) {
  Enter(p, box, 60, 160);
  const qreal lw = LineFor(p, 2.0);
  const QColor leaf(94, 148, 84);
  const QPointF base(30, 112);
  const struct {
    qreal angle, len;
  } leaves[] = {{-160, 52}, {-130, 66}, {-100, 78}, {-80, 84},
                {-60, 70},  {-30, 54},  {-115, 46}, {-70, 50}};
  int i = 0;
  for (const auto& l : leaves) {
    p.save();
    p.translate(base);
    p.rotate(l.angle);
    QPainterPath blade;
    blade.moveTo(0, 0);
    blade.cubicTo(l.len * 0.4, -9, l.len * 0.8, -7, l.len, 0);
    blade.cubicTo(l.len * 0.8, 7, l.len * 0.4, 9, 0, 0);
    FlatShape(p, blade, (i++ % 2) ? leaf : Darker(leaf, 0.15), lw);
    p.restore();
  }
  QPainterPath pot;
  pot.moveTo(12, 110);
  pot.lineTo(48, 110);
  pot.lineTo(43, 158);
  pot.lineTo(17, 158);
  pot.closeSubpath();
  Shape(p, pot, QColor(196, 106, 70), lw);
  FlatShape(p, RoundRect(9, 104, 42, 10, 2), QColor(176, 92, 60), lw);
  p.restore();
}

}  // namespace assets
