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
  for (const QRect& part : event->region()) painter.drawImage(part.topLeft(), image_, part);
}

void TCanvasView::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(event->button(), event->position().toPoint());
}

void TCanvasView::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(event->position().toPoint());
}

void TCanvasView::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp) OnMouseUp(event->button(), event->position().toPoint());
}

}  // namespace pictorio
