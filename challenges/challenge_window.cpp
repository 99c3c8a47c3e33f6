#include "challenges/challenge_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/main_window.h"  // a task stops the room's clock, plays on its players, shows its trophies
#include "core/game.h"
#include "core/save_text.h"
#include "simulation/notice_window.h"
#include "simulation/trophies.h"
#include "ui/canvas_view.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "ui/picture_io.h"

namespace pictorio {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kAreaLeft = 205;
constexpr int kAreaTop = 7;
constexpr int kColumnLeft = 16;
constexpr int kColumnWidth = 168;

QLabel* MakeLabel(QWidget* parent, const char* text, int top, int width, int height,
                  int pointSize) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(kColumnLeft, top, width, height);
  label->setFont(GameFont(pointSize, true));
  return label;
}

}  // namespace

TForm13::TForm13(Game& g, Forms& f)
    : TFormBase(g, f, "Challenge"), MediaPlayer1(g.platform, MediaChannel::Music) {
  // Borderless over the whole 800 x 600 screen.
  SetRoomPlace(RoomPlace::Covering);
  // Opened from the calendar, which stays on top: this window must come above it.
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFixedSize(kWidth, kHeight);
  setFont(GameFont());

  Image3 = new TImage(this);
  Image3->setGeometry(0, 0, kWidth, kHeight);
  Image3->LoadFromFile(AssetPath(g, "\\design\\challenge.png"));

  Label2 = MakeLabel(this, "Ready to be challenged?  ", 16, kColumnWidth, 28, 11);
  Label1 = MakeLabel(this, "Select your challenge:", 58, kColumnWidth, 24, 11);
  int top = 88;
  for (const ChallengeKind& k : ChallengeKinds()) {
    auto* task = new QPushButton(k.caption, this);
    task->setGeometry(kColumnLeft, top, kColumnWidth, 32);
    top += 40;
    const int number = k.button;
    connect(task, &QPushButton::clicked, [this, number] { TaskClick(number); });
    Button[number] = task;
  }
  // The countdown's heading and figure keep fixed widths so a long figure
  // never shifts them.
  Label4 = MakeLabel(this, "Ready in:", 340, 170, 34, 18);
  Label5 = MakeLabel(this, "3", 380, 70, 56, 32);
  Label3 = MakeLabel(this, "", 460, kColumnWidth, 22, 10);
  Label6 = MakeLabel(this, kPrizeNoteEnd, 482, kColumnWidth, 22, 10);

  Button1 = new QPushButton("Exit", this);
  Button1->setGeometry(kColumnLeft, kHeight - 56, kColumnWidth, 36);
  Button[1] = Button1;
  connect(Button1, &QPushButton::clicked, [this] { Button1Click(); });

  area_ = QImage(kAreaSize, kAreaSize, QImage::Format_RGB32);
  area_.fill(Qt::white);
  Image1 = new TCanvasView(area_, this);
  Image1->move(kAreaLeft, kAreaTop);
  Image1->setCursor(Qt::CrossCursor);
  Image1->OnMouseDown = [this](Qt::MouseButton b, QPoint at) { Image1MouseDown(b, at); };
  Image1->OnMouseMove = [this](QPoint at) { Image1MouseMove(at); };
  Image1->OnMouseUp = [this](Qt::MouseButton b, QPoint at) { Image1MouseUp(b, at); };
  Image1->hide();
  Image2 = new TImage(this);
  Image2->hide();
  Image200 = new TImage(this);
  Image200->SetTransparent(true);
  Image200->hide();

  Memo1 = new QPlainTextEdit(this);
  Memo1->setReadOnly(true);
  // Ten lines a task: the last few tasks tell all a look at it needs, and a
  // long career must not pile up every line it ever wrote.
  Memo1->setMaximumBlockCount(50);
  Memo1->hide();

  Timer1.OnTimer = [this] { Timer1Timer(); };
  // The task's tune plays again while the task runs.
  MediaPlayer1.OnNotify = [this] {
    if (challengeMusicPlaying && Timer1.Enabled()) MediaPlayer1.Play();
  };
  for (QLabel* label : {Label3, Label4, Label5, Label6}) label->hide();
}

