#pragma once

#include <QImage>
#include <string>

namespace pictorio {

// What a count of the drawing area finds. Colours are compared exactly, on
// their red, green and blue only.
struct PixelCounts {
  int total = 0;
  int target = 0;  // pixels of the colour to be covered
  int paint = 0;   // pixels of the paint colour
  int Other() const { return total - target; }
};

// One pass over the picture's scan lines.
PixelCounts CountPixels(const QImage& area, QRgb target, QRgb paint);

struct ChallengeScore {
  double coverPercent = 0.0;
  double overPercent = 0.0;
  double penalty = 0.0;  // overPercent x the kind's penalty factor
  double finalScore = 0.0;
  bool Won() const { return finalScore >= 80.0; }
};

// How much of the target was painted over, against how much paint went
// beyond it. Paint of the right colour that a template already has outside
// its target counts against the player. A template without target pixels or
// without any other pixels scores that share as 0 rather than dividing by zero.
ChallengeScore ScoreCounts(const PixelCounts& before, const PixelCounts& after,
                           double penaltyFactor);

// Fixed notation with two decimals, as the results are shown.
std::string FormatPercent(double value);

// The result dialog's text for a score that does not bring a prize: the win
// line when the trophy is already on the rack, "Nice try." otherwise. Lines
// are separated by line feed and carriage return.
std::string ResultDialogText(const ChallengeScore& score);

// The countdown and the painting time, one step per second: 3, 2, 1, GO, then
// the brush arrives with the first time left, which is the limit minus 1.
struct ChallengeClock {
  int countdown = 0;
  int timeLeft = 0;

  void Start(int timeLimit) {
    countdown = 3;
    timeLeft = timeLimit;
  }

  struct Step {
    std::string heading;  // "Time left:" once painting runs; empty leaves it
    std::string figure;   // the number or "GO"; empty leaves it
    bool go = false;      // play the start signal
    bool brushArrives = false;
    bool timeUp = false;
  };
  Step Tick();
};

}  // namespace pictorio
