#pragma once

#include <QWidget>
#include <functional>

namespace pictorio {

class Canvas;

// Shows the canvas model and hands the mouse to the studio as canvas points.
// A stamp asks for the repaint of its own rectangle only.
class TCanvasView : public QWidget {
  Q_OBJECT
 public:
  TCanvasView(const Canvas& canvas, QWidget* parent = nullptr);

  std::function<void(Qt::MouseButton, QPoint)> OnMouseDown;
  std::function<void(QPoint)> OnMouseMove;
  std::function<void(Qt::MouseButton, QPoint)> OnMouseUp;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const Canvas& canvas_;
};

}  // namespace pictorio
