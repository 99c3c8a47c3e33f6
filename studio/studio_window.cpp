#include "studio/studio_window.h"

#include <QPainter>
#include <QPalette>
#include <QVBoxLayout>

#include "app/main_window.h"  // the studio holds the room's calendar item while it is open
#include "core/game.h"
#include "core/save_text.h"
#include "shop/stock_window.h"
#include "studio/artwork_files.h"
#include "studio/colour_picks.h"
#include "studio/load_artwork_dialog.h"
#include "studio/stroke_rules.h"
#include "studio/swatch.h"
#include "ui/canvas_view.h"
#include "ui/display_settings.h"
#include "ui/fonts.h"
#include "ui/forms.h"
#include "ui/info_bar.h"
#include "ui/picture_io.h"
#include "ui/screen_fit.h"
#include "ui/theme.h"
#include "venues/free_pictures.h"

namespace pictorio {
namespace {

constexpr int kColumnWidth = 124;
constexpr int kSwatchSide = 20;
constexpr int kSwatchPitch = 26;
constexpr int kButtonWidth = 112;

const char* const kNoPictureOpen = "no picture";

constexpr int kIconSide = 20;

// The brush a tool button shows, dark on its face whatever the tool's colour;
// the smallest brushes are enlarged pixel for pixel so their shape can be seen.
QIcon BrushIcon(Canvas& canvas, const char* brush) {
  const QImage* picture = canvas.BrushPicture(brush);
  if (!picture || picture->isNull()) return QIcon();
  const QColor ink(40, 30, 20);
  QImage shown = BrushStamp::FromPicture(*picture, ink).Image();
  // A brush with nothing dark in it (the eraser's near-white block) would
  // vanish on the button face: outline what it covers instead.
  QRect covered;
  bool anyDark = false;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb p = shown.pixel(x, y);
      if (qAlpha(p) == 0) continue;
      covered |= QRect(x, y, 1, 1);
      anyDark = anyDark || qGray(p) < 200;
    }
  if (!anyDark && !covered.isEmpty()) {
    QPainter painter(&shown);
    painter.setPen(ink);
    painter.drawRect(covered.adjusted(0, 0, -1, -1));
  }
  const int times = std::max(1, kIconSide / std::max(shown.width(), shown.height()));
  if (times > 1)
    shown = shown.scaled(shown.size() * times, Qt::KeepAspectRatio, Qt::FastTransformation);
  return QIcon(QPixmap::fromImage(shown));
}

}  // namespace

TForm2::TForm2(Game& g, Forms& f) : TFormBase(g, f, "Studio"), canvas(g) {
  // A full-screen room of its own, like the shop.
  SetRoomPlace(RoomPlace::Covering);
  setFont(GameFont(10, true));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  MainMenu1 = new QMenuBar(this);
  MainMenu1->setNativeMenuBar(false);
  layout->setMenuBar(MainMenu1);
  BuildMenus();
  const int sceneHeight = 600 - MainMenu1->sizeHint().height();
  auto* scene = new QWidget(this);
  scene->setFixedSize(800, sceneHeight);
  layout->addWidget(scene);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  Label1 = new QLabel("Picture Name:", scene);
  Label1->setGeometry(6, 4, kColumnWidth - 6, 20);
  Label2 = new QLabel(kNoPictureOpen, scene);
  Label2->setGeometry(6, 24, kColumnWidth - 6, 40);
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Image100 = new TCanvasView(canvas.Image(), scene);
  Image100->move(800 - Canvas::kWidth - 4, std::max(0, (sceneHeight - Canvas::kHeight) / 2));
  Image100->OnMouseDown = [this](Qt::MouseButton b, QPoint at) { Image100MouseDown(b, at); };
  Image100->OnMouseMove = [this](QPoint at) { Image100MouseMove(at); };
  Image100->OnMouseUp = [this](Qt::MouseButton b, QPoint at) { Image100MouseUp(b, at); };

  // The start hint lies over the middle of the canvas.
  const QRect hint = Image100->geometry();
  Label3 = new QLabel(scene);
  Label3->setFont(GameFont(16, true));
  Label3->setAlignment(Qt::AlignCenter);
  Label3->setGeometry(hint.left(), hint.center().y() - 40, hint.width(), 34);
  Label4 = new QLabel("or load an unfinished one", scene);
  Label4->setFont(GameFont(16, true));
  Label4->setAlignment(Qt::AlignCenter);
  Label4->setGeometry(hint.left(), hint.center().y(), hint.width(), 34);

  Label5 = new QLabel("0", scene);
  Label5->hide();
  Label9 = new QLabel("0", scene);
  Label9->hide();

  BuildToolPanels(scene);
  EmptyPastelButtons();
}

