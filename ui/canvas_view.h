#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace pictorio {

// Shows a picture that painting code draws into (the studio's canvas, the
// challenge's drawing area) and hands the mouse on as picture points. After a
// stamp the owner asks for the repaint of the stamp's rectangle only.
class TCanvasView : public QWidget {
  Q_OBJECT
 public:
  // `image` must outlive the view; it may be replaced by one of the same size.
  TCanvasView(const QImage& image, QWidget* parent = nullptr);

  std::function<void(Qt::MouseButton, QPoint)> OnMouseDown;
  std::function<void(QPoint)> OnMouseMove;
  std::function<void(Qt::MouseButton, QPoint)> OnMouseUp;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const QImage& image_;
};

}  // namespace pictorio
