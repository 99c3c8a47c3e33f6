// The week's events: which day carries what, today's event opening, the telephone
// notice, the calendar's day list, and the venue dressed with its frames.
#include "simulation/week_plan.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "simulation/notice_window.h"
#include "simulation/scene_layout.h"
#include "support/pictures.h"
#include "support/scripted_platform.h"
#include "support/test_app.h"
#include "ui/picture_io.h"
#include "venues/calendar_window.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

const std::string kRule(54, '-');

// Puts the clock on `day` (1 = Monday) of `week` (1..52) and builds the plan there.
void BuildOn(TestApp& app, int week, int day) {
  app.game.ClockWeek = week - 1;
  app.game.ClockDay = day - 1;
  BuildWeekPlan(app.game, app.forms());
}

TEST(WeekPlan, WeeksOneAndTwoNameTheirEventsAndOpenThem) {
  ScriptedPlatform platform;
  Game g(platform);
  BuildVenues(g);
  auto names = [&g](int week) {
    FillWeekSchedule(g, week);
    Lines result;
    for (const schedule& day : g.WeekPlan) result.push_back(day.DayLabel + day.EventName);
    return result;
  };
  EXPECT_EQ(names(1), (Lines{"Mo: ", "Tu: Flea Market ", "We: Challenge ", "Th: Local exhibition ",
                             "Fr: Flea Market ", "Sa: ", "Su: "}));
  EXPECT_EQ(names(2), (Lines{"Mo: ", "Tu: Flea Market ", "We: ", "Th: Local exhibition ",
                             "Fr: Flea Market ", "Sa: National exhibition ", "Su: "}));

  auto active = [&g](int week) {
    FillWeekSchedule(g, week);
    std::vector<bool> result;
    for (const schedule& day : g.WeekPlan) result.push_back(day.Active);
    return result;
  };
  // Galleries open only with pictures entered; the market always, the challenge on odd weeks.
  EXPECT_EQ(active(1), (std::vector<bool>{false, true, true, false, true, false, false}));
  EXPECT_EQ(active(4), (std::vector<bool>{false, true, false, false, true, false, false}));
  for (int v : {kVenueLocal, kVenueNational, kVenueInternational}) g.Venues[v].Submitted = true;
  EXPECT_EQ(active(4), (std::vector<bool>{false, true, false, true, true, true, true}));
  EXPECT_EQ(active(2), (std::vector<bool>{false, true, false, true, true, true, false}));
}

// A day without its event closes as the Wednesday without a challenge shows.
TEST(WeekPlan, ThursdayOfWeekFourWithNothingEntered) {
  TestApp app;
  app.StartNewGame();
  BuildOn(app, 4, 4);
  EXPECT_EQ(app.forms().Form4->DayList(),
            (Lines{"Mo:     X", kRule, "Tu:  Flea Market    X", kRule, "We:     X", kRule,
                   "Th:  Local exhibition   *Today*", kRule, "Fr:  Flea Market ", kRule,
                   "Sa:  National exhibition ", kRule, "Su:  International exhibition ", kRule, "",
                   "Events Next week :", "- Challenge (We)"}));
}

TEST(WeekPlan, NextWeeksEventsFollowTheAlternation) {
  OneBased<schedule, 7> plan;
  auto nextWeek = [&plan](int week) {
    const Lines all = CalendarDayList(plan, 1, week);
    const auto heading = std::find(all.begin(), all.end(), "Events Next week :");
    return Lines(heading + 1, all.end());
  };
  EXPECT_EQ(nextWeek(1), Lines{"- National exhibition (Sa)"});
  EXPECT_EQ(nextWeek(2), Lines{"- Challenge (We)"});
  EXPECT_EQ(nextWeek(3), (Lines{"- National exhibition (Sa)", "- International exhibition (Su)"}));
  // The last week of the year leads into week 1 of the next.
  EXPECT_EQ(nextWeek(52), Lines{"- Challenge (We)"});
}

