// Brush stamps: black pixels take the brush colour, the bottom-left colour is
// left unpainted, and a stamp centres on the pointer with even-rounded halves.
#include "studio/brush_stamp.h"

#include <gtest/gtest.h>

#include "ui/picture_io.h"

namespace pictorio {
namespace {

// A brush on white with a black core and one grey pixel that must keep its colour.
QImage TestBrush(int w, int h) {
  QImage brush(w, h, QImage::Format_RGB32);
  brush.fill(Qt::white);
  for (int y = 1; y < h - 1; ++y)
    for (int x = 1; x < w - 1; ++x) brush.setPixel(x, y, qRgb(0, 0, 0));
  brush.setPixel(1, 1, qRgb(128, 128, 128));
  return brush;
}

TEST(BrushStamp, RecoloursOnlyPureBlackAndKeysOutTheBottomLeftColour) {
  const BrushStamp stamp = BrushStamp::FromPicture(TestBrush(5, 5), QColor(200, 30, 40));
  QImage canvas(20, 20, QImage::Format_RGB32);
  canvas.fill(qRgb(10, 250, 10));
  const QRect touched = stamp.Lay(canvas, 10, 10);

  // Half of 5 is 2.5, which rounds to 2: the stamp's corner is at (8, 8).
  EXPECT_EQ(stamp.HalfWidth(), 2);
  EXPECT_EQ(touched, QRect(8, 8, 5, 5));
  EXPECT_EQ(canvas.pixel(10, 10), qRgb(200, 30, 40));
  EXPECT_EQ(canvas.pixel(9, 9), qRgb(128, 128, 128));
  // The white rim is the key colour: the green ground shows through it.
  EXPECT_EQ(canvas.pixel(8, 8), qRgb(10, 250, 10));
  EXPECT_EQ(canvas.pixel(12, 12), qRgb(10, 250, 10));
}

TEST(BrushStamp, HalfSizesRoundHalvesToEven) {
  EXPECT_EQ(BrushStamp::FromPicture(TestBrush(7, 3), Qt::black).HalfWidth(), 4);   // 3.5 -> 4
  EXPECT_EQ(BrushStamp::FromPicture(TestBrush(7, 3), Qt::black).HalfHeight(), 2);  // 1.5 -> 2
  EXPECT_EQ(BrushStamp::FromPicture(TestBrush(20, 12), Qt::black).HalfWidth(), 10);
}

TEST(BrushStamp, WhiteBrushColourOnAWhiteKeyedBrushPaintsNothing) {
  // Pencils keep the brush colour white: their black turns to the key colour.
  const BrushStamp stamp = BrushStamp::FromPicture(TestBrush(5, 5), Qt::white);
  QImage canvas(10, 10, QImage::Format_RGB32);
  canvas.fill(qRgb(1, 2, 3));
  stamp.Lay(canvas, 5, 5);
  EXPECT_EQ(canvas.pixel(5, 5), qRgb(1, 2, 3));
  EXPECT_EQ(canvas.pixel(4, 4), qRgb(128, 128, 128));
}

TEST(BrushStamp, StampsAtTheEdgeAreClippedAndAnEmptyStampDrawsNothing) {
  const BrushStamp stamp = BrushStamp::FromPicture(TestBrush(5, 5), Qt::red);
  QImage canvas(10, 10, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  EXPECT_EQ(stamp.Lay(canvas, 0, 0), QRect(0, 0, 3, 3));
  EXPECT_EQ(canvas.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_TRUE(stamp.Lay(canvas, -50, 400).isEmpty());

  const BrushStamp none = BrushStamp::FromPicture(QImage(), Qt::red);
  EXPECT_TRUE(none.Empty());
  EXPECT_TRUE(none.Lay(canvas, 5, 5).isEmpty());
}

TEST(BrushStamp, EveryGeneratedBrushBuilds) {
  for (const char* name :
       {"none", "p1", "p2", "p3", "e1", "c1",        "c2",    "c3",  "pa1",     "pa2",   "pa3",
        "b1",   "b2", "b3", "b4", "b5", "wallbrush", "spray", "pen", "restore", "tatoo", "bart"}) {
    const QImage brush = LoadPicture(std::string(PICTORIO_GAME_DIR) + "/brush/" + name + ".bmp");
    ASSERT_FALSE(brush.isNull()) << name;
    const BrushStamp stamp = BrushStamp::FromPicture(brush, Qt::blue);
    EXPECT_FALSE(stamp.Empty()) << name;
    EXPECT_EQ(stamp.Image().size(), brush.size()) << name;
  }
}

}  // namespace
}  // namespace pictorio
