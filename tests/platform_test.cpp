// The pieces of the platform adapter that need no window: paths, pictures,
// text files, animations, cursors, and the components the windows are built of.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QBitmap>
#include <filesystem>
#include <fstream>

#include "core/game.h"
#include "core/paths.h"
#include "core/text_file.h"
#include "support/test_app.h"
#include "ui/avi_decoder.h"
#include "ui/components.h"
#include "ui/picture_io.h"
#include "ui/qt_platform.h"

namespace fs = std::filesystem;

namespace pictorio {
namespace {

fs::path TempFile(const std::string& name) {
  return fs::temp_directory_path() / ("pictorio-platform-" + std::to_string(::getpid()) + name);
}

TEST(Paths, BackslashPathsBecomeNativeUnderTheAssetRoot) {
  ScriptedPlatform platform;
  Game game(platform);
  game.AssetRoot = "/opt/game";
  EXPECT_EQ(AssetPath(game, "\\sound\\sounds\\s1.wav"), "/opt/game/sound/sounds/s1.wav");
  EXPECT_EQ(AssetPath(game, "\\Pictorio Help.txt"), "/opt/game/Pictorio Help.txt");
  EXPECT_EQ(NativePath("\\pictures\\My \"best\".jpg"), "/pictures/My \"best\".jpg");
}

TEST(Money, IsShownWithTwoDecimalsWhateverTheLocale) {
  EXPECT_EQ(FormatMoney(25.0), "25.00");
  EXPECT_EQ(FormatMoney(0.0), "0.00");
  EXPECT_EQ(FormatMoney(0.1 + 0.2), "0.30");
  EXPECT_EQ(FormatMoney(-3.456), "-3.46");
  EXPECT_EQ(FormatMoney(1234567.891), "1234567.89");
  EXPECT_EQ(FormatMoney(1e20), "100000000000000000000.00");
}

TEST(PictureFiles, JpegRoundTripKeepsSizeAndFlatColours) {
  QImage picture(120, 80, QImage::Format_RGB32);
  picture.fill(QColor(245, 245, 245));
  for (int y = 20; y < 60; ++y)
    for (int x = 30; x < 90; ++x) picture.setPixel(x, y, qRgb(20, 19, 21));
  const fs::path file = TempFile("round.jpg");
  std::string error;
  ASSERT_TRUE(SaveJpeg(picture, file.string(), 90, &error)) << error;
  const QImage back = LoadPicture(file.string(), &error);
  ASSERT_FALSE(back.isNull()) << error;
  EXPECT_EQ(back.size(), picture.size());
  // Lossy, but flat areas stay within a few levels.
  const QColor inside = back.pixelColor(60, 40);
  const QColor outside = back.pixelColor(5, 5);
  EXPECT_NEAR(inside.red(), 20, 6);
  EXPECT_NEAR(outside.green(), 245, 6);
  fs::remove(file);
}

TEST(PictureFiles, MissingOrBrokenFilesReportWhy) {
  std::string error;
  EXPECT_TRUE(LoadPicture("/nonexistent/picture.jpg", &error).isNull());
  EXPECT_NE(error.find("/nonexistent/picture.jpg"), std::string::npos);

  // A JPEG cut off after its header must not crash the decoder.
  QImage picture(64, 64, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const fs::path file = TempFile("cut.jpg");
  ASSERT_TRUE(SaveJpeg(picture, file.string()));
  fs::resize_file(file, 200);
  error.clear();
  const QImage cut = LoadPicture(file.string(), &error);
  // libjpeg pads a truncated scan with grey; either way the size is kept or an error given.
  EXPECT_TRUE(cut.isNull() ? !error.empty() : cut.size() == QSize(64, 64));

  std::ofstream(file, std::ios::binary) << "\xFF\xD8\xFFgarbage";
  error.clear();
  EXPECT_TRUE(LoadPicture(file.string(), &error).isNull());
  EXPECT_FALSE(error.empty());

  EXPECT_FALSE(SaveJpeg(picture, "/nonexistent/folder/x.jpg", 90, &error));
  EXPECT_NE(error.find("/nonexistent/folder/x.jpg"), std::string::npos);
  fs::remove(file);
}

TEST(TextFiles, Windows1252IsConvertedBothWays) {
  EXPECT_EQ(FromWindows1252("Caf\xE9 \x80 5"), "Café € 5");
  EXPECT_EQ(ToWindows1252("Café € 5"), std::optional<std::string>("Caf\xE9 \x80 5"));
  EXPECT_EQ(ToWindows1252("日本"), std::nullopt);
  // Bytes with no character keep the rest readable.
  EXPECT_EQ(FromWindows1252("a\x81z"), "a?z");
}

TEST(TextFiles, LinesEndWithCrLfLfOrCr) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());

