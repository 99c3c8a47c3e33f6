#include "ui/canvas_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace pictorio {

TCanvasView::TCanvasView(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
  setFixedSize(image.size());
  // Every pixel is painted from the canvas; nothing behind it needs drawing first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCanvasView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // A scaled game smooths the painting rather than enlarging its pixels.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const QRect& part : event->region()) painter.drawImage(part.topLeft(), image_, part);
}

void TCanvasView::mousePressEvent(QMouseEvent* event) {
  stroke_ = true;
  strokeButton_ = event->button();
  last_ = event->position().toPoint();
  // Installing again only moves the filter to the front.
  window()->installEventFilter(this);
  if (OnMouseDown) OnMouseDown(strokeButton_, last_);
}

void TCanvasView::mouseMoveEvent(QMouseEvent* event) {
  if (!stroke_) return;
  last_ = event->position().toPoint();
  if (OnMouseMove) OnMouseMove(last_);
}

void TCanvasView::mouseReleaseEvent(QMouseEvent* event) {
  // The first release ends the stroke; another button's release after it
  // would charge the stroke's fixed costs twice.
  if (!stroke_) return;
  strokeButton_ = event->button();
  last_ = event->position().toPoint();
  EndStroke();
}

bool TCanvasView::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::WindowBlocked) EndStroke();
  return false;
}

void TCanvasView::hideEvent(QHideEvent*) {
  EndStroke();
}

void TCanvasView::EndStroke() {
  if (!stroke_) return;
  stroke_ = false;
  if (OnMouseUp) OnMouseUp(strokeButton_, last_);
}

}  // namespace pictorio