TEST(WeekPlan, ChallengeWednesdayAndTheWednesdayWithout) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  g.EventVenue = kVenueFlea;  // left from Tuesday's market
  BuildOn(app, 1, 3);
  // A challenge leaves the venue alone.
  EXPECT_EQ(std::tuple(g.ChallengeOpen, g.EventOpen, g.EventDayNumber, g.EventVenue, g.TodayVenue,
                       app.forms().Form4->Button2->isEnabled(), app.main().nowEvent1->isEnabled()),
            std::tuple(true, true, 3, kVenueFlea, kVenueFlea, true, true));

  BuildOn(app, 2, 3);
  EXPECT_EQ(std::tuple(g.ChallengeOpen, g.EventVenue, g.TodayVenue,
                       app.forms().Form4->Button2->isEnabled(), app.main().nowEvent1->isEnabled()),
            std::tuple(false, 0, 0, false, false));
  EXPECT_TRUE(g.EventOpen) << "the clock closes the event day, not the plan";
}

TEST(WeekPlan, GalleryDaysDressTheVenueAndTitleIt) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  TForm9& venue = *app.forms().Form9;
  EnterPictures(app, kVenueLocal, 5);
  BuildOn(app, 2, 4);
  EXPECT_EQ(std::tuple(g.EventVenue, g.EventDayNumber, venue.Label1->text().toStdString(),
                       venue.Frame(5)->Visible(), venue.Frame(6)->Visible()),
            std::tuple(kVenueLocal, 4, "Local Gallery", true, false));

  BuildOn(app, 3, 2);
  EXPECT_EQ(std::tuple(g.EventVenue, venue.Label1->text().toStdString()),
            std::tuple(kVenueFlea, "Flea Market"));

  EnterPictures(app, kVenueNational, 6);
  BuildOn(app, 2, 6);
  EXPECT_EQ(std::tuple(g.EventVenue, venue.Label1->text().toStdString(), venue.Frame(6)->Visible()),
            std::tuple(kVenueNational, "National Gallery", true));

  EnterPictures(app, kVenueInternational, 8);
  BuildOn(app, 4, 7);
  EXPECT_EQ(std::tuple(g.EventVenue, venue.Label1->text().toStdString()),
            std::tuple(kVenueInternational, "International Gallery"));
}

// With a telephone the day's event is announced, with the ring; not while the
// calendar is open (the ring only), nor without the telephone. The notice's
// Show Calendar opens it without a second notice.
TEST(WeekPlan, TheTelephoneAnnouncesTodaysEvent) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  TForm12& notice = *app.forms().Form12;
  BuildOn(app, 1, 2);
  EXPECT_EQ(std::tuple(app.platform.modalsShown.empty(), app.platform.effects.empty(), g.EventOpen,
                       app.forms().Form4->Button2->isEnabled()),
            std::tuple(true, true, true, true));

  g.GameState.Stock[kSlotTelephone].Owned = true;
  app.platform.modalScripts.push_back([&](QDialog&) {
    EXPECT_TRUE(notice.Button2->isVisible());
    EXPECT_FALSE(app.main().Timer1.Enabled());
    EXPECT_EQ(notice.Lines(), Lines{"You are hereby notified that an event has started. Please "
                                    "see your calendar for more details."});
    notice.Button2Click();
  });
  BuildOn(app, 1, 2);
  EXPECT_EQ(std::tuple(app.platform.modalsShown, app.platform.EffectNames(),
                       notice.Button2->isVisibleTo(&notice), app.main().Timer1.Enabled(),
                       app.forms().Form4->Showing(), app.forms().Form4->DayList()[2], g.EventVenue,
                       g.EventNoticeEnabled),
            std::tuple(Lines{"Event Notification"}, Lines{"s9.wav"}, false, true, true,
                       "Tu:  Flea Market   *Today*", kVenueFlea, true));
  for (const schedule& day : g.WeekPlan) EXPECT_FALSE(day.Active);

  BuildOn(app, 1, 5);  // with the calendar open
  EXPECT_EQ(app.platform.modalsShown.size(), 1u);
  EXPECT_EQ(app.platform.EffectNames(), (Lines{"s9.wav", "s9.wav"}));
}

// ---- dressing the venue ----
// The hue of the middle of the picture a frame holds.
int FrameHue(const TImage* frame) {
  const QImage& picture = frame->Picture();
  if (picture.isNull()) return -2;
  return QColor(picture.pixel(picture.width() / 2, picture.height() / 2)).hsvHue();
}

