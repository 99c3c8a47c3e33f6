#pragma once

#include <string>

#include "core/game_state.h"
#include "studio/stroke_history.h"
#include "studio/studio_session.h"

namespace pictorio {

class Canvas;

// Cursor numbers the studio registers its tool cursors under.
inline constexpr int kCursorPencil = 1;
inline constexpr int kCursorCharcoal = 2;
inline constexpr int kCursorEraser = 3;
inline constexpr int kCursorBrush = 4;
inline constexpr int kCursorPastel = 5;

// Stock slots the studio draws on.
inline constexpr int kSlotEraser = 37;
inline constexpr int kSlotCharcoal = 38;
inline constexpr int kSlotPalette = 44;
inline constexpr int kSlotTurpentine = 45;
inline constexpr int kSlotRedOil = 46;
inline constexpr int kSlotBlueOil = 47;
inline constexpr int kSlotGreenOil = 48;

enum class ToolKind { Pencil, Charcoal, Pastel, WaterColour, Oil };

// One of the twenty tool buttons (BitBtn1..BitBtn20).
struct ToolEntry {
  ToolKind kind;
  const char* brush;
  int slot;  // pencils, eraser, charcoal: the slot drawn on; oil: the brush's slot
  const char* letter;
  double factor;  // pastel and oil
  double spread;  // water colour and oil
  int cursor;
};
// Nothing for a number outside 1..20.
const ToolEntry* ToolForButton(int button);

// BuildStamp: the stamp of BrushName in BrushColour; BrushReady becomes true
// even when the brush picture cannot be read (the old stamp stays then).
bool BuildStamp(StudioSession& session, Canvas& canvas, std::string* error = nullptr);
// No tool in hand: the "none" brush in white, no slots, nothing costs or earns.
void ResetBrush(StudioSession& session, Canvas& canvas);
void ClearActiveSlots(StudioSession& session);

// The first tool fixes the picture's style; a tool of another style makes it
// a mixed picture worth 0.01, and every later tool on it sets 0.01 again.
void ApplyToolStyle(StudioSession& session, const std::string& letter);
// Opening a panel of another style than the picture's warns the player.
bool NeedsStyleWarning(const std::string& pictureStyle, const std::string& panelLetter);
inline constexpr const char* kStyleWarning =
    "Using different styles on one canvas will severely reduce the value of the picture!";

// Takes a stroke of `stamps` stamps from the stock of every active slot. Units
// may go below zero; retiring used-up slots is the stock list's business.
void ConsumeStroke(const StudioSession& session, OneBased<stuffrec, kStockSlots>& stock,
                   int stamps);
// The first active slot, in order, that is no longer owned; 0 when none.
int FirstExhaustedSlot(const StudioSession& session, const OneBased<stuffrec, kStockSlots>& stock);
// Adds the worth of the stroke just ended (StrokeStamps) to PictureValue.
void AccrueValue(StudioSession& session);

PictureWorth WorthOf(const StudioSession& session);
// Undo and redo give the picture back a worth. When its style changes the
// tool in hand is put down: taken up under the other style, it would go on
// earning across styles without the picture being mixed. True then.
bool RestoreWorth(StudioSession& session, Canvas& canvas, const PictureWorth& worth);

inline constexpr const char* kUndoNote =
    "Undoing a stroke takes it off the canvas, but the paint it used stays used.";

}  // namespace pictorio
