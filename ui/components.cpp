#include "ui/components.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/picture_io.h"

namespace pictorio {

TTimer::TTimer(int intervalMs) : interval_(intervalMs) {
  timer_.setInterval(intervalMs);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Fire(); });
}

void TTimer::Fire() {
  if (holds_ > 0) {
    timer_.stop();
    return;
  }
  if (OnTimer) OnTimer();
}

void TTimer::SetEnabled(bool on) {
  enabled_ = on;
  if (on && holds_ == 0)
    timer_.start(interval_);
  else
    timer_.stop();
}

void TTimer::SetInterval(int ms) {
  interval_ = ms;
  timer_.setInterval(ms);
  // A new interval counts from now, as a restarted clock would.
  if (enabled_ && holds_ == 0) timer_.start(ms);
}

void TTimer::Hold() {
  ++holds_;
}

void TTimer::Release() {
  if (holds_ == 0) return;
  if (--holds_ == 0 && enabled_ && !timer_.isActive()) timer_.start(interval_);
}

TImage::TImage(QWidget* parent) : QLabel(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  setScaledContents(false);
}

bool TImage::LoadFromFile(const std::string& nativePath, std::string* error) {
  QImage picture = LoadPicture(nativePath, error);
  if (picture.isNull()) return false;
  SetPicture(picture);
  return true;
}

void TImage::SetPicture(const QImage& picture) {
  picture_ = picture;
  Refresh();
}

void TImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  Refresh();
}

void TImage::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Refresh();
}

void TImage::SetHint(const std::string& hint) {
  hint_ = hint;
  setToolTip(showHint_ ? QString::fromStdString(hint_) : QString());
}

void TImage::SetShowHint(bool show) {
  showHint_ = show;
  setToolTip(showHint_ ? QString::fromStdString(hint_) : QString());
}

void TImage::Refresh() {
  if (picture_.isNull()) {
    clear();
    return;
  }
  QImage shown = picture_;
  if (transparent_ && !shown.hasAlphaChannel()) {
    // Bitmaps without alpha take their bottom-left pixel as the see-through colour.
    const QRgb key = shown.pixel(0, shown.height() - 1);
    shown = shown.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < shown.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
      for (int x = 0; x < shown.width(); ++x) {
        if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
      }
    }
  }
  // Scaled for the screen's own pixels, smoothly, so that a scaled game
  // shows its pictures sharp rather than enlarged pixel by pixel.
  const qreal ratio = devicePixelRatioF();
  const QSize logical = stretch_ && width() > 0 && height() > 0 ? size() : shown.size();
  if (logical != shown.size() || ratio != 1.0)
    shown = shown.scaled(logical * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QPixmap pixmap = QPixmap::fromImage(shown);
  pixmap.setDevicePixelRatio(ratio);
  setPixmap(pixmap);
}

void TImage::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  if (stretch_) Refresh();
}

void TImage::mousePressEvent(QMouseEvent* event) {
  pressed_ = true;
  if (OnMouseDown) OnMouseDown(event->button(), event->position().toPoint());
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(event->position().toPoint());
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp) OnMouseUp(event->button(), event->position().toPoint());
  const bool click =
      pressed_ && rect().contains(event->position().toPoint()) && event->button() == Qt::LeftButton;
  pressed_ = false;
  if (click && OnClick) OnClick();
}

TLabel::TLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

QString TLabel::ShownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void TLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
  painter.setFont(font());
  painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextSingleLine, ShownText());
}

TMediaPlayer::TMediaPlayer(Platform& platform, MediaChannel channel)
    : platform_(platform), channel_(channel) {}

bool TMediaPlayer::Open(std::string* error) {
  platform_.SetMediaNotify(channel_, [this] {
    if (Notify && OnNotify) OnNotify();
  });
  return platform_.MediaOpen(channel_, FileName, error);
}

bool TMediaPlayer::Play(std::string* error) {
  return platform_.MediaPlay(channel_, error);
}

void TMediaPlayer::Stop() {
  platform_.MediaStop(channel_);
}

TAnimate::TAnimate(Platform& platform, QWidget* parent) : QLabel(parent), platform_(platform) {
  timer_.setInterval(100);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Step(); });
}

bool TAnimate::SetFileName(const std::string& nativePath, std::string* error) {
  fileName_ = nativePath;
  frames_ = platform_.LoadAnimation(nativePath, error);
  current_ = 0;
  if (frames_.empty()) {
    clear();
    return false;
  }
  ShowFrame(active_ ? 0 : stopFrame_);
  return true;
}

void TAnimate::SetActive(bool active) {
  active_ = active;
  if (active) {
    timer_.start();
  } else {
    timer_.stop();
    ShowFrame(stopFrame_);
  }
}

void TAnimate::SetStopFrame(int frame) {
  stopFrame_ = frame;
  if (!active_) ShowFrame(stopFrame_);
}

void TAnimate::Step() {
  if (frames_.empty()) return;
  ShowFrame((current_ + 1) % static_cast<int>(frames_.size()));
}

void TAnimate::ShowFrame(int index) {
  if (frames_.empty()) return;
  if (index < 0 || index >= static_cast<int>(frames_.size()))
    index = static_cast<int>(frames_.size()) - 1;
  current_ = index;
  setPixmap(QPixmap::fromImage(frames_[static_cast<std::size_t>(index)]));
}

std::vector<std::string> MemoLines(const QPlainTextEdit& memo) {
  std::vector<std::string> lines;
  const QString text = memo.toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split('\n')) lines.push_back(line.toStdString());
  return lines;
}

std::vector<std::string> ListLines(const QListWidget& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.count(); ++i) lines.push_back(list.item(i)->text().toStdString());
  return lines;
}

}  // namespace pictorio
