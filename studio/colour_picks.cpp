#include "studio/colour_picks.h"

#include "studio/canvas.h"
#include "studio/stroke_rules.h"

namespace pictorio {

std::array<QImage, 3> PickPastelColour(StudioSession& session, Canvas& canvas, int k,
                                       const QColor& c) {
  std::array<QImage, 3> faces;
  session.BrushColour = c;
  for (int i = 0; i < 3; ++i) {
    session.BrushName = "pas" + std::to_string(i + 1);
    BuildStamp(session, canvas);
    faces[static_cast<std::size_t>(i)] = canvas.Stamp().Image();
  }
  ResetBrush(session, canvas);
  session.PastelColour = c;
  session.PastelReady = true;
  session.PastelSlot = k;
  if (!session.PastelBrush.empty()) {
    session.BrushName = session.PastelBrush;
    session.BrushColour = session.PastelColour;
    BuildStamp(session, canvas);
    session.ActiveSlots[1] = k;
  }
  session.ColourVariety += 0.1;
  return faces;
}

void PickWaterColour(StudioSession& session, Canvas& canvas, int k, const QColor& c) {
  ResetBrush(session, canvas);
  session.WaterColour = c;
  session.PaintReady = true;
  session.WaterSlot = k;
  if (!session.PaintBrush.empty()) {
    session.BrushName = session.PaintBrush;
    session.BrushColour = session.WaterColour;
    BuildStamp(session, canvas);
    session.ActiveSlots[1] = k;
  }
  session.ColourVariety += 0.1;
}

void SetOilAmounts(StudioSession& session, int redPosition, int bluePosition, int greenPosition) {
  session.OilRed = 245 - redPosition;
  session.OilBlue = 245 - bluePosition;
  session.OilGreen = 245 - greenPosition;
}

void MixOil(StudioSession& session, Canvas& canvas, bool redUsable, bool blueUsable,
            bool greenUsable) {
  // Each amount taken as a byte, as a colour value is.
  session.OilColour =
      QColor(session.OilRed & 0xff, session.OilGreen & 0xff, session.OilBlue & 0xff);
  if (!redUsable) session.OilRed = 0;
  if (!blueUsable) session.OilBlue = 0;
  if (!greenUsable) session.OilGreen = 0;
  if (session.OilRed <= 0 && session.OilGreen <= 0 && session.OilBlue <= 0) return;
  if (session.PaintBrush.empty()) return;
  session.BrushName = session.PaintBrush;
  session.BrushColour = session.OilColour;
  BuildStamp(session, canvas);
  session.ActiveSlots[4] = kSlotTurpentine;
  if (session.OilRed >= 1) session.ActiveSlots[1] = kSlotRedOil;
  if (session.OilBlue >= 1) session.ActiveSlots[2] = kSlotBlueOil;
  if (session.OilGreen >= 1) session.ActiveSlots[3] = kSlotGreenOil;
  session.RedShare = session.OilRed / 100.0;
  session.GreenShare = session.OilGreen / 100.0;
  session.BlueShare = session.OilBlue / 100.0;
}

}  // namespace pictorio