  const fs::path file = TempFile("lines.txt");
  std::ofstream(file, std::ios::binary) << "Pinsel \xFC\x62\x65r\r\nzwei\r\n";
  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(ReadTextLines(file.string(), &lines, &error)) << error;
  EXPECT_EQ(lines, (std::vector<std::string>{"Pinsel über", "zwei"}));
  fs::remove(file);
  EXPECT_FALSE(ReadTextLines(file.string(), &lines, &error));
  EXPECT_NE(error.find(file.string()), std::string::npos);
}

TEST(Animations, HostLoopsDecodeFrameByFrame) {
  std::string error;
  const auto frames = DecodeAllFrames(std::string(PICTORIO_GAME_DIR) + "/avis/a1.avi", &error);
  ASSERT_GE(frames.size(), 9u) << error;
  EXPECT_FALSE(frames[0].isNull());
  EXPECT_EQ(frames[0].size(), frames[8].size());
  EXPECT_TRUE(DecodeAllFrames("/nonexistent.avi", &error).empty());
  EXPECT_NE(error.find("/nonexistent.avi"), std::string::npos);
}

TEST(Animations, ControlShowsItsStopFrameWhenInactive) {
  ScriptedPlatform platform;
  TAnimate animate(platform);
  animate.SetStopFrame(8);
  std::string error;
  ASSERT_TRUE(animate.SetFileName(std::string(PICTORIO_GAME_DIR) + "/avis/a1.avi", &error))
      << error;
  EXPECT_EQ(animate.CurrentFrame(), 8);
  animate.SetActive(true);
  animate.Step();
  EXPECT_EQ(animate.CurrentFrame(), 9);
  animate.Step();
  EXPECT_EQ(animate.CurrentFrame(), 0);  // loops after the last of the 10 scripted frames
  animate.SetActive(false);
  EXPECT_EQ(animate.CurrentFrame(), 8);
  EXPECT_FALSE(animate.SetFileName("/nonexistent.avi", &error));
  EXPECT_EQ(animate.FrameCount(), 0);
}

TEST(Cursors, PicturesBecomeMonochromeCursorsWithTheirHotSpots) {
  for (const CursorShape& shape : kCursorShapes) {
    SCOPED_TRACE(shape.name);
    const QImage picture =
        LoadPicture(std::string(PICTORIO_GAME_DIR) + "/design/cursors/" + shape.name + ".png");
    ASSERT_EQ(picture.size(), QSize(32, 32));
    const QCursor cursor = MakeCursor(picture, shape.hotX, shape.hotY);
    EXPECT_EQ(cursor.hotSpot(), QPoint(shape.hotX, shape.hotY));
    const QImage mask = cursor.mask().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(mask.size(), QSize(32, 32));
    // The tool's tip is part of the cursor (set mask bits read as black), not see-through.
    EXPECT_LT(qGray(mask.pixel(shape.hotX, shape.hotY)), 128) << "hot spot on a clear pixel";
  }
}

TEST(Components, TimerKeepsItsIntervalAcrossEnabling) {
  TTimer timer(5000);
  EXPECT_FALSE(timer.Enabled());
  timer.SetEnabled(true);
  timer.SetInterval(250);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 250);
  timer.SetEnabled(false);
  timer.SetEnabled(true);
  EXPECT_EQ(timer.Interval(), 250);
}

TEST(Components, TransparentImagesDropTheirBottomLeftColour) {
  TImage image;
  image.resize(4, 4);
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::white);
  picture.setPixel(1, 1, qRgb(0, 0, 0));
  image.SetPicture(picture);
  image.SetTransparent(true);
  const QImage shown = image.pixmap().toImage();
  EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(shown.pixel(1, 1)), 255);
  image.SetHint("Go to Shop");
  image.SetShowHint(false);
  EXPECT_TRUE(image.toolTip().isEmpty());
  image.SetShowHint(true);
  EXPECT_EQ(image.toolTip(), "Go to Shop");
}

}  // namespace
}  // namespace pictorio
