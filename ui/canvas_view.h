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
  // A window that opens over a stroke (a notice, a question) or the view
  // going away ends the stroke as a release would; the moves and the real
  // release that follow belong to no stroke.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void EndStroke();

  const QImage& image_;
  bool stroke_ = false;
  Qt::MouseButton strokeButton_ = Qt::NoButton;
  QPoint last_;
};

}  // namespace pictorio
