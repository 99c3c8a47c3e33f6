// The challenge day: pixel counting and scoring as plain rules, the countdown,
// and the challenge window over a whole game, down to winning each task with
// the real templates and brushes through the mouse handlers.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <tuple>

#include "app/main_window.h"
#include "challenges/challenge_kinds.h"
#include "challenges/challenge_window.h"
#include "challenges/pixel_score.h"
#include "simulation/notice_window.h"
#include "support/cover_plan.h"
#include "support/test_app.h"
#include "ui/canvas_view.h"
#include "ui/info_bar.h"
#include "ui/picture_io.h"

namespace pictorio {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);

// ---- counting and scoring without a window ----

TEST(PixelCounts, CountExactColoursInEveryPixelFormat) {
  QImage area(7, 5, QImage::Format_RGB32);
  area.fill(kWhite);
  area.setPixel(0, 0, kRed);
  area.setPixel(6, 4, kRed);
  area.setPixel(3, 2, qRgb(254, 0, 0));  // near is not equal
  area.setPixel(1, 1, qRgb(255, 255, 254));
  const PixelCounts counts = CountPixels(area, kWhite, kRed);
  EXPECT_EQ(std::tuple(counts.total, counts.target, counts.paint, counts.Other()),
            std::tuple(35, 31, 2, 4));
  EXPECT_EQ(CountPixels(QImage(), kWhite, kRed).total, 0);
}

TEST(ChallengeScore, CoverMinusPenalisedOverpaintWithoutNaN) {
  struct Row {
    PixelCounts before, after;
    double penalty, cover, over, score;
    bool won;
  };
  // 1000 target pixels in an area of 11000; 95 % covered and 2 % of the
  // other 10000 painted over: 95 - 2 x 6 = 83.
  const Row rows[] = {
      {{11000, 1000, 0}, {11000, 50, 1150}, 6.0, 95.0, 2.0, 83.0, true},
      {{11000, 1000, 0}, {11000, 50, 1250}, 6.0, 95.0, 3.0, 77.0, false},
      {{11000, 1000, 0}, {11000, 200, 800}, 3.33, 80.0, 0.0, 80.0, true},  // exactly 80 wins
      // Paint colour the template already has beyond the target counts as over from the start.
      {{11000, 1000, 100}, {11000, 1000, 100}, 1.25, 0.0, 1.0, -1.25, false},
      // Nothing to cover: cover counts 0 and nothing can be won; nothing but target: no over.
      {{100, 0, 0}, {100, 0, 40}, 6.0, 0.0, 40.0, -240.0, false},
      {{100, 100, 0}, {100, 10, 90}, 6.0, 90.0, 0.0, 90.0, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.score);
    const ChallengeScore s = ScoreCounts(r.before, r.after, r.penalty);
    EXPECT_DOUBLE_EQ(s.coverPercent, r.cover);
    EXPECT_DOUBLE_EQ(s.overPercent, r.over);
    EXPECT_DOUBLE_EQ(s.finalScore, r.score);
    EXPECT_EQ(s.Won(), r.won);
  }
  EXPECT_EQ(ResultDialogText(ChallengeScore{}),
            "Cover = 0.00%\n\rOver penalty = 0.00\n\rFinal score = 0.00%\n\rNice try.\n\r");
  EXPECT_EQ(ResultDialogText(ScoreCounts(rows[0].before, rows[0].after, 6.0)),
            "Cover = 95.00%\n\rOver penalty = 12.00\n\rFinal score = 83.00%\n\rYour score is "
            "above the 80% mark. Well done.");
}

// The countdown and the brush's arrival are followed through the window.
TEST(ChallengeClock, PaintingLastsTheLimitMinusOneSecond) {
  ChallengeClock clock;
  clock.Start(20);
  int upAt = 0;
  std::string last;
  for (int tick = 1; tick <= 40 && !upAt; ++tick) {
    const ChallengeClock::Step step = clock.Tick();
    last = step.figure;
    if (step.timeUp) upAt = tick;
  }
  // The brush arrives at tick 4.
  EXPECT_EQ(std::tuple(upAt, last), std::tuple(23, "0"));
}

