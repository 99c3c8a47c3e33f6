#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

class QApplication;
class QFrame;
class QWidget;

namespace pictorio {

// The game's one look: warm parchment colours, the serif game font and one
// style sheet, set once on the application so that every window, dialog,
// message box, input box, menu and button inherits it. Windows never carry
// styling of their own; where a widget needs a special dress it gets a "look"
// (SetLook) and the style sheet below describes it.
void ApplyGameTheme(QApplication& app);

// The colours of the look, for code that paints (swatch frames, picture keys).
namespace theme {
inline const QColor kParchment{243, 228, 196};  // window backgrounds
inline const QColor kCream{255, 250, 238};      // inside text boxes and lists
inline const QColor kButton{246, 234, 210};
inline const QColor kInk{59, 36, 18};       // text
inline const QColor kWood{122, 82, 48};     // borders and highlights
inline const QColor kFaded{160, 140, 120};  // disabled text
}  // namespace theme

QPalette GamePalette();
QString GameStyleSheet();

// The special dresses of the style sheet.
namespace look {
inline constexpr const char* kPanel = "panel";      // a framed card laid over a scene
inline constexpr const char* kSpeech = "speech";    // a framed text box over a scene
inline constexpr const char* kOnPaper = "onpaper";  // text written straight on a painted paper
inline constexpr const char* kSwatchFrame = "swatchframe";
inline constexpr const char* kOfferCue = "offercue";  // lights up a buyer's offer
}  // namespace look

// `colour`, darkened as little as it takes to be read on `paper` (a contrast
// of at least 2.5 : 1); a colour that already reads comes back as it is.
QColor ReadableOn(const QColor& colour, const QColor& paper);

// Gives a widget one of the dresses above; call before the widget is shown.
void SetLook(QWidget& widget, const char* look);

// Draws a thin frame around a colour swatch, outside the colour itself, so
// that white and cream read against a cream panel. The frame is a sibling
// lying just under the swatch; it follows the swatch's place and visibility.
QFrame* FrameSwatch(QWidget& swatch);

}  // namespace pictorio
