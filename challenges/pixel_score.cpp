#include "challenges/pixel_score.h"

#include <cstdio>

namespace pictorio {

PixelCounts CountPixels(const QImage& area, QRgb target, QRgb paint) {
  PixelCounts counts;
  if (area.isNull()) return counts;
  const bool direct =
      area.format() == QImage::Format_RGB32 || area.format() == QImage::Format_ARGB32;
  const QImage rgb = direct ? area : area.convertToFormat(QImage::Format_RGB32);
  const QRgb wanted = target & 0xFFFFFFu;
  const QRgb painted = paint & 0xFFFFFFu;
  const int width = rgb.width();
  int targetCount = 0;
  int paintCount = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      const QRgb c = line[x] & 0xFFFFFFu;
      targetCount += c == wanted;
      paintCount += c == painted;
    }
  }
  counts.total = width * rgb.height();
  counts.target = targetCount;
  counts.paint = paintCount;
  return counts;
}

ChallengeScore ScoreCounts(const PixelCounts& before, const PixelCounts& after,
                           double penaltyFactor) {
  ChallengeScore score;
  const double targetBefore = before.target;
  const double otherBefore = before.Other();
  if (targetBefore > 0) score.coverPercent = (targetBefore - after.target) / targetBefore * 100.0;
  if (otherBefore > 0)
    score.overPercent =
        (static_cast<double>(after.paint) - targetBefore + after.target) / otherBefore * 100.0;
  score.penalty = score.overPercent * penaltyFactor;
  score.finalScore = score.coverPercent - score.penalty;
  return score;
}

std::string FormatPercent(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

std::string ResultDialogText(const ChallengeScore& score) {
  const std::string text = "Cover = " + FormatPercent(score.coverPercent) + "%\n\r" +
                           "Over penalty = " + FormatPercent(score.penalty) + "\n\r" +
                           "Final score = " + FormatPercent(score.finalScore) + "%\n\r";
  if (score.Won()) return text + "Your score is above the 80% mark. Well done.";
  return text + "Nice try.\n\r";
}

ChallengeClock::Step ChallengeClock::Tick() {
  Step step;
  if (countdown > 0) {
    --countdown;
    step.figure = std::to_string(countdown);
  }
  if (countdown == -1) {
    step.brushArrives = true;
    countdown = -2;
  }
  if (countdown == 0) {
    step.figure = "GO";
    step.go = true;
    countdown = -1;
  }
  if (countdown < -1) {
    --timeLeft;
    step.heading = "Time left:";
    step.figure = std::to_string(timeLeft);
  }
  step.timeUp = timeLeft == 0;
  return step;
}

}  // namespace pictorio