// ---- the window over a whole game ----

class ChallengeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.StartNewGame("Ada");
    app.platform.messages.clear();
    app.platform.effects.clear();
    app.platform.tracks.clear();
  }
  TForm13& window() { return *app.forms().Form13; }
  who& state() { return app.game.GameState; }
  void Open() { window().show(); }
  void Enter(int button) {
    app.platform.answers.push_back(ModalResult::Yes);
    window().TaskClick(button);
  }
  // The challenge timer fires only while it runs.
  void Tick(int times = 1) {
    for (int i = 0; i < times && window().Timer1.Enabled(); ++i) window().Timer1Timer();
  }
  void RunOut() {
    for (int guard = 0; guard < 400 && window().Timer1.Enabled(); ++guard) window().Timer1Timer();
  }
  // Paints every target pixel of the drawing area in one drag.
  CoverPlan PaintWholeTarget() {
    const CoverPlan plan = PlanCover(window().DrawingArea(), window().targetColour, window().stamp);
    if (plan.centres.empty()) return plan;
    window().Image1MouseDown(Qt::LeftButton, plan.centres.front());
    for (const QPoint& at : plan.centres) window().Image1MouseMove(at);
    window().Image1MouseUp(Qt::LeftButton, plan.centres.back());
    return plan;
  }
  TestApp app;
};

TEST_F(ChallengeTest, ShowingGatesTheTasksByReputationAndRegistersTheCursors) {
  for (const auto& [reputation, wall, spray] :
       {std::tuple{14, true, false}, std::tuple{15, true, true}, std::tuple{-1000, true, false}}) {
    SCOPED_TRACE(reputation);
    state().Reputation = reputation;
    Open();
    EXPECT_EQ(std::tuple(window().Button[2]->isEnabled(), window().Button[3]->isEnabled(),
                         window().Button[6]->isEnabled(), window().Image1->isHidden()),
              std::tuple(wall, spray, false, true));
    window().Close();
  }
}

TEST_F(ChallengeTest, EnteringWithExactlyTheCostPaysStopsTheClockAndCountsDown) {
  state().Money = 8.0;
  Open();
  Enter(2);
  ASSERT_EQ(app.platform.MessageTexts(), std::vector<std::string>{ChallengeKinds()[0].intro});
  // The prize is offered (Label3), the tasks make way for the wall.
  EXPECT_EQ(
      std::tuple(app.platform.messages[0].buttons, state().Money, Text(app.forms().Form3->Label7),
                 app.main().Timer1.Enabled(), app.platform.screenCursor,
                 window().Label3->isHidden(), window().Image1->isHidden(),
                 window().Button[2]->isHidden(), BaseName(app.platform.tracks.back())),
      std::tuple(MsgButtons::YesNo, 0.0, "0.00", false, 6, false, false, true, "m2.mid"));

  EXPECT_EQ(Text(window().Label5), "3");
  Tick(2);
  EXPECT_EQ(Text(window().Label5), "1");
  // The brush is no brush during the countdown: a click leaves no mark.
  window().Image1MouseDown(Qt::LeftButton, QPoint(290, 200));
  window().Image1MouseUp(Qt::LeftButton, QPoint(290, 200));
  EXPECT_EQ(CountPixels(window().DrawingArea(), kWhite, kRed).paint, 0);
  Tick();
  EXPECT_EQ(std::tuple(Text(window().Label5), app.platform.EffectNames().back()),
            std::tuple("GO", "s13.wav"));
  Tick();
  EXPECT_EQ(std::tuple(Text(window().Label4), Text(window().Label5), app.main().Timer1.Enabled()),
            std::tuple("Time left:", "19", false));
}

