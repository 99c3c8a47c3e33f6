// Checks the generated game folder: every asset the game names is there,
// loads the way the game loads it and has the size the game relies on.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <QImage>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "ui/picture_io.h"

namespace {

namespace fs = std::filesystem;

fs::path Game(const std::string& relative) {
  return fs::path(PICTORIO_GAME_DIR) / relative;
}

QImage Load(const std::string& relative) {
  const fs::path file = Game(relative);
  // Load exactly as the game does.
  return pictorio::LoadPicture(file.string());
}

std::map<std::string, QSize> ExpectedPictures() {
  std::map<std::string, QSize> files;
  const QSize face(120, 160), notice(65, 90), screen(800, 600);
  files["people/f0.jpg"] = face;
  for (int i = 1; i <= 21; ++i) files["people/f" + std::to_string(i) + ".jpg"] = face;
  for (int i = 121; i <= 124; ++i) files["people/f" + std::to_string(i) + ".jpg"] = notice;
  files["people/fb.jpg"] = notice;
  for (int i = 1; i <= 10; ++i) files["people/s" + std::to_string(i) + ".bmp"] = QSize(48, 110);
  for (int i = 2; i <= 9; ++i) files["screens/s" + std::to_string(i) + ".jpg"] = screen;
  for (int i = 1; i <= 6; ++i) files["challenge/ch" + std::to_string(i) + ".jpg"] = QSize(585, 585);
  files["items/fire.bmp"] = notice;
  files["items/tel.bmp"] = notice;
  files["items/pause.bmp"] = notice;
  files["items/pclogo.bmp"] = QSize(158, 128);
  files["items/na.bmp"] = QSize(20, 20);
  files["items/none.bmp"] = QSize(24, 24);
  files["design/room.png"] = screen;
  files["design/splash.bmp"] = screen;
  files["design/shop.png"] = screen;
  files["design/challenge.png"] = screen;
  files["design/rack.png"] = QSize(378, 482);
  files["design/extinguisher.png"] = QSize(65, 137);
  files["design/telephone.png"] = QSize(105, 105);
  files["design/alarm1.png"] = QSize(121, 65);
  files["design/alarm2.png"] = QSize(73, 65);
  files["design/bookshelf.png"] = QSize(104, 84);
  for (int i = 1; i <= 11; ++i) files["design/trophy" + std::to_string(i) + ".png"] = notice;
  files["design/trophy12.png"] = QSize(65, 114);
  files["design/infobar.png"] = QSize(250, 144);
  files["design/calendar.png"] = QSize(313, 393);
  files["design/basket.png"] = QSize(228, 310);
  files["design/shophint.png"] = QSize(150, 60);
  files["design/sold.png"] = QSize(100, 85);
  files["design/notice.png"] = QSize(285, 238);
  for (const char* c : {"PENCIL", "CHARCO", "ERA", "BRU", "PASTA", "ROLL", "SPRAY", "PEN", "TAT"})
    files[std::string("design/cursors/") + c + ".png"] = QSize(32, 32);
  return files;
}

const std::vector<std::string> kBrushes = {
    "none", "p1",        "p2",    "p3",   "e1",   "c1",    "c2",     "c3", "pa1",
    "pa2",  "pa3",       "pas1",  "pas2", "pas3", "b1",    "b2",     "b3", "b4",
    "b5",   "wallbrush", "spray", "pen",  "bart", "tatoo", "restore"};

// The game's stamp: pure black takes the brush colour, the bottom-left
// pixel's colour is transparent.
void Stamp(QImage& canvas, const QImage& brush, QRgb colour, QPoint at) {
  const QRgb key = brush.pixel(0, brush.height() - 1) & 0xFFFFFF;
  for (int y = 0; y < brush.height(); ++y)
    for (int x = 0; x < brush.width(); ++x) {
      QRgb c = brush.pixel(x, y) & 0xFFFFFF;
      const QRgb original = c;
      if (original == 0) c = colour & 0xFFFFFF;
      if (c == key) continue;
      canvas.setPixel(at.x() + x, at.y() + y, 0xFF000000 | c);
    }
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
    ASSERT_TRUE(fs::exists(Game(name)));
    const QImage image = Load(name);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), size);
  }
}

TEST(Assets, BitmapsAreTwentyFourBitUncompressed) {
  std::vector<std::string> bitmaps;
  for (const auto& [name, size] : ExpectedPictures())
    if (name.ends_with(".bmp")) bitmaps.push_back(name);
  for (const auto& b : kBrushes) bitmaps.push_back("brush/" + b + ".bmp");
  for (const auto& name : bitmaps) {
    SCOPED_TRACE(name);
    std::ifstream in(Game(name), std::ios::binary);
    std::vector<unsigned char> header(54);
    in.read(reinterpret_cast<char*>(header.data()), 54);
    ASSERT_TRUE(in);
    EXPECT_EQ(header[0], 'B');
    EXPECT_EQ(header[1], 'M');
    EXPECT_EQ(header[28] | header[29] << 8, 24);  // bits per pixel
    EXPECT_EQ(header[30], 0);                     // no compression
  }
}

