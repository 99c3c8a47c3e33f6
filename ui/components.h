#pragma once

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace pictorio {

// A timer that is either enabled or not, like the game's clock; the handler is
// a plain function so tests call it directly instead of waiting.
class TTimer {
 public:
  explicit TTimer(int intervalMs = 1000);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  std::function<void()> OnTimer;

  // What the system timer does when an interval has passed.
  void Fire();
  // True while the timer is counting towards its next tick.
  bool Running() const { return timer_.isActive(); }

  // While a hold lasts the handler never runs: a tick that falls due is
  // dropped and the timer stops. Enabling and disabling still decide whether
  // it runs afterwards; when the last hold ends, an enabled timer starts a
  // full interval again. Holds nest.
  void Hold();
  void Release();
  bool Held() const { return holds_ > 0; }

 private:
  QTimer timer_;
  bool enabled_ = false;
  int interval_;
  int holds_ = 0;
};

// Holds a timer for as long as it lives.
class TimerHold {
 public:
  explicit TimerHold(TTimer& timer) : timer_(timer) { timer_.Hold(); }
  ~TimerHold() { timer_.Release(); }
  TimerHold(const TimerHold&) = delete;
  TimerHold& operator=(const TimerHold&) = delete;

 private:
  TTimer& timer_;
};

// A picture on a window that can be clicked; the hint shows only while ShowHint is on.
class TImage : public QLabel {
  Q_OBJECT
 public:
  explicit TImage(QWidget* parent = nullptr);

  // Loads a file through the game's picture loader; false with the reason on failure.
  bool LoadFromFile(const std::string& nativePath, std::string* error = nullptr);
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }
  void SetStretch(bool stretch);
  void SetTransparent(bool transparent);
  void SetHint(const std::string& hint);
  const std::string& Hint() const { return hint_; }
  void SetShowHint(bool show);
  bool ShowHint() const { return showHint_; }
  bool Visible() const { return !isHidden(); }

  std::function<void()> OnClick;
  std::function<void(Qt::MouseButton, QPoint)> OnMouseDown;
  std::function<void(QPoint)> OnMouseMove;
  std::function<void(Qt::MouseButton, QPoint)> OnMouseUp;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Refresh();
  QImage picture_;
  std::string hint_;
  bool showHint_ = true;
  bool stretch_ = false;
  bool transparent_ = false;
  bool pressed_ = false;
};

// A label that shows what does not fit its width cut short with "…", never
// cut mid-letter; text() keeps the whole text.
class TLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TLabel(const QString& text = QString(), QWidget* parent = nullptr);
  // The text as the label draws it.
  QString ShownText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// One of the two media players: a file is set, opened, played and stopped;
// OnNotify runs when playback ends by itself.
class TMediaPlayer {
 public:
  TMediaPlayer(Platform& platform, MediaChannel channel);
  std::string FileName;
  // Opening makes this player the one its channel reports to.
  bool Open(std::string* error = nullptr);
  bool Play(std::string* error = nullptr);
  void Stop();
  bool Notify = true;
  std::function<void()> OnNotify;

 private:
  Platform& platform_;
  MediaChannel channel_;
};

// Plays the frames of an AVI in a loop while Active; shows StopFrame when stopped.
class TAnimate : public QLabel {
  Q_OBJECT
 public:
  TAnimate(Platform& platform, QWidget* parent = nullptr);
  // Loads the frames; false with the reason when the file cannot be decoded.
  bool SetFileName(const std::string& nativePath, std::string* error = nullptr);
  const std::string& FileName() const { return fileName_; }
  void SetActive(bool active);
  bool Active() const { return active_; }
  void SetStopFrame(int frame);
  int StopFrame() const { return stopFrame_; }
  int FrameCount() const { return static_cast<int>(frames_.size()); }
  int CurrentFrame() const { return current_; }
  // Advances one frame, as the playback timer does.
  void Step();

 private:
  void ShowFrame(int index);
  Platform& platform_;
  std::string fileName_;
  std::vector<QImage> frames_;
  QTimer timer_;
  bool active_ = false;
  int stopFrame_ = 0;
  int current_ = 0;
};

// The lines a memo or a list box shows, as the game's text.
std::vector<std::string> MemoLines(const QPlainTextEdit& memo);
std::vector<std::string> ListLines(const QListWidget& list);

}  // namespace pictorio
