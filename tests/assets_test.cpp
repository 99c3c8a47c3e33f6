// Checks the generated game folder: every asset the game names is there,
// loads the way the game loads it and has the size the game relies on.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "studio/brush_stamp.h"
#include "ui/avi_decoder.h"
#include "ui/picture_io.h"

namespace pictorio {
namespace {

namespace fs = std::filesystem;

fs::path Game(const std::string& relative) {
  return fs::path(PICTORIO_GAME_DIR) / relative;
}

QImage Load(const std::string& relative) {
  return LoadPicture(Game(relative).string());  // exactly as the game loads it
}

const std::vector<std::string> kBrushes = {
    "none", "p1",        "p2",    "p3",   "e1",   "c1",    "c2",     "c3", "pa1",
    "pa2",  "pa3",       "pas1",  "pas2", "pas3", "b1",    "b2",     "b3", "b4",
    "b5",   "wallbrush", "spray", "pen",  "bart", "tatoo", "restore"};

// The sizes the scenes are laid out for; a null size only asks that it loads.
// Room extras and cursors are drawn at the size the room gives them.
std::map<std::string, QSize> ExpectedPictures() {
  std::map<std::string, QSize> files;
  const QSize face(120, 160), notice(65, 90), screen(800, 600);
  for (int i = 0; i <= 21; ++i) files["people/f" + std::to_string(i) + ".jpg"] = face;
  for (int i = 121; i <= 124; ++i) files["people/f" + std::to_string(i) + ".jpg"] = notice;
  files["people/fb.jpg"] = notice;
  for (int i = 1; i <= 10; ++i) files["people/s" + std::to_string(i) + ".bmp"] = QSize(48, 110);
  for (int i = 2; i <= 9; ++i) files["screens/s" + std::to_string(i) + ".jpg"] = screen;
  for (int i = 1; i <= 6; ++i) files["challenge/ch" + std::to_string(i) + ".jpg"] = QSize(585, 585);
  for (const char* item : {"fire", "tel", "pause"}) files[std::string("items/") + item + ".bmp"] = notice;
  for (const char* design : {"room.png", "splash.bmp", "shop.png", "challenge.png"})
    files[std::string("design/") + design] = screen;
  files["design/infobar.png"] = QSize(250, 144);
  for (const char* name : {"items/pclogo.bmp", "items/na.bmp", "items/none.bmp", "design/rack.png",
                           "design/extinguisher.png", "design/telephone.png", "design/alarm1.png",
                           "design/alarm2.png", "design/bookshelf.png", "design/calendar.png",
                           "design/basket.png", "design/shophint.png", "design/sold.png",
                           "design/notice.png"})
    files[name] = QSize();
  for (int i = 1; i <= 12; ++i) files["design/trophy" + std::to_string(i) + ".png"] = QSize();
  return files;
}

int Count(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return n;
}

TEST(Assets, EveryPictureLoadsWithItsSize) {
  for (const auto& [name, size] : ExpectedPictures()) {
    SCOPED_TRACE(name);
    const QImage image = Load(name);
    ASSERT_FALSE(image.isNull());
    if (size.isValid()) {
      EXPECT_EQ(image.size(), size);
    }
  }
  // Extras, trophies and the sold mark sit on the room or a picture: their
  // corners must be see-through.
  std::vector<std::string> overlays = {"extinguisher", "telephone", "alarm1",
                                       "alarm2",       "sold",      "shophint"};
  for (int i = 1; i <= 12; ++i) overlays.push_back("trophy" + std::to_string(i));
  for (const auto& name : overlays) {
    const QImage image = Load("design/" + name + ".png").convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name;
    EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, 0)), 0) << name;
  }
}

TEST(Assets, BrushesAreSmallAndEveryOneButNoneLeavesAMark) {
  QImage ground(64, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) ground.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, 120));
  for (const auto& name : kBrushes) {
    SCOPED_TRACE(name);
    const QImage brush = Load("brush/" + name + ".bmp");
    ASSERT_FALSE(brush.isNull());
    EXPECT_LE(brush.width(), 48);
    EXPECT_LE(brush.height(), 48);
    EXPECT_EQ(brush.pixel(0, brush.height() - 1) & 0xFFFFFF, 0xFFFFFFu);  // the key colour
    QImage canvas = ground.copy();
    BrushStamp::FromPicture(brush, QColor(40, 160, 60)).Lay(canvas, 32, 32);
    EXPECT_EQ(canvas == ground, name == "none");
  }
  // Pencils and the eraser keep a white brush colour: a pure black pixel
  // would paint white, so their marks must be greys.
  for (const char* name : {"p1", "p2", "p3", "e1"})
    EXPECT_EQ(Count(Load(std::string("brush/") + name + ".bmp"), qRgb(0, 0, 0)), 0) << name;
  // The eraser rubs back to the ground of a new picture.
  EXPECT_GT(Count(Load("brush/e1.bmp"), qRgb(250, 250, 250)), 50);
}

TEST(Assets, EveryHostAnimationDecodesWithEnoughFrames) {
  for (int i = 1; i <= 5; ++i) {
    const std::string name = "avis/a" + std::to_string(i) + ".avi";
    std::string error;
    const std::vector<QImage> frames = DecodeAllFrames(Game(name).string(), &error);
    ASSERT_GE(frames.size(), 9u) << name << error;
    EXPECT_EQ(frames[0].size(), QSize(120, 120)) << name;
  }
  std::string error;
  EXPECT_TRUE(DecodeAllFrames("/nonexistent.avi", &error).empty());
  EXPECT_NE(error.find("/nonexistent.avi"), std::string::npos);
}

class Audio : public ::testing::Test {
 protected:
  // Other suites in the same run may already have audio open: only what
  // this suite opened is closed again.
  static void SetUpTestSuite() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("SDL_SOUNDFONTS", "/usr/share/sounds/sf2/TimGM6mb.sf2", 1);
    if (!SDL_WasInit(SDL_INIT_AUDIO)) {
      ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
      openedSdl_ = true;
    }
    Mix_Init(MIX_INIT_MID);
    if (Mix_QuerySpec(&rate_, &format_, &channels_) == 0) {
      ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
      openedMixer_ = true;
      Mix_QuerySpec(&rate_, &format_, &channels_);
    }
  }
  static void TearDownTestSuite() {
    if (openedMixer_) Mix_CloseAudio();
    if (openedSdl_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  static inline bool openedSdl_ = false, openedMixer_ = false;
  static inline int rate_ = 0, channels_ = 0;
  static inline Uint16 format_ = 0;
};

TEST_F(Audio, EverySoundEffectAndTuneLoads) {
  for (int i = 1; i <= 18; ++i) {
    const fs::path file = Game("sound/sounds/s" + std::to_string(i) + ".wav");
    Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
    ASSERT_NE(chunk, nullptr) << file << Mix_GetError();
    Mix_FreeChunk(chunk);
  }
  std::vector<int> tracks = {1, 2, 3, 4, 5, 6, 7, 30, 31, 32, 40, 41, 42, 50, 51, 52, 60, 61, 62, 63, 64};
  for (int i = 10; i <= 20; ++i) tracks.push_back(i);
  for (int t : tracks) {
    const fs::path file = Game("sound/music/m" + std::to_string(t) + ".mid");
    Mix_Music* music = Mix_LoadMUS(file.c_str());
    ASSERT_NE(music, nullptr) << file << Mix_GetError();
    Mix_FreeMusic(music);
  }
}

}  // namespace
}  // namespace pictorio