TEST(Assets, ChallengeTargetsSurviveJpegDecoding) {
  struct Kind {
    const char* file;
    QRgb target, paint;
  };
  const Kind kinds[] = {{"challenge/ch1.jpg", qRgb(255, 255, 255), qRgb(255, 0, 0)},
                        {"challenge/ch2.jpg", qRgb(0, 0, 0), qRgb(239, 239, 255)},
                        {"challenge/ch3.jpg", qRgb(255, 255, 255), qRgb(33, 0, 33)},
                        {"challenge/ch4.jpg", qRgb(255, 255, 255), qRgb(0, 0, 0)},
                        {"challenge/ch5.jpg", qRgb(0, 0, 0), qRgb(255, 0, 0)},
                        {"challenge/ch6.jpg", qRgb(239, 239, 239), qRgb(0, 0, 0)}};
  for (const Kind& k : kinds) {
    SCOPED_TRACE(k.file);
    const QImage image = Load(k.file);
    ASSERT_FALSE(image.isNull());
    const int total = image.width() * image.height();
    const int target = Count(image, k.target);
    // Enough to paint, enough left over to stray onto, and hardly any
    // paint colour already outside the target.
    EXPECT_GT(target, total / 50);
    EXPECT_GT(total - target, total / 5);
    EXPECT_LT(Count(image, k.paint), (total - target) / 500);
  }
}

TEST(Assets, BrushesStampAsTheGameExpects) {
  QImage ground(64, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) ground.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, 120));
  for (const auto& name : kBrushes) {
    SCOPED_TRACE(name);
    const QImage brush = Load("brush/" + name + ".bmp");
    ASSERT_FALSE(brush.isNull());
    ASSERT_LE(brush.width(), 48);
    ASSERT_LE(brush.height(), 48);
    EXPECT_EQ(brush.pixel(0, brush.height() - 1) & 0xFFFFFF, 0xFFFFFFu);
    QImage canvas = ground.copy();
    Stamp(canvas, brush, qRgb(40, 160, 60), QPoint(8, 8));
    if (name == "none")
      EXPECT_EQ(canvas, ground);
    else
      EXPECT_NE(canvas, ground) << "leaves no mark";
  }
  // Pencils and the eraser keep a white brush colour: a pure black pixel
  // would paint white, so their marks must be greys.
  for (const char* name : {"p1", "p2", "p3", "e1"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Count(Load(std::string("brush/") + name + ".bmp"), qRgb(0, 0, 0)), 0);
  }
  // The eraser rubs back to the ground of a new picture.
  EXPECT_GT(Count(Load("brush/e1.bmp"), qRgb(250, 250, 250)), 50);
}

TEST(Assets, CursorsAreMonochromeWithTheTipOnTheHotSpot) {
  const std::map<std::string, QPoint> hotSpots = {
      {"PENCIL", {0, 0}}, {"CHARCO", {0, 0}}, {"ERA", {4, 5}}, {"BRU", {0, 0}}, {"PASTA", {1, 1}},
      {"ROLL", {14, 5}},  {"SPRAY", {0, 0}},  {"PEN", {2, 3}}, {"TAT", {7, 0}}};
  for (const auto& [name, hot] : hotSpots) {
    SCOPED_TRACE(name);
    const QImage cursor =
        Load("design/cursors/" + name + ".png").convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const QRgb c = cursor.pixel(x, y);
        const bool allowed =
            c == qRgba(0, 0, 0, 255) || c == qRgba(255, 255, 255, 255) || qAlpha(c) == 0;
        EXPECT_TRUE(allowed) << x << "," << y;
        opaque += qAlpha(c) == 255;
      }
    EXPECT_GT(opaque, 40);
    EXPECT_EQ(cursor.pixel(hot), qRgba(0, 0, 0, 255));
  }
}

