#pragma once

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <array>
#include <map>
#include <string>

#include "studio/canvas.h"
#include "studio/stroke_history.h"
#include "studio/studio_session.h"
#include "ui/form_base.h"

namespace pictorio {

class TCanvasView;
class TSwatch;

// The studio: the player paints on a canvas with tools taken from stock,
// picks and mixes colours, and saves and loads artworks.
class TForm2 : public TFormBase {
  Q_OBJECT
 public:
  TForm2(Game& game, Forms& forms);

  // Menu commands.
  void New1Click();
  void Load1Click();
  void Save1Click();
  void Exit1Click();
  void Undo1Click();
  void Redo1Click();
  void Smooth1Click();
  void Pencil1Click();
  void Charcoal1Click();
  void Pastel1Click();
  void WaterColors1Click();
  void Oilpainting1Click();
  void InfoBar1Click();
  void StockBar1Click();
  // Keys 1..5 take up the open panel's tools in the order they are shown.
  void ToolKey(int n);

  // A tool button, 1..20 (BitBtn1..BitBtn20).
  void BitBtnClick(int button);
  // A colour image, 1..32: pastels 1..16, water colours 17..32.
  void ImageClick(int k);
  void TrackBarChange();

  // The stroke, in canvas points.
  void Image100MouseDown(Qt::MouseButton button, QPoint at);
  void Image100MouseMove(QPoint at);
  void Image100MouseUp(Qt::MouseButton button, QPoint at);

  // False only when the picture could not be written: a No or a cancelled
  // title is the player's choice and leaves nothing to keep.
  bool SaveArtwork();
  // Offers to save the open picture before Exit or New Picture leave it;
  // false when it could not be saved and the player stays with it.
  bool SaveBeforeLeaving();
  void MarkPictureOpen();
  void ResetPanels();
  void SetToolAvailability(int slot);
  void RefreshSwatch(int k);
  void RefreshPastelSwatches();
  void RefreshWaterSwatches();
  void PickPastelColour(int tag);
  void PickWaterColour(int tag);
  void MixOil();
  // Escape: ignored.
  void reject() override;

  StudioSession session;
  Canvas canvas;
  StrokeHistory history;

  QMenuBar* MainMenu1;
  QMenu* Picture1;
  QAction* New1;
  QAction* Load1;
  QAction* Save1;
  QAction* Undo1;
  QAction* Redo1;
  QAction* Exit1;
  QMenu* Style1;
  QAction* Pencil1;
  QAction* Charcoal1;
  QAction* Pastel1;
  QAction* WaterColors1;
  QAction* Oilpainting1;
  QMenu* Options1;
  QAction* InfoBar1;
  QAction* StockBar1;
  QAction* Smooth1;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;  // stamps of the stroke, never shown
  QLabel* Label9;  // worth of the picture, never shown
  TCanvasView* Image100;

  QWidget* Panel1;
  QWidget* Panel2;
  QWidget* Panel3;
  QWidget* Panel4;
  QWidget* Panel5;
  std::array<QPushButton*, 21> BitBtn{};  // 1..20
  std::array<TSwatch*, 33> Image{};       // 1..32
  QLabel* Label7;
  QLabel* Label8;
  QSlider* TrackBar1;  // red
  QSlider* TrackBar2;  // blue
  QSlider* TrackBar3;  // green
  QLabel* Label6;
  QLabel* Label10;
  QLabel* Label11;
  TSwatch* Panel6;  // the mixed oil colour

 protected:
  void FormShow() override;
  void FormClose() override;

 private:
  void BuildMenus();
  void BuildToolPanels(QWidget* scene);
  QPushButton* ToolButton(QWidget* panel, int button, const char* caption, QRect at);
  bool Build();
  void ShowStyleWarning(const char* letter);
  void EmptyPastelButtons();
  void SetLabelColour(QLabel* label, const QColor& colour);
  void HandleExhaustion();
  void StepHistory(bool back);
  void ShowUndoItems();
  void ClearHistory();
  const QImage& PictureOf(const std::string& relative);

  std::map<std::string, QImage> pictures_;  // item pictures, read once
};

}  // namespace pictorio
