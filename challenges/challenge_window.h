#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "challenges/challenge_kinds.h"
#include "challenges/pixel_score.h"
#include "core/one_based.h"
#include "studio/brush_stamp.h"
#include "ui/components.h"
#include "ui/form_base.h"

namespace pictorio {

class TCanvasView;

// The challenge day: six timed painting tasks over a template, scored by
// counting pixels. Shown modally from the calendar on a challenge day.
class TForm13 : public TFormBase {
  Q_OBJECT
 public:
  TForm13(Game& game, Forms& forms);

  static constexpr int kAreaSize = 585;

  // The task buttons, each running TaskClick with its kind.
  void Button2Click() { TaskClick(2); }
  void Button3Click() { TaskClick(3); }
  void Button4Click() { TaskClick(4); }
  void Button5Click() { TaskClick(5); }
  void Button6Click() { TaskClick(6); }
  void Button7Click() { TaskClick(7); }
  void TaskClick(int button);
  void Button1Click();  // "Exit"

  void StartChallenge();
  void Timer1Timer() { ChallengeTick(); }
  void ChallengeTick();
  void LoadBrush();
  void StampBrush(int x, int y);
  void CountTemplate();
  void ScoreChallenge();

  void Image1MouseDown(Qt::MouseButton button, QPoint at);
  void Image1MouseMove(QPoint at);
  void Image1MouseUp(Qt::MouseButton button, QPoint at);

  // The task button of a table position (1..6, top to bottom).
  QPushButton* TaskButton(int button) const { return Button[button]; }
  std::vector<std::string> MemoLines() const;
  // The picture being painted on.
  const QImage& DrawingArea() const { return area_; }

  // The session of the task in hand.
  const ChallengeKind* kind = nullptr;
  ChallengeClock clock;
  bool drawing = false;
  bool challengeMusicPlaying = false;
  std::string brushName = "none";
  QRgb brushColour = qRgb(255, 255, 255);
  QRgb targetColour = qRgb(255, 255, 255);
  QRgb paintColour = qRgb(255, 255, 255);
  BrushStamp stamp;
  PixelCounts before;
  PixelCounts after;
  ChallengeScore score;

  TImage* Image3;  // the backdrop
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  OneBased<QPushButton*, 7> Button;  // Button[1] is "Exit", 2..7 the tasks
  QPushButton* Button1;
  TCanvasView* Image1;  // the drawing area
  TImage* Image2;       // the template as loaded
  TImage* Image200;     // the prepared stamp
  QPlainTextEdit* Memo1;
  TTimer Timer1{1000};
  TMediaPlayer MediaPlayer1;

 protected:
  void FormShow() override;
  void FormClose() override;

 private:
  void ResetBrush();
  void RestartGameClock();
  void Log(const std::string& line);
  void Announce(const std::string& text);
  QImage area_;
};

}  // namespace pictorio