void TForm2::BuildMenus() {
  Picture1 = MainMenu1->addMenu("Picture");
  New1 = Picture1->addAction("New Picture");
  New1->setShortcut(QKeySequence::New);
  Load1 = Picture1->addAction("Load Picture");
  Load1->setShortcut(QKeySequence::Open);
  Save1 = Picture1->addAction("Save Picture");
  Save1->setShortcut(QKeySequence::Save);
  Picture1->addSeparator();
  Undo1 = Picture1->addAction("Undo stroke");
  Undo1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  Redo1 = Picture1->addAction("Redo stroke");
  Redo1->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  Picture1->addSeparator();
  Exit1 = Picture1->addAction("Exit");
  Style1 = MainMenu1->addMenu("Style");
  Pencil1 = Style1->addAction("Pencil");
  Charcoal1 = Style1->addAction("Charcoal");
  Pastel1 = Style1->addAction("Pastel");
  WaterColors1 = Style1->addAction("Water Colors");
  Oilpainting1 = Style1->addAction("Oil Painting");
  QAction* const styles[] = {Pencil1, Charcoal1, Pastel1, WaterColors1, Oilpainting1};
  for (int i = 0; i < 5; ++i)
    styles[i]->setShortcut(QKeySequence(QKeyCombination(Qt::CTRL, Qt::Key(Qt::Key_1 + i))));
  Options1 = MainMenu1->addMenu("Options");
  InfoBar1 = Options1->addAction("Info Bar");
  StockBar1 = Options1->addAction("Stock Winow");
  Options1->addSeparator();
  Smooth1 = Options1->addAction("Smooth strokes");
  Smooth1->setCheckable(true);
  Smooth1->setChecked(game.Settings.SmoothStrokes);
  Smooth1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  // The keys of the open panel's tools belong to the window, not to a menu.
  for (int n = 1; n <= 5; ++n) {
    auto* key = new QAction(this);
    key->setShortcut(QKeySequence(Qt::Key(Qt::Key_0 + n)));
    connect(key, &QAction::triggered, [this, n] { ToolKey(n); });
    addAction(key);
  }

  connect(New1, &QAction::triggered, [this] { New1Click(); });
  connect(Load1, &QAction::triggered, [this] { Load1Click(); });
  connect(Save1, &QAction::triggered, [this] { Save1Click(); });
  connect(Exit1, &QAction::triggered, [this] { Exit1Click(); });
  connect(Undo1, &QAction::triggered, [this] { Undo1Click(); });
  connect(Redo1, &QAction::triggered, [this] { Redo1Click(); });
  connect(Smooth1, &QAction::triggered, [this] { Smooth1Click(); });
  connect(Pencil1, &QAction::triggered, [this] { Pencil1Click(); });
  connect(Charcoal1, &QAction::triggered, [this] { Charcoal1Click(); });
  connect(Pastel1, &QAction::triggered, [this] { Pastel1Click(); });
  connect(WaterColors1, &QAction::triggered, [this] { WaterColors1Click(); });
  connect(Oilpainting1, &QAction::triggered, [this] { Oilpainting1Click(); });
  connect(InfoBar1, &QAction::triggered, [this] { InfoBar1Click(); });
  connect(StockBar1, &QAction::triggered, [this] { StockBar1Click(); });
  // Opening the Style menu puts the arrow back, so the menu is read with it.
  connect(Style1, &QMenu::aboutToShow, [this] { game.platform.SetScreenCursor(0); });
}

QPushButton* TForm2::ToolButton(QWidget* panel, int button, const char* caption, QRect at) {
  auto* b = new QPushButton(caption, panel);
  b->setGeometry(at);
  // Enter must not take up a tool the player did not click.
  b->setAutoDefault(false);
  if (const ToolEntry* tool = ToolForButton(button); tool && tool->kind != ToolKind::Pastel) {
    b->setIcon(BrushIcon(canvas, tool->brush));
    b->setIconSize(QSize(kIconSide, kIconSide));
  }
  connect(b, &QPushButton::clicked, [this, button] { BitBtnClick(button); });
  BitBtn[static_cast<std::size_t>(button)] = b;
  return b;
}