// Each venue after a bigger show: its own frames at its places, entry k in
// frame k, the sold marks over the sold ones, the rest hidden. The stall sizes
// only its own four frames and leaves the scene size as the gallery set it.
TEST(SceneLayout, EveryVenueHangsItsEntriesInItsOwnFrames) {
  struct Row {
    int before, venue;
    std::vector<int> sold;
  };
  for (const Row& row :
       {Row{0, kVenueInternational, {}}, Row{kVenueInternational, kVenueLocal, {2, 4}},
        Row{kVenueNational, kVenueFlea, {1}}}) {
    SCOPED_TRACE(row.venue);
    TestApp app;
    app.StartNewGame();
    Game& g = app.game;
    TForm9& venue = *app.forms().Form9;
    if (row.before) {
      EnterPictures(app, row.before, g.Venues[row.before].Slots);
      ArrangeExhibitionScene(g, app.forms(), row.before);
      g.GameState.Pictures.clear();
    }
    EnterPictures(app, row.venue, g.Venues[row.venue].Slots);
    for (int k : row.sold) g.GameState.Pictures[static_cast<std::size_t>(k - 1)].Gone = true;
    if (row.venue == kVenueFlea)
      ArrangeFleaScene(g, app.forms());
    else
      ArrangeExhibitionScene(g, app.forms(), row.venue);

    const SceneLayoutRow& own = SceneLayout[row.venue - 1];
    const SceneLayoutRow& sized =
        SceneLayout[(row.venue == kVenueFlea ? row.before : row.venue) - 1];
    EXPECT_EQ(g.EntriesSold, static_cast<int>(row.sold.size()));
    EXPECT_EQ(QSize(g.SceneImageWidth, g.SceneImageHeight), QSize(sized.Width, sized.Height));
    for (int k = 1; k <= 8; ++k) {
      SCOPED_TRACE(k);
      const bool used = k <= own.Frames;
      EXPECT_EQ(venue.Frame(k)->Visible(), used);
      const bool sold = std::count(row.sold.begin(), row.sold.end(), k) > 0;
      EXPECT_EQ(venue.SoldMark(k)->Visible(), sold);
      if (!used) continue;
      const FramePlace& at = own.Places[k - 1];
      EXPECT_EQ(venue.Frame(k)->geometry(), QRect(at.Left, at.Top, own.Width, own.Height));
      EXPECT_EQ(venue.SoldMark(k)->geometry(), venue.Frame(k)->geometry());
      EXPECT_NEAR(FrameHue(venue.Frame(k)), (k - 1) * 40, 6) << "entry k-1 hangs in frame k";
    }
    // The screen is painted with the frames at window places: shown at its own
    // size from the corner, never scaled, or pictures miss their frames.
    ASSERT_FALSE(venue.Image17->Picture().isNull()) << own.Background;
    EXPECT_EQ(venue.Image17->geometry(), QRect(QPoint(0, 0), venue.Image17->Picture().size()));
    EXPECT_EQ(app.platform.MessageTexts(), Lines{"Start new game?"});
  }
}

// A lost file of Thursday's show is reported and leaves its frame empty, not
// with the stall's picture. Later ticks of the day build nothing (the clock's test).
TEST(SceneLayout, AMissingPictureLeavesItsFrameEmpty) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  EnterPictures(app, kVenueFlea, 4);  // Tuesday's stall hung other pictures in the same frames
  ArrangeFleaScene(g, app.forms());
  g.GameState.Pictures.clear();
  EnterPictures(app, kVenueLocal, 5);
  std::filesystem::remove(app.dir / "pictures" / "Pic 1.jpg");
  TickTo(app, 3 * 24);
  ASSERT_EQ(g.EventVenue, kVenueLocal);
  const Lines messages = app.platform.MessageTexts();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[1].find("Pic 1.jpg"), std::string::npos) << messages[1];
  TForm9& venue = *app.forms().Form9;
  EXPECT_NEAR(FrameHue(venue.Frame(5)), 160, 6);
  EXPECT_TRUE(venue.Frame(1)->Visible());
  EXPECT_EQ(FrameHue(venue.Frame(1)), -2);
}

}  // namespace
}  // namespace pictorio
