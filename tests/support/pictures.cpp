#include "support/pictures.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "core/save_text.h"
#include "simulation/scene_layout.h"
#include "support/test_app.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "ui/picture_io.h"
#include "venues/venue_window.h"

namespace pictorio {

void AddPicture(TestApp& app, const std::string& title, double value, int hue) {
  QImage picture(80, 60, QImage::Format_RGB32);
  picture.fill(QColor::fromHsv(hue, 200, 210));
  ASSERT_TRUE(SaveJpeg(picture, (app.dir / "pictures" / (title + ".jpg")).string()));
  who& state = app.game.GameState;
  state.Pictures.push_back({title, "p", value, false, false});
  state.PictureCount = static_cast<int>(state.Pictures.size());
  TStringList& text = app.forms().Form3->ListBox1;
  text.Add(std::string(kPictureMarker));
  text.Add(title);
  text.Add("p");
  text.Add(FormatSaveFloat(value));
  text.Add(FormatSaveBool(false));
  text.Add(FormatSaveBool(false));
}

void EnterPictures(TestApp& app, int venue, int count, double value) {
  Game& g = app.game;
  for (int k = 0; k < count; ++k) {
    const std::string title = "Pic " + std::to_string(k + 1);
    AddPicture(app, title, value, k * 40);
    g.GameState.Pictures.back().AtVenue = true;
    g.Venues[venue].Entries[static_cast<std::size_t>(k)] = title;
  }
  g.Venues[venue].Submitted = true;
}

TForm9& OpenVenue(TestApp& app, int v, int count, double value, int reputation) {
  if (!app.game.GameRunning) app.StartNewGame();
  Game& g = app.game;
  g.MusicOn = false;
  g.GameState.Reputation = reputation;
  EnterPictures(app, v, count, value);
  g.EventVenue = g.TodayVenue = v;
  if (v == kVenueFlea)
    ArrangeFleaScene(g, app.forms());
  else
    ArrangeExhibitionScene(g, app.forms(), v);
  TForm9& venue = *app.forms().Form9;
  app.platform.randoms = {0};  // the first wait: 31 ticks at reputation 0
  venue.show();
  return venue;
}

void NextBuyer(TestApp& app, TForm9& venue, int entry, int offer, int face) {
  venue.buyerWaitTicks = 1;
  app.platform.randomCalls.clear();
  // The passer-by at the wait's last tick, then the buyer, then the next wait.
  app.platform.randoms = {0, 0, entry, offer, face, 0, 0};
  venue.Timer1Timer();
}

}  // namespace pictorio
