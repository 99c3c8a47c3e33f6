#pragma once

#include <QColor>
#include <QImage>
#include <array>

#include "studio/studio_session.h"

namespace pictorio {

class Canvas;

// Picks pastel k (1..16) in colour c: builds the faces of the three pastel
// buttons ("pas1".."pas3" in c), takes the pastel up for the pastel button
// already used, and adds 0.1 to ColourVariety. The faces come back for the buttons.
std::array<QImage, 3> PickPastelColour(StudioSession& session, Canvas& canvas, int k,
                                       const QColor& c);

// Picks water colour k (17..32) in colour c, for the brush already in hand.
void PickWaterColour(StudioSession& session, Canvas& canvas, int k, const QColor& c);

// The three sliders, 0 at the top: the amounts are 245 less their positions.
void SetOilAmounts(StudioSession& session, int redPosition, int bluePosition, int greenPosition);

// Forms OilColour from the amounts, then zeroes the amount of every tube that
// cannot be used (its slider is disabled). With some paint left and an oil
// brush in hand, rebuilds the stamp and draws on the tubes and the turpentine.
void MixOil(StudioSession& session, Canvas& canvas, bool redUsable, bool blueUsable,
            bool greenUsable);

}  // namespace pictorio
