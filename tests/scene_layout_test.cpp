// Dressing the venue window: background, frames at their places, the entered
// pictures in them and sold marks over what has been sold.
#include "simulation/scene_layout.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "support/test_app.h"
#include "ui/picture_io.h"
#include "venues/calendar_window.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

using Lines = std::vector<std::string>;

// Enters `count` pictures for a venue, each painted in its own colour.
void EnterPictures(TestApp& app, int venue, int count) {
  Game& g = app.game;
  for (int k = 0; k < count; ++k) {
    const std::string title = "Picture " + std::to_string(k + 1);
    QImage picture(60, 50, QImage::Format_RGB32);
    picture.fill(QColor::fromHsv(k * 40, 255, 200));
    ASSERT_TRUE(SaveJpeg(picture, (app.dir / "pictures" / (title + ".jpg")).string()));
    g.GameState.Pictures.push_back({title, "w", 12.0, true, false});
    g.Venues[venue].Entries[static_cast<std::size_t>(k)] = title;
  }
  g.GameState.PictureCount = static_cast<int>(g.GameState.Pictures.size());
  g.Venues[venue].Submitted = true;
}

// The hue of the middle of the picture a frame holds.
int FrameHue(const TImage* frame) {
  const QImage& picture = frame->Picture();
  if (picture.isNull()) return -2;
  return QColor(picture.pixel(picture.width() / 2, picture.height() / 2)).hsvHue();
}

TEST(SceneLayout, InternationalGalleryHangsEightFramesAtTheirPlaces) {
  TestApp app;
  app.StartNewGame();
  EnterPictures(app, kVenueInternational, 8);
  ArrangeExhibitionScene(app.game, app.forms(), kVenueInternational);

  TForm9& venue = *app.forms().Form9;
  const QPoint places[8] = {{121, 67},  {283, 66},  {446, 66},  {124, 203},
                            {447, 201}, {125, 334}, {284, 338}, {447, 337}};
  for (int k = 1; k <= 8; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(venue.Frame(k)->geometry(), QRect(places[k - 1], QSize(87, 74)));
    EXPECT_EQ(venue.SoldMark(k)->geometry(), venue.Frame(k)->geometry());
    EXPECT_TRUE(venue.Frame(k)->Visible());
    EXPECT_FALSE(venue.SoldMark(k)->Visible());
    EXPECT_NEAR(FrameHue(venue.Frame(k)), (k - 1) * 40, 6) << "entry k-1 hangs in frame k";
  }
  EXPECT_EQ(app.game.EntriesSold, 0);
  EXPECT_EQ(app.game.SceneImageWidth, 87);
  EXPECT_EQ(app.game.SceneImageHeight, 74);
  EXPECT_FALSE(venue.Image17->Picture().isNull()) << "\\screens\\s9.jpg";
  // The screen is painted with the frames at window places: it must be shown
  // at its own size from the corner, never scaled, or pictures miss their frames.
  EXPECT_EQ(venue.Image17->geometry(), QRect(QPoint(0, 0), venue.Image17->Picture().size()));
  EXPECT_EQ(app.platform.MessageTexts(), Lines{"Start new game?"});
}

TEST(SceneLayout, RearrangingShowsWhatWasSoldSoFar) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  TForm9& venue = *app.forms().Form9;
  // A bigger show first: its extra frames must not linger.
  EnterPictures(app, kVenueInternational, 8);
  ArrangeExhibitionScene(g, app.forms(), kVenueInternational);
  g.GameState.Pictures.clear();
  EnterPictures(app, kVenueLocal, 5);
  ArrangeExhibitionScene(g, app.forms(), kVenueLocal);
  EXPECT_EQ(g.EntriesSold, 0);

  g.GameState.Pictures[1].Gone = true;
  g.GameState.Pictures[3].Gone = true;
  ArrangeExhibitionScene(g, app.forms(), kVenueLocal);
  EXPECT_EQ(g.EntriesSold, 2);
  const std::vector<bool> marked{false, true, false, true, false, false, false, false};
  for (int k = 1; k <= 8; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(venue.SoldMark(k)->Visible(), marked[static_cast<std::size_t>(k - 1)]);
    EXPECT_EQ(venue.Frame(k)->Visible(), k <= 5);
    EXPECT_EQ(venue.Frame(k)->size(), QSize(98, 85));
    EXPECT_EQ(venue.SoldMark(k)->size(), QSize(98, 85));
  }
  EXPECT_EQ(venue.Frame(4)->pos(), QPoint(112, 227));
  EXPECT_EQ(venue.SoldMark(4)->pos(), QPoint(112, 227));
  EXPECT_FALSE(venue.SoldMark(4)->Picture().isNull()) << "\\design\\sold.png";
}

