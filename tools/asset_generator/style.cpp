#include "style.h"

#include <QLinearGradient>
#include <algorithm>
#include <cmath>

namespace assets {

QColor Mix(const QColor& a, const QColor& b, double t) {
  auto ch = [t](int x, int y) {
    return std::clamp(static_cast<int>(x + (y - x) * t + 0.5), 0, 255);
  };
  return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()),
                ch(a.alpha(), b.alpha()));
}

QColor Darker(const QColor& c, double amount) {
  // Shadows lean towards warm brown rather than grey.
  return Mix(c, QColor(60, 30, 30, c.alpha()), amount);
}

QColor Lighter(const QColor& c, double amount) {
  return Mix(c, QColor(255, 250, 235, c.alpha()), amount);
}

QImage NewImage(int w, int h, const QColor& fill) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

QImage NewTransparent(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void Begin(QPainter& p, QImage& image) {
  p.begin(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPen InkPen(qreal width) {
  QPen pen(ink::line, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

void FlatShape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal line) {
  p.save();
  p.setBrush(fill);
  if (line > 0)
    p.setPen(InkPen(line));
  else
    p.setPen(Qt::NoPen);
  p.drawPath(path);
  p.restore();
}

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal line) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  const QRectF b = path.boundingRect();
  const qreal rim = std::max<qreal>(2.0, std::min(b.width(), b.height()) * 0.12);
  p.setClipPath(path);
  // Shade: the shape shifted up-left leaves a crescent on the lower right.
  QPainterPath shade = path - path.translated(-rim, -rim * 0.8);
  p.setBrush(Darker(fill, 0.22));
  p.drawPath(shade);
  QPainterPath light = path - path.translated(rim * 0.6, rim * 0.6);
  p.setBrush(Lighter(fill, 0.25));
  p.drawPath(light);
  p.setClipping(false);
  if (line > 0) {
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(line));
    p.drawPath(path);
  }
  p.restore();
}

QPainterPath RoundRect(qreal x, qreal y, qreal w, qreal h, qreal r) {
  QPainterPath path;
  path.addRoundedRect(QRectF(x, y, w, h), r, r);
  return path;
}

QPainterPath Ellipse(qreal cx, qreal cy, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(QPointF(cx, cy), rx, ry);
  return path;
}

void Gradient(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(r, g);
}

void Grain(QImage& image, Rng& rng, int strength, const QRect& area) {
  const QRect r = area.isNull() ? image.rect() : area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb c = line[x];
      if (qAlpha(c) != 255) continue;
      const int d = rng.range(-strength, strength);
      line[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                     std::clamp(qBlue(c) + d, 0, 255));
    }
  }
}

QFont SerifFont(qreal pixelSize, bool bold, bool italic) {
  QFont f(QStringLiteral("P052"));
  f.setFamilies(
      {QStringLiteral("P052"), QStringLiteral("URW Bookman"), QStringLiteral("DejaVu Serif")});
  f.setPixelSize(static_cast<int>(pixelSize));
  f.setBold(bold);
  f.setItalic(italic);
  f.setStyleHint(QFont::Serif, QFont::PreferAntialias);
  return f;
}

QFont SansFont(qreal pixelSize, bool bold) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(static_cast<int>(pixelSize));
  f.setBold(bold);
  f.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
  return f;
}

void Title(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
           const QColor& fill, const QColor& shadow) {
  p.save();
  p.setFont(font);
  p.setPen(shadow);
  p.drawText(box.translated(2, 2), Qt::AlignCenter, text);
  p.setPen(fill);
  p.drawText(box, Qt::AlignCenter, text);
  p.restore();
}

void PaintStroke(QPainter& p, const std::vector<QPointF>& points, qreal width, const QColor& colour,
                 Rng& rng, int alpha) {
  if (points.size() < 2) return;
  p.save();
  const int bristles = std::max(3, static_cast<int>(width / 2.5));
  for (int b = 0; b < bristles; ++b) {
    const qreal offset = (b + 0.5) / bristles - 0.5;
    QColor c = Mix(colour, rng.range(0, 1) ? QColor(255, 250, 235) : QColor(60, 30, 30),
                   rng.real(0.0, 0.14));
    c.setAlpha(alpha);
    QPen pen(c, width / bristles * 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    QPainterPath path;
    // Bristles drop out near the ends at slightly different places.
    const double start = rng.real(0.0, 0.08), end = 1.0 - rng.real(0.0, 0.12);
    const int n = static_cast<int>(points.size());
    bool begun = false;
    for (int i = 0; i < n; ++i) {
      const double t = double(i) / (n - 1);
      if (t < start || t > end) continue;
      const QPointF a = points[std::max(0, i - 1)], bpt = points[std::min(n - 1, i + 1)];
      QPointF dir = bpt - a;
      const qreal len = std::hypot(dir.x(), dir.y());
      if (len > 0) dir /= len;
      const QPointF normal(-dir.y(), dir.x());
      const QPointF q = points[i] + normal * (offset * width);
      if (!begun) {
        path.moveTo(q);
        begun = true;
      } else {
        path.lineTo(q);
      }
    }
    p.drawPath(path);
  }
  p.restore();
}

std::vector<QPointF> Curve(QPointF a, QPointF b, QPointF c, QPointF d, int n) {
  std::vector<QPointF> points;
  for (int i = 0; i <= n; ++i) {
    const double t = double(i) / n, u = 1 - t;
    points.push_back(a * (u * u * u) + b * (3 * u * u * t) + c * (3 * u * t * t) + d * (t * t * t));
  }
  return points;
}

void HardenAlpha(QImage& image, int threshold) {
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = line[x];
      line[x] =
          qAlpha(c) >= threshold ? qRgba(qRed(c), qGreen(c), qBlue(c), 255) : qRgba(0, 0, 0, 0);
    }
  }
}

}  // namespace assets
