#pragma once

#include "style.h"

namespace assets {

enum class Hair { Short, Long, Bun, Bald, Curly, Ponytail, Bob, Spiky, Updo };
enum class Hat { None, Beret, TopHat, Cap, Beanie, Feather };
enum class Clothes { TShirt, Sweater, Shirt, Suit, Dress, Apron, Cardigan, Fur, Stripes };

// Everything that makes one person look like themselves.
struct Portrait {
  QColor skin;
  QColor hair;
  Hair hairStyle = Hair::Short;
  Hat hat = Hat::None;
  QColor hatColour{80, 60, 50};
  Clothes clothes = Clothes::TShirt;
  QColor clothesColour{90, 120, 160};
  QColor accent{220, 190, 80};  // tie, scarf, necklace
  QColor background{230, 210, 180};
  QColor eyes{70, 50, 40};
  double faceWidth = 1.0;  // 0.85 narrow .. 1.15 broad
  bool glasses = false;
  bool sunglasses = false;
  bool beard = false;
  bool moustache = false;
  bool earrings = false;
  bool necklace = false;
  bool tie = false;
  bool bowTie = false;
  bool mask = false;  // the burglar's
  bool blush = true;
  double smile = 0.6;  // -0.5 stern .. 1 beaming
};

// Draws the head-and-shoulders picture into a 120 x 160 unit box mapped onto
// `box`. `mouth` is 0 closed, 1 half open, 2 open; `wave` 0..1 raises a hand.
void DrawPortrait(QPainter& p, const QRectF& box, const Portrait& who, int mouth = 0,
                  double wave = 0, bool blink = false);

}  // namespace assets

namespace assets {

// 0 the shopkeeper, 1 the market stall keeper, 2 the local, 3 the national
// and 4 the international gallery host.
Portrait HostPortrait(int which);

}  // namespace assets