void TForm13::FormShow() {
  drawing = false;
  challengeMusicPlaying = false;
  Image1->hide();
  for (QLabel* label : {Label3, Label4, Label5, Label6}) label->hide();
  Label2->show();
  Label1->show();
  const int reputation = game.GameState.Reputation;
  for (const ChallengeKind& k : ChallengeKinds()) {
    Button[k.button]->show();
    Button[k.button]->setEnabled(ChallengeEnabled(k, reputation));
  }
  for (const ChallengeCursor& cursor : kChallengeCursors)
    game.platform.RegisterCursor(cursor.number, cursor.name);
}

void TForm13::FormClose() {
  // A task left unfinished ends here: its fee is gone, and it must not be
  // scored later or start the clock in the middle of another one.
  Timer1.SetEnabled(false);
  drawing = false;
  // The clock closes this window at the end of every day, also when it is not
  // open; the studio's tool cursor must survive that.
  if (Showing()) game.platform.SetScreenCursor(0);
  TForm1& main = *forms.Form1;
  ShowMoney(*forms.Form3, game.GameState.Money);
  backgroundload(game, forms);
  RestartGameClock();
  if (Showing()) {
    if (game.SoundOn) main.MediaPlayer1.Stop();
    if (game.MusicOn && challengeMusicPlaying) {
      challengeMusicPlaying = false;
      MediaPlayer1.Stop();
      game.MusicTheme = 10;
      game.MusicRestart = true;
      main.MediaPlayer2Notify();
    }
  }
}

void TForm13::Button1Click() {
  RestartGameClock();
  Close();
}

void TForm13::RestartGameClock() {
  forms.Form1->Timer1.SetEnabled(game.GameRunning);
}

void TForm13::Log(const std::string& line) {
  Memo1->appendPlainText(QString::fromStdString(line));
}

std::vector<std::string> TForm13::MemoLines() const {
  return pictorio::MemoLines(*Memo1);
}

void TForm13::ResetBrush() {
  brushName = "none";
  brushColour = qRgb(255, 255, 255);
  LoadBrush();
  game.platform.SetScreenCursor(0);
}

void TForm13::TaskClick(int button) {
  const ChallengeKind* chosen = ChallengeKindOfButton(button);
  if (!chosen) return;
  std::string error;
  const QImage picture = LoadPicture(AssetPath(game, chosen->templateFile), &error);
  if (picture.isNull()) {
    game.platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
    return;
  }
  Image2->SetPicture(picture);
  kind = chosen;
  targetColour = kind->targetColour;
  ResetBrush();
  brushName = kind->brushName;
  brushColour = kind->paintColour;
  paintColour = kind->paintColour;
  clock.timeLeft = kind->timeLimit;
  MediaPlayer1.FileName = AssetPath(game, std::string("\\sound\\music\\") + kind->musicFile);

  if (game.platform.MessageDlg(kind->intro, MsgType::Information, MsgButtons::YesNo) !=
      ModalResult::Yes)
    return;
  // The clock runs while the question is open and may have ended the day.
  if (!Showing()) return;
  who& state = game.GameState;
  if (state.Money < kind->cost) {
    game.platform.MessageDlg("Insufficient funds to enter the challenge.", MsgType::Error,
                             MsgButtons::Ok);
    return;
  }
  // Game time stands still from payment to scoring.
  TForm1& main = *forms.Form1;
  main.Timer1.SetEnabled(false);
  if (!state.Trophies[kind->trophyIndex]) {
    Label3->setText(kind->prizeNote);
    Label6->setText(kPrizeNoteEnd);
    Label3->show();
    Label6->show();
  }
  game.platform.SetScreenCursor(kind->cursor);
  state.Money -= kind->cost;
  ShowMoney(*forms.Form3, state.Money);
  StartChallenge();
}

void TForm13::StartChallenge() {
  // A fresh area each task, so a template smaller than the area does not
  // keep the last task's paint around it.
  area_ = QImage(kAreaSize, kAreaSize, QImage::Format_RGB32);
  area_.fill(Qt::white);
  {
    QPainter painter(&area_);
    painter.drawImage(0, 0, Image2->Picture().convertToFormat(QImage::Format_RGB32));
  }
  Image1->update();
  CountTemplate();

  Image1->show();
  clock.Start(clock.timeLeft);
  Timer1.SetEnabled(true);
  Label4->setText("Ready in:");
  Label5->setText("3");
  Label4->show();
  Label5->show();
  Label2->hide();
  Label1->hide();
  for (const ChallengeKind& k : ChallengeKinds()) Button[k.button]->hide();

  if (game.MusicOn) {
    forms.Form1->MediaPlayer2.Stop();
    // Marked even when the tune fails, so that leaving brings the room's music back.
    challengeMusicPlaying = true;
    std::string error;
    if (!MediaPlayer1.Open(&error) || !MediaPlayer1.Play(&error))
      game.platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
  }
}

