// The people of the game: twenty buyers, the VIP, the four hosts, the
// burglar, the empty buyer place and ten passers-by.
#include <vector>

#include "generators.h"
#include "objects.h"
#include "portrait.h"

namespace assets {

namespace {

const QColor kSkins[] = {QColor(255, 224, 196), QColor(240, 200, 164), QColor(222, 172, 128),
                         QColor(190, 136, 96),  QColor(150, 100, 70),  QColor(104, 70, 52)};
const QColor kHairs[] = {QColor(40, 30, 28),   QColor(84, 56, 38),    QColor(130, 84, 50),
                         QColor(168, 80, 40),  QColor(226, 190, 110), QColor(160, 156, 150),
                         QColor(232, 230, 226)};

Portrait Person(int skin, int hair, Hair style, Clothes clothes, QColor cloth, QColor background) {
  Portrait p;
  p.skin = kSkins[skin];
  p.hair = kHairs[hair];
  p.hairStyle = style;
  p.clothes = clothes;
  p.clothesColour = cloth;
  p.background = background;
  return p;
}

std::vector<Portrait> Buyers() {
  std::vector<Portrait> b;
  // Market crowd: casual.
  {
    auto p =
        Person(1, 3, Hair::Short, Clothes::TShirt, QColor(90, 150, 110), QColor(214, 230, 200));
    p.beard = true;
    b.push_back(p);
  }
  {
    auto p =
        Person(4, 0, Hair::Curly, Clothes::Sweater, QColor(230, 150, 60), QColor(250, 220, 180));
    p.earrings = true;
    p.accent = QColor(240, 200, 80);
    b.push_back(p);
  }
  {
    auto p =
        Person(0, 4, Hair::Ponytail, Clothes::TShirt, QColor(220, 90, 100), QColor(200, 220, 240));
    p.faceWidth = 0.9;
    b.push_back(p);
  }
  {
    auto p =
        Person(2, 5, Hair::Bald, Clothes::Cardigan, QColor(120, 100, 80), QColor(236, 220, 190));
    p.glasses = true;
    p.moustache = true;
    p.faceWidth = 1.1;
    b.push_back(p);
  }
  {
    auto p = Person(5, 0, Hair::Spiky, Clothes::TShirt, QColor(70, 90, 160), QColor(250, 230, 150));
    p.hat = Hat::Cap;
    p.hatColour = QColor(200, 60, 50);
    p.smile = 1.0;
    b.push_back(p);
  }
  // Gallery regulars: smarter.
  {
    auto p = Person(1, 1, Hair::Bob, Clothes::Sweater, QColor(150, 60, 90), QColor(220, 214, 236));
    p.glasses = true;
    p.faceWidth = 0.92;
    b.push_back(p);
  }
  {
    auto p =
        Person(3, 0, Hair::Short, Clothes::Shirt, QColor(110, 150, 190), QColor(236, 226, 200));
    p.tie = true;
    p.accent = QColor(180, 50, 50);
    b.push_back(p);
  }
  {
    auto p =
        Person(0, 6, Hair::Bun, Clothes::Cardigan, QColor(130, 160, 130), QColor(240, 224, 214));
    p.glasses = true;
    p.necklace = true;
    p.accent = QColor(240, 236, 220);
    b.push_back(p);
  }
  {
    auto p = Person(2, 1, Hair::Short, Clothes::Sweater, QColor(60, 70, 90), QColor(210, 226, 214));
    p.hat = Hat::Beret;
    p.hatColour = QColor(40, 40, 50);
    p.moustache = true;
    b.push_back(p);
  }
  {
    auto p = Person(4, 2, Hair::Long, Clothes::Dress, QColor(60, 130, 120), QColor(250, 226, 200));
    p.earrings = true;
    p.accent = QColor(230, 190, 70);
    p.faceWidth = 0.9;
    b.push_back(p);
  }
  {
    auto p = Person(1, 5, Hair::Short, Clothes::Suit, QColor(90, 80, 70), QColor(226, 216, 196));
    p.tie = true;
    p.accent = QColor(60, 90, 150);
    p.beard = true;
    p.smile = 0.2;
    b.push_back(p);
  }
  {
    auto p = Person(5, 0, Hair::Updo, Clothes::Dress, QColor(190, 60, 60), QColor(236, 220, 230));
    p.necklace = true;
    p.accent = QColor(240, 200, 90);
    p.faceWidth = 0.92;
    b.push_back(p);
  }
  {
    auto p =
        Person(2, 3, Hair::Curly, Clothes::Shirt, QColor(236, 220, 160), QColor(200, 214, 230));
    p.bowTie = true;
    p.accent = QColor(60, 120, 80);
    p.glasses = true;
    b.push_back(p);
  }
  {
    auto p = Person(0, 0, Hair::Short, Clothes::Suit, QColor(50, 60, 90), QColor(232, 230, 214));
    p.tie = true;
    p.accent = QColor(200, 160, 60);
    p.faceWidth = 1.05;
    b.push_back(p);
  }
  // International collectors: grand.
  {
    auto p = Person(3, 6, Hair::Bob, Clothes::Fur, QColor(120, 40, 70), QColor(236, 214, 170));
    p.necklace = true;
    p.earrings = true;
    p.accent = QColor(240, 236, 226);
    b.push_back(p);
  }
  {
    auto p = Person(1, 6, Hair::Bald, Clothes::Suit, QColor(30, 30, 40), QColor(220, 200, 160));
    p.bowTie = true;
    p.accent = QColor(150, 30, 40);
    p.moustache = true;
    p.hat = Hat::TopHat;
    p.hatColour = QColor(30, 30, 36);
    p.smile = 0.3;
    b.push_back(p);
  }
  {
    auto p = Person(4, 0, Hair::Long, Clothes::Dress, QColor(40, 90, 160), QColor(230, 220, 250));
    p.hat = Hat::Feather;
    p.hatColour = QColor(40, 90, 160);
    p.accent = QColor(240, 210, 110);
    p.earrings = true;
    b.push_back(p);
  }
  {
    auto p = Person(2, 5, Hair::Short, Clothes::Suit, QColor(120, 110, 90), QColor(214, 232, 226));
    p.glasses = true;
    p.tie = true;
    p.accent = QColor(180, 120, 40);
    p.beard = true;
    b.push_back(p);
  }
  {
    auto p = Person(5, 6, Hair::Updo, Clothes::Dress, QColor(110, 40, 100), QColor(244, 226, 196));
    p.necklace = true;
    p.earrings = true;
    p.accent = QColor(230, 230, 236);
    b.push_back(p);
  }
  {
    auto p = Person(0, 2, Hair::Short, Clothes::Suit, QColor(140, 30, 40), QColor(226, 216, 236));
    p.bowTie = true;
    p.accent = QColor(30, 30, 30);
    p.sunglasses = false;
    p.glasses = true;
    p.moustache = true;
    b.push_back(p);
  }
  return b;
}

Portrait Vip() {
  auto p = Person(3, 0, Hair::Long, Clothes::Fur, QColor(110, 30, 120), QColor(250, 214, 100));
  p.sunglasses = true;
  p.hat = Hat::Feather;
  p.hatColour = QColor(120, 30, 130);
  p.accent = QColor(250, 210, 60);
  p.necklace = true;
  p.earrings = true;
  p.smile = 1.0;
  return p;
}

QImage Face(const Portrait& who, int w, int h) {
  QImage image = NewImage(w, h, who.background);
  QPainter p;
  Begin(p, image);
  DrawPortrait(p, QRectF(0, 0, w, h), who);
  p.end();
  return image;
}

QImage VipFace() {
  const Portrait who = Vip();
  QImage image = Face(who, 120, 160);
  QPainter p;
  Begin(p, image);
  // Spotlight sparkles and a VIP pass on a lanyard.
  for (const QPointF& s : {QPointF(14, 20), QPointF(104, 30), QPointF(18, 96), QPointF(100, 92)}) {
    QPainterPath star;
    star.moveTo(s.x(), s.y() - 7);
    star.quadTo(s.x(), s.y(), s.x() + 7, s.y());
    star.quadTo(s.x(), s.y(), s.x(), s.y() + 7);
    star.quadTo(s.x(), s.y(), s.x() - 7, s.y());
    star.quadTo(s.x(), s.y(), s.x(), s.y() - 7);
    FlatShape(p, star, QColor(255, 255, 230), 1.0);
  }
  FlatShape(p, RoundRect(72, 130, 34, 22, 3), QColor(250, 240, 200), 1.6);
  p.setFont(SansFont(12, true));
  p.setPen(QColor(150, 30, 120));
  p.drawText(QRectF(72, 130, 34, 22), Qt::AlignCenter, QStringLiteral("VIP"));
  p.end();
  return image;
}

QImage EmptyPlace() {
  // Nobody at the counter yet: an empty chair against the wall.
  QImage image = NewImage(120, 160, QColor(226, 210, 184));
  QPainter p;
  Begin(p, image);
  Gradient(p, QRectF(0, 0, 120, 112), QColor(236, 222, 198), QColor(222, 204, 176));
  p.fillRect(QRectF(0, 112, 120, 48), QColor(176, 120, 76));
  p.fillRect(QRectF(0, 110, 120, 4), QColor(140, 90, 56));
  Shape(p, RoundRect(34, 40, 52, 56, 6), QColor(170, 70, 56), 1.8);
  FlatShape(p, RoundRect(28, 92, 64, 12, 4), QColor(190, 84, 64), 1.8);
  for (qreal x : {32.0, 82.0}) FlatShape(p, RoundRect(x, 102, 6, 44, 2), ink::woodDark, 1.6);
  p.end();
  return image;
}

QImage Burglar() {
  auto who = Person(2, 0, Hair::Short, Clothes::Stripes, QColor(40, 40, 48), QColor(60, 70, 110));
  who.hat = Hat::Beanie;
  who.hatColour = QColor(40, 40, 46);
  who.mask = true;
  who.smile = -0.2;
  who.blush = false;
  QImage image = NewImage(65, 90, who.background);
  QPainter p;
  Begin(p, image);
  DrawPortrait(p, QRectF(0, 0, 65, 90), who);
  // A moon in the night sky and a swag bag over the shoulder.
  p.scale(65 / 120.0, 90 / 160.0);
  FlatShape(p, Ellipse(16, 20, 9, 9), QColor(250, 240, 190), 1.2);
  QPainterPath bag;
  bag.moveTo(92, 160);
  bag.cubicTo(80, 120, 96, 96, 112, 100);
  bag.cubicTo(128, 104, 126, 150, 120, 160);
  bag.closeSubpath();
  Shape(p, bag, QColor(200, 184, 150), 1.8);
  p.setFont(SerifFont(18, true));
  p.setPen(QColor(90, 70, 50));
  p.drawText(QRectF(96, 118, 24, 24), Qt::AlignCenter, QStringLiteral("$"));
  p.end();
  return image;
}

// A passer-by: a small walking figure on the white key colour.
QImage Passer(int index) {
  const QColor coats[] = {QColor(190, 70, 60),  QColor(70, 110, 160), QColor(90, 140, 90),
                          QColor(200, 160, 60), QColor(140, 90, 150), QColor(80, 80, 90),
                          QColor(200, 120, 70), QColor(60, 130, 140), QColor(160, 60, 90),
                          QColor(110, 90, 70)};
  const QColor skin = kSkins[index % 6];
  const QColor hair = kHairs[(index * 3) % 7];
  const QColor coat = coats[index];
  const QColor trousers = index % 3 ? QColor(60, 64, 90) : QColor(90, 70, 60);
  QImage art = NewTransparent(48, 110);
  QPainter p;
  Begin(p, art);
  const bool stride = index % 2;
  const bool skirt = index % 4 == 1;
  // Legs.
  auto leg = [&](qreal hipX, qreal footX) {
    QPainterPath l;
    l.moveTo(hipX - 4, 62);
    l.lineTo(hipX + 4, 62);
    l.lineTo(footX + 3, 100);
    l.lineTo(footX - 3, 100);
    l.closeSubpath();
    FlatShape(p, l, trousers, 1.4);
    FlatShape(p, RoundRect(footX - 4, 98, 11, 5, 2), QColor(50, 40, 36), 1.4);
  };
  leg(22, stride ? 14 : 20);
  leg(26, stride ? 34 : 28);
  // Body.
  QPainterPath body;
  body.moveTo(15, 30);
  body.lineTo(33, 30);
  body.lineTo(skirt ? 38 : 34, skirt ? 76 : 66);
  body.lineTo(skirt ? 10 : 14, skirt ? 76 : 66);
  body.closeSubpath();
  Shape(p, body, coat, 1.5);
  // Arms swinging.
  p.save();
  p.translate(16, 33);
  p.rotate(stride ? 18 : 6);
  FlatShape(p, RoundRect(-3, 0, 7, 28, 3), Darker(coat, 0.1), 1.4);
  FlatShape(p, Ellipse(0.5, 29, 3.5, 3.5), skin, 1.2);
  p.restore();
  p.save();
  p.translate(32, 33);
  p.rotate(stride ? -18 : -6);
  FlatShape(p, RoundRect(-4, 0, 7, 28, 3), Darker(coat, 0.1), 1.4);
  FlatShape(p, Ellipse(-0.5, 29, 3.5, 3.5), skin, 1.2);
  if (index % 3 == 0)
    FlatShape(p, RoundRect(-6, 30, 12, 12, 2), QColor(150, 100, 60), 1.2);  // a bag
  p.restore();
  // Head.
  FlatShape(p, Ellipse(24, 18, 9, 10.5), skin, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(ink::line);
  p.drawEllipse(QPointF(21, 19), 1.1, 1.3);
  p.drawEllipse(QPointF(27, 19), 1.1, 1.3);
  QPainterPath h;
  h.moveTo(14.5, 18);
  h.cubicTo(14, 4, 34, 4, 33.5, 18);
  h.cubicTo(28, 12, 20, 12, 14.5, 18);
  FlatShape(p, h, hair, 1.3);
  if (index % 5 == 2) FlatShape(p, RoundRect(12, 4, 24, 6, 3), Darker(coat, 0.3), 1.3);  // a hat
  p.end();
  HardenAlpha(art);
  QImage out = NewImage(48, 110, QColor(255, 255, 255));
  p.begin(&out);
  p.drawImage(0, 0, art);
  p.end();
  out.setPixelColor(0, 109, QColor(255, 255, 255));
  return out;
}

}  // namespace

Portrait HostPortrait(int which) {
  switch (which) {
    case 0: {  // the shopkeeper
      auto p = Person(1, 5, Hair::Bald, Clothes::Apron, QColor(70, 110, 90), QColor(240, 222, 190));
      p.glasses = true;
      p.moustache = true;
      p.faceWidth = 1.1;
      p.smile = 0.9;
      return p;
    }
    case 1: {  // the market stall keeper
      auto p =
          Person(3, 1, Hair::Short, Clothes::Apron, QColor(180, 90, 60), QColor(220, 236, 206));
      p.hat = Hat::Cap;
      p.hatColour = QColor(110, 90, 70);
      p.beard = true;
      p.smile = 1.0;
      return p;
    }
    case 2: {  // the local gallery host
      auto p = Person(0, 3, Hair::Ponytail, Clothes::Cardigan, QColor(200, 110, 120),
                      QColor(236, 226, 206));
      p.glasses = true;
      p.faceWidth = 0.9;
      p.accent = QColor(240, 220, 150);
      return p;
    }
    case 3: {  // the national gallery host
      auto p = Person(2, 6, Hair::Short, Clothes::Suit, QColor(60, 70, 100), QColor(214, 222, 232));
      p.bowTie = true;
      p.accent = QColor(170, 40, 50);
      p.moustache = true;
      p.smile = 0.4;
      return p;
    }
    default: {  // the international gallery host
      auto p = Person(4, 0, Hair::Updo, Clothes::Dress, QColor(30, 30, 40), QColor(236, 220, 190));
      p.necklace = true;
      p.earrings = true;
      p.accent = QColor(246, 244, 236);
      p.faceWidth = 0.92;
      return p;
    }
  }
}

void MakePeople(Output& out) {
  out.jpeg("people/f0.jpg", EmptyPlace());
  const auto buyers = Buyers();
  for (std::size_t i = 0; i < buyers.size(); ++i)
    out.jpeg("people/f" + std::to_string(i + 1) + ".jpg", Face(buyers[i], 120, 160));
  out.jpeg("people/f21.jpg", VipFace());
  for (int h = 1; h <= 4; ++h)
    out.jpeg("people/f12" + std::to_string(h) + ".jpg", Face(HostPortrait(h), 65, 90));
  out.jpeg("people/fb.jpg", Burglar());
  for (int i = 0; i < 10; ++i) out.bmp("people/s" + std::to_string(i + 1) + ".bmp", Passer(i));
}

}  // namespace assets
