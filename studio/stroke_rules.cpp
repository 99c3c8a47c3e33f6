#include "studio/stroke_rules.h"

#include <cmath>
#include <limits>

#include "studio/canvas.h"

namespace pictorio {
namespace {

constexpr ToolEntry kTools[20] = {
    {ToolKind::WaterColour, "b1", 39, "w", 0.0, 0.9, kCursorBrush},
    {ToolKind::WaterColour, "b2", 40, "w", 0.0, 1.0, kCursorBrush},
    {ToolKind::WaterColour, "b3", 41, "w", 0.0, 1.4, kCursorBrush},
    {ToolKind::WaterColour, "b4", 42, "w", 0.0, 1.6, kCursorBrush},
    {ToolKind::WaterColour, "b5", 43, "w", 0.0, 1.8, kCursorBrush},
    {ToolKind::Pencil, "p1", 34, "p", 0.0, 0.0, kCursorPencil},
    {ToolKind::Pencil, "p2", 35, "p", 0.0, 0.0, kCursorPencil},
    {ToolKind::Pencil, "p3", 36, "p", 0.0, 0.0, kCursorPencil},
    {ToolKind::Pencil, "e1", kSlotEraser, "p", 0.0, 0.0, kCursorEraser},
    {ToolKind::Charcoal, "c1", kSlotCharcoal, "c", 0.0, 0.0, kCursorCharcoal},
    {ToolKind::Charcoal, "c2", kSlotCharcoal, "c", 0.0, 0.0, kCursorCharcoal},
    {ToolKind::Charcoal, "c3", kSlotCharcoal, "c", 0.0, 0.0, kCursorCharcoal},
    {ToolKind::Pastel, "pa1", 0, "t", 1.0, 0.0, kCursorPastel},
    {ToolKind::Pastel, "pa2", 0, "t", 1.0, 0.0, kCursorPastel},
    {ToolKind::Pastel, "pa3", 0, "t", 1.0, 0.0, kCursorPastel},
    {ToolKind::Oil, "b1", 49, "o", 1.0, 0.9, kCursorBrush},
    {ToolKind::Oil, "b2", 50, "o", 1.2, 1.0, kCursorBrush},
    {ToolKind::Oil, "b3", 51, "o", 1.5, 1.2, kCursorBrush},
    {ToolKind::Oil, "b4", 52, "o", 1.8, 1.4, kCursorBrush},
    {ToolKind::Oil, "b5", 53, "o", 2.0, 1.6, kCursorBrush},
};

// Round to nearest, halves to even. A stroke on a brush with no spread set
// would divide by zero; it costs nothing rather than an undefined amount.
int RoundUnits(double x) {
  if (!std::isfinite(x)) return 0;
  constexpr double kMost = std::numeric_limits<int>::max();
  if (x >= kMost) return std::numeric_limits<int>::max();
  if (x <= -kMost) return -std::numeric_limits<int>::max();
  return static_cast<int>(std::nearbyint(x));
}

// Subtracts without wrapping past the smallest int.
void Take(stuffrec& slot, int units) {
  const long long left = static_cast<long long>(slot.Units) - units;
  slot.Units = left < std::numeric_limits<int>::min() ? std::numeric_limits<int>::min()
                                                      : static_cast<int>(left);
}

}  // namespace

const ToolEntry* ToolForButton(int button) {
  if (button < 1 || button > 20) return nullptr;
  return &kTools[button - 1];
}

bool BuildStamp(StudioSession& session, Canvas& canvas, std::string* error) {
  session.BrushReady = true;
  return canvas.BuildStamp(session.BrushName, session.BrushColour, error);
}

void ClearActiveSlots(StudioSession& session) {
  for (int& slot : session.ActiveSlots) slot = 0;
}

void ResetBrush(StudioSession& session, Canvas& canvas) {
  session.BrushName = "none";
  session.BrushColour = Qt::white;
  BuildStamp(session, canvas);
  ClearActiveSlots(session);
  session.BrushReady = false;
}

void ApplyToolStyle(StudioSession& session, const std::string& letter) {
  if (session.PictureStyle == letter || session.PictureStyle == "z") {
    session.PictureStyle = letter;
    return;
  }
  session.PictureStyle = "x";
  session.PictureValue = 0.01;
  session.PictureParts = {};
  session.PictureParts[kWorthMixedRule] = 0.01;
}

bool NeedsStyleWarning(const std::string& pictureStyle, const std::string& panelLetter) {
  return pictureStyle != panelLetter && pictureStyle != "z" && pictureStyle != "x";
}

void ConsumeStroke(const StudioSession& session, OneBased<stuffrec, kStockSlots>& stock,
                   int stamps) {
  const double n = stamps;
  for (int s : session.ActiveSlots) {
    if (s < 1 || s > kStockSlots) continue;
    int units = 0;
    if (s <= 16) {
      units = RoundUnits(n / 1.5);
    } else if (s <= 32) {
      units = RoundUnits(n / session.BrushSpread / 1.5);
    } else if (s >= 34 && s <= 36) {
      units = stamps / 4;
    } else if (s == kSlotCharcoal) {
      units = RoundUnits(n / 1.5);
    } else if (s == kSlotTurpentine) {
      units = 20;
    } else if (s == kSlotRedOil) {
      units = RoundUnits(n * session.RedShare / session.BrushSpread / 6);
    } else if (s == kSlotBlueOil) {
      units = RoundUnits(n * session.BlueShare / session.BrushSpread / 6);
    } else if (s == kSlotGreenOil) {
      units = RoundUnits(n * session.GreenShare / session.BrushSpread / 6);
    } else if (s >= 49 && s <= 53) {
      units = 5;
    }
    Take(stock[s], units);
  }
}

int FirstExhaustedSlot(const StudioSession& session, const OneBased<stuffrec, kStockSlots>& stock) {
  for (int s : session.ActiveSlots)
    if (s >= 1 && s <= kStockSlots && !stock[s].Owned) return s;
  return 0;
}

void AccrueValue(StudioSession& session) {
  const double k = session.StrokeStamps / 100.0;
  const bool mixed = session.PictureStyle == "x";
  for (int s : session.ActiveSlots) {
    const bool counts = (s >= 1 && s <= 32) || (s >= 34 && s <= 36) || s == kSlotCharcoal ||
                        (s >= kSlotRedOil && s <= kSlotGreenOil);
    if (!counts) continue;
    const WorthSource source = s <= 16                ? kWorthPastel
                               : s <= 32              ? kWorthWaterColour
                               : s <= 36              ? kWorthPencil
                               : s == kSlotCharcoal   ? kWorthCharcoal
                                                      : kWorthOil;
    double worth = 0.0;
    if (mixed) {
      worth = 0.01;
    } else if (s <= 16) {
      worth = 0.1 * session.ColourVariety * session.ToolFactor * k;
    } else if (s <= 32) {
      worth = 0.3 * session.ColourVariety * k;
    } else if (s <= 36) {
      worth = 0.05 * k;
    } else if (s == kSlotCharcoal) {
      worth = 0.1 * k;
    } else if (s == kSlotRedOil) {
      worth = (session.OilRed / 500.0) * k * session.ToolFactor;
    } else if (s == kSlotBlueOil) {
      worth = (session.OilBlue / 500.0) * k * session.ToolFactor;
    } else {
      worth = (session.OilGreen / 500.0) * k * session.ToolFactor;
    }
    session.PictureValue += worth;
    session.PictureParts[source] += worth;
  }
}

PictureWorth WorthOf(const StudioSession& session) {
  return {session.PictureStyle, session.PictureValue, session.PictureParts};
}

bool RestoreWorth(StudioSession& session, Canvas& canvas, const PictureWorth& worth) {
  const bool styleChanged = session.PictureStyle != worth.Style;
  session.PictureStyle = worth.Style;
  session.PictureValue = worth.Value;
  session.PictureParts = worth.Parts;
  if (styleChanged) ResetBrush(session, canvas);
  return styleChanged;
}

}  // namespace pictorio