void TForm13::CountTemplate() {
  before = CountPixels(area_, targetColour, paintColour);
  Log("blank " + std::to_string(before.target));
  Log("notblank " + std::to_string(before.Other()));
  Log("total " + std::to_string(before.total));
  Log(" ");
}

void TForm13::ChallengeTick() {
  const ChallengeClock::Step step = clock.Tick();
  if (!step.heading.empty()) Label4->setText(QString::fromStdString(step.heading));
  if (!step.figure.empty()) Label5->setText(QString::fromStdString(step.figure));
  if (step.go) forms.Form1->PlaySound("\\sound\\sounds\\s13.wav");
  if (step.brushArrives) LoadBrush();
  if (step.timeUp) {
    // Stopped first: a message about the brush must not let the time run on.
    Timer1.SetEnabled(false);
    ResetBrush();
    drawing = false;
    ScoreChallenge();
  }
  Label4->resize(170, Label4->height());
  Label5->resize(70, Label5->height());
}

void TForm13::LoadBrush() {
  std::string error;
  const QImage picture = LoadPicture(AssetPath(game, "\\brush\\" + brushName + ".bmp"), &error);
  stamp = BrushStamp::FromPicture(picture, QColor::fromRgb(brushColour));
  Image200->SetPicture(stamp.Image());
  if (picture.isNull()) game.platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
}

void TForm13::StampBrush(int x, int y) {
  // Only the stamp's own rectangle is repainted, never the whole area.
  const QRect touched = stamp.Lay(area_, x, y);
  if (!touched.isEmpty()) Image1->update(touched);
}

void TForm13::Image1MouseDown(Qt::MouseButton, QPoint at) {
  drawing = true;
  StampBrush(at.x(), at.y());
}

void TForm13::Image1MouseMove(QPoint at) {
  if (drawing) StampBrush(at.x(), at.y());
}

void TForm13::Image1MouseUp(Qt::MouseButton, QPoint) {
  drawing = false;
}

void TForm13::Announce(const std::string& text) {
  game.platform.MessageDlg(text, MsgType::Information, MsgButtons::Ok);
}

void TForm13::ScoreChallenge() {
  // Leaving the window before the end forfeits the result.
  if (!Showing() || !kind) return;
  after = CountPixels(area_, targetColour, paintColour);
  Log("blankB " + std::to_string(after.target));
  Log("notblankB " + std::to_string(after.Other()));
  Log("thecolor " + std::to_string(after.paint));
  Log(" ");
  score = ScoreCounts(before, after, kind->penaltyFactor);
  Log("%cover " + FormatSaveFloat(score.coverPercent));
  Log("%over " + FormatSaveFloat(score.overPercent));
  RestartGameClock();

  TForm1& main = *forms.Form1;
  who& state = game.GameState;
  const int trophy = kind->trophyIndex;
  if (!score.Won() || state.Trophies[trophy]) {
    main.PlaySound("\\sound\\sounds\\s14.wav");
    Announce(ResultDialogText(score));
    return;
  }
  TForm12& notice = *forms.Form12;
  notice.SetCaption("CONGRATULATIONS");
  notice.ShowPicture(main.TrophyImage(trophy)->Picture());
  notice.AddLine("Cover = " + FormatPercent(score.coverPercent) + "%");
  notice.AddLine("Over penalty = " + FormatPercent(score.penalty));
  notice.AddLine("Final score = " + FormatPercent(score.finalScore) + "%");
  notice.AddLine(kind->winText);
  state.Money += kind->prize;
  ShowMoney(*forms.Form3, state.Money);
  main.PlaySound("\\sound\\sounds\\s3.wav");
  ShowNoticeModal(game, forms);
  state.Trophies[trophy] = true;
}

}  // namespace pictorio
