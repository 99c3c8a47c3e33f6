// Counting the challenge's drawing area runs at the start and at the end of
// every task; it must stay far below a frame's time.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "challenges/pixel_score.h"
#include "ui/picture_io.h"

namespace {

using namespace pictorio;

// The wall template, half painted red, as it stands at the end of a task.
QImage PaintedWall() {
  QImage area(585, 585, QImage::Format_RGB32);
  area.fill(Qt::white);
  const QImage wall = LoadPicture(std::string(PICTORIO_GAME_DIR) + "/challenge/ch1.jpg");
  QPainter painter(&area);
  if (!wall.isNull()) painter.drawImage(0, 0, wall.convertToFormat(QImage::Format_RGB32));
  painter.fillRect(72, 64, 220, 344, QColor(255, 0, 0));
  return area;
}

void BM_CountDrawingArea(benchmark::State& state) {
  const QImage area = PaintedWall();
  for (auto _ : state) {
    PixelCounts counts = CountPixels(area, qRgb(255, 255, 255), qRgb(255, 0, 0));
    benchmark::DoNotOptimize(counts);
  }
  state.SetItemsProcessed(state.iterations() * 585 * 585);
}
BENCHMARK(BM_CountDrawingArea)->Unit(benchmark::kMicrosecond);

}  // namespace
