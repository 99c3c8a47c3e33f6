// What a stroke costs and earns, the style rule, the colour picks and the oil
// mix, and the brush stamps: plain rules, no window.
#include "studio/stroke_rules.h"

#include <gtest/gtest.h>

#include "core/game.h"
#include "studio/brush_stamp.h"
#include "studio/canvas.h"
#include "studio/colour_picks.h"
#include "support/scripted_platform.h"

namespace pictorio {
namespace {

struct Studio {
  ScriptedPlatform platform;
  Game game{platform};
  StudioSession session;
  Canvas canvas{game};
  OneBased<stuffrec, kStockSlots> stock;
  Studio() {
    game.AssetRoot = PICTORIO_GAME_DIR;
    for (int s = 1; s <= kStockSlots; ++s) stock[s] = stuffrec{"slot", "x", true, 1000};
  }
  void Use(std::initializer_list<int> used) {
    ClearActiveSlots(session);
    int i = 1;
    for (int s : used) session.ActiveSlots[i++] = s;
  }
  int Taken(int slot) const { return 1000 - stock[slot].Units; }
};

TEST(StrokeCost, PastelPencilCharcoalTheEraserAndWaterColoursByTheBrush) {
  Studio st;
  const struct {
    int slot, stamps;
    double spread;
    int taken;
  } cases[] = {
      {4, 1, 0, 1},    {4, 2, 0, 1},     {4, 3, 0, 2},   // Round(n / 1.5), halves to even
      {34, 3, 0, 0},   {35, 7, 0, 1},    {36, 8, 0, 2},  // n div 4
      {38, 3, 0, 2},   {38, 100, 0, 67},                 // charcoal like a pastel
      {37, 500, 0, 0},                                   // the eraser never wears
      {29, 100, 1.8, 37}, {29, 100, 0.9, 74},            // a fine and a big brush
      {29, 100, 0, 0},  // a brush whose spread was never set costs nothing rather than garbage
  };
  for (const auto& c : cases) {
    st.stock[c.slot].Units = 1000;
    st.Use({c.slot});
    st.session.BrushSpread = c.spread;
    ConsumeStroke(st.session, st.stock, c.stamps);
    EXPECT_EQ(st.Taken(c.slot), c.taken) << "slot " << c.slot << ", " << c.stamps << " stamps";
  }
  // A huge stroke never wraps the stock around.
  st.Use({4});
  st.stock[4].Units = -2'000'000'000;
  ConsumeStroke(st.session, st.stock, 2'000'000'000);
  EXPECT_LT(st.stock[4].Units, 0);
}

TEST(StrokeCost, OilTakesPaintTurpentineAndTheBrush) {
  Studio st;
  st.session.OilRed = 245;
  st.session.OilBlue = 1;
  st.session.OilGreen = 1;
  st.session.PaintBrush = "b1";
  st.session.ActiveSlots[5] = 49;
  MixOil(st.session, st.canvas, true, true, true);
  st.session.BrushSpread = 0.9;
  ConsumeStroke(st.session, st.stock, 100);
  // Blue: Round(100 x 0.01 / 0.9 / 6).
  EXPECT_EQ(std::tuple(st.Taken(kSlotRedOil), st.Taken(kSlotBlueOil), st.Taken(kSlotTurpentine),
                       st.Taken(49)),
            std::tuple(45, 0, 20, 5));
}

// Pencil, charcoal, water colour and the mixed rule are priced through the studio window's tests.
TEST(StrokeWorth, GrowsWithLengthToolAndColoursUnlessMixed) {
  Studio st;
  // Pastel: 0.1 x variety x factor x k.
  st.session.PictureStyle = "t";
  st.session.PictureValue = 0;
  st.session.ColourVariety = 0.3;
  st.session.ToolFactor = 1.0;
  st.Use({4});
  st.session.StrokeStamps = 100;
  AccrueValue(st.session);
  EXPECT_NEAR(st.session.PictureValue, 0.03, 1e-12);

  // Oil: amount / 500 x k x factor for every tube; turpentine and brush earn nothing.
  st.session.PictureStyle = "o";
  st.session.PictureValue = 0;
  st.session.OilRed = 245;
  st.session.OilBlue = 1;
  st.session.OilGreen = 1;
  st.session.ToolFactor = 2.0;
  st.Use({46, 47, 48, 45, 53});
  AccrueValue(st.session);
  EXPECT_NEAR(st.session.PictureValue, 247.0 / 500.0 * 2.0, 1e-12);

  // No tool: nothing.
  st.session.PictureValue = 0.5;
  st.Use({});
  AccrueValue(st.session);
  EXPECT_DOUBLE_EQ(st.session.PictureValue, 0.5);
}

TEST(ColourPicks, PastelPicksCountEveryTimeAndRetakeTheBrushInHand) {
  Studio st;
  const QColor rose(250, 75, 108);
  auto faces = PickPastelColour(st.session, st.canvas, 4, rose);
  for (const QImage& face : faces) EXPECT_FALSE(face.isNull());
  // No pastel button used yet: no tool in hand.
  EXPECT_EQ(std::tuple(st.session.PastelReady, st.session.PastelSlot, st.session.BrushReady,
                       st.session.ActiveSlots[1]),
            std::tuple(true, 4, false, 0));

  st.session.PastelBrush = "pa2";
  PickPastelColour(st.session, st.canvas, 5, QColor(233, 83, 200));
  PickPastelColour(st.session, st.canvas, 5, QColor(233, 83, 200));
  EXPECT_NEAR(st.session.ColourVariety, 0.3, 1e-12);
  EXPECT_EQ(std::tuple(st.session.BrushReady, st.session.BrushName, st.session.ActiveSlots[1]),
            std::tuple(true, "pa2", 5));
}

TEST(OilMix, ColourFormedBeforeUnusableTubesAreZeroed) {
  Studio st;
  st.session.PaintBrush = "b3";
  st.session.ActiveSlots[5] = 51;
  SetOilAmounts(st.session, 0, 244, 244);
  MixOil(st.session, st.canvas, true, true, true);
  EXPECT_EQ(std::vector<int>(st.session.ActiveSlots.begin(), st.session.ActiveSlots.end()),
            (std::vector<int>{46, 47, 48, 45, 51}));
  EXPECT_EQ(std::tuple(st.session.RedShare, st.session.BlueShare), std::tuple(2.45, 0.01));

  // Blue not owned: the colour still carries its 1, but its tube is never drawn on.
  ClearActiveSlots(st.session);
  st.session.ActiveSlots[5] = 51;
  MixOil(st.session, st.canvas, true, false, true);
  EXPECT_EQ(std::tuple(st.session.OilColour, st.session.OilBlue, st.session.ActiveSlots[2],
                       st.session.ActiveSlots[1]),
            std::tuple(QColor(245, 1, 1), 0, 0, 46));
}

// ---- brush stamps ----
// A brush on white with a black core and one grey pixel that must keep its colour.
QImage TestBrush(int w, int h) {
  QImage brush(w, h, QImage::Format_RGB32);
  brush.fill(Qt::white);
  for (int y = 1; y < h - 1; ++y)
    for (int x = 1; x < w - 1; ++x) brush.setPixel(x, y, qRgb(0, 0, 0));
  brush.setPixel(1, 1, qRgb(128, 128, 128));
  return brush;
}

TEST(BrushStamp, RecoloursOnlyPureBlackKeysOutTheBottomLeftColourAndClipsAtTheEdge) {
  const BrushStamp stamp = BrushStamp::FromPicture(TestBrush(5, 5), QColor(200, 30, 40));
  QImage canvas(20, 20, QImage::Format_RGB32);
  canvas.fill(qRgb(10, 250, 10));
  const QRect touched = stamp.Lay(canvas, 10, 10);
  // Half of 5 is 2.5, which rounds to 2: the stamp's corner is at (8, 8). The
  // white rim is the key colour: the green ground shows through it.
  EXPECT_EQ(std::tuple(stamp.HalfWidth(), touched, canvas.pixel(10, 10), canvas.pixel(9, 9),
                       canvas.pixel(8, 8), canvas.pixel(12, 12)),
            std::tuple(2, QRect(8, 8, 5, 5), qRgb(200, 30, 40), qRgb(128, 128, 128),
                       qRgb(10, 250, 10), qRgb(10, 250, 10)));
  // Halves round to even: 3.5 -> 4, 1.5 -> 2.
  const BrushStamp wide = BrushStamp::FromPicture(TestBrush(7, 3), Qt::black);
  EXPECT_EQ(std::tuple(wide.HalfWidth(), wide.HalfHeight()), std::tuple(4, 2));

  // Pencils keep the brush colour white: their black turns to the key colour.
  canvas.fill(qRgb(1, 2, 3));
  BrushStamp::FromPicture(TestBrush(5, 5), Qt::white).Lay(canvas, 5, 5);
  EXPECT_EQ(std::tuple(canvas.pixel(5, 5), canvas.pixel(4, 4)),
            std::tuple(qRgb(1, 2, 3), qRgb(128, 128, 128)));

  // At the edge a stamp is clipped; an empty stamp draws nothing.
  canvas.fill(Qt::white);
  EXPECT_EQ(stamp.Lay(canvas, 0, 0), QRect(0, 0, 3, 3));
  EXPECT_EQ(canvas.pixel(0, 0), qRgb(200, 30, 40));
  EXPECT_TRUE(stamp.Lay(canvas, -50, 400).isEmpty());
  const BrushStamp none = BrushStamp::FromPicture(QImage(), Qt::red);
  EXPECT_TRUE(none.Empty() && none.Lay(canvas, 5, 5).isEmpty());

  // Smooth strokes space their stamps by the half side of the solid square
  // round the centre: a key pixel on any one side of a ring ends the square there.
  const std::pair<QPoint, int> holes[] = {
      {{-1, -1}, 3}, {{4, 1}, 2}, {{4, 6}, 1}, {{2, 4}, 1}, {{7, 4}, 2}};
  for (const auto& [hole, spacing] : holes) {
    QImage brush = TestBrush(9, 9);
    if (brush.valid(hole)) brush.setPixel(hole, qRgb(255, 255, 255));
    EXPECT_EQ(BrushStamp::FromPicture(brush, Qt::red).Spacing(), spacing)
        << hole.x() << "," << hole.y();
  }
}

}  // namespace
}  // namespace pictorio