TEST_F(ChallengeTest,
       PaintingNothingIsANiceTryPaintOffTheWallCostsSixTimesItsShareAndAPrizeIsPaidOnce) {
  Open();
  Enter(2);
  RunOut();
  // The picture stays and the tasks stay hidden until the window is shown again.
  EXPECT_EQ(std::tuple(app.platform.EffectNames().back(), app.main().Timer1.Enabled(),
                       app.platform.screenCursor, state().Trophies[1], state().Money,
                       window().Image1->isHidden(), window().Button[2]->isHidden()),
            std::tuple("s14.wav", true, 0, false, 25.0 - 8.0, false, true));

  // Paint outside the wall costs six times its share.
  Enter(2);
  Tick(4);
  // One stamp in the bare corner (above the ceiling line): red on no target.
  window().Image1MouseDown(Qt::RightButton, QPoint(25, 580));
  window().Image1MouseUp(Qt::RightButton, QPoint(25, 580));
  const int red = CountPixels(window().DrawingArea(), kWhite, kRed).paint;
  EXPECT_GT(red, 500);
  RunOut();
  const double share = 100.0 * red / window().before.Other();
  EXPECT_NEAR(window().score.overPercent, share, 1e-9);
  EXPECT_NEAR(window().score.finalScore, -6.0 * share, 1e-9);

  // A won trophy's task still charges but offers and pays no prize.
  state().Trophies[1] = true;
  state().Money = 50;
  window().Close();
  Open();
  Enter(2);
  EXPECT_EQ(std::tuple(state().Money, window().Label3->isHidden(), window().Label6->isHidden()),
            std::tuple(42.0, true, true));
  Tick(4);
  PaintWholeTarget();
  RunOut();
  EXPECT_EQ(std::tuple(window().score.Won(), state().Money, app.platform.modalsShown.empty(),
                       app.platform.EffectNames().back()),
            std::tuple(true, 42.0, true, "s14.wav"));
  EXPECT_NE(app.platform.messages.back().text.find("Your score is above the 80% mark. Well done."),
            std::string::npos);
}

TEST_F(ChallengeTest, NotEnoughMoneyNoOrAMissingTemplateStartsNothingAndABlankOneScoresZero) {
  state().Money = 7.99;
  Open();
  Enter(2);
  EXPECT_EQ(
      std::tuple(app.platform.messages.back().text, state().Money, app.main().Timer1.Enabled(),
                 window().Timer1.Enabled(), window().Button[2]->isHidden()),
      std::tuple("Insufficient funds to enter the challenge.", 7.99, true, false, false));

  state().Money = 100;
  app.platform.answers.push_back(ModalResult::No);
  window().TaskClick(2);
  EXPECT_EQ(std::tuple(state().Money, app.main().Timer1.Enabled(), window().Image1->isHidden()),
            std::tuple(100.0, true, true));

  app.RemoveAsset("challenge/ch1.jpg");
  app.platform.messages.clear();
  window().TaskClick(2);
  ASSERT_EQ(app.platform.messages.size(), 1u);
  EXPECT_EQ(std::tuple(app.platform.messages[0].type, state().Money, app.main().Timer1.Enabled()),
            std::tuple(MsgType::Error, 100.0, true));

  // A template with nothing to cover, plain red, scores zero and wins no trophy.
  QImage red(585, 585, QImage::Format_RGB32);
  red.fill(kRed);
  ASSERT_TRUE(SaveJpeg(red, (app.dir / "challenge/ch1.jpg").string(), 100));
  Open();
  Enter(2);
  Tick(4);
  window().Image1MouseDown(Qt::LeftButton, QPoint(100, 100));
  RunOut();
  EXPECT_EQ(std::tuple(std::isnan(window().score.finalScore), window().score.coverPercent,
                       state().Trophies[1]),
            std::tuple(false, 0.0, false));
}