void TForm2::BuildToolPanels(QWidget* scene) {
  const QRect area(2, 66, kColumnWidth, scene->height() - 70);
  const auto panel = [&] {
    auto* p = new QWidget(scene);
    p->setGeometry(area);
    p->hide();
    return p;
  };
  const auto row = [](int top, int height) { return QRect(6, top, kButtonWidth, height); };

  Panel1 = panel();
  const char* pencils[] = {"HB Pencil", "H2 Pencil", "B2 Pencil", "Eraser"};
  for (int i = 0; i < 4; ++i) ToolButton(Panel1, 6 + i, pencils[i], row(8 + 48 * i, 40));

  Panel2 = panel();
  const char* charcoals[] = {"Fine", "Medium", "Thick"};
  for (int i = 0; i < 3; ++i) ToolButton(Panel2, 10 + i, charcoals[i], row(8 + 48 * i, 40));

  const auto swatches = [&](QWidget* p, int first) {
    for (int i = 0; i < 16; ++i) {
      const int k = first + i;
      auto* swatch = new TSwatch(kSwatchSide, kSwatchSide, p);
      swatch->move(8 + kSwatchPitch * (i % 4), 50 + kSwatchPitch * (i / 4));
      swatch->OnClick = [this, k] { ImageClick(k); };
      Image[static_cast<std::size_t>(k)] = swatch;
    }
  };
  const char* brushes[] = {"Big", "Round", "Flat", "Thin", "Fine"};

  Panel3 = panel();
  Label7 = new QLabel("None Selected", Panel3);
  Label7->setGeometry(row(6, 40));
  Label7->setWordWrap(true);
  swatches(Panel3, 1);
  const char* pastels[] = {"Select", "A", "Color"};
  for (int i = 0; i < 3; ++i) ToolButton(Panel3, 13 + i, pastels[i], row(164 + 52 * i, 46));

  Panel4 = panel();
  Label8 = new QLabel("None selected", Panel4);
  Label8->setGeometry(row(6, 40));
  Label8->setWordWrap(true);
  swatches(Panel4, 17);
  for (int i = 0; i < 5; ++i) ToolButton(Panel4, 1 + i, brushes[i], row(164 + 42 * i, 36));

  Panel5 = panel();
  Panel6 = new TSwatch(kButtonWidth - 2, 38, Panel5);
  Panel6->move(6, 6);
  Panel6->SetColour(Qt::black);
  const auto slider = [&](int x, const char* letter, const QColor& colour, QLabel** label) {
    *label = new QLabel(letter, Panel5);
    (*label)->setGeometry(x, 50, 30, 20);
    (*label)->setAlignment(Qt::AlignCenter);
    SetLabelColour(*label, colour);
    auto* s = new QSlider(Qt::Vertical, Panel5);
    s->setRange(0, 244);
    s->setTickPosition(QSlider::NoTicks);
    // Position 0 is at the top: a full tube with the slider pushed up.
    s->setInvertedAppearance(true);
    s->setInvertedControls(true);
    s->setGeometry(x, 72, 30, 170);
    connect(s, &QSlider::valueChanged, [this] { TrackBarChange(); });
    return s;
  };
  TrackBar1 = slider(8, "R", Qt::red, &Label6);
  TrackBar2 = slider(46, "B", Qt::blue, &Label11);
  TrackBar3 = slider(84, "G", QColor(0, 128, 0), &Label10);
  for (int i = 0; i < 5; ++i) ToolButton(Panel5, 16 + i, brushes[i], row(250 + 42 * i, 36));
}

void TForm2::SetLabelColour(QLabel* label, const QColor& colour) {
  // The label names a colour in that colour: what it shows, not how the game
  // looks; a pale one is deepened until it reads on the panel's paper.
  QPalette shown = label->palette();
  shown.setColor(QPalette::WindowText, ReadableOn(colour, label->palette().color(QPalette::Window)));
  label->setPalette(shown);
}

const QImage& TForm2::PictureOf(const std::string& relative) {
  auto found = pictures_.find(relative);
  if (found == pictures_.end())
    found = pictures_.emplace(relative, LoadPicture(AssetPath(game, relative))).first;
  return found->second;
}

