#include "studio/swatch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace pictorio {

TSwatch::TSwatch(int width, int height, QWidget* parent) : QWidget(parent) {
  setFixedSize(width + 2 * kFrame, height + 2 * kFrame);
  setFocusPolicy(Qt::TabFocus);
}

QRect TSwatch::ColourRect() const {
  return rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
}

void TSwatch::SetColour(const QColor& colour) {
  opaque_ = true;
  colour_ = colour;
  update();
}

QImage WithKeyTransparent(const QImage& picture) {
  if (picture.isNull()) return picture;
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = keyed.pixel(0, keyed.height() - 1) & 0xffffffu;
  for (int y = 0; y < keyed.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x)
      if ((line[x] & 0xffffffu) == key) line[x] = 0;
  }
  return keyed;
}

void TSwatch::SetPicture(const QImage& picture) {
  opaque_ = false;
  picture_ = WithKeyTransparent(picture);
  update();
}

void TSwatch::SetHint(const std::string& hint) {
  hint_ = hint;
  setToolTip(QString::fromStdString(hint));
}

void TSwatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect inside = ColourRect();
  if (opaque_)
    painter.fillRect(inside, colour_);
  else if (!picture_.isNull())
    painter.drawImage(inside, picture_);
  // The frame takes the theme's own line colour and lies outside the colour;
  // the colour the keyboard stands on is framed in the theme's highlight.
  painter.setPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Dark));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TSwatch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
    OnClick();
}

void TSwatch::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && OnClick)
    OnClick();
  else
    QWidget::keyPressEvent(event);
}

}  // namespace pictorio