TEST_F(ChallengeTest, AMissingBrushOrTuneIsReportedOnceAndTheTaskStillEnds) {
  app.RemoveAsset("brush/wallbrush.bmp");
  app.RemoveAsset("sound/music/m2.mid");
  Open();
  Enter(2);
  ASSERT_EQ(app.platform.messages.size(), 2u);  // the intro, then the tune
  EXPECT_EQ(app.platform.messages[1].type, MsgType::Error);
  Tick(4);
  ASSERT_EQ(app.platform.messages.size(), 3u);
  EXPECT_EQ(app.platform.messages[2].type, MsgType::Error);
  Tick(5);
  EXPECT_EQ(app.platform.messages.size(), 3u);
  window().Image1MouseDown(Qt::LeftButton, QPoint(290, 200));
  RunOut();
  // The room's music comes back although the task's tune never played.
  app.platform.tracks.clear();
  window().Button1Click();
  EXPECT_EQ(app.platform.tracks, Lines{(app.dir / "sound/music/m10.mid").string()});
}

TEST_F(ChallengeTest, LeavingOrTheDaysEndDuringATaskLosesTheFeeAndScoresNothing) {
  // The clock closes the hidden window at hours 22 and 23; a player painting
  // in the studio then keeps the pencil cursor.
  app.platform.SetScreenCursor(1);
  window().Close();
  EXPECT_EQ(app.platform.screenCursor, 1);

  state().Money = 100;
  Open();
  Enter(2);
  Tick(5);
  app.platform.tracks.clear();
  window().Button1Click();
  EXPECT_EQ(std::tuple(window().Showing(), window().Timer1.Enabled(), app.main().Timer1.Enabled(),
                       state().Money, Text(app.forms().Form3->Label7), app.platform.screenCursor,
                       app.game.MusicTheme),
            std::tuple(false, false, true, 92.0, "92.00", 0, 10));
  EXPECT_EQ(app.platform.tracks, Lines{(app.dir / "sound/music/m10.mid").string()});

  // The clock ticks on under the intro question, into 22:00 of the challenge day.
  app.game.ElapsedHours = 2 * 24 + 21;
  Open();
  app.platform.whileMessageOpen = [this](const ScriptedPlatform::Message&) {
    app.main().Timer1.Fire();
  };
  const double money = state().Money;
  Enter(2);
  // Closed by the clock, with nothing paid.
  EXPECT_EQ(std::tuple(window().Showing(), state().Money, app.main().Timer1.Enabled(),
                       window().Timer1.Enabled()),
            std::tuple(false, money, true, false));
}

// Each task won with the real template and brush: every target pixel painted
// through the mouse handlers between the brush's arrival and the end.
TEST_F(ChallengeTest, EveryTaskCanBeCoveredCompletelyAndWon) {
  state().Reputation = 100;
  for (const ChallengeKind& kind : ChallengeKinds()) {
    SCOPED_TRACE(kind.caption);
    state().Money = kind.cost;
    app.platform.modalsShown.clear();
    Open();
    Enter(kind.button);
    ASSERT_EQ(state().Money, 0.0);
    Tick(4);
    bool prizeDuringNotice = true;
    // The trophy is set only after the notice.
    app.platform.modalScripts.push_back(
        [&](QDialog&) { prizeDuringNotice = state().Trophies[kind.trophyIndex]; });
    PaintWholeTarget();
    RunOut();
    EXPECT_EQ(std::tuple(window().score.coverPercent, window().score.Won()),
              std::tuple(100.0, true))
        << window().score.finalScore;
    EXPECT_EQ(
        std::tuple(app.platform.modalsShown, prizeDuringNotice, state().Trophies[kind.trophyIndex],
                   state().Money, app.platform.EffectNames().back(), app.main().Timer1.Enabled()),
        std::tuple(std::vector<std::string>{"CONGRATULATIONS"}, false, true, kind.prize, "s3.wav",
                   true));
    window().Button1Click();
  }
}

}  // namespace
}  // namespace pictorio