void TForm2::EmptyPastelButtons() {
  const QImage& none = PictureOf("\\items\\none.bmp");
  const char* captions[] = {"Select", "A", "Color"};
  for (int i = 0; i < 3; ++i) {
    QPushButton* b = BitBtn[static_cast<std::size_t>(13 + i)];
    b->setText(captions[i]);
    b->setIcon(QIcon(QPixmap::fromImage(WithKeyTransparent(none))));
    b->setIconSize(none.isNull() ? QSize(16, 16) : none.size());
  }
}

bool TForm2::Build() {
  std::string error;
  if (BuildStamp(session, canvas, &error)) return true;
  game.platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
  return false;
}

// ----- the studio's life -----

void TForm2::FormShow() {
  Save1->setEnabled(false);
  session.PictureOpen = false;
  Style1->setEnabled(false);
  canvas.Fill(palette().color(QPalette::Button));
  Image100->update();
  Label3->show();
  Label4->show();
  session.PictureTitled = false;
  ResetBrush(session, canvas);
  Label2->setText(kNoPictureOpen);
  Label9->setText("0");
  const bool canvasInStock = game.GameState.Stock[kSlotCanvas].Units >= 1000;
  New1->setEnabled(canvasInStock);
  Label3->setText(canvasInStock ? "Create a new picture"
                                : "Buy some canvas to create a new picture");
  ClearActiveSlots(session);
  session.PictureValue = 0;
  session.PictureParts = {};
  session.PictureStyle = "z";
  ClearHistory();
  game.platform.RegisterCursor(kCursorPencil, "PENCIL");
  game.platform.RegisterCursor(kCursorCharcoal, "CHARCO");
  game.platform.RegisterCursor(kCursorEraser, "ERA");
  game.platform.RegisterCursor(kCursorBrush, "BRU");
  game.platform.RegisterCursor(kCursorPastel, "PASTA");
}

void TForm2::reject() {
  // Escape would close the studio without the save question Exit asks; the
  // studio is a room left through its menu.
}

void TForm2::FormClose() {
  // Closed with no game running (a hidden studio closed at the end of one),
  // the calendar stays as the game's end left it.
  if (forms.Form1 && game.GameRunning) forms.Form1->Calendar1->setEnabled(true);
  ResetPanels();
  ClearHistory();
  // The info bar goes back to floating above the room.
  FloatAbove(*forms.Form3, *forms.Room);
}

void TForm2::MarkPictureOpen() {
  session.PictureOpen = true;
  Style1->setEnabled(true);
  Save1->setEnabled(true);
  Label3->hide();
  Label4->hide();
}

void TForm2::New1Click() {
  // The item is disabled without a whole canvas; a stray call takes none either.
  if (game.GameState.Stock[kSlotCanvas].Units < 1000) return;
  if (!SaveBeforeLeaving()) return;
  MarkPictureOpen();
  canvas.Fill(QColor(250, 250, 250));
  Image100->update();
  session.PictureTitled = false;
  Label2->setText("(Not yet saved)");
  session.BrushName = "none";
  session.BrushColour = Qt::white;
  BuildStamp(session, canvas);
  stuffrec& stock = game.GameState.Stock[kSlotCanvas];
  stock.Units -= 1000;
  if (stock.Units < 1000) New1->setEnabled(false);
  forms.Form11->RefreshStockList();
  session.PictureValue = 0;
  session.PictureParts = {};
  session.PictureStyle = "z";
  ClearActiveSlots(session);
  ResetPanels();
  ClearHistory();
}

void TForm2::Save1Click() {
  SaveArtwork();
}

bool TForm2::SaveBeforeLeaving() {
  if (!session.PictureOpen || SaveArtwork()) return true;
  // The painting exists only on the canvas now, as a game that could not be
  // saved exists only in memory: leaving it is asked, not done.
  return game.platform.MessageDlg(
             "The picture was not saved. Do you want to leave it without saving?", MsgType::Warning,
             MsgButtons::YesNo) == ModalResult::Yes;
}