TEST(SceneLayout, TheFleaStallSizesOnlyItsOwnFourFrames) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  TForm9& venue = *app.forms().Form9;
  EnterPictures(app, kVenueNational, 6);
  ArrangeExhibitionScene(g, app.forms(), kVenueNational);
  g.GameState.Pictures.clear();
  EnterPictures(app, kVenueFlea, 4);
  g.GameState.Pictures[0].Gone = true;
  ArrangeFleaScene(g, app.forms());

  const QPoint places[4] = {{159, 145}, {403, 147}, {71, 324}, {312, 326}};
  for (int k = 1; k <= 4; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(venue.Frame(k)->geometry(), QRect(places[k - 1], QSize(100, 85)));
    EXPECT_EQ(venue.SoldMark(k)->geometry(), venue.Frame(k)->geometry());
    EXPECT_TRUE(venue.Frame(k)->Visible());
  }
  EXPECT_TRUE(venue.SoldMark(1)->Visible());
  EXPECT_FALSE(venue.SoldMark(2)->Visible());
  EXPECT_EQ(g.EntriesSold, 1);
  for (int k = 5; k <= 8; ++k) {
    EXPECT_FALSE(venue.Frame(k)->Visible());
    EXPECT_EQ(venue.Frame(k)->size(), QSize(87, 74)) << "left as the gallery sized it";
  }
  EXPECT_EQ(g.SceneImageWidth, 87);
  EXPECT_EQ(g.SceneImageHeight, 74);
  EXPECT_FALSE(venue.Image17->Picture().isNull()) << "\\screens\\s6.jpg";
}

TEST(SceneLayout, AMissingPictureIsReportedAndLeavesItsFrameEmpty) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  // Tuesday's stall hung other pictures in the same frames.
  EnterPictures(app, kVenueFlea, 4);
  ArrangeFleaScene(g, app.forms());
  g.GameState.Pictures.clear();
  EnterPictures(app, kVenueLocal, 5);
  std::filesystem::remove(app.dir / "pictures" / "Picture 1.jpg");
  g.ElapsedHours = 3 * 24 - 1;  // the tick brings Thursday, the local show
  app.main().Timer1Timer();
  const Lines messages = app.platform.MessageTexts();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[1].find("Picture 1.jpg"), std::string::npos) << messages[1];
  TForm9& venue = *app.forms().Form9;
  EXPECT_NEAR(FrameHue(venue.Frame(5)), 160, 6);
  EXPECT_TRUE(venue.Frame(1)->Visible());
  EXPECT_EQ(FrameHue(venue.Frame(1)), -2) << "empty, not the stall's picture";
}

TEST(SceneLayout, ATickOfTheSameDayReloadsNothing) {
  TestApp app;
  app.StartNewGame();
  Game& g = app.game;
  EnterPictures(app, kVenueLocal, 5);
  g.ElapsedHours = 3 * 24 - 1;  // the tick brings Thursday, the local show
  app.main().Timer1Timer();
  ASSERT_EQ(g.EventVenue, kVenueLocal);
  TForm9& venue = *app.forms().Form9;
  const qint64 background = venue.Image17->Picture().cacheKey();
  const qint64 frame = venue.Frame(1)->Picture().cacheKey();
  app.forms().Form4->SetDayList({"written on Thursday"});
  for (int i = 0; i < 10; ++i) app.main().Timer1Timer();
  EXPECT_EQ(venue.Image17->Picture().cacheKey(), background);
  EXPECT_EQ(venue.Frame(1)->Picture().cacheKey(), frame);
  EXPECT_EQ(app.forms().Form4->DayList(), Lines{"written on Thursday"});
  EXPECT_EQ(venue.Label6->text().toStdString(), "Hours Left: 12");
}

}  // namespace
}  // namespace pictorio
