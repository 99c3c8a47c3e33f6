// Backgrounds: the four reception desks of the entry window, the four venue
// halls with their hanging places, and the shop interior.
#include <QRadialGradient>
#include <cmath>
#include <vector>

#include "generators.h"
#include "objects.h"

namespace assets {

namespace {

struct Venue {
  const char* name;
  QColor wall, wallDark, trim, floor, frame;
  int frameW, frameH;
  std::vector<QPoint> places;
};

const Venue kVenues[] = {
    {"Flea Market",
     QColor(150, 200, 236),
     QColor(120, 170, 210),
     QColor(200, 70, 60),
     QColor(190, 170, 130),
     QColor(150, 100, 60),
     100,
     85,
     {{159, 145}, {403, 147}, {71, 324}, {312, 326}}},
    {"Local Gallery",
     QColor(236, 214, 178),
     QColor(214, 188, 148),
     QColor(150, 96, 56),
     QColor(168, 112, 68),
     QColor(130, 84, 48),
     98,
     85,
     {{111, 68}, {269, 67}, {429, 68}, {112, 227}, {431, 224}}},
    {"National Gallery",
     QColor(214, 220, 224),
     QColor(186, 196, 204),
     QColor(120, 130, 150),
     QColor(150, 140, 130),
     QColor(60, 60, 70),
     87,
     74,
     {{104, 129}, {270, 128}, {437, 130}, {103, 264}, {270, 266}, {438, 269}}},
    {"International Gallery",
     QColor(150, 40, 48),
     QColor(120, 28, 36),
     QColor(220, 180, 80),
     QColor(90, 60, 50),
     QColor(214, 170, 70),
     87,
     74,
     {{121, 67}, {283, 66}, {446, 66}, {124, 203}, {447, 201}, {125, 334}, {284, 338}, {447, 337}}},
};

void Sign(QPainter& p, const QRectF& r, const QString& text, const QColor& board,
          const QColor& letters) {
  Shape(p, RoundRect(r.x(), r.y(), r.width(), r.height(), 8), board, 2);
  p.save();
  p.setFont(SerifFont(r.height() * 0.5, true));
  p.setPen(letters);
  p.drawText(r, Qt::AlignCenter, text);
  p.restore();
}

void Damask(QPainter& p, const QRectF& area, const QColor& tone) {
  p.save();
  p.setClipRect(area);
  p.setPen(Qt::NoPen);
  p.setBrush(tone);
  for (qreal y = area.top(); y < area.bottom(); y += 40)
    for (qreal x = area.left() + (int(y / 40) % 2) * 20; x < area.right(); x += 40) {
      QPainterPath d;
      d.moveTo(x, y - 9);
      d.quadTo(x + 6, y, x, y + 9);
      d.quadTo(x - 6, y, x, y - 9);
      p.drawPath(d);
    }
  p.restore();
}

// The side column where the buyer's face and the offer texts appear.
void VisitorPanel(QPainter& p, const QColor& board) {
  Shape(p, RoundRect(572, 24, 212, 552, 12), board, 2);
  FlatShape(p, RoundRect(584, 36, 188, 528, 8), QColor(250, 242, 224), 1.5);
}

QImage VenueHall(int v, Rng& rng) {
  const Venue& venue = kVenues[v];
  QImage image = NewImage(800, 600, venue.wall);
  QPainter p;
  Begin(p, image);
  if (v == 0) {
    // Open-air market: sky, awnings over two rows of stalls.
    Gradient(p, QRectF(0, 0, 800, 440), QColor(150, 200, 236), QColor(230, 236, 220));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (const QPointF& c : {QPointF(90, 40), QPointF(330, 60), QPointF(520, 30)})
      for (int k = 0; k < 3; ++k) p.drawEllipse(c + QPointF(k * 26 - 26, (k % 2) * 6), 28, 16);
    p.fillRect(QRectF(0, 440, 800, 160), QColor(190, 170, 130));
    for (int i = 0; i < 30; ++i)
      p.fillRect(QRectF(rng.range(0, 780), rng.range(450, 590), rng.range(10, 24), 3),
                 QColor(170, 150, 110));
    for (int row = 0; row < 2; ++row) {
      const qreal top = row == 0 ? 96 : 274, tableY = row == 0 ? 246 : 426;
      // Awning stripes.
      for (int s = 0; s < 12; ++s)
        p.fillRect(QRectF(40 + s * 40, top, 40, 30), s % 2 ? QColor(250, 240, 220) : venue.trim);
      p.setPen(InkPen(2));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(40, top, 480, 30));
      for (int s = 0; s < 12; ++s) {
        QPainterPath scallop;
        scallop.moveTo(40 + s * 40, top + 30);
        scallop.quadTo(60 + s * 40, top + 46, 80 + s * 40, top + 30);
        FlatShape(p, scallop, s % 2 ? QColor(250, 240, 220) : venue.trim, 1.5);
      }
      FlatShape(p, RoundRect(44, top + 30, 8, tableY - top, 2), ink::woodDark, 1.5);
      FlatShape(p, RoundRect(508, top + 30, 8, tableY - top, 2), ink::woodDark, 1.5);
      // Trestle table with a cloth.
      FlatShape(p, RoundRect(30, tableY, 500, 16, 3), ink::woodLight, 2);
      FlatShape(p, RoundRect(34, tableY + 16, 492, 22, 2), QColor(120, 150, 110), 1.5);
    }
    // Small easels holding the pictures at the stall places.
    for (const QPoint& pl : venue.places) {
      const qreal cx = pl.x() + venue.frameW / 2.0, bottom = pl.y() + venue.frameH;
      p.setPen(QPen(ink::line, 6, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(cx - 30, bottom + 20), QPointF(cx, pl.y() - 14));
      p.drawLine(QPointF(cx + 30, bottom + 20), QPointF(cx, pl.y() - 14));
      p.setPen(QPen(ink::woodLight, 3.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(cx - 30, bottom + 20), QPointF(cx, pl.y() - 14));
      p.drawLine(QPointF(cx + 30, bottom + 20), QPointF(cx, pl.y() - 14));
    }
    // Boxes of bric-a-brac on the ground.
    Shape(p, RoundRect(420, 520, 90, 60, 4), QColor(190, 140, 90), 2);
    Shape(p, RoundRect(60, 530, 80, 50, 4), QColor(170, 120, 80), 2);
    FlatShape(p, Ellipse(100, 524, 22, 8), QColor(200, 180, 90), 1.5);
    VisitorPanel(p, venue.trim);
  } else {
    Gradient(p, QRectF(0, 0, 800, 470), Lighter(venue.wall, 0.08), venue.wall);
    Damask(p, QRectF(0, 0, 560, 470), Darker(venue.wall, v == 3 ? 0.12 : 0.05));
    // Picture rail, dado, skirting and floor.
    p.fillRect(QRectF(0, 16, 800, 6), venue.trim);
    p.fillRect(QRectF(0, 420, 800, 50), venue.wallDark);
    p.fillRect(QRectF(0, 418, 800, 6), venue.trim);
    p.fillRect(QRectF(0, 470, 800, 130), venue.floor);
    for (int i = 0; i < 12; ++i) {
      p.setPen(QPen(Darker(venue.floor, 0.2), 1.5));
      p.drawLine(QPointF(i * 80 - 100, 600), QPointF(i * 70 + 20, 470));
    }
    p.setPen(InkPen(2));
    p.drawLine(QPointF(0, 470), QPointF(800, 470));
    if (v == 2) {
      // Marble pilasters between the bays.
      for (qreal x : {20.0, 220.0, 385.0, 540.0}) {
        Shape(p, RoundRect(x - 12, 22, 24, 396, 3), QColor(236, 236, 232), 1.5);
        FlatShape(p, RoundRect(x - 18, 22, 36, 12, 2), QColor(226, 226, 220), 1.5);
      }
      // Velvet rope in front of the works.
      for (qreal x : {40.0, 280.0, 520.0}) {
        FlatShape(p, RoundRect(x - 4, 440, 8, 60, 2), ink::brass, 1.5);
        FlatShape(p, Ellipse(x, 438, 7, 7), ink::brass, 1.5);
      }
      QPainterPath rope;
      rope.moveTo(40, 446);
      rope.quadTo(160, 490, 280, 446);
      rope.quadTo(400, 490, 520, 446);
      p.setPen(QPen(QColor(150, 30, 40), 6, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      p.drawPath(rope);
    }
    if (v == 3) {
      // A chandelier glow and gilt mouldings for the grandest hall.
      QRadialGradient glow(QPointF(300, 0), 300);
      glow.setColorAt(0, QColor(255, 230, 170, 90));
      glow.setColorAt(1, QColor(255, 230, 170, 0));
      p.fillRect(QRectF(0, 0, 800, 470), glow);
      p.setPen(QPen(venue.trim, 3));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(20, 30, 540, 440 - 30 - 10));
    }
    // Each hanging place: a frame around the picture, a lamp above and a label below.
    for (const QPoint& pl : venue.places) {
      const QRectF pic(pl.x(), pl.y(), venue.frameW, venue.frameH);
      QRadialGradient lamp(QPointF(pic.center().x(), pic.top() - 10), venue.frameW);
      lamp.setColorAt(0, QColor(255, 246, 210, 90));
      lamp.setColorAt(1, QColor(255, 246, 210, 0));
      p.fillRect(pic.adjusted(-40, -30, 40, 30), lamp);
    }
    for (const QPoint& pl : venue.places) {
      const QRectF pic(pl.x(), pl.y(), venue.frameW, venue.frameH);
      p.fillRect(pic.translated(5, 6).adjusted(-8, -8, 8, 8), QColor(40, 20, 10, 60));
      DrawFrame(p, pic.adjusted(-9, -9, 9, 9), 9, venue.frame);
      p.fillRect(pic, QColor(246, 240, 226));
      FlatShape(p, RoundRect(pic.center().x() - 14, pic.top() - 20, 28, 6, 3), ink::brass, 1.2);
      FlatShape(p, RoundRect(pic.center().x() - 16, pic.bottom() + 13, 32, 10, 1),
                QColor(250, 246, 236), 1.0);
    }
    VisitorPanel(p, v == 3 ? venue.trim : venue.frame);
  }
  p.end();
  return image;
}

QImage Reception(int v, Rng& rng) {
  const Venue& venue = kVenues[v];
  QImage image = NewImage(800, 600, venue.wall);
  QPainter p;
  Begin(p, image);
  if (v == 0) {
    Gradient(p, QRectF(0, 0, 800, 600), QColor(150, 200, 236), QColor(236, 236, 220));
    p.fillRect(QRectF(0, 420, 800, 180), QColor(190, 170, 130));
    for (int i = 0; i < 30; ++i)
      p.fillRect(QRectF(rng.range(0, 780), rng.range(430, 590), rng.range(10, 24), 3),
                 QColor(170, 150, 110));
    // The market keeper's cart with an awning.
    for (int s = 0; s < 7; ++s)
      p.fillRect(QRectF(30 + s * 40, 60, 40, 40), s % 2 ? QColor(250, 240, 220) : venue.trim);
    p.setPen(InkPen(2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(30, 60, 280, 40));
    FlatShape(p, RoundRect(34, 100, 8, 220, 2), ink::woodDark, 1.5);
    FlatShape(p, RoundRect(298, 100, 8, 220, 2), ink::woodDark, 1.5);
    Shape(p, RoundRect(20, 300, 300, 120, 6), ink::woodLight, 2);
    for (qreal x : {60.0, 280.0}) FlatShape(p, Ellipse(x, 430, 26, 26), ink::woodDark, 2);
    DrawPaintTube(p, QPointF(200, 330), 60, -10, QColor(60, 110, 190));
    DrawFrame(p, QRectF(60, 318, 70, 56), 7, QColor(150, 100, 60));
    DrawLandscape(p, QRectF(67, 325, 56, 42), 1);
    Sign(p, QRectF(60, 12, 220, 40), QString::fromUtf8(venue.name), QColor(250, 240, 220),
         venue.trim);
  } else {
    Gradient(p, QRectF(0, 0, 800, 440), Lighter(venue.wall, 0.1), venue.wall);
    Damask(p, QRectF(0, 0, 800, 440), Darker(venue.wall, v == 3 ? 0.12 : 0.05));
    p.fillRect(QRectF(0, 440, 800, 160), venue.floor);
    p.setPen(InkPen(2));
    p.drawLine(QPointF(0, 440), QPointF(800, 440));
    // Two works on the wall behind the desk.
    for (int i = 0; i < 2; ++i) {
      const QRectF r(40 + i * 170, 70 + i * 10, 120, 90);
      DrawFrame(p, r.adjusted(-10, -10, 10, 10), 10, venue.frame);
      DrawLandscape(p, r, v + i);
    }
    // The reception desk.
    Shape(p, RoundRect(20, 320, 340, 140, 6),
          v == 3 ? QColor(70, 40, 40) : Darker(venue.frame, 0.05), 2);
    FlatShape(p, RoundRect(10, 310, 360, 18, 4),
              v == 2 ? QColor(236, 236, 232) : Lighter(venue.frame, 0.2), 2);
    FlatShape(p, RoundRect(150, 280, 60, 32, 4), QColor(250, 246, 236), 1.5);  // guest book
    p.setPen(QPen(ink::line, 1.2));
    p.drawLine(QPointF(180, 282), QPointF(180, 310));
    DrawPlant(p, QRectF(380, 300, 60, 160));
    // The name plate hangs on the desk's front: the host stands above it.
    Sign(p, QRectF(40, 366, 300, 44), QString::fromUtf8(venue.name), venue.trim,
         v == 3 ? QColor(90, 20, 30) : QColor(252, 246, 232));
  }
  p.end();
  return image;
}

QImage Shop(Rng& rng) {
  QImage image = NewImage(800, 600, QColor(226, 200, 160));
  QPainter p;
  Begin(p, image);
  Gradient(p, QRectF(0, 0, 800, 600), QColor(236, 214, 176), QColor(214, 184, 140));
  // Shelves of supplies along the back wall.
  const QColor tubes[] = {QColor(200, 60, 50), QColor(230, 180, 60), QColor(60, 110, 190),
                          QColor(80, 150, 90), QColor(150, 80, 160), QColor(240, 140, 60)};
  for (int shelf = 0; shelf < 4; ++shelf) {
    const qreal y = 110 + shelf * 90;
    FlatShape(p, RoundRect(20, y, 760, 12, 2), ink::wood, 2);
    for (int i = 0; i < 14; ++i) {
      const qreal x = 40 + i * 52 + (shelf % 2) * 14;
      switch ((i + shelf) % 4) {
        case 0:  // paint jar
          Shape(p, RoundRect(x, y - 44, 34, 44, 5), tubes[(i + shelf) % 6], 1.8);
          FlatShape(p, RoundRect(x - 2, y - 50, 38, 9, 3), QColor(230, 226, 214), 1.6);
          break;
        case 1:  // brushes in a pot
          for (int b = 0; b < 3; ++b)
            DrawBrushTool(p, QPointF(x + 8 + b * 8, y - 70 + b * 4), 46, 90, tubes[(i + b) % 6],
                          QColor(60, 50, 40));
          Shape(p, RoundRect(x, y - 34, 36, 34, 4), QColor(200, 190, 170), 1.8);
          break;
        case 2:  // stacked canvases
          for (int c = 0; c < 3; ++c)
            FlatShape(p, RoundRect(x + c * 4, y - 60 + c * 6, 40, 54 - c * 6, 1),
                      QColor(246, 240, 226), 1.5);
          break;
        default:  // pastel box
          Shape(p, RoundRect(x, y - 22, 44, 22, 2), QColor(120, 90, 70), 1.8);
          for (int s = 0; s < 5; ++s)
            FlatShape(p, RoundRect(x + 3 + s * 8, y - 30, 6, 12, 2), tubes[(s + i) % 6], 1.0);
          break;
      }
    }
  }
  (void)rng;
  // The counter with the till.
  Shape(p, RoundRect(-10, 470, 820, 140, 6), ink::wood, 2);
  FlatShape(p, RoundRect(-10, 460, 820, 18, 4), ink::woodLight, 2);
  for (int i = 0; i < 6; ++i)
    FlatShape(p, RoundRect(20 + i * 135, 494, 110, 90, 4), Darker(ink::wood, 0.08), 1.5);
  // The till stands in the middle of the counter (the shop window keeps its
  // buttons clear of x 340..460, y 380..462), away from the basket on the right
  // and the corner where the info bar floats.
  Shape(p, RoundRect(340, 400, 120, 62, 6), QColor(150, 150, 160), 2);
  FlatShape(p, RoundRect(354, 380, 92, 26, 4), QColor(60, 70, 70), 2);
  p.save();
  p.setFont(SansFont(16, true));
  p.setPen(QColor(140, 240, 160));
  p.drawText(QRectF(354, 380, 92, 26), Qt::AlignCenter, QStringLiteral("$ 0.00"));
  p.restore();
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 5; ++c)
      FlatShape(p, RoundRect(352 + c * 20, 414 + r * 20, 16, 14, 3), QColor(226, 220, 206), 1.2);
  Sign(p, QRectF(250, 10, 300, 50), QStringLiteral("Art Supplies"), QColor(110, 60, 40),
       QColor(250, 230, 170));
  p.end();
  return image;
}

}  // namespace

void MakeScreens(Output& out) {
  Rng rng(81);
  // Entry windows: s2 market, s3 local, s4 international, s5 national.
  const int receptionVenue[] = {0, 1, 3, 2};
  for (int i = 0; i < 4; ++i)
    out.jpeg("screens/s" + std::to_string(i + 2) + ".jpg", Reception(receptionVenue[i], rng), 90);
  for (int v = 0; v < 4; ++v)
    out.jpeg("screens/s" + std::to_string(v + 6) + ".jpg", VenueHall(v, rng), 90);
  out.png("design/shop.png", Shop(rng));
}

}  // namespace assets