bool TForm2::SaveArtwork() {
  Platform& platform = game.platform;
  if (session.PictureTitled) {
    // The file already holds what the canvas shows.
    if (!session.StrokesUnsaved) return true;
    if (platform.MessageDlg(
            "Do you want to save the current artwork? (" + session.PictureTitle + ")",
            MsgType::Confirmation, MsgButtons::YesNo) != ModalResult::Yes)
      return true;
    std::string error;
    if (!WriteArtwork(game, session.PictureTitle, canvas.Image(), &error)) {
      platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
      return false;
    }
    if (picrec* record = StudioRecord(game.GameState, session.PictureTitle)) {
      record->Value = session.PictureValue;
      record->Kind = session.PictureStyle;
      BookResaved(game.Book, static_cast<int>(record - game.GameState.Pictures.data()),
                  session.PictureStyle, session.PictureValue, session.PictureParts);
    }
    session.StrokesUnsaved = false;
    return true;
  }

  std::string title;
  for (;;) {
    title = platform.InputBox("Save Artwork", "Please enter the name of the artwork", "");
    if (title.empty()) return true;
    // "PIC" would read as the start of a picture in the saved game.
    if (title == kPictureMarker) continue;
    if (const auto problem = ArtworkTitleProblem(title)) {
      platform.MessageDlg(*problem, MsgType::Warning, MsgButtons::Ok);
      continue;
    }
    if (ArtworkTitleTaken(game, title)) {
      platform.MessageDlg(TitleTakenWarning(title), MsgType::Warning, MsgButtons::Ok);
      continue;
    }
    break;
  }
  std::string error;
  if (!WriteArtwork(game, title, canvas.Image(), &error)) {
    platform.MessageDlg(error, MsgType::Error, MsgButtons::Ok);
    return false;
  }
  session.PictureTitle = title;
  TForm3& bar = *forms.Form3;
  who& state = game.GameState;
  AppendPictureEntry(bar.ListBox1.Items, title, session.PictureStyle, session.PictureValue);
  state.PictureCount = std::max(state.PictureCount, 0) + 1;
  SetPictureCountLine(bar.ListBox1.Items, state.PictureCount);
  ShowPictureCount(bar, state.PictureCount);
  state.Pictures.resize(static_cast<std::size_t>(state.PictureCount));
  bar.ListBox3.Add(title);
  session.PictureTitled = true;
  session.StrokesUnsaved = false;
  Label2->setText(QString::fromStdString(title));
  state.Pictures.back() = picrec{title, session.PictureStyle, session.PictureValue, false, false};
  BookPainted(game.Book, state.PictureCount - 1, title, session.PictureStyle, session.PictureValue,
              session.PictureParts, game.ElapsedHours);
  return true;
}

void TForm2::Load1Click() {
  ListFreePictures(game, forms);
  TForm7& dialog = *forms.Form7;
  const QString shownBefore = Label2->text();
  game.platform.ShowModal(dialog);
  if (dialog.ArtworkChosen) {
    const std::string title = dialog.ChosenTitle();
    const QImage picture = LoadPicture(PicturePath(game, title));
    if (picture.isNull()) {
      // The name shown stays the open picture's, not the one that failed.
      Label2->setText(shownBefore);
      game.platform.MessageDlg("The file '" + PicturePath(game, title) + "' could not be found.",
                               MsgType::Error, MsgButtons::Ok);
    } else {
      canvas.DrawPicture(picture);
      Image100->update();
      session.PictureTitle = title;
      session.PictureTitled = true;
      session.PictureValue = 0;
      session.PictureParts = {};
      if (const picrec* record = StudioRecord(game.GameState, title)) {
        session.PictureStyle = record->Kind;
        session.PictureValue = record->Value;
        // Painted before the game had its book, the worth's making is unknown.
        const BookPicture* entry = FindBookPicture(
            game.Book, static_cast<int>(record - game.GameState.Pictures.data()));
        if (entry) session.PictureParts = entry->Parts;
        else session.PictureParts[kWorthEarlier] = record->Value;
      }
      MarkPictureOpen();
      ResetPanels();
      ClearHistory();
    }
  }
  ClearActiveSlots(session);
  ResetBrush(session, canvas);
}

void TForm2::Exit1Click() {
  game.platform.SetScreenCursor(0);
  if (!SaveBeforeLeaving()) return;
  Close();
}

void TForm2::InfoBar1Click() {
  forms.Form3->Reopen();
}

void TForm2::StockBar1Click() {
  forms.Form11->RefreshStockList();
  forms.Form11->show();
}

// ----- panels and tools -----

