#pragma once

namespace pictorio {

struct Game;
struct Forms;

struct FramePlace {
  int Left;
  int Top;
};

// How the venue window is dressed for one venue: background, frame size and
// where each picture hangs (its sold mark lies exactly over it).
struct SceneLayoutRow {
  const char* Background;
  int Frames;
  int Width;
  int Height;
  FramePlace Places[8];
};

// Indexed by venue number - 1.
inline constexpr SceneLayoutRow SceneLayout[4] = {
    {"\\screens\\s6.jpg", 4, 100, 85, {{159, 145}, {403, 147}, {71, 324}, {312, 326}}},
    {"\\screens\\s7.jpg", 5, 98, 85, {{111, 68}, {269, 67}, {429, 68}, {112, 227}, {431, 224}}},
    {"\\screens\\s8.jpg",
     6,
     87,
     74,
     {{104, 129}, {270, 128}, {437, 130}, {103, 264}, {270, 266}, {438, 269}}},
    {"\\screens\\s9.jpg",
     8,
     87,
     74,
     {{121, 67}, {283, 66}, {446, 66}, {124, 203}, {447, 201}, {125, 334}, {284, 338}, {447, 337}}},
};

// Dresses the venue window for a gallery exhibition (venue 2, 3 or 4) and
// recounts the entries already sold. Only prepares the window; does not show it.
void ArrangeExhibitionScene(Game& game, Forms& forms, int venue);

// The same for the flea market stall; the gallery picture size is left alone.
void ArrangeFleaScene(Game& game, Forms& forms);

// The entries of venue v already sold, as the scene counts them into EntriesSold.
int SoldEntries(const Game& game, int venue);

}  // namespace pictorio
