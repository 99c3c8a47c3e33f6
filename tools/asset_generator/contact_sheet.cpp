// One labelled sheet with every picture, for reviewing the set at a glance.
#include <stdexcept>

#include "generators.h"
#include "style.h"

namespace assets {

void MakeContactSheet(const Output& out, const std::filesystem::path& file) {
  const auto& pictures = out.pictures();
  constexpr int kCellW = 170, kCellH = 150, kThumbW = 160, kThumbH = 126, kColumns = 10;
  const int rows = (static_cast<int>(pictures.size()) + kColumns - 1) / kColumns;
  QImage sheet(kColumns * kCellW, std::max(1, rows) * kCellH, QImage::Format_RGB32);
  sheet.fill(QColor(96, 110, 100));
  QPainter p;
  Begin(p, sheet);
  p.setFont(SansFont(10, false));
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const int col = static_cast<int>(i) % kColumns, row = static_cast<int>(i) / kColumns;
    const QRect cell(col * kCellW, row * kCellH, kCellW, kCellH);
    const QImage& image = pictures[i].image;
    // Small pictures are enlarged without smoothing so single pixels show.
    QSize size = image.size();
    if (size.width() <= kThumbW / 2 && size.height() <= kThumbH / 2)
      size *= std::min(kThumbW / size.width(), kThumbH / size.height());
    else
      size.scale(kThumbW, kThumbH, Qt::KeepAspectRatio);
    const QRect target(cell.x() + (kCellW - size.width()) / 2,
                       cell.y() + 4 + (kThumbH - size.height()) / 2, size.width(), size.height());
    // A checkerboard shows transparency.
    for (int y = target.top(); y < target.bottom(); y += 8)
      for (int x = target.left(); x < target.right(); x += 8)
        p.fillRect(QRect(x, y, std::min(8, target.right() - x), std::min(8, target.bottom() - y)),
                   ((x - target.left()) / 8 + (y - target.top()) / 8) % 2 ? QColor(200, 200, 200)
                                                                          : QColor(240, 240, 240));
    p.setRenderHint(QPainter::SmoothPixmapTransform, size.width() < image.width());
    p.drawImage(target, image);
    p.setPen(QColor(250, 246, 236));
    p.drawText(QRect(cell.x(), cell.y() + kThumbH + 6, kCellW, 16), Qt::AlignCenter,
               QString::fromStdString(pictures[i].name));
  }
  p.end();
  if (!sheet.save(QString::fromStdString(file.string()), "PNG"))
    throw std::runtime_error("cannot write " + file.string());
}

}  // namespace assets