void TForm2::ResetPanels() {
  for (QWidget* p : {Panel1, Panel2, Panel3, Panel4, Panel5}) p->hide();
  game.platform.SetScreenCursor(0);
  session.PastelBrush.clear();
  session.PastelReady = false;
  EmptyPastelButtons();
  session.PaintBrush.clear();
  session.ColourVariety = 0;
  session.ToolFactor = 0;
}

void TForm2::SetToolAvailability(int slot) {
  if (slot < 34 || slot > 53) return;
  const bool owned = game.GameState.Stock[slot].Owned;
  const auto button = [this](int n) { return BitBtn[static_cast<std::size_t>(n)]; };
  if (slot <= 37) {
    button(6 + slot - 34)->setEnabled(owned);
  } else if (slot == kSlotCharcoal) {
    for (int n = 10; n <= 12; ++n) button(n)->setEnabled(owned);
  } else if (slot <= 43) {
    button(1 + slot - 39)->setEnabled(owned);
  } else if (slot == kSlotPalette) {
    session.PaintReady = owned;
    if (!owned) {
      for (QWidget* w : std::initializer_list<QWidget*>{TrackBar1, TrackBar2, TrackBar3, Label6,
                                                        Label10, Label11})
        w->setEnabled(false);
      game.platform.MessageDlg("You need a palette to mix paint with", MsgType::Information,
                               MsgButtons::Ok);
    }
  } else if (slot == kSlotTurpentine) {
    if (!owned) {
      for (int n = 16; n <= 20; ++n) button(n)->setEnabled(false);
      game.platform.MessageDlg("You need turpentine to clean the brushes with",
                               MsgType::Information, MsgButtons::Ok);
    }
  } else if (slot == kSlotRedOil) {
    TrackBar1->setEnabled(owned);
    Label6->setEnabled(owned);
  } else if (slot == kSlotBlueOil) {
    TrackBar2->setEnabled(owned);
    Label11->setEnabled(owned);
  } else if (slot == kSlotGreenOil) {
    TrackBar3->setEnabled(owned);
    Label10->setEnabled(owned);
  } else {
    button(16 + slot - 49)->setEnabled(owned);
  }
}

void TForm2::ShowStyleWarning(const char* letter) {
  if (NeedsStyleWarning(session.PictureStyle, letter))
    game.platform.MessageDlg(kStyleWarning, MsgType::Warning, MsgButtons::Ok);
}

void TForm2::Pencil1Click() {
  ResetPanels();
  Panel1->show();
  for (int slot = 34; slot <= 37; ++slot) SetToolAvailability(slot);
  ResetBrush(session, canvas);
  ShowStyleWarning("p");
}

void TForm2::Charcoal1Click() {
  ResetPanels();
  SetToolAvailability(kSlotCharcoal);
  Panel2->show();
  ResetBrush(session, canvas);
  ShowStyleWarning("c");
}

void TForm2::Pastel1Click() {
  ResetPanels();
  RefreshPastelSwatches();
  Panel3->show();
  session.PastelReady = false;
  session.PastelBrush.clear();
  ResetBrush(session, canvas);
  ShowStyleWarning("t");
}

void TForm2::WaterColors1Click() {
  for (int slot = 39; slot <= 43; ++slot) SetToolAvailability(slot);
  ResetPanels();
  session.BrushSpread = 0;
  RefreshWaterSwatches();
  Panel4->show();
  ResetBrush(session, canvas);
  session.PaintBrush.clear();
  session.WaterColour = Qt::white;
  Label8->setText("None selected");
  SetLabelColour(Label8, Qt::black);
  ShowStyleWarning("w");
}

void TForm2::Oilpainting1Click() {
  for (int slot = 46; slot <= 53; ++slot) SetToolAvailability(slot);
  SetToolAvailability(kSlotPalette);
  SetToolAvailability(kSlotTurpentine);
  ResetPanels();
  for (QSlider* s : {TrackBar1, TrackBar2, TrackBar3}) s->setValue(244);
  Panel5->show();
  ResetBrush(session, canvas);
  ShowStyleWarning("o");
  session.ToolFactor = 1.0;
}

