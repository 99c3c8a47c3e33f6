// The studio's hot paths: a stamp laid while the mouse moves (with the repaint
// of its rectangle), building a stamp when a tool or colour is chosen, and
// saving the canvas as JPEG next to a bare libjpeg-turbo encode of the same image.
// The QApplication is the one the benchmark program's main() makes.
#include <benchmark/benchmark.h>
#include <jpeglib.h>

#include <QPainter>
#include <cstdlib>
#include <filesystem>

#include "app/form_set.h"
#include "app/main_window.h"
#include "bench/quiet_platform.h"
#include "core/game.h"
#include "studio/artwork_files.h"
#include "studio/canvas.h"
#include "studio/stroke_history.h"
#include "studio/studio_window.h"
#include "ui/canvas_view.h"
#include "ui/picture_io.h"

namespace {

using namespace pictorio;

struct Studio {
  QuietPlatform platform;
  Game game{platform};
  Canvas canvas{game};
  Studio() { game.AssetRoot = PICTORIO_GAME_DIR; }
};

// A round 32 x 32 brush on white, as the big brushes are drawn.
QImage Brush32() {
  QImage brush(32, 32, QImage::Format_RGB32);
  brush.fill(Qt::white);
  QPainter p(&brush);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QRectF(1, 1, 30, 30));
  return brush;
}

// A canvas that looks painted: gradients and strokes, not a flat fill.
QImage PaintedCanvas() {
  QImage image(Canvas::kWidth, Canvas::kHeight, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 3) % 256, ((x ^ y) * 5) % 256));
  return image;
}

void BM_StampWithRepaint(benchmark::State& state) {
  Studio st;
  st.canvas.UseStamp(BrushStamp::FromPicture(Brush32(), QColor(54, 7, 208)));
  TCanvasView view(st.canvas.Image());
  view.show();
  int x = 40;
  for (auto _ : state) {
    view.update(st.canvas.LayStamp(x, 200));
    x = x < 600 ? x + 1 : 40;
  }
  benchmark::DoNotOptimize(st.canvas.Image().constBits());
}
BENCHMARK(BM_StampWithRepaint);

// The same stamp through the studio window's own mouse handler, as a drag lays it.
void BM_StudioMouseMove(benchmark::State& state) {
  QuietPlatform platform;
  Game game{platform};
  FormSet windows{game};
  windows.FinishStartUp();
  windows.forms().Form1->New1Click();
  windows.forms().Form1->paint1Click();
  TForm2& studio = *windows.forms().Form2;
  studio.canvas.UseStamp(BrushStamp::FromPicture(Brush32(), QColor(54, 7, 208)));
  studio.Image100MouseDown(Qt::LeftButton, QPoint(40, 200));
  int x = 40;
  for (auto _ : state) {
    studio.Image100MouseMove(QPoint(x, 200));
    x = x < 600 ? x + 1 : 40;
  }
  studio.session.Drawing = false;
  studio.Close();
}
BENCHMARK(BM_StudioMouseMove);

// The reference: a plain keyed copy of 32 x 32 pixels.
void BM_PlainKeyedCopy32(benchmark::State& state) {
  const BrushStamp stamp = BrushStamp::FromPicture(Brush32(), QColor(54, 7, 208));
  QImage canvas(Canvas::kWidth, Canvas::kHeight, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  const QImage& source = stamp.Image();
  int at = 40;
  for (auto _ : state) {
    for (int y = 0; y < 32; ++y) {
      const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
      auto* out = reinterpret_cast<QRgb*>(canvas.scanLine(200 + y)) + at;
      for (int x = 0; x < 32; ++x)
        if (in[x] >> 24) out[x] = in[x];
    }
    at = at < 600 ? at + 1 : 40;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlainKeyedCopy32);

const char* const kBrushes[] = {"none", "p1", "p2", "p3", "e1", "c1", "c2",   "c3",   "pa1", "pa2",
                                "pa3",  "b1", "b2", "b3", "b4", "b5", "pas1", "pas2", "pas3"};

// Each brush the studio draws with, from its picture already read.
void BM_BuildStamp(benchmark::State& state) {
  Studio st;
  const char* name = kBrushes[state.range(0)];
  st.canvas.BrushPicture(name);
  state.SetLabel(name);
  for (auto _ : state) st.canvas.BuildStamp(name, QColor(250, 75, 108));
}
BENCHMARK(BM_BuildStamp)->DenseRange(0, static_cast<int>(std::size(kBrushes)) - 1);

// The first build of a brush reads its file.
void BM_BuildStampFirstRead(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto st = std::make_unique<Studio>();
    state.ResumeTiming();
    st->canvas.BuildStamp("b1", QColor(250, 75, 108));
  }
}
BENCHMARK(BM_BuildStampFirstRead);

// A stroke that changed the whole canvas, taken back and laid again.
void BM_UndoRedoFullCanvasStroke(benchmark::State& state) {
  Studio st;
  StrokeHistory history;
  history.Clear({"c", 0.0});
  history.BeginStroke(st.canvas.Image(), {"c", 0.0});
  st.canvas.DrawPicture(PaintedCanvas());
  history.EndStroke(st.canvas.Image(), {"c", 0.5});
  for (auto _ : state) {
    history.Undo(st.canvas.Pixels(), {"c", 0.5});
    history.Redo(st.canvas.Pixels(), {"c", 0.0});
    benchmark::ClobberMemory();
  }
  state.counters["held bytes"] = static_cast<double>(history.Bytes());
}
BENCHMARK(BM_UndoRedoFullCanvasStroke)->Unit(benchmark::kMicrosecond);

// A smooth stroke's gap of 600 pixels filled with the largest brush.
void BM_FillGap600LargestBrush(benchmark::State& state) {
  Studio st;
  st.canvas.BuildStamp("b1", QColor(54, 7, 208));
  state.counters["spacing"] = st.canvas.Stamp().Spacing();
  int y = 20;
  for (auto _ : state) {
    benchmark::DoNotOptimize(st.canvas.LayStampsBetween(QPoint(30, y), QPoint(630, y)));
    y = y < 540 ? y + 1 : 20;
  }
}
BENCHMARK(BM_FillGap600LargestBrush)->Unit(benchmark::kMicrosecond);

void BM_BareLibjpegEncode(benchmark::State& state) {
  const QImage rgb = PaintedCanvas().convertToFormat(QImage::Format_RGB888);
  for (auto _ : state) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = Canvas::kWidth;
    cinfo.image_height = Canvas::kHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
      auto row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
      jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    benchmark::DoNotOptimize(size);
    std::free(buffer);
  }
}
BENCHMARK(BM_BareLibjpegEncode)->Unit(benchmark::kMillisecond);

// The studio's encode of its 32-bit canvas, as a save does before writing.
void BM_CanvasJpegEncode(benchmark::State& state) {
  const QImage canvas = PaintedCanvas();
  std::string bytes;
  for (auto _ : state) {
    EncodeJpeg(canvas, 90, &bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_CanvasJpegEncode)->Unit(benchmark::kMillisecond);

// The whole save: encode, temporary file, flush to disk, rename.
void BM_CanvasJpegSave(benchmark::State& state) {
  Studio st;
  const auto folder = std::filesystem::temp_directory_path() / "pictorio-bench-save";
  std::filesystem::create_directories(folder / "pictures");
  st.game.AssetRoot = folder.string();
  st.canvas.DrawPicture(PaintedCanvas());
  for (auto _ : state) WriteArtwork(st.game, "Bench", st.canvas.Image(), nullptr);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CanvasJpegSave)->Unit(benchmark::kMillisecond);

}  // namespace
