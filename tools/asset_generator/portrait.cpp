#include "portrait.h"

#include <QRadialGradient>
#include <cmath>

namespace assets {

namespace {

void BackHair(QPainter& p, const Portrait& w, qreal hw) {
  const qreal cx = 60;
  QPainterPath path;
  switch (w.hairStyle) {
    case Hair::Long:
      path.moveTo(cx - hw - 6, 70);
      path.cubicTo(cx - hw - 12, 20, cx + hw + 12, 20, cx + hw + 6, 70);
      path.lineTo(cx + hw + 10, 132);
      path.quadTo(cx, 140, cx - hw - 10, 132);
      path.closeSubpath();
      break;
    case Hair::Curly:
      for (int i = 0; i < 12; ++i) {
        const double a = M_PI * (0.95 + i * 1.1 / 11);
        path.addEllipse(QPointF(cx + (hw + 6) * std::cos(a) * 1.05,
                                70 + 44 * std::sin(a) * 0.9 + (i > 8 ? 0 : 0)),
                        12, 12);
      }
      path.addEllipse(QPointF(cx - hw - 4, 92), 11, 14);
      path.addEllipse(QPointF(cx + hw + 4, 92), 11, 14);
      break;
    case Hair::Bob:
      path.moveTo(cx - hw - 6, 66);
      path.cubicTo(cx - hw - 10, 22, cx + hw + 10, 22, cx + hw + 6, 66);
      path.lineTo(cx + hw + 8, 104);
      path.lineTo(cx - hw - 8, 104);
      path.closeSubpath();
      break;
    case Hair::Ponytail:
      path.addEllipse(QPointF(cx + hw + 8, 60), 9, 22);
      break;
    case Hair::Bun:
    case Hair::Updo:
      path.addEllipse(QPointF(cx, 28), 15, 13);
      break;
    default:
      break;
  }
  if (!path.isEmpty()) Shape(p, path.simplified(), w.hair, 1.8);
}

void FrontHair(QPainter& p, const Portrait& w, qreal hw) {
  const qreal cx = 60;
  QPainterPath path;
  switch (w.hairStyle) {
    case Hair::Bald:
      // A fringe around the back of the head only.
      path.moveTo(cx - hw - 1, 62);
      path.quadTo(cx - hw - 3, 78, cx - hw + 2, 84);
      path.lineTo(cx - hw + 4, 66);
      path.closeSubpath();
      path.moveTo(cx + hw + 1, 62);
      path.quadTo(cx + hw + 3, 78, cx + hw - 2, 84);
      path.lineTo(cx + hw - 4, 66);
      path.closeSubpath();
      break;
    case Hair::Spiky:
      path.moveTo(cx - hw - 2, 64);
      for (int i = 0; i <= 8; ++i) {
        const qreal x = cx - hw + i * (2 * hw) / 8;
        path.lineTo(x - 3, 38 - (i % 2 ? 10 : 0) + std::abs(i - 4) * 2);
      }
      path.lineTo(cx + hw + 2, 64);
      path.quadTo(cx, 50, cx - hw - 2, 64);
      break;
    case Hair::Curly:
      for (int i = 0; i < 7; ++i)
        path.addEllipse(QPointF(cx - hw + 4 + i * (2 * hw - 8) / 6, 42 + (i % 2) * 3), 10, 9);
      break;
    default:
      // A cap of hair with a side parting.
      path.moveTo(cx - hw - 2, 70);
      path.cubicTo(cx - hw - 4, 26, cx + hw + 4, 26, cx + hw + 2, 70);
      path.cubicTo(cx + hw - 4, 52, cx + 4, 50, cx - 6, 46);
      path.cubicTo(cx - 14, 54, cx - hw + 2, 56, cx - hw - 2, 70);
      path.closeSubpath();
      break;
  }
  if (!path.isEmpty()) Shape(p, path.simplified(), w.hair, 1.8);
}

void DrawHat(QPainter& p, const Portrait& w, qreal hw) {
  const qreal cx = 60;
  switch (w.hat) {
    case Hat::None:
      break;
    case Hat::Beret: {
      QPainterPath b;
      b.addEllipse(QPointF(cx + 6, 40), hw + 8, 12);
      Shape(p, b, w.hatColour, 1.8);
      FlatShape(p, RoundRect(cx + 4, 24, 4, 6, 2), w.hatColour, 1.5);
      break;
    }
    case Hat::TopHat:
      FlatShape(p, RoundRect(cx - hw - 12, 40, 2 * hw + 24, 7, 3), w.hatColour, 1.8);
      Shape(p, RoundRect(cx - hw + 4, 4, 2 * hw - 8, 38, 3), w.hatColour, 1.8);
      FlatShape(p, RoundRect(cx - hw + 4, 32, 2 * hw - 8, 7, 1), w.accent, 1.2);
      break;
    case Hat::Cap: {
      QPainterPath c;
      c.moveTo(cx - hw - 2, 52);
      c.cubicTo(cx - hw, 22, cx + hw, 22, cx + hw + 2, 52);
      c.closeSubpath();
      Shape(p, c, w.hatColour, 1.8);
      QPainterPath peak;
      peak.moveTo(cx - hw + 4, 50);
      peak.quadTo(cx - 10, 60, cx + hw + 16, 54);
      peak.lineTo(cx + hw, 48);
      peak.closeSubpath();
      FlatShape(p, peak, Darker(w.hatColour, 0.2), 1.8);
      break;
    }
    case Hat::Beanie: {
      QPainterPath c;
      c.moveTo(cx - hw - 3, 60);
      c.cubicTo(cx - hw - 2, 16, cx + hw + 2, 16, cx + hw + 3, 60);
      c.closeSubpath();
      Shape(p, c, w.hatColour, 1.8);
      FlatShape(p, RoundRect(cx - hw - 4, 50, 2 * hw + 8, 11, 3), Darker(w.hatColour, 0.15), 1.8);
      break;
    }
    case Hat::Feather: {
      QPainterPath brim;
      brim.addEllipse(QPointF(cx, 44), hw + 22, 9);
      Shape(p, brim, w.hatColour, 1.8);
      QPainterPath crown;
      crown.moveTo(cx - hw + 2, 44);
      crown.cubicTo(cx - hw, 14, cx + hw, 14, cx + hw - 2, 44);
      crown.closeSubpath();
      Shape(p, crown, w.hatColour, 1.8);
      FlatShape(p, RoundRect(cx - hw + 1, 34, 2 * hw - 2, 6, 2), w.accent, 1.2);
      QPainterPath feather;
      feather.moveTo(cx + hw - 6, 36);
      feather.cubicTo(cx + hw + 14, 10, cx + hw + 24, 0, cx + hw + 30, -4);
      feather.cubicTo(cx + hw + 22, 12, cx + hw + 8, 30, cx + hw - 2, 40);
      feather.closeSubpath();
      FlatShape(p, feather, QColor(250, 240, 250), 1.4);
      break;
    }
  }
}

void DrawBody(QPainter& p, const Portrait& w) {
  const qreal cx = 60;
  // Neck.
  FlatShape(p, RoundRect(cx - 10, 100, 20, 30, 6), Darker(w.skin, 0.12), 1.8);
  QPainterPath body;
  body.moveTo(-4, 164);
  body.cubicTo(-2, 134, 14, 124, cx - 16, 120);
  body.lineTo(cx + 16, 120);
  body.cubicTo(106, 124, 122, 134, 124, 164);
  body.closeSubpath();
  QColor cloth = w.clothesColour;
  Shape(p, body, cloth, 1.8);
  p.save();
  p.setClipPath(body);
  switch (w.clothes) {
    case Clothes::Stripes:
      for (int y = 122; y < 164; y += 8) p.fillRect(QRectF(-4, y, 130, 4), QColor(240, 236, 226));
      break;
    case Clothes::Suit:
    case Clothes::Shirt: {
      // Shirt front and lapels.
      QPainterPath shirt;
      shirt.moveTo(cx - 14, 120);
      shirt.lineTo(cx + 14, 120);
      shirt.lineTo(cx + 4, 164);
      shirt.lineTo(cx - 4, 164);
      shirt.closeSubpath();
      FlatShape(p, shirt, QColor(244, 242, 236), 1.5);
      if (w.clothes == Clothes::Suit) {
        QPainterPath lapel;
        lapel.moveTo(cx - 16, 120);
        lapel.lineTo(cx - 4, 150);
        lapel.lineTo(cx - 22, 164);
        lapel.lineTo(cx - 30, 126);
        lapel.closeSubpath();
        FlatShape(p, lapel, Darker(cloth, 0.15), 1.5);
        QTransform mirror(-1, 0, 0, 1, 120, 0);
        FlatShape(p, mirror.map(lapel), Darker(cloth, 0.15), 1.5);
      }
      break;
    }
    case Clothes::Sweater:
      p.fillRect(QRectF(-4, 128, 130, 3), Darker(cloth, 0.2));
      FlatShape(p, RoundRect(cx - 18, 116, 36, 10, 5), Darker(cloth, 0.15), 1.5);
      break;
    case Clothes::Cardigan:
      p.fillRect(QRectF(cx - 3, 120, 6, 44), Darker(cloth, 0.2));
      for (int y = 132; y < 164; y += 10) FlatShape(p, Ellipse(cx + 7, y, 2, 2), w.accent, 1);
      FlatShape(p, RoundRect(cx - 12, 116, 24, 10, 4), QColor(244, 240, 230), 1.5);
      break;
    case Clothes::Apron:
      FlatShape(p, RoundRect(cx - 26, 130, 52, 40, 4), QColor(240, 234, 214), 1.5);
      p.setPen(QPen(ink::line, 1.5));
      p.drawLine(QPointF(cx - 24, 132), QPointF(cx - 14, 120));
      p.drawLine(QPointF(cx + 24, 132), QPointF(cx + 14, 120));
      break;
    case Clothes::Dress: {
      QPainterPath neckline;
      neckline.moveTo(cx - 22, 119);
      neckline.quadTo(cx, 146, cx + 22, 119);
      neckline.closeSubpath();
      FlatShape(p, neckline, Darker(w.skin, 0.06), 0);
      break;
    }
    case Clothes::Fur:
      for (int i = 0; i < 9; ++i)
        FlatShape(p, Ellipse(cx - 40 + i * 10, 124 + (i % 2) * 4, 9, 8), QColor(250, 248, 244),
                  1.2);
      break;
    case Clothes::TShirt:
      FlatShape(p, RoundRect(cx - 14, 116, 28, 8, 4), Darker(cloth, 0.2), 1.5);
      break;
  }
  p.restore();
  if (w.tie) {
    QPainterPath tie;
    tie.moveTo(cx - 4, 122);
    tie.lineTo(cx + 4, 122);
    tie.lineTo(cx + 6, 150);
    tie.lineTo(cx, 158);
    tie.lineTo(cx - 6, 150);
    tie.closeSubpath();
    FlatShape(p, tie, w.accent, 1.5);
  }
  if (w.bowTie) {
    QPainterPath bow;
    bow.moveTo(cx, 123);
    bow.lineTo(cx - 12, 117);
    bow.lineTo(cx - 12, 129);
    bow.closeSubpath();
    bow.moveTo(cx, 123);
    bow.lineTo(cx + 12, 117);
    bow.lineTo(cx + 12, 129);
    bow.closeSubpath();
    FlatShape(p, bow, w.accent, 1.5);
    FlatShape(p, Ellipse(cx, 123, 3, 3), Darker(w.accent, 0.2), 1.2);
  }
  if (w.necklace) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 11; ++i) {
      const double a = M_PI * (0.15 + 0.7 * i / 10.0);
      FlatShape(p, Ellipse(cx - 20 * std::cos(a), 116 + 16 * std::sin(a), 2.6, 2.6), w.accent, 0.8);
    }
    p.restore();
  }
}

