// A long career's bookkeeping: the saved-game text rebuilt (every sale, fire
// and event end does it), a save and a load, and the career book opened, with
// a thousand pictures painted.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include <QPainter>

#include "app/career_book_window.h"
#include "app/form_set.h"
#include "app/load_game_dialog.h"
#include "app/main_window.h"
#include "app/saved_games.h"
#include "bench/quiet_platform.h"
#include "core/career_book.h"
#include "core/game.h"
#include "core/save_files.h"
#include "studio/artwork_files.h"
#include "ui/picture_io.h"
#include "ui/forms.h"

namespace fs = std::filesystem;

namespace {

using namespace pictorio;

constexpr int kPictures = 1000;

// A game folder of its own: the generated assets linked, savegames and pictures empty.
struct CareerFolder {
  fs::path dir = fs::temp_directory_path() / ("pictorio-bench-" + std::to_string(::getpid()));
  CareerFolder() {
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& entry : fs::directory_iterator(PICTORIO_GAME_DIR)) {
      const std::string name = entry.path().filename().string();
      if (name == "savegames" || name == "pictures" || name[0] == '.') continue;
      fs::create_symlink(entry.path(), dir / name);
    }
    fs::create_directories(dir / "savegames");
    fs::create_directories(dir / "pictures");
  }
  ~CareerFolder() {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }
};

// Ten years in: a thousand pictures, most sold, stock and trophies held, saved once.
struct Career {
  CareerFolder folder;
  QuietPlatform platform;
  Game game{platform};
  std::unique_ptr<FormSet> windows;
  Career() {
    platform.folder = folder.dir.string();
    windows = std::make_unique<FormSet>(game);
    windows->FinishStartUp();
    windows->forms().Form1->New1Click();
    who& state = game.GameState;
    for (int k = 1; k <= kPictures; ++k)
      state.Pictures.push_back({"Study " + std::to_string(k), k % 3 ? "p" : "w", 1.0 + k * 0.01,
                                false, k < kPictures - 20});
    state.PictureCount = kPictures;
    state.PicturesSold = kPictures - 21;
    state.Money = 123456.78;
    state.Reputation = 980;
    for (int slot = 33; slot <= 57; ++slot) state.Stock[slot].Owned = true;
    for (int slot = 33; slot <= 57; ++slot) state.Stock[slot].Units = 1000;
    game.ElapsedHours = state.SavedHours = 10 * 8736 - 500;
    SaveGame(game, windows->forms());
  }
  Forms& forms() { return windows->forms(); }
};

void BM_SnapshotCareer(benchmark::State& state) {
  Career career;
  for (auto _ : state) SnapshotGame(career.game, career.forms());
  state.SetItemsProcessed(state.iterations() * kPictures);
}
BENCHMARK(BM_SnapshotCareer)->Unit(benchmark::kMillisecond);

// Game > Save: the snapshot, then the safe write flushed to disk.
void BM_SaveCareer(benchmark::State& state) {
  Career career;
  for (auto _ : state) SaveGame(career.game, career.forms());
}
BENCHMARK(BM_SaveCareer)->Unit(benchmark::kMillisecond);

// Game > Load, as the player does it: the running game ends unsaved, the file
// is read and checked, and the loaded game starts with one clock tick.
void BM_LoadCareer(benchmark::State& state) {
  Career career;
  career.platform.whileModal = [](QDialog& window) {
    if (auto* dialog = dynamic_cast<TForm5*>(&window)) {
      dialog->ComboBox1->setCurrentIndex(dialog->ComboBox1->findText("Bench"));
      dialog->Button1Click();
    }
  };
  for (auto _ : state) {
    career.forms().Form1->LoadGame1Click();
    if (career.game.GameState.PictureCount != kPictures) {
      state.SkipWithError(("load failed: " + career.platform.lastMessage).c_str());
      break;
    }
  }
}
BENCHMARK(BM_LoadCareer)->Unit(benchmark::kMillisecond);

// Go To > Career Book ten years in: a thousand pictures, each with its file,
// two thousand offers and 520 weeks, timed to the first page drawn. Only the
// thumbnails in sight are read.
void BM_OpenCareerBook(benchmark::State& state) {
  Career career;
  Game& game = career.game;
  QImage painting(801, 601, QImage::Format_RGB32);
  painting.fill(Qt::white);
  QPainter brush(&painting);
  brush.setPen(QPen(Qt::black, 6));
  brush.drawEllipse(100, 100, 600, 400);
  brush.end();
  std::string jpeg, error;
  EncodeJpeg(painting, 90, &jpeg, &error);
  for (int k = 0; k < kPictures; ++k) {
    const picrec& p = game.GameState.Pictures[static_cast<std::size_t>(k)];
    WriteBytesSafely(PicturePath(game, p.Title), jpeg, &error);
    BookPainted(game.Book, k, p.Title, p.Kind, p.Value, {0, p.Value, 0, 0, 0, 0, 0}, k * 80);
    for (int offer = 0; offer < 2; ++offer)
      BookOffered(game.Book, {k * 80 + 10 + offer, 1 + k % 4, "\\people\\f1.jpg", k, p.Title,
                              2.0 + offer, false, offer == 1});
    if (p.Gone) BookOfferTaken(game.Book, k);
  }
  for (int week = 1; week <= 520; ++week)
    BookWeekEnded(game.Book, {week * 168, week * 10.0, week, 0});
  TCareerBook* shown = nullptr;
  career.platform.whileModal = [&shown](QDialog& window) {
    shown = dynamic_cast<TCareerBook*>(&window);
    benchmark::DoNotOptimize(window.grab());
  };
  for (auto _ : state) career.forms().Form1->CareerBook1Click();
  if (!shown || shown->PictureModel->rowCount() != kPictures)
    state.SkipWithError("the book did not show every picture");
  else
    state.counters["thumbnails read"] = shown->PictureModel->ThumbnailsRead();
}
BENCHMARK(BM_OpenCareerBook)->Unit(benchmark::kMillisecond);

}  // namespace
