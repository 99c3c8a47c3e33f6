#pragma once

#include <QColor>
#include <QPoint>
#include <string>

#include "core/career_book.h"
#include "core/one_based.h"

namespace pictorio {

// The studio's working state: the open picture, the tool in hand and the
// colour choices. It lives as long as the program; the studio window sets its
// parts back each time it opens.
struct StudioSession {
  bool PictureOpen = false;
  bool PictureTitled = false;
  std::string PictureTitle;
  // "z" fresh, "p" pencil, "c" charcoal, "t" pastel, "w" water colour, "o" oil, "x" mixed.
  std::string PictureStyle = "z";
  double PictureValue = 0.0;
  // PictureValue by where it came from, for the career book.
  WorthParts PictureParts{};

  bool Drawing = false;
  int StrokeStamps = 0;
  QPoint LastPoint;  // the stroke's latest pointer position, for smooth strokes
  // Strokes were laid, undone or redone since the picture was last saved or opened.
  bool StrokesUnsaved = false;
  std::string BrushName = "none";
  QColor BrushColour = Qt::white;
  bool BrushReady = false;
  // The stock slots a stroke draws on; 0 is an empty entry.
  OneBased<int, 5> ActiveSlots{};
  double ToolFactor = 0.0;
  double BrushSpread = 0.0;
  double ColourVariety = 0.0;

  bool PastelReady = false;
  QColor PastelColour = Qt::white;
  int PastelSlot = 0;
  std::string PastelBrush;
  bool PaintReady = false;
  QColor WaterColour = Qt::white;
  int WaterSlot = 0;
  std::string PaintBrush;

  int OilRed = 0;
  int OilGreen = 0;
  int OilBlue = 0;
  QColor OilColour = Qt::black;
  double RedShare = 0.0;
  double GreenShare = 0.0;
  double BlueShare = 0.0;
};

}  // namespace pictorio