void DrawHand(QPainter& p, const Portrait& w, double wave) {
  const QColor cloth = w.clothesColour;
  if (wave > 0) {
    // A raised hand in front of the shoulder, greeting.
    const qreal lift = 26 * wave;
    p.save();
    p.translate(100, 150 - lift);
    p.rotate(-12 + 20 * wave);
    FlatShape(p, RoundRect(-9, 0, 18, 40, 8), cloth, 1.8);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(-10, -22, 20, 24), 8, 8);
    for (int f = 0; f < 4; ++f)
      hand.addRoundedRect(QRectF(-10 + f * 5.3, -34 + std::abs(f - 1.5) * 2, 4.6, 16), 2.3, 2.3);
    hand.addRoundedRect(QRectF(-17, -14, 10, 5), 2.5, 2.5);
    Shape(p, hand.simplified(), w.skin, 1.6);
    p.restore();
  }
}

void DrawFace(QPainter& p, const Portrait& w, qreal hw, int mouth, bool blink) {
  const qreal cx = 60, cy = 72;
  // Ears.
  FlatShape(p, Ellipse(cx - hw, 78, 6, 9), Darker(w.skin, 0.08), 1.8);
  FlatShape(p, Ellipse(cx + hw, 78, 6, 9), Darker(w.skin, 0.08), 1.8);
  if (w.earrings) {
    FlatShape(p, Ellipse(cx - hw - 1, 90, 3, 3), w.accent, 1.2);
    FlatShape(p, Ellipse(cx + hw + 1, 90, 3, 3), w.accent, 1.2);
  }
  QPainterPath head;
  head.moveTo(cx, cy - 38);
  head.cubicTo(cx + hw * 1.05, cy - 38, cx + hw, cy + 10, cx + hw * 0.8, cy + 24);
  head.cubicTo(cx + hw * 0.5, cy + 38, cx - hw * 0.5, cy + 38, cx - hw * 0.8, cy + 24);
  head.cubicTo(cx - hw, cy + 10, cx - hw * 1.05, cy - 38, cx, cy - 38);
  Shape(p, head, w.skin, 1.8);
  if (w.blush) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 110, 100, 50));
    p.drawEllipse(QPointF(cx - hw * 0.55, cy + 14), 7, 4.5);
    p.drawEllipse(QPointF(cx + hw * 0.55, cy + 14), 7, 4.5);
    p.restore();
  }
  if (w.beard) {
    QPainterPath beard;
    beard.moveTo(cx - hw * 0.95, cy + 4);
    beard.cubicTo(cx - hw * 0.9, cy + 46, cx + hw * 0.9, cy + 46, cx + hw * 0.95, cy + 4);
    beard.cubicTo(cx + hw * 0.6, cy + 22, cx - hw * 0.6, cy + 22, cx - hw * 0.95, cy + 4);
    Shape(p, beard, w.hair, 1.6);
  }
  // Eyes.
  const qreal ex = hw * 0.42;
  if (w.mask)
    FlatShape(p, RoundRect(cx - hw - 2, cy - 9, 2 * hw + 4, 16, 6), QColor(30, 28, 34), 1.8);
  for (int side : {-1, 1}) {
    const QPointF e(cx + side * ex, cy);
    if (blink) {
      p.save();
      p.setPen(InkPen(2));
      p.drawLine(e + QPointF(-5, 1), e + QPointF(5, 1));
      p.restore();
    } else {
      FlatShape(p, Ellipse(e.x(), e.y(), 5.5, 4.2), QColor(252, 250, 245), 1.3);
      FlatShape(p, Ellipse(e.x() + 0.5, e.y() + 0.3, 2.9, 2.9), w.eyes, 0);
      FlatShape(p, Ellipse(e.x() + 0.5, e.y() + 0.3, 1.4, 1.4), QColor(20, 16, 16), 0);
      FlatShape(p, Ellipse(e.x() + 1.6, e.y() - 0.9, 0.8, 0.8), QColor(255, 255, 255), 0);
    }
    // Brows.
    p.save();
    p.setPen(QPen(Darker(w.hair, 0.3), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(e + QPointF(-6, -9 + (w.smile < 0 ? side * 1.5 : 0)),
               e + QPointF(6, -10 - (w.smile < 0 ? side * 1.5 : 0)));
    p.restore();
  }
  if (w.glasses || w.sunglasses) {
    p.save();
    p.setPen(QPen(ink::line, 2));
    p.setBrush(w.sunglasses ? QColor(30, 30, 40) : QColor(255, 255, 255, 40));
    p.drawRoundedRect(QRectF(cx - ex - 9, cy - 7, 18, 14), 5, 5);
    p.drawRoundedRect(QRectF(cx + ex - 9, cy - 7, 18, 14), 5, 5);
    p.drawLine(QPointF(cx - ex + 9, cy - 2), QPointF(cx + ex - 9, cy - 2));
    if (w.sunglasses) {
      p.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
      p.drawLine(QPointF(cx - ex - 5, cy - 3), QPointF(cx - ex - 1, cy - 5));
      p.drawLine(QPointF(cx + ex - 5, cy - 3), QPointF(cx + ex - 1, cy - 5));
    }
    p.restore();
  }
  // Nose.
  p.save();
  p.setPen(QPen(Darker(w.skin, 0.45), 1.8, Qt::SolidLine, Qt::RoundCap));
  QPainterPath nose;
  nose.moveTo(cx - 1, cy + 4);
  nose.quadTo(cx - 5, cy + 14, cx + 2, cy + 15);
  p.drawPath(nose);
  p.restore();
  if (w.moustache) {
    QPainterPath m;
    m.moveTo(cx, cy + 18);
    m.cubicTo(cx - 6, cy + 15, cx - 16, cy + 17, cx - 18, cy + 24);
    m.cubicTo(cx - 10, cy + 21, cx - 4, cy + 22, cx, cy + 21);
    m.cubicTo(cx + 4, cy + 22, cx + 10, cy + 21, cx + 18, cy + 24);
    m.cubicTo(cx + 16, cy + 17, cx + 6, cy + 15, cx, cy + 18);
    FlatShape(p, m, w.hair, 1.4);
  }
  // Mouth.
  const qreal my = cy + 26;
  if (mouth == 0) {
    p.save();
    p.setPen(QPen(QColor(120, 50, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath smile;
    smile.moveTo(cx - 9, my);
    smile.quadTo(cx, my + 8 * w.smile, cx + 9, my);
    p.drawPath(smile);
    p.restore();
  } else {
    const qreal h = mouth == 1 ? 4.5 : 8.0;
    QPainterPath open;
    open.moveTo(cx - 9, my - 1);
    open.quadTo(cx, my + 2 * w.smile, cx + 9, my - 1);
    open.quadTo(cx, my + h * 1.8, cx - 9, my - 1);
    FlatShape(p, open, QColor(120, 36, 40), 1.5);
    p.save();
    p.setClipPath(open);
    p.fillRect(QRectF(cx - 9, my - 2, 18, 3.5), QColor(250, 246, 240));
    FlatShape(p, Ellipse(cx, my + h * 1.3, 5, 3), QColor(220, 100, 100), 0);
    p.restore();
  }
}

}  // namespace

void DrawPortrait(QPainter& p, const QRectF& box, const Portrait& who, int mouth, double wave,
                  bool blink) {
  p.save();
  p.setClipRect(box);
  p.translate(box.topLeft());
  p.scale(box.width() / 120.0, box.height() / 160.0);
  // Background with a soft light behind the head.
  p.fillRect(QRectF(0, 0, 120, 160), who.background);
  QRadialGradient light(QPointF(60, 66), 80);
  light.setColorAt(0, Lighter(who.background, 0.35));
  light.setColorAt(1, who.background);
  p.fillRect(QRectF(0, 0, 120, 160), light);
  const qreal hw = 30 * who.faceWidth;
  BackHair(p, who, hw);
  DrawBody(p, who);
  DrawFace(p, who, hw, mouth, blink);
  FrontHair(p, who, hw);
  DrawHat(p, who, hw);
  DrawHand(p, who, wave);
  p.restore();
}

}  // namespace assets
