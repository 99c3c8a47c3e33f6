// The painter's room: the main window's background, the trophy rack and the
// extras that appear on it once bought.
#include <QRadialGradient>

#include "generators.h"
#include "objects.h"

namespace assets {

namespace {

constexpr int kFloorTop = 474;
const QRect kRackPlace(374, 81, 378, 482);

void DrawWallpaper(QPainter& p, Rng& rng) {
  Gradient(p, QRectF(0, 0, 800, kFloorTop), QColor(240, 220, 184), QColor(228, 200, 158));
  p.save();
  p.setPen(Qt::NoPen);
  for (int x = 0; x < 800; x += 32) {
    p.setBrush(QColor(214, 178, 130, 46));
    p.drawRect(QRectF(x + 12, 8, 8, kFloorTop - 8));
  }
  // Small leaf motif between the stripes.
  p.setBrush(QColor(196, 150, 104, 60));
  for (int y = 40; y < kFloorTop - 20; y += 48)
    for (int x = 0; x < 800; x += 32) {
      const qreal cx = x + 28 + ((y / 48) % 2) * 0;
      QPainterPath leaf;
      leaf.moveTo(cx, y - 5);
      leaf.quadTo(cx + 4, y, cx, y + 5);
      leaf.quadTo(cx - 4, y, cx, y - 5);
      p.drawPath(leaf);
    }
  p.restore();
  (void)rng;
  // Ceiling cornice and skirting board.
  p.fillRect(QRectF(0, 0, 800, 7), ink::woodDark);
  p.fillRect(QRectF(0, 7, 800, 3), ink::wood);
  p.fillRect(QRectF(0, kFloorTop - 14, 800, 14), ink::wood);
  p.fillRect(QRectF(0, kFloorTop - 14, 800, 3), ink::woodLight);
  p.setPen(InkPen(1.5));
  p.drawLine(QPointF(0, kFloorTop - 14), QPointF(800, kFloorTop - 14));
  p.drawLine(QPointF(0, kFloorTop), QPointF(800, kFloorTop));
}

void DrawFloor(QPainter& p, Rng& rng) {
  const QPointF vanish(400, 150);
  const int rows[] = {kFloorTop, 484, 496, 510, 527, 547, 571, 601};
  const QColor boards[] = {QColor(192, 132, 80), QColor(182, 122, 72), QColor(198, 140, 86)};
  for (int r = 0; r + 1 < 8; ++r) {
    const int y0 = rows[r], y1 = rows[r + 1];
    p.fillRect(QRectF(0, y0, 800, y1 - y0), boards[r % 3]);
    // Board joints follow the perspective towards the vanishing point.
    p.save();
    p.setPen(QPen(Darker(boards[r % 3], 0.35), 1.2));
    const int offset = rng.range(0, 120);
    for (int x = -400 + offset; x < 1200; x += 150 + rng.range(0, 60)) {
      const qreal t0 = (y0 - vanish.y()) / (600 - vanish.y());
      const qreal t1 = (y1 - vanish.y()) / (600 - vanish.y());
      const qreal xa = vanish.x() + (x - vanish.x()) * t0;
      const qreal xb = vanish.x() + (x - vanish.x()) * t1;
      p.drawLine(QPointF(xa, y0), QPointF(xb, y1));
    }
    p.setPen(QPen(Darker(boards[r % 3], 0.45), 1.5));
    p.drawLine(QPointF(0, y1), QPointF(800, y1));
    p.restore();
  }
}

void DrawWindow(QPainter& p) {
  const QRectF glass(26, 72, 70, 250);
  FlatShape(p, RoundRect(16, 62, 90, 270, 3), ink::woodLight, 2);
  Gradient(p, glass, QColor(150, 196, 230), QColor(250, 222, 180));
  p.save();
  p.setClipRect(glass);
  // Roofs and chimneys of the town outside.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(176, 132, 128));
  QPainterPath roofs;
  roofs.moveTo(26, 322);
  roofs.lineTo(26, 250);
  roofs.lineTo(46, 232);
  roofs.lineTo(60, 248);
  roofs.lineTo(60, 226);
  roofs.lineTo(66, 226);
  roofs.lineTo(66, 240);
  roofs.lineTo(78, 252);
  roofs.lineTo(96, 236);
  roofs.lineTo(96, 322);
  roofs.closeSubpath();
  p.drawPath(roofs);
  p.setBrush(QColor(150, 108, 104));
  p.drawRect(QRectF(26, 280, 70, 42));
  p.setBrush(QColor(255, 236, 170));
  for (int i = 0; i < 3; ++i) p.drawRect(QRectF(34 + i * 22, 292, 8, 10));
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(QPointF(48, 120), 16, 6);
  p.drawEllipse(QPointF(62, 116), 12, 7);
  p.drawEllipse(QPointF(80, 160), 12, 4);
  p.restore();
  p.save();
  p.setPen(InkPen(2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(glass);
  p.restore();
  // Mullions.
  FlatShape(p, RoundRect(57, 72, 8, 250, 1), ink::woodLight, 1.5);
  FlatShape(p, RoundRect(26, 160, 70, 7, 1), ink::woodLight, 1.5);
  FlatShape(p, RoundRect(26, 244, 70, 7, 1), ink::woodLight, 1.5);
  // Sill and a curtain.
  FlatShape(p, RoundRect(10, 328, 102, 10, 2), ink::wood, 2);
  QPainterPath curtain;
  curtain.moveTo(10, 56);
  curtain.lineTo(34, 56);
  curtain.cubicTo(28, 140, 40, 220, 22, 330);
  curtain.lineTo(8, 330);
  curtain.closeSubpath();
  Shape(p, curtain, QColor(196, 76, 60), 2);
  FlatShape(p, RoundRect(4, 50, 114, 8, 4), ink::woodDark, 2);
}

void DrawCalendar(QPainter& p, const QRectF& r) {
  // Nail and string.
  p.save();
  p.setPen(InkPen(1.5));
  p.drawLine(QPointF(r.center().x(), r.top() - 7), QPointF(r.left() + 24, r.top() + 6));
  p.drawLine(QPointF(r.center().x(), r.top() - 7), QPointF(r.right() - 24, r.top() + 6));
  p.restore();
  FlatShape(p, Ellipse(r.center().x(), r.top() - 7, 2.5, 2.5), ink::line, 0);
  // Shadow on the wall.
  p.fillRect(r.translated(3, 3), QColor(120, 80, 50, 60));
  FlatShape(p, RoundRect(r.x(), r.y(), r.width(), r.height(), 2), QColor(252, 248, 238), 2);
  FlatShape(p, RoundRect(r.x(), r.y(), r.width(), 16, 2), QColor(196, 64, 50), 2);
  for (int i = 0; i < 6; ++i)
    FlatShape(p, Ellipse(r.x() + 14 + i * 17, r.y() + 3, 2.5, 4), ink::silver, 1);
  // Picture of the month on the left, the days on the right.
  const QRectF pic(r.x() + 6, r.y() + 22, 40, r.height() - 28);
  DrawLandscape(p, pic, 1);
  p.save();
  p.setPen(InkPen(1.2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(pic);
  const qreal gx = r.x() + 52, gy = r.y() + 24;
  const qreal cw = (r.right() - 6 - gx) / 7.0, ch = (r.bottom() - 6 - gy) / 5.0;
  p.setPen(QPen(QColor(150, 130, 110), 1));
  for (int row = 0; row <= 5; ++row)
    p.drawLine(QPointF(gx, gy + row * ch), QPointF(gx + 7 * cw, gy + row * ch));
  for (int col = 0; col <= 7; ++col)
    p.drawLine(QPointF(gx + col * cw, gy), QPointF(gx + col * cw, gy + 5 * ch));
  p.setPen(Qt::NoPen);
  for (int day = 0; day < 31; ++day) {
    const int cell = day + 2;
    const QPointF c(gx + (cell % 7 + 0.5) * cw, gy + (cell / 7 + 0.5) * ch);
    p.setBrush(cell % 7 == 6 ? QColor(196, 64, 50) : QColor(110, 90, 80));
    p.drawRect(QRectF(c.x() - 1.5, c.y() - 1.5, 3, 3));
  }
  // Event days ringed in red.
  p.setPen(QPen(QColor(210, 50, 40), 1.5));
  p.setBrush(Qt::NoBrush);
  for (int cell : {4, 11, 17, 25})
    p.drawEllipse(QPointF(gx + (cell % 7 + 0.5) * cw, gy + (cell / 7 + 0.5) * ch), cw * 0.48,
                  ch * 0.48);
  p.restore();
}

void DrawShopBasket(QPainter& p, const QRectF& r) {
  // Floor shadow.
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(80, 40, 20, 70));
  p.drawEllipse(QPointF(r.center().x() + 6, r.bottom() - 6), r.width() * 0.46, 8);
  p.restore();
  const qreal left = r.x() + 12, right = r.right() - 14, top = r.y() + 46, bottom = r.bottom() - 6;
  // Handle.
  QPainterPath handle;
  handle.moveTo(left + 12, top + 4);
  handle.cubicTo(left + 14, r.y() - 4, right - 14, r.y() - 4, right - 12, top + 4);
  p.save();
  p.setPen(QPen(ink::line, 9, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(handle);
  p.setPen(QPen(QColor(206, 160, 96), 5.5, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(handle);
  p.restore();
  // Rolled canvas and brushes sticking out.
  FlatShape(p, RoundRect(left + 18, top - 26, 14, 40, 5), QColor(240, 232, 210), 2);
  DrawBrushTool(p, QPointF(right - 34, top - 30), 48, 70, QColor(70, 110, 80),
                QColor(230, 180, 60));
  DrawPaintTube(p, QPointF(left + 44, top - 4), 40, -30, QColor(60, 110, 190));
  // Wicker body.
  QPainterPath body;
  body.moveTo(left, top);
  body.lineTo(right, top);
  body.lineTo(right - 10, bottom);
  body.lineTo(left + 10, bottom);
  body.closeSubpath();
  Shape(p, body, QColor(206, 160, 96), 2);
  p.save();
  p.setClipPath(body);
  p.setPen(QPen(QColor(156, 108, 58), 1.5));
  for (qreal y = top + 8; y < bottom; y += 8) p.drawLine(QPointF(left, y), QPointF(right, y));
  for (qreal x = left + 8; x < right; x += 12)
    p.drawLine(QPointF(x, top), QPointF(x + (x < r.center().x() ? 3 : -3), bottom));
  p.restore();
  FlatShape(p, RoundRect(left - 3, top - 4, right - left + 6, 9, 4), QColor(180, 130, 70), 2);
  // Price tag saying where it leads.
  p.save();
  p.setPen(InkPen(1.2));
  p.drawLine(QPointF(right - 22, top - 30), QPointF(right - 6, top + 2));
  p.restore();
  QPainterPath tag;
  tag.moveTo(right - 26, top + 4);
  tag.lineTo(right + 8, top + 4);
  tag.lineTo(right + 8, top + 24);
  tag.lineTo(right - 26, top + 24);
  tag.lineTo(right - 32, top + 14);
  tag.closeSubpath();
  FlatShape(p, tag, QColor(250, 236, 190), 1.5);
  p.save();
  p.setFont(SerifFont(13, true));
  p.setPen(QColor(170, 50, 40));
  p.drawText(QRectF(right - 28, top + 4, 36, 20), Qt::AlignCenter, QStringLiteral("Shop"));
  p.restore();
}

void DrawCorridor(QPainter& p) {
  // Open doorway on the right leading down a short hall to the front door.
  const QRectF opening(692, 230, 108, 336);
  const QRectF farWall(712, 316, 76, 92);
  const QRectF door(720, 328, 57, 73);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(196, 164, 124));
  p.drawRect(opening);
  QPolygonF ceiling{opening.topLeft(), opening.topRight(), farWall.topRight(), farWall.topLeft()};
  p.setBrush(QColor(214, 188, 150));
  p.drawPolygon(ceiling);
  QPolygonF floor{opening.bottomLeft(), opening.bottomRight(), farWall.bottomRight(),
                  farWall.bottomLeft()};
  p.setBrush(QColor(170, 112, 66));
  p.drawPolygon(floor);
  QPolygonF leftWall{opening.topLeft(), farWall.topLeft(), farWall.bottomLeft(),
                     opening.bottomLeft()};
  p.setBrush(QColor(206, 176, 136));
  p.drawPolygon(leftWall);
  QPolygonF rightWall{opening.topRight(), farWall.topRight(), farWall.bottomRight(),
                      opening.bottomRight()};
  p.setBrush(QColor(176, 144, 106));
  p.drawPolygon(rightWall);
  p.setBrush(QColor(226, 202, 164));
  p.drawRect(farWall);
  // Runner carpet down the hall.
  QPolygonF runner{QPointF(712, 566), QPointF(780, 566), QPointF(766, 408), QPointF(732, 408)};
  p.setBrush(QColor(150, 60, 50));
  p.drawPolygon(runner);
  p.setPen(QPen(QColor(230, 190, 110), 2));
  p.drawLine(QPointF(717, 566), QPointF(735, 408));
  p.drawLine(QPointF(775, 566), QPointF(763, 408));
  // The front door stands open onto a sunny street.
  p.setPen(Qt::NoPen);
  Gradient(p, door, QColor(160, 206, 236), QColor(250, 232, 190));
  p.setBrush(QColor(120, 170, 100));
  p.drawRect(QRectF(door.x(), door.bottom() - 18, door.width(), 18));
  p.setBrush(QColor(236, 226, 200));
  p.drawRect(QRectF(door.x() + 14, door.bottom() - 18, 22, 18));
  p.restore();
  QPainterPath leaf;
  leaf.moveTo(door.left(), door.top());
  leaf.lineTo(door.left() + 20, door.top() + 6);
  leaf.lineTo(door.left() + 20, door.bottom() + 4);
  leaf.lineTo(door.left(), door.bottom());
  leaf.closeSubpath();
  Shape(p, leaf, QColor(120, 150, 96), 1.5);
  FlatShape(p, Ellipse(door.left() + 16, door.center().y() + 4, 2, 2), ink::brass, 1);
  p.save();
  p.setPen(InkPen(2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(door);
  p.restore();
  // Exit sign glowing over the front door.
  FlatShape(p, RoundRect(729, 312, 40, 13, 2), QColor(70, 160, 90), 1.2);
  p.save();
  p.setFont(SansFont(9, true));
  p.setPen(QColor(240, 255, 240));
  p.drawText(QRectF(729, 312, 40, 13), Qt::AlignCenter, QStringLiteral("EXIT"));
  p.restore();
  // Door frame of the room.
  QPainterPath frame;
  frame.addRect(QRectF(682, 220, 118, 346));
  QPainterPath hole;
  hole.addRect(opening);
  FlatShape(p, frame - hole, ink::woodLight, 2);
}

void DrawWallPaintings(QPainter& p) {
  DrawFrame(p, QRectF(420, 140, 120, 92), 9, QColor(196, 150, 70));
  DrawLandscape(p, QRectF(429, 149, 102, 74), 0);
  DrawFrame(p, QRectF(556, 112, 66, 100), 8, QColor(120, 80, 50));
  DrawLandscape(p, QRectF(564, 120, 50, 84), 2);
  DrawFrame(p, QRectF(462, 272, 150, 104), 10, QColor(164, 100, 60));
  DrawLandscape(p, QRectF(472, 282, 130, 84), 3);
}

void DrawRug(QPainter& p) {
  QPainterPath rug;
  rug.addEllipse(QPointF(300, 560), 132, 34);
  FlatShape(p, rug, QColor(176, 70, 56), 2);
  QPainterPath inner;
  inner.addEllipse(QPointF(300, 560), 112, 25);
  p.save();
  p.setPen(QPen(QColor(236, 190, 100), 3));
  p.setBrush(QColor(196, 92, 66));
  p.drawPath(inner);
  p.restore();
}

QImage DrawRoomBackground() {
  QImage image = NewImage(800, 600, ink::wall);
  Rng rng(7);
  QPainter p;
  Begin(p, image);
  DrawWallpaper(p, rng);
  DrawFloor(p, rng);
  // Warm light falling in from the window.
  QRadialGradient light(QPointF(80, 220), 420);
  light.setColorAt(0, QColor(255, 240, 200, 70));
  light.setColorAt(1, QColor(255, 240, 200, 0));
  p.fillRect(QRectF(0, 0, 800, 600), light);
  DrawWindow(p);
  DrawWallPaintings(p);
  DrawCorridor(p);
  DrawPlant(p, QRectF(626, 404, 60, 160));
  DrawRug(p);
  DrawCalendar(p, QRectF(208, 152, 113, 89));
  // The easel casts a soft shadow on the rug.
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 20, 10, 60));
  p.drawEllipse(QPointF(292, 542), 70, 9);
  p.restore();
  DrawEasel(p, QRectF(216, 288, 145, 257), 0);
  DrawShopBasket(p, QRectF(64, 496, 137, 97));
  // A few old paint drops on the floor.
  p.setPen(Qt::NoPen);
  const QColor drops[] = {QColor(60, 110, 190), QColor(230, 180, 60), QColor(200, 60, 50)};
  const QPointF spots[] = {{420, 582}, {470, 520}, {210, 486}, {560, 574}, {380, 496}};
  for (int i = 0; i < 5; ++i) {
    p.setBrush(drops[i % 3]);
    p.drawEllipse(spots[i], 4 + i % 2 * 2, 2 + i % 2);
  }
  p.end();
  Grain(image, rng, 3);
  return image;
}

QImage DrawRack(const QImage& room) {
  QImage rack = room.copy(kRackPlace);
  QPainter p;
  Begin(p, rack);
  p.translate(-kRackPlace.x(), -kRackPlace.y());
  const QColor wood(150, 92, 52);
  const qreal left = 396, right = 632;
  // Back board with a carved crest behind the top row.
  QPainterPath back;
  back.moveTo(left + 4, 130);
  back.lineTo(left + 4, 100);
  back.cubicTo(left + 40, 100, 470, 84, 514, 84);
  back.cubicTo(558, 84, right - 40, 100, right - 4, 100);
  back.lineTo(right - 4, 450);
  back.lineTo(left + 4, 450);
  back.closeSubpath();
  FlatShape(p, back, Darker(wood, 0.35), 2);
  // Shadows under the shelves on the back board.
  for (int shelf : {139, 239, 346})
    p.fillRect(QRectF(left + 10, shelf, right - left - 20, 10), QColor(40, 20, 10, 70));
  // Side posts.
  Shape(p, RoundRect(left, 96, 12, 468, 2), wood, 2);
  Shape(p, RoundRect(right - 12, 96, 12, 468, 2), wood, 2);
  FlatShape(p, Ellipse(left + 6, 94, 8, 8), ink::brass, 2);
  FlatShape(p, Ellipse(right - 6, 94, 8, 8), ink::brass, 2);
  // Shelves: trophies stand on their top faces at 130, 231, 338 and 442.
  for (int top : {130, 231, 338, 442}) {
    FlatShape(p, RoundRect(left - 4, top, right - left + 8, 9, 2), Lighter(wood, 0.12), 2);
    p.fillRect(QRectF(left - 2, top + 2, right - left + 4, 2), Lighter(wood, 0.35));
  }
  // Cupboard base with two doors.
  FlatShape(p, QPainterPath([&] {
              QPainterPath b;
              b.addRect(QRectF(left, 451, right - left, 110));
              return b;
            }()),
            wood, 2);
  for (int d = 0; d < 2; ++d) {
    const qreal x = left + 16 + d * ((right - left - 32) / 2.0 + 0);
    const qreal w = (right - left - 40) / 2.0;
    Shape(p, RoundRect(x + d * 8, 462, w, 88, 3), Lighter(wood, 0.06), 1.5);
    FlatShape(p, Ellipse(d == 0 ? x + w - 8 : x + d * 8 + 8, 506, 3.5, 3.5), ink::brass, 1.2);
  }
  p.end();
  return rack;
}

// A small wall shelf of books under the window; the red one is the career book.
void DrawBookshelf(QPainter& p, const QRectF& r) {
  const qreal plank = r.bottom() - 14;
  const struct {
    qreal width, height;
    QColor colour;
  } books[] = {{11, 52, ink::blue},  {9, 46, ink::green}, {13, 58, ink::teal},
               {10, 44, ink::bronze}, {16, 62, ink::red}, {9, 48, ink::woodLight}};
  qreal x = r.left() + 6;
  for (const auto& book : books) {
    const QRectF spine(x, plank - book.height, book.width, book.height);
    Shape(p, RoundRect(spine.x(), spine.y(), spine.width(), spine.height(), 1.5), book.colour, 1.5);
    // Gold bands on the spine, two on the red book.
    const int bands = book.colour == ink::red ? 2 : 1;
    for (int b = 0; b < bands; ++b)
      FlatShape(p, RoundRect(x + 2, spine.y() + 8 + b * 10, book.width - 4, 3, 1), ink::gold, 0.8);
    x += book.width + 1;
  }
  // One book lies flat on the end of the shelf.
  Shape(p, RoundRect(x + 4, plank - 10, r.right() - x - 8, 10, 1.5), ink::woodDark, 1.5);
  Shape(p, RoundRect(r.left(), plank, r.width(), 6, 1.5), ink::wood, 1.5);
  for (qreal bx : {r.left() + 10, r.right() - 18})
    Shape(p, RoundRect(bx, plank + 6, 8, 8, 1), ink::woodDark, 1.2);
}

QImage Extra(int w, int h, void (*draw)(QPainter&, const QRectF&)) {
  QImage image = NewTransparent(w, h);
  QPainter p;
  Begin(p, image);
  draw(p, QRectF(1, 1, w - 2, h - 2));
  p.end();
  return image;
}

}  // namespace

void MakeRoom(Output& out) {
  const QImage room = DrawRoomBackground();
  out.png("design/room.png", room);
  out.png("design/rack.png", DrawRack(room));
  out.png("design/extinguisher.png", Extra(65, 137, [](QPainter& p, const QRectF& r) {
            // The extinguisher stands on the floor: give it a shadow there.
            p.save();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 20, 10, 70));
            p.drawEllipse(QPointF(r.center().x() + 2, r.bottom() - 3), 26, 4);
            p.restore();
            DrawExtinguisher(p, r.adjusted(0, 0, 0, -2));
          }));
  out.png("design/telephone.png",
          Extra(105, 105, [](QPainter& p, const QRectF& r) { DrawTelephone(p, r, true); }));
  out.png("design/alarm1.png",
          Extra(121, 65, [](QPainter& p, const QRectF& r) { DrawAlarmBox(p, r); }));
  out.png("design/bookshelf.png", Extra(104, 84, DrawBookshelf));
  out.png("design/alarm2.png",
          Extra(73, 65, [](QPainter& p, const QRectF& r) { DrawAlarmBell(p, r); }));
}

}  // namespace assets
