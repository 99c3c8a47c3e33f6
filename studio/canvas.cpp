#include "studio/canvas.h"

#include <QPainter>

#include "core/game.h"
#include "ui/picture_io.h"

namespace pictorio {

Canvas::Canvas(const Game& game) : game_(game), image_(kWidth, kHeight, QImage::Format_RGB32) {
  image_.fill(Qt::white);
}

void Canvas::Fill(const QColor& colour) {
  image_.fill(colour.rgb());
}

void Canvas::DrawPicture(const QImage& picture) {
  QPainter painter(&image_);
  painter.drawImage(0, 0, picture);
}

const QImage* Canvas::BrushPicture(const std::string& name, std::string* error) {
  auto found = brushes_.find(name);
  if (found != brushes_.end()) return &found->second;
  QImage picture = LoadPicture(AssetPath(game_, "\\brush\\" + name + ".bmp"), error);
  if (picture.isNull()) return nullptr;
  return &brushes_.emplace(name, picture.convertToFormat(QImage::Format_RGB32)).first->second;
}

bool Canvas::BuildStamp(const std::string& name, const QColor& colour, std::string* error) {
  const QImage* brush = BrushPicture(name, error);
  if (!brush) return false;
  stamp_ = BrushStamp::FromPicture(*brush, colour);
  return true;
}

}  // namespace pictorio
