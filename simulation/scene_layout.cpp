#include "simulation/scene_layout.h"

#include "core/game.h"
#include "studio/artwork_files.h"
#include "ui/forms.h"
#include "venues/venue_window.h"

namespace pictorio {
namespace {

void LoadOrReport(Game& game, TImage& image, const std::string& nativePath) {
  std::string error;
  if (image.LoadFromFile(nativePath, &error)) return;
  // Left as it was, the place would show what hung there at an earlier event.
  image.SetPicture(QImage());
  game.platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
}

void HideAll(TForm9& venue) {
  for (int k = 1; k <= 8; ++k) {
    venue.Frame(k)->hide();
    venue.SoldMark(k)->hide();
  }
}

// Background, frame places and pictures; the sizes are set by the caller.
void HangPictures(Game& game, TForm9& venue, int v) {
  const SceneLayoutRow& layout = SceneLayout[v - 1];
  LoadOrReport(game, *venue.Image17, AssetPath(game, layout.Background));
  const std::vector<std::string>& entries = game.Venues[v].Entries;
  for (int k = 1; k <= layout.Frames; ++k) {
    const FramePlace& at = layout.Places[k - 1];
    venue.Frame(k)->move(at.Left, at.Top);
    venue.SoldMark(k)->move(at.Left, at.Top);
    venue.Frame(k)->show();
  }
  for (int k = 1; k <= layout.Frames; ++k) {
    const std::string& title = entries[static_cast<std::size_t>(k - 1)];
    // A submitted venue has every place filled; an empty one has no file to show.
    if (!title.empty()) LoadOrReport(game, *venue.Frame(k), PicturePath(game, title));
  }
}

// Pictures of entry k (1..n) of venue v that are sold.
int SoldPicturesOfEntry(const Game& game, int v, int k) {
  const std::string& title = game.Venues[v].Entries[static_cast<std::size_t>(k - 1)];
  if (title.empty()) return 0;
  int sold = 0;
  for (const picrec& picture : game.GameState.Pictures)
    if (picture.Title == title && picture.Gone) ++sold;
  return sold;
}

void MarkSoldEntries(Game& game, TForm9& venue, int v) {
  game.EntriesSold = 0;
  for (int k = 1; k <= SceneLayout[v - 1].Frames; ++k) {
    const int sold = SoldPicturesOfEntry(game, v, k);
    if (sold > 0) venue.SoldMark(k)->show();
    game.EntriesSold += sold;
  }
}

}  // namespace

int SoldEntries(const Game& game, int v) {
  if (v < kVenueFlea || v > kVenueInternational) return 0;
  int sold = 0;
  for (int k = 1; k <= SceneLayout[v - 1].Frames; ++k) sold += SoldPicturesOfEntry(game, v, k);
  return sold;
}

void ArrangeExhibitionScene(Game& game, Forms& forms, int v) {
  if (v < kVenueLocal || v > kVenueInternational) return;
  TForm9& venue = *forms.Form9;
  HideAll(venue);
  const SceneLayoutRow& layout = SceneLayout[v - 1];
  game.SceneImageWidth = layout.Width;
  game.SceneImageHeight = layout.Height;
  for (int k = 1; k <= 8; ++k) {
    venue.Frame(k)->resize(layout.Width, layout.Height);
    venue.SoldMark(k)->resize(layout.Width, layout.Height);
  }
  HangPictures(game, venue, v);
  MarkSoldEntries(game, venue, v);
}

void ArrangeFleaScene(Game& game, Forms& forms) {
  TForm9& venue = *forms.Form9;
  HideAll(venue);
  const SceneLayoutRow& layout = SceneLayout[kVenueFlea - 1];
  for (int k = 1; k <= layout.Frames; ++k) {
    venue.Frame(k)->resize(layout.Width, layout.Height);
    venue.SoldMark(k)->resize(layout.Width, layout.Height);
  }
  HangPictures(game, venue, kVenueFlea);
  MarkSoldEntries(game, venue, kVenueFlea);
}

}  // namespace pictorio