void TForm2::BitBtnClick(int button) {
  const ToolEntry* tool = ToolForButton(button);
  if (!tool) return;
  game.platform.SetScreenCursor(tool->cursor);
  ResetBrush(session, canvas);
  switch (tool->kind) {
    case ToolKind::Pencil:
      session.BrushName = tool->brush;
      if (!Build()) return;
      session.ActiveSlots[1] = tool->slot;
      ApplyToolStyle(session, "p");
      break;
    case ToolKind::Charcoal:
      session.BrushName = tool->brush;
      session.BrushColour = Qt::black;
      if (!Build()) return;
      session.ActiveSlots[1] = kSlotCharcoal;
      ApplyToolStyle(session, "c");
      break;
    case ToolKind::Pastel:
      if (!session.PastelReady) return;
      session.BrushName = tool->brush;
      session.ToolFactor = tool->factor;
      session.BrushColour = session.PastelColour;
      if (!Build()) return;
      session.PastelBrush = tool->brush;
      session.ActiveSlots[1] = session.PastelSlot;
      ApplyToolStyle(session, "t");
      break;
    case ToolKind::WaterColour:
      if (!session.PaintReady) return;
      session.BrushName = tool->brush;
      session.BrushColour = session.WaterColour;
      if (!Build()) return;
      session.PaintBrush = tool->brush;
      session.ActiveSlots[1] = session.WaterSlot;
      session.BrushSpread = tool->spread;
      ApplyToolStyle(session, "w");
      break;
    case ToolKind::Oil:
      if (!session.PaintReady) return;
      session.ToolFactor = tool->factor;
      session.PaintBrush = tool->brush;
      session.ActiveSlots[5] = tool->slot;
      MixOil();
      session.BrushSpread = tool->spread;
      ApplyToolStyle(session, "o");
      break;
  }
}

// ----- colours -----

void TForm2::RefreshSwatch(int k) {
  TSwatch& swatch = *Image[static_cast<std::size_t>(k)];
  if (game.GameState.Stock[k].Owned) {
    swatch.SetColour(game.ColourTable[k].Color);
    swatch.SetHint(game.ColourTable[k].Name);
    swatch.Tag = k;
  } else {
    swatch.SetPicture(PictureOf("\\items\\na.bmp"));
    swatch.SetHint("Not Avalible");
    swatch.Tag = -1;
    Label8->setText("None selected");
    SetLabelColour(Label8, Qt::black);
  }
}

void TForm2::RefreshPastelSwatches() {
  for (int k = 1; k <= 16; ++k) RefreshSwatch(k);
}

void TForm2::RefreshWaterSwatches() {
  for (int k = 17; k <= 32; ++k) RefreshSwatch(k);
}

void TForm2::ImageClick(int k) {
  if (k < 1 || k > 32) return;
  const int tag = Image[static_cast<std::size_t>(k)]->Tag;
  if (k <= 16)
    PickPastelColour(tag);
  else
    PickWaterColour(tag);
}

void TForm2::PickPastelColour(int tag) {
  if (tag < 1 || tag > 16) return;
  const ttcolx& colour = game.ColourTable[tag];
  Label7->setText(QString::fromStdString(colour.Name));
  SetLabelColour(Label7, colour.Color);
  const std::array<QImage, 3> faces =
      pictorio::PickPastelColour(session, canvas, tag, colour.Color);
  for (int i = 0; i < 3; ++i) {
    QPushButton* b = BitBtn[static_cast<std::size_t>(13 + i)];
    const QImage& face = faces[static_cast<std::size_t>(i)];
    b->setText("");
    b->setIcon(QIcon(QPixmap::fromImage(face)));
    b->setIconSize(face.size());
  }
}

void TForm2::PickWaterColour(int tag) {
  if (tag < 17 || tag > 32) return;
  const ttcolx& colour = game.ColourTable[tag];
  pictorio::PickWaterColour(session, canvas, tag, colour.Color);
  Label8->setText(QString::fromStdString(colour.Name));
  SetLabelColour(Label8, colour.Color);
}

void TForm2::TrackBarChange() {
  SetOilAmounts(session, TrackBar1->value(), TrackBar2->value(), TrackBar3->value());
  MixOil();
}

void TForm2::MixOil() {
  pictorio::MixOil(session, canvas, TrackBar1->isEnabled(), TrackBar2->isEnabled(),
                   TrackBar3->isEnabled());
  Panel6->SetColour(session.OilColour);
}

// ----- the stroke -----

