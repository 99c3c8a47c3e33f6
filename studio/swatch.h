#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

namespace pictorio {

// A bitmap whose bottom-left colour is see-through, as the studio's pictures
// and button glyphs are drawn.
QImage WithKeyTransparent(const QImage& picture);

// A colour image of the studio: either filled edge to edge with its colour
// or showing a picture with its bottom-left colour see-through. A thin frame
// is drawn around it, outside the colour, so pale colours stand apart from
// the panel without losing a pixel of the swatch.
class TSwatch : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kFrame = 1;

  // `width` x `height` is the size of the colour; the widget is the frame wider all round.
  TSwatch(int width, int height, QWidget* parent = nullptr);

  void SetColour(const QColor& colour);
  void SetPicture(const QImage& picture);
  bool Opaque() const { return opaque_; }
  const QColor& Colour() const { return colour_; }
  void SetHint(const std::string& hint);
  const std::string& Hint() const { return hint_; }
  // The colour's number, or -1 when it cannot be picked.
  int Tag = 0;
  std::function<void()> OnClick;
  // Where the colour lies inside the widget.
  QRect ColourRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Tab reaches the colours as it reaches the tool buttons; Space or Enter picks.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool opaque_ = true;
  QColor colour_ = Qt::white;
  QImage picture_;
  std::string hint_;
};

}  // namespace pictorio