TEST(Assets, OverlaysHaveClearBackgrounds) {
  // Extras, trophies and the sold mark sit on the room or a picture: their
  // corners must be see-through. The rack is opaque by design.
  std::vector<std::string> overlays = {"design/extinguisher.png", "design/telephone.png",
                                       "design/alarm1.png",       "design/alarm2.png",
                                       "design/sold.png",         "design/shophint.png",
                                       "design/bookshelf.png"};
  for (int i = 1; i <= 12; ++i) overlays.push_back("design/trophy" + std::to_string(i) + ".png");
  for (const auto& name : overlays) {
    SCOPED_TRACE(name);
    const QImage image = Load(name).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, 0)), 0);
  }
  EXPECT_FALSE(Load("design/rack.png").hasAlphaChannel() &&
               qAlpha(Load("design/rack.png").convertToFormat(QImage::Format_ARGB32).pixel(0, 0)) <
                   255);
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
  static double Seconds(const Mix_Chunk* chunk) {
    return chunk->alen / (double(rate_) * channels_ * (SDL_AUDIO_BITSIZE(format_) / 8));
  }
  static inline bool openedSdl_ = false, openedMixer_ = false;
  static inline int rate_ = 0, channels_ = 0;
  static inline Uint16 format_ = 0;
};

TEST_F(Audio, EverySoundEffectLoads) {
  for (int i = 1; i <= 18; ++i) {
    const fs::path file = Game("sound/sounds/s" + std::to_string(i) + ".wav");
    SCOPED_TRACE(file.string());
    Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    // Short effects: a tenth of a second to three seconds.
    const double seconds = Seconds(chunk);
    EXPECT_GT(seconds, 0.1);
    EXPECT_LT(seconds, 3.0);
    Mix_FreeChunk(chunk);
  }
}

TEST_F(Audio, EveryTuneLoads) {
  std::vector<int> tracks = {1,  2,  3,  4,  5,  6,  7,  30, 31, 32, 40,
                             41, 42, 50, 51, 52, 60, 61, 62, 63, 64};
  for (int i = 10; i <= 20; ++i) tracks.push_back(i);
  for (int t : tracks) {
    const fs::path file = Game("sound/music/m" + std::to_string(t) + ".mid");
    SCOPED_TRACE(file.string());
    std::ifstream in(file, std::ios::binary);
    char header[14] = {};
    in.read(header, 14);
    ASSERT_TRUE(in);
    EXPECT_EQ(std::string(header, 4), "MThd");
    EXPECT_EQ(header[9], 1) << "type 1 file";
    Mix_Music* music = Mix_LoadMUS(file.c_str());
    ASSERT_NE(music, nullptr) << Mix_GetError();
    Mix_FreeMusic(music);
  }
}

TEST(Assets, EveryAnimationDecodesWithEnoughFrames) {
  av_log_set_level(AV_LOG_ERROR);
  for (const char* name :
       {"avis/a1.avi", "avis/a2.avi", "avis/a3.avi", "avis/a4.avi", "avis/a5.avi"}) {
    SCOPED_TRACE(name);
    AVFormatContext* format = nullptr;
    ASSERT_EQ(avformat_open_input(&format, Game(name).c_str(), nullptr, nullptr), 0);
    ASSERT_GE(avformat_find_stream_info(format, nullptr), 0);
    const int stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    ASSERT_GE(stream, 0);
    const AVCodec* codec = avcodec_find_decoder(format->streams[stream]->codecpar->codec_id);
    ASSERT_NE(codec, nullptr);
    AVCodecContext* ctx = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(ctx, format->streams[stream]->codecpar);
    ASSERT_EQ(avcodec_open2(ctx, codec, nullptr), 0);
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    int frames = 0;
    auto drain = [&] {
      while (avcodec_receive_frame(ctx, frame) == 0) ++frames;
    };
    while (av_read_frame(format, packet) >= 0) {
      if (packet->stream_index == stream && avcodec_send_packet(ctx, packet) == 0) drain();
      av_packet_unref(packet);
    }
    avcodec_send_packet(ctx, nullptr);
    drain();
    EXPECT_GE(frames, 9);
    EXPECT_EQ(ctx->width, 120);
    EXPECT_EQ(ctx->height, 120);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&ctx);
    avformat_close_input(&format);
  }
}

TEST(Assets, HelpTextIsWindowsTextWithTheProductInformation) {
  std::ifstream in(Game("Pictorio Help.txt"), std::ios::binary);
  ASSERT_TRUE(in);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(text.size(), 3000u);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
    }
    if (c == '\r') {
      ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
    }
    // Bytes that Windows-1252 leaves undefined, and UTF-8 lead bytes
    // that would betray an unconverted file.
    EXPECT_TRUE(c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D) << i;
    EXPECT_TRUE(c >= 0x20 || c == '\r' || c == '\n') << i;
  }
  EXPECT_TRUE(text.ends_with("\r\n"));
  // Search the facts across line ends, however the text is broken into lines.
  std::string flat;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') continue;
    flat += text[i] == '\n' ? ' ' : text[i];
  }
  for (const char* must : {"Product Information", "reputation of at least 20",
                           "reputation of at least 50", "reputation of at least 70", "Pause",
                           "fire extinguisher", "burglar alarm", "Trophies", "red, green and blue"})
    EXPECT_NE(flat.find(must), std::string::npos) << must;
}

}  // namespace