void TForm2::Image100MouseDown(Qt::MouseButton, QPoint at) {
  session.Drawing = true;
  session.StrokeStamps = 0;
  history.BeginStroke(canvas.Image(), WorthOf(session));
  Image100->update(canvas.LayStamp(at.x(), at.y()));
  session.LastPoint = at;
  ++session.StrokeStamps;
  Label5->setNum(session.StrokeStamps);
}

void TForm2::Image100MouseMove(QPoint at) {
  if (!session.Drawing) return;
  // The stamps between two pointer positions are free: cost and worth count
  // the positions alone, so a picture costs and earns the same either way.
  if (game.Settings.SmoothStrokes) Image100->update(canvas.LayStampsBetween(session.LastPoint, at));
  Image100->update(canvas.LayStamp(at.x(), at.y()));
  session.LastPoint = at;
  ++session.StrokeStamps;
  Label5->setNum(session.StrokeStamps);
}

void TForm2::Image100MouseUp(Qt::MouseButton, QPoint) {
  if (session.BrushReady) {
    ConsumeStroke(session, game.GameState.Stock, session.StrokeStamps);
    forms.Form11->RefreshStockList();
    HandleExhaustion();
    AccrueValue(session);
    Label9->setText(QString::number(session.PictureValue));
  }
  if (session.Drawing && history.EndStroke(canvas.Image(), WorthOf(session)))
    session.StrokesUnsaved = true;
  ShowUndoItems();
  session.Drawing = false;
  session.StrokeStamps = 0;
}

// ----- undo and redo -----

void TForm2::Undo1Click() {
  StepHistory(true);
}

void TForm2::Redo1Click() {
  StepHistory(false);
}

void TForm2::StepHistory(bool back) {
  if (session.Drawing) return;
  const PictureWorth now = WorthOf(session);
  const std::optional<PictureWorth> worth =
      back ? history.Undo(canvas.Pixels(), now) : history.Redo(canvas.Pixels(), now);
  if (!worth) return;
  Image100->update();
  if (RestoreWorth(session, canvas, *worth)) game.platform.SetScreenCursor(0);
  Label9->setText(QString::number(session.PictureValue));
  session.StrokesUnsaved = true;
  ShowUndoItems();
  if (back && !game.UndoNoteShown) {
    game.UndoNoteShown = true;
    game.platform.MessageDlg(kUndoNote, MsgType::Information, MsgButtons::Ok);
  }
}

void TForm2::ShowUndoItems() {
  Undo1->setEnabled(history.CanUndo());
  Redo1->setEnabled(history.CanRedo());
}

void TForm2::ClearHistory() {
  history.Clear(WorthOf(session));
  session.StrokesUnsaved = false;
  ShowUndoItems();
}

// ----- keys and options -----

void TForm2::Smooth1Click() {
  game.Settings.SmoothStrokes = Smooth1->isChecked();
  StoreSettings(game.Settings);
}

void TForm2::ToolKey(int n) {
  // The panels' buttons, in the order each panel shows them.
  const std::pair<QWidget*, std::vector<int>> panels[] = {{Panel1, {6, 7, 8, 9}},
                                                          {Panel2, {10, 11, 12}},
                                                          {Panel3, {13, 14, 15}},
                                                          {Panel4, {1, 2, 3, 4, 5}},
                                                          {Panel5, {16, 17, 18, 19, 20}}};
  for (const auto& [panel, buttons] : panels) {
    if (panel->isHidden() || n < 1 || n > static_cast<int>(buttons.size())) continue;
    QPushButton* b = BitBtn[static_cast<std::size_t>(buttons[static_cast<std::size_t>(n - 1)])];
    if (b->isEnabled()) b->click();
  }
}

void TForm2::HandleExhaustion() {
  // Both ways out drop the tool, so only the first used-up slot is handled.
  const int s = FirstExhaustedSlot(session, game.GameState.Stock);
  if (s == 0) return;
  if (s <= 43) {
    SetToolAvailability(s);
    ResetBrush(session, canvas);
    RefreshPastelSwatches();
    session.PastelBrush.clear();
    session.PastelReady = false;
    RefreshWaterSwatches();
    session.PaintBrush.clear();
    session.PaintReady = false;
    EmptyPastelButtons();
    Label7->setText("None Selected");
    SetLabelColour(Label7, Qt::black);
  } else {
    Oilpainting1Click();
  }
}

}  // namespace pictorio
