// The pieces of the platform adapter that need no window: paths, pictures,
// text files, animations, cursors, and the components the windows are built of.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QBitmap>
#include <QBuffer>
#include <filesystem>

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

TEST(Paths, BackslashPathsBecomeNativeAndMoneyHasTwoDecimalsWhateverTheLocale) {
  EXPECT_EQ(NativePath("\\pictures\\My \"best\".jpg"), "/pictures/My \"best\".jpg");
  const std::pair<double, const char*> money[] = {
      {25.0, "25.00"},     {0.0, "0.00"}, {0.1 + 0.2, "0.30"}, {-3.456, "-3.46"},
      {1234567.891, "1234567.89"}, {1e20, "100000000000000000000.00"}};
  for (const auto& [value, shown] : money) EXPECT_EQ(FormatMoney(value), shown);
}

TEST(PictureFiles, JpegRoundTripKeepsSizeAndFlatColoursAndBrokenFilesSayWhy) {
  QImage picture(120, 80, QImage::Format_RGB32);
  picture.fill(QColor(245, 245, 245));
  for (int y = 20; y < 60; ++y)
    for (int x = 30; x < 90; ++x) picture.setPixel(x, y, qRgb(20, 19, 21));
  const fs::path file = TempFile("round.jpg");
  std::string error;
  ASSERT_TRUE(SaveJpeg(picture, file.string(), 90, &error)) << error;
  const QImage back = LoadPicture(file.string(), &error);
  ASSERT_EQ(back.size(), picture.size()) << error;
  // Lossy, but flat areas stay within a few levels.
  EXPECT_NEAR(back.pixelColor(60, 40).red(), 20, 6);
  EXPECT_NEAR(back.pixelColor(5, 5).green(), 245, 6);

  EXPECT_TRUE(LoadPicture("/nonexistent/picture.jpg", &error).isNull());
  EXPECT_NE(error.find("/nonexistent/picture.jpg"), std::string::npos);
  // A JPEG cut off after its header must not crash the decoder: libjpeg pads
  // a truncated scan with grey; either way the size is kept or an error given.
  fs::resize_file(file, 200);
  error.clear();
  const QImage cut = LoadPicture(file.string(), &error);
  EXPECT_TRUE(cut.isNull() ? !error.empty() : cut.size() == picture.size());
  WriteBytes(file, "\xFF\xD8\xFFgarbage");
  error.clear();
  EXPECT_TRUE(LoadPicture(file.string(), &error).isNull());
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(SaveJpeg(picture, "/nonexistent/folder/x.jpg", 90, &error));
  EXPECT_NE(error.find("/nonexistent/folder/x.jpg"), std::string::npos);
  fs::remove(file);
}

std::string JpegBytes(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(QColor(30, 120, 200));
  const fs::path file = TempFile("bytes.jpg");
  EXPECT_TRUE(SaveJpeg(picture, file.string()));
  const std::string bytes = Bytes(file);
  fs::remove(file);
  return bytes;
}

// A header may claim any size; the loader refuses one no picture of the game
// has before it asks for the memory, whatever the format.
TEST(PictureFiles, PicturesClaimingHugeSizesOrUnknownFormatsAreRefused) {
  std::string jpeg = JpegBytes(16, 16);
  const std::size_t sof = jpeg.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  jpeg[sof + 5] = jpeg[sof + 7] = '\xEA';  // height and width 0xEA10 = 59920
  jpeg[sof + 6] = jpeg[sof + 8] = '\x10';
  std::string reason;
  EXPECT_TRUE(DecodePicture(jpeg, &reason).isNull());
  EXPECT_NE(reason.find("59920 x 59920"), std::string::npos) << reason;

  QImage small(4, 4, QImage::Format_RGB32);
  small.fill(Qt::green);
  for (const char* format : {"BMP", "PNG"}) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(small.save(&buffer, format));
    const std::string good(data.constData(), static_cast<std::size_t>(data.size()));
    EXPECT_EQ(DecodePicture(good).size(), QSize(4, 4)) << format;
    std::string huge = good;
    // The width and height fields of each header, made 100000 wide.
    const std::size_t at = std::string(format) == "BMP" ? 18 : 16;
    if (std::string(format) == "BMP")
      huge.replace(at, 4, std::string("\xA0\x86\x01\x00", 4));
    else
      huge.replace(at, 4, std::string("\x00\x01\x86\xA0", 4));
    reason.clear();
    EXPECT_TRUE(DecodePicture(huge, &reason).isNull()) << format;
    EXPECT_FALSE(reason.empty()) << format;
  }

  reason.clear();
  EXPECT_TRUE(DecodePicture("GIF89a", &reason).isNull());
  EXPECT_EQ(reason, "it is no JPEG, BMP or PNG picture");
  EXPECT_TRUE(DecodePicture("", &reason).isNull());
  EXPECT_TRUE(DecodePicture("\xFF\xD8\xFF", &reason).isNull());
}

TEST(TextFiles, Windows1252IsConvertedBothWaysAndLinesEndWithCrLfLfOrCr) {
  EXPECT_EQ(FromWindows1252("Caf\xE9 \x80 5"), "Café € 5");
  EXPECT_EQ(FromWindows1252("a\x81z"), "a?z");  // a byte with no character keeps the rest
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());

  const fs::path file = TempFile("lines.txt");
  WriteBytes(file, "Pinsel \xFC\x62\x65r\r\nzwei\r\n");
  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(ReadTextLines(file.string(), &lines, &error)) << error;
  EXPECT_EQ(lines, (std::vector<std::string>{"Pinsel über", "zwei"}));
  fs::remove(file);
  EXPECT_FALSE(ReadTextLines(file.string(), &lines, &error));
  EXPECT_NE(error.find(file.string()), std::string::npos);
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

TEST(QtPlatform, DialogsShowEachLineBreakOnce) {
  // The challenge's score text separates its lines with LF CR; "Nice try." ends with one.
  EXPECT_EQ(DialogText("Cover = 10.00%\n\rFinal score = 5.00%\n\rNice try.\n\r"),
            "Cover = 10.00%\nFinal score = 5.00%\nNice try.\n");
  EXPECT_EQ(DialogText("a\r\nb\rc\n\nd"), "a\nb\nc\n\nd");
  EXPECT_EQ(DialogText("Trailing blanks stay  "), "Trailing blanks stay  ");
}

}  // namespace
}  // namespace pictorio
