// The studio as the player meets it: opened from the easel, painting with the
// mouse, tools and colours taken from stock, undo, and artworks saved and loaded.
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>
#include <sys/stat.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/main_window.h"
#include "app/saved_games.h"
#include "core/save_text.h"
#include "simulation/notice_window.h"
#include "studio/canvas.h"
#include "studio/load_artwork_dialog.h"
#include "studio/stroke_rules.h"
#include "studio/studio_window.h"
#include "studio/swatch.h"
#include "support/test_app.h"
#include "ui/canvas_view.h"
#include "ui/info_bar.h"
#include "ui/picture_io.h"

namespace fs = std::filesystem;

namespace pictorio {
namespace {

const QRgb kFresh = qRgb(250, 250, 250);

// A running game with `canvasUnits` of canvas, and the studio opened from the easel.
struct Studio {
  TestApp app;
  TForm2* studio = nullptr;
  explicit Studio(int canvasUnits = 3000) {
    app.StartNewGame("Painter");
    Own(kSlotCanvas, canvasUnits);
    app.main().paint1Click();
    studio = app.forms().Form2;
    app.platform.messages.clear();  // only what the studio says from here on
    app.platform.inputCaptions.clear();
  }
  TForm2& s() { return *studio; }
  void Own(int slot, int units = 1000) {
    app.game.GameState.Stock[slot].Owned = units > 0;
    app.game.GameState.Stock[slot].Units = units;
  }
  int Units(int slot) const { return app.game.GameState.Stock[slot].Units; }
  // A stroke of `stamps` stamps from (x, y) to the right, one pixel apart.
  void Stroke(int x, int y, int stamps = 1) {
    s().Image100MouseDown(Qt::LeftButton, QPoint(x, y));
    for (int i = 1; i < stamps; ++i) s().Image100MouseMove(QPoint(x + i, y));
    s().Image100MouseUp(Qt::LeftButton, QPoint(x + stamps - 1, y));
  }
  QRgb Pixel(int x, int y) const { return studio->canvas.Image().pixel(x, y); }
  Lines& Text() { return app.forms().Form3->ListBox1.Items; }
  fs::path PictureFile(const std::string& title) const {
    return app.dir / "pictures" / (title + ".jpg");
  }
  void SaveAs(const std::string& title) {
    app.platform.inputs.push_back(title);
    s().Save1Click();
  }
  // The Load Artwork dialog: choose the `item`th title and press Ok.
  void LoadItem(int item) {
    app.platform.modalScripts.push_back([item](QDialog& window) {
      auto& dialog = dynamic_cast<TForm7&>(window);
      dialog.ComboBox1->setCurrentIndex(item);
      dialog.Button1Click();
    });
    s().Load1Click();
  }
};

// A new picture with a tool of each style in hand: what is owned, the panel,
// the colour picked (0: none) and the tool's button.
struct StyleInHand {
  const char* name;
  std::vector<int> owned;
  void (TForm2::*panel)();
  int colour;
  int button;
};
const StyleInHand kEveryStyle[] = {
    {"pencil", {34}, &TForm2::Pencil1Click, 0, 6},
    {"charcoal", {kSlotCharcoal}, &TForm2::Charcoal1Click, 0, 12},
    {"pastel", {16}, &TForm2::Pastel1Click, 16, 15},  // the last pastel swatch
    {"water colour", {29, 40}, &TForm2::WaterColors1Click, 29, 2},
    {"oil", {44, 45, 46, 47, 48, 49}, &TForm2::Oilpainting1Click, 0, 16},
};
const StyleInHand& kThickCharcoal = kEveryStyle[1];
void Take(Studio& st, const StyleInHand& style) {
  for (int slot : style.owned) st.Own(slot);
  st.s().New1Click();
  (st.s().*style.panel)();
  if (style.colour) st.s().ImageClick(style.colour);
  st.s().BitBtnClick(style.button);
}

TEST(StudioWindow, OpensFromTheEaselHoldsTheCalendarAndTakesOneCanvasAPicture) {
  Studio st(0);
  TForm2& s = st.s();
  TForm1& room = st.app.main();
  EXPECT_EQ(std::tuple(s.Showing(), st.app.platform.modalsShown.empty(),
                       room.Calendar1->isEnabled(), s.New1->isEnabled(), s.Load1->isEnabled(),
                       s.Save1->isEnabled(), s.Style1->isEnabled()),
            std::tuple(true, true, false, false, true, false, false));
  s.reject();  // Escape does not leave the room behind Exit's back
  EXPECT_TRUE(s.Showing());
  s.Exit1Click();  // no picture: nothing asked
  EXPECT_EQ(std::tuple(s.Showing(), room.Calendar1->isEnabled(), st.app.platform.messages.empty()),
            std::tuple(false, true, true));

  for (const int units : {1999, 1000}) {
    SCOPED_TRACE(units);
    Studio one(units);
    one.s().New1->trigger();
    EXPECT_EQ(std::tuple(one.Units(kSlotCanvas), one.app.game.GameState.Stock[kSlotCanvas].Owned,
                         one.s().New1->isEnabled(), one.s().session.PictureOpen,
                         one.s().Style1->isEnabled(), one.s().Save1->isEnabled(), one.Pixel(0, 0),
                         one.Pixel(669, 569)),
              std::tuple(units - 1000, units > 1000, false, true, true, true, kFresh, kFresh));
    one.s().New1->trigger();  // disabled: takes nothing more
    EXPECT_EQ(one.Units(kSlotCanvas), units - 1000);
  }
}

TEST(StudioWindow, StampsLandWhereTheMouseWasAndOnlyAToolInHandPaints) {
  Studio st;
  st.Own(29);  // Blue water colour
  TForm2& s = st.s();
  s.New1Click();
  st.Stroke(50, 50, 40);  // the "none" brush: no mark, no worth
  EXPECT_EQ(std::tuple(s.session.PictureValue, st.Pixel(50, 50)), std::tuple(0.0, kFresh));
  s.WaterColors1Click();
  EXPECT_FALSE(s.BitBtn[2]->isEnabled());  // round brush not owned
  st.Own(40);
  s.WaterColors1Click();
  ASSERT_TRUE(s.BitBtn[2]->isEnabled());
  s.ImageClick(29);
  s.BitBtnClick(2);
  EXPECT_EQ(s.session.PictureStyle, "w");

  s.Image100MouseDown(Qt::LeftButton, QPoint(100, 100));
  s.Image100MouseMove(QPoint(200, 100));
  s.Image100MouseUp(Qt::LeftButton, QPoint(200, 100));
  const QRgb blue = qRgb(54, 7, 208);
  // No line drawn between the two; Round(2 / 1.0 / 1.5) = 1 unit; worth 0.3 x 0.1 x 0.02.
  EXPECT_EQ(std::tuple(st.Pixel(100, 100), st.Pixel(200, 100), st.Pixel(150, 100), st.Units(29)),
            std::tuple(blue, blue, kFresh, 999));
  EXPECT_NEAR(s.session.PictureValue, 0.0006, 1e-12);
  s.Image100MouseMove(QPoint(300, 300));  // no button held: nothing laid
  EXPECT_EQ(st.Pixel(300, 300), kFresh);

  // A pastel button before a colour is picked: the cursor changes, nothing else.
  st.Own(4);
  st.app.platform.inputs.push_back(std::nullopt);  // the blue strokes are not kept
  s.New1Click();
  s.Pastel1Click();
  s.BitBtnClick(13);
  st.Stroke(50, 50, 40);
  EXPECT_EQ(std::tuple(st.app.platform.screenCursor, s.session.BrushReady, st.Units(4),
                       s.session.PictureStyle),
            std::tuple(kCursorPastel, false, 1000, "z"));
}

// A fast drag from corner to corner: pointer positions far apart, and the
// line between each two the gap that smooth strokes fill. Undo gives back a
// stroke's pixels and worth, never its paint; redo lays it again for nothing.
TEST(Strokes, AFastDragLeavesNoGapAndCostsWhatItDidWithoutAndUndoComesBackToThePixelAndTheCent) {
  std::vector<QPoint> drag;
  for (int i = 0; i <= 8; ++i) drag.emplace_back(669 * i / 8, 569 * i / 8);
  for (const StyleInHand& style : kEveryStyle) {
    SCOPED_TRACE(style.name);
    Studio off, on;
    on.s().Smooth1->trigger();
    for (Studio* st : {&off, &on}) {
      Take(*st, style);
      st->s().Image100MouseDown(Qt::LeftButton, drag[0]);
      for (std::size_t k = 1; k < drag.size(); ++k) st->s().Image100MouseMove(drag[k]);
      st->s().Image100MouseUp(Qt::LeftButton, drag.back());
    }
    EXPECT_EQ(WorthOf(on.s().session), WorthOf(off.s().session));
    for (int slot = 1; slot <= kStockSlots; ++slot) EXPECT_EQ(on.Units(slot), off.Units(slot));
    int gaps = 0, smoothGaps = 0;  // fresh pixels on the lines between the pointer positions
    for (std::size_t k = 1; k < drag.size(); ++k) {
      const QPoint a = drag[k - 1], d = drag[k] - a;
      const int n = std::max(std::abs(d.x()), std::abs(d.y()));
      for (int t = 1; t < n; ++t) {
        const int x = a.x() + static_cast<int>(std::lround(d.x() * double(t) / n));
        const int y = a.y() + static_cast<int>(std::lround(d.y() * double(t) / n));
        gaps += off.Pixel(x, y) == kFresh;
        smoothGaps += on.Pixel(x, y) == kFresh;
      }
    }
    EXPECT_GT(gaps, 500);  // without the option the dabs stand apart
    EXPECT_EQ(smoothGaps, 0);

    TForm2& s = off.s();
    const QImage before = s.canvas.Image().copy();
    const PictureWorth worthBefore = WorthOf(s.session);
    off.Stroke(600, 104, 90);  // on to the canvas's right edge
    const QImage after = s.canvas.Image().copy();
    const PictureWorth worthAfter = WorthOf(s.session);
    const auto stock = off.app.game.GameState.Stock;
    ASSERT_NE(after, before);
    ASSERT_NE(worthAfter.Value, worthBefore.Value);
    s.Undo1->trigger();
    EXPECT_EQ(std::tuple(s.canvas.Image(), WorthOf(s.session), s.Redo1->isEnabled()),
              std::tuple(before, worthBefore, true));
    s.Redo1->trigger();
    EXPECT_EQ(std::tuple(s.canvas.Image(), WorthOf(s.session), s.Redo1->isEnabled()),
              std::tuple(after, worthAfter, false));
    for (int slot = 1; slot <= kStockSlots; ++slot) EXPECT_EQ(off.Units(slot), stock[slot].Units);
    EXPECT_EQ(off.app.platform.MessageTexts(), Lines{kUndoNote});  // said once, at the first undo
  }
}

// Presses a key on a window as the player does: through the shortcut map,
// which finds nothing when two items of one window claim the same key.
bool Press(QWidget& window, QKeyCombination key) {
  QApplication::setActiveWindow(&window);
  return QWindowSystemInterface::handleShortcutEvent(window.windowHandle(), 0, key.key(),
                                                     key.keyboardModifiers(), 0, 0, 0);
}

TEST(Keys, ReachTheRoomsAndTheStudiosItems) {
  Studio st;
  TForm1& room = st.app.main();
  room.show();
  for (int tick = 0; tick < 3; ++tick) room.Timer2Timer();  // the menus come after the splash
  const std::pair<Qt::Key, QAction*> speeds[] = {
      {Qt::Key_2, room.fast1}, {Qt::Key_3, room.veryfast1}, {Qt::Key_1, room.Normal1}};
  for (const auto& [key, item] : speeds) EXPECT_TRUE(Press(room, key) && item->isChecked()) << key;
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_P, Qt::Key_F1}) EXPECT_TRUE(Press(room, key));
  EXPECT_EQ(st.app.platform.modalsShown, (Lines{"Paused", "Paused", "Help"}));

  TForm2& s = st.s();
  st.Own(kSlotCharcoal);
  for (const QKeyCombination key :
       {Qt::CTRL | Qt::Key_N, Qt::CTRL | Qt::Key_2, QKeyCombination(Qt::Key_3)})
    EXPECT_TRUE(Press(s, key));
  EXPECT_EQ(std::tuple(s.session.PictureOpen, s.Panel2->isHidden(), s.session.BrushName),
            std::tuple(true, false, "c3"));
  st.Stroke(100, 100, 5);
  const QImage painted = s.canvas.Image().copy();
  for (const QKeyCombination redo : {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
    EXPECT_TRUE(Press(s, Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(st.Pixel(100, 100), kFresh);
    EXPECT_TRUE(Press(s, redo));
    EXPECT_EQ(s.canvas.Image(), painted);
  }
  EXPECT_TRUE(Press(s, Qt::CTRL | Qt::Key_L));
  EXPECT_TRUE(st.app.game.Settings.SmoothStrokes);
  st.app.platform.inputs.push_back("Keyed");
  EXPECT_TRUE(Press(s, Qt::CTRL | Qt::Key_S));
  EXPECT_TRUE(fs::exists(st.PictureFile("Keyed")));
}

// A notice opening during a drag ends the stroke there: its stamps are paid
// and earn once, and the rest of the drag paints nothing.
TEST(StudioWindow, AWindowOpeningOverAStrokeEndsIt) {
  Studio st;
  Take(st, kThickCharcoal);
  TForm2& s = st.s();
  const auto mouse = [&](QEvent::Type type, int x, Qt::MouseButtons held) {
    const QPointF at(x, 100);
    QMouseEvent event(type, at, s.Image100->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(s.Image100, &event);
  };
  mouse(QEvent::MouseButtonPress, 100, Qt::LeftButton);
  for (int x = 101; x < 106; ++x) mouse(QEvent::MouseMove, x, Qt::LeftButton);
  TForm12& notice = *st.app.forms().Form12;
  notice.setWindowModality(Qt::ApplicationModal);
  notice.show();
  // Round(6 / 1.5) of the stick.
  EXPECT_EQ(std::tuple(s.session.Drawing, st.Units(kSlotCharcoal)), std::tuple(false, 996));
  const double worth = s.session.PictureValue;
  EXPECT_GT(worth, 0.0);
  notice.hide();
  mouse(QEvent::MouseMove, 300, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, 300, Qt::NoButton);
  EXPECT_EQ(std::tuple(st.Pixel(300, 100), st.Units(kSlotCharcoal), s.session.PictureValue),
            std::tuple(kFresh, 996, worth));
}

TEST(StudioWindow, OnlyOwnedColoursCanBePickedAndAUsedUpOneIsRetired) {
  Studio st;
  st.Own(4, 2);  // two thousandths of a Rose pastel
  TForm2& s = st.s();
  s.New1Click();
  s.Pastel1Click();
  EXPECT_EQ(std::tuple(s.Panel3->isHidden(), s.Image[4]->Opaque(), s.Image[4]->Tag),
            std::tuple(false, true, 4));
  for (int k : {1, 5, 16})
    EXPECT_EQ(std::tuple(s.Image[k]->Opaque(), s.Image[k]->Tag), std::tuple(false, -1)) << k;
  s.ImageClick(5);
  EXPECT_EQ(std::tuple(Text(s.Label7), s.session.PastelReady), std::tuple("None Selected", false));

  // The keyboard picks as the mouse does, with Space, Return or Enter only.
  for (const Qt::Key key : {Qt::Key_A, Qt::Key_Space}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(s.Image[4], &press);
    EXPECT_EQ(s.session.PastelReady, key == Qt::Key_Space);
  }
  EXPECT_EQ(Text(s.Label7), "Rose");
  s.BitBtnClick(14);
  st.Stroke(300, 300, 6);  // takes 4 of the 2 left
  EXPECT_NE(st.Pixel(300, 300), kFresh);
  EXPECT_EQ(std::tuple(st.app.game.GameState.Stock[4].Owned, st.Units(4), s.Image[4]->Tag,
                       s.session.PastelReady, s.session.BrushReady, s.Label7->text().toStdString(),
                       s.BitBtn[13]->text().toStdString(), st.app.platform.messages.empty()),
            std::tuple(false, 0, -1, false, false, "None Selected", "Select", true));
}

TEST(StudioWindow, MixingStylesWarnsAndCollapsesTheWorthAndUndoTakesItBack) {
  Studio st;
  st.Own(34);
  st.Own(kSlotCharcoal);
  TForm2& s = st.s();
  s.New1Click();
  s.Pencil1Click();
  s.Charcoal1Click();  // a fresh picture: no warning yet
  EXPECT_TRUE(st.app.platform.messages.empty());
  s.Pencil1Click();
  s.BitBtnClick(6);
  st.Stroke(100, 100, 200);
  EXPECT_NEAR(s.session.PictureValue, 0.1, 1e-12);

  s.Charcoal1Click();
  ASSERT_EQ(st.app.platform.messages.size(), 1u);
  EXPECT_EQ(st.app.platform.messages[0].type, MsgType::Warning);
  s.BitBtnClick(10);
  EXPECT_EQ(std::tuple(s.session.PictureStyle, s.session.PictureValue), std::tuple("x", 0.01));
  st.Stroke(100, 200, 200);
  EXPECT_DOUBLE_EQ(s.session.PictureValue, 0.02);
  // Undoing the stroke after the mixing takes the mixing back and puts down
  // the charcoal, which would earn charcoal's worth on a pencil picture.
  s.Undo1Click();
  EXPECT_EQ(std::tuple(s.session.PictureStyle, s.session.BrushReady, st.app.platform.screenCursor),
            std::tuple("p", false, 0));
  EXPECT_NEAR(s.session.PictureValue, 0.1, 1e-12);
  s.Redo1Click();
  // The worth comes back with its making: the mixing's cent and charcoal's.
  EXPECT_EQ(WorthOf(s.session), (PictureWorth{"x", 0.02, {0, 0, 0.01, 0, 0, 0, 0.01}}));
  st.app.platform.messages.pop_back();  // the word on undo
  s.Pencil1Click();  // a mixed picture: no more warnings
  EXPECT_EQ(st.app.platform.messages.size(), 1u);
}

TEST(StudioWindow, OilPaintingNeedsPaletteAndTurpentine) {
  Studio st;
  for (int slot : {46, 47, 48, 49}) st.Own(slot);
  TForm2& s = st.s();
  s.New1Click();
  s.Oilpainting1Click();
  EXPECT_EQ(std::tuple(st.app.platform.messages.size(), s.TrackBar1->isEnabled(),
                       s.BitBtn[16]->isEnabled(), s.session.PaintReady),
            std::tuple(2u, false, false, false));

  // Two slots run out in one stroke: only red's handling runs, and it reopens
  // the oil panel, which finds the turpentine gone too.
  st.app.platform.messages.clear();
  st.Own(kSlotPalette);
  st.Own(kSlotTurpentine, 20);
  st.Own(kSlotRedOil, 40);
  s.Oilpainting1Click();
  EXPECT_TRUE(st.app.platform.messages.empty());
  s.TrackBar1->setValue(0);
  s.BitBtnClick(16);
  EXPECT_EQ(std::tuple(s.session.OilRed, s.Panel6->Colour(), s.session.ActiveSlots[1],
                       s.session.ActiveSlots[4], s.session.ActiveSlots[5]),
            std::tuple(245, QColor(245, 1, 1), 46, 45, 49));
  st.Stroke(100, 100, 100);
  EXPECT_EQ(std::tuple(st.app.game.GameState.Stock[kSlotRedOil].Owned,
                       st.app.game.GameState.Stock[kSlotTurpentine].Owned,
                       st.app.platform.MessageTexts(), s.TrackBar1->isEnabled(),
                       s.BitBtn[16]->isEnabled(), st.Units(49), s.session.ActiveSlots[1]),
            std::tuple(false, false, Lines{"You need turpentine to clean the brushes with"}, false,
                       false, 995, 0));
}

// Thirty strokes are kept until the picture is left. The save question comes
// only when the canvas holds strokes the file does not; No leaves the file and
// its record alone, Yes writes both over without a second entry.
TEST(StudioUndo, ThirtyStrokesAreKeptUntilThePictureIsLeftAndAnUndoneSaveIsSavedAgain) {
  Studio st;
  Take(st, kThickCharcoal);
  TForm2& s = st.s();
  QImage two;
  for (int i = 0; i < 32; ++i) {
    if (i == 2) two = s.canvas.Image().copy();
    st.Stroke(10 + 20 * i, 10 + 15 * i, 3);
  }
  int undone = 0;
  for (; s.Undo1->isEnabled() && undone < 100; ++undone) s.Undo1->trigger();
  EXPECT_EQ(undone, 30);
  EXPECT_EQ(s.canvas.Image(), two);
  st.Stroke(300, 300, 3);  // a new stroke drops what could have been redone
  EXPECT_FALSE(s.Redo1->isEnabled());

  // New Picture, Load Picture and leaving the studio each forget the strokes; saving keeps them.
  st.SaveAs("Kept");
  EXPECT_TRUE(s.Undo1->isEnabled());
  const std::pair<std::function<void()>, bool> leaves[] = {
      {[&] { s.New1Click(); }, true},
      {[&] { st.LoadItem(0); }, false},
      {[&] {
         s.Exit1Click();
         st.app.main().paint1Click();
       },
       true}};
  for (const auto& [leave, asks] : leaves) {
    s.Charcoal1Click();
    s.BitBtnClick(12);
    st.Stroke(50, 50, 3);
    ASSERT_TRUE(s.Undo1->isEnabled());
    if (asks) st.app.platform.answers.push_back(ModalResult::No);
    leave();
    EXPECT_FALSE(s.Undo1->isEnabled());
    EXPECT_FALSE(s.Redo1->isEnabled());
  }
  EXPECT_TRUE(st.app.platform.answers.empty());
  // Back in the studio, the picture loaded before leaving no longer counts as titled.
  EXPECT_FALSE(s.session.PictureTitled);

  who& state = st.app.game.GameState;
  s.New1Click();
  s.Charcoal1Click();
  s.BitBtnClick(12);
  st.Stroke(100, 100, 40);
  const PictureWorth first = WorthOf(s.session);
  st.SaveAs("Dusk");
  const std::string saved = Bytes(st.PictureFile("Dusk"));
  const std::size_t lines = st.Text().size();
  st.app.platform.messages.clear();
  st.Stroke(100, 300, 40);
  st.app.platform.answers = {ModalResult::No, ModalResult::Yes};
  s.Save1Click();
  EXPECT_EQ(std::tuple(Bytes(st.PictureFile("Dusk")), state.Pictures.back().Value),
            std::tuple(saved, first.Value));
  s.Save1Click();
  EXPECT_EQ(st.app.platform.MessageTexts(),
            Lines(2, "Do you want to save the current artwork? (Dusk)"));
  EXPECT_LT(qGray(LoadPicture(st.PictureFile("Dusk").string()).pixel(100, 300)), 100);
  EXPECT_EQ(std::tuple(state.Pictures.back().Value, st.Text().size()),
            std::tuple(WorthOf(s.session).Value, lines));

  s.Undo1Click();
  st.app.platform.answers = {ModalResult::Yes};
  s.Exit1Click();
  EXPECT_FALSE(s.Showing());
  const QImage resaved = LoadPicture(st.PictureFile("Dusk").string());
  EXPECT_GT(qGray(resaved.pixel(100, 300)), 240);
  EXPECT_LT(qGray(resaved.pixel(100, 100)), 100);
  EXPECT_EQ(state.Pictures.back().Value, first.Value);
}

// The first save writes the file, the picture's entry and the count; a title
// that cannot name a new picture is asked again, and Cancel saves nothing.
TEST(Artwork, SavingWritesTheFileTheEntryAndTheCountAndRefusedTitlesAreAskedAgain) {
  Studio st;
  TForm2& s = st.s();
  who& state = st.app.game.GameState;
  SnapshotGame(st.app.game, st.app.forms());  // the text as the game keeps it
  fs::remove_all(st.app.dir / "pictures");  // made at the first save
  const int before = state.PictureCount;
  s.New1Click();
  s.session.PictureStyle = "p";
  s.session.PictureValue = 0.35;
  const Lines text = st.Text();
  st.app.platform.inputs.push_back(std::nullopt);
  s.Save1Click();
  EXPECT_EQ(std::tuple(st.Text(), fs::exists(st.app.dir / "pictures"), s.session.PictureTitled,
                       s.session.PictureOpen),
            std::tuple(text, false, false, true));

  st.SaveAs("Sunset");
  EXPECT_EQ(std::tuple(st.app.platform.inputCaptions, st.app.platform.messages.empty(),
                       LoadPicture(st.PictureFile("Sunset").string()).size()),
            std::tuple(Lines(2, "Save Artwork"), true, QSize(670, 570)));
  ASSERT_EQ(st.Text().size(), text.size() + 6);
  EXPECT_EQ(Lines(st.Text().end() - 6, st.Text().end()),
            (Lines{"PIC", "Sunset", "p", "0.35", "FALSE", "FALSE"}));
  EXPECT_EQ(std::tuple(state.PictureCount, st.Text()[1], Text(st.app.forms().Form3->Label8),
                       state.Pictures.back().Title, s.Label2->text().toStdString()),
            std::tuple(before + 1, std::to_string(before + 1), std::to_string(before + 1), "Sunset",
                       "Sunset"));
  LoadedGame loaded;
  std::string error;
  EXPECT_TRUE(ReadSavedGame(st.Text(), st.app.game.Venues, &loaded, &error)) << error;

  s.New1Click();
  st.app.platform.inputCaptions.clear();
  std::ofstream(st.PictureFile("Dawn"), std::ios::binary) << "not a picture";
  state.Pictures.push_back({"Sold", "p", 5, false, true});  // sold, file gone
  const Lines refused = {
      "../escape",           "..",   "PIC", "stuffx", "tab\there", "   ", "smile \xf0\x9f\x98\x80",
      std::string(252, 'a'), "Dawn", "Sold"};
  for (const std::string& title : refused) st.app.platform.inputs.push_back(title);
  st.SaveAs("Safe");
  // Every refusal but "PIC" says why and asks again.
  ASSERT_EQ(st.app.platform.messages.size(), 9u);
  for (const auto& m : st.app.platform.messages) EXPECT_EQ(m.type, MsgType::Warning);
  EXPECT_EQ(st.app.platform.messages.back().text,
            "The name \"Sold\" was used for a previous artwork. Please choose another name.");
  EXPECT_EQ(std::tuple(st.app.platform.inputCaptions.size(), fs::exists(st.app.dir / "escape.jpg"),
                       Bytes(st.PictureFile("Dawn")), fs::exists(st.PictureFile("Safe"))),
            std::tuple(11u, false, "not a picture", true));

  // Exit with the prompt cancelled drops the painting and closes.
  s.New1Click();
  st.app.platform.inputs.push_back(std::nullopt);
  s.Exit1Click();
  EXPECT_FALSE(s.Showing());
}

TEST(Artwork, AFailedWriteKeepsTheOldFileAndRecordsNothing) {
  Studio st;
  TForm2& s = st.s();
  Take(st, kThickCharcoal);
  const Lines text = st.Text();
  const int count = st.app.game.GameState.PictureCount;
  {
    FileSizeLimit limit(100);
    st.SaveAs("Storm");
  }
  ASSERT_EQ(st.app.platform.messages.size(), 1u);
  // Nothing recorded, and nothing half-written either.
  EXPECT_EQ(std::tuple(st.app.platform.messages[0].type,
                       st.app.platform.messages[0].text.find("Storm.jpg") != std::string::npos,
                       st.Text(), st.app.game.GameState.PictureCount, s.session.PictureTitled,
                       fs::is_empty(st.app.dir / "pictures")),
            std::tuple(MsgType::Error, true, text, count, false, true));

  st.SaveAs("Storm");
  const std::string good = Bytes(st.PictureFile("Storm"));
  st.Stroke(10, 10, 5);
  st.app.platform.answers.push_back(ModalResult::Yes);
  {
    FileSizeLimit limit(100);
    s.Save1Click();
  }
  EXPECT_EQ(std::tuple(st.app.platform.messages.back().type, Bytes(st.PictureFile("Storm")),
                       std::distance(fs::directory_iterator(st.app.dir / "pictures"), {})),
            std::tuple(MsgType::Error, good, 1));

  // With a plain file where the folder was, leaving the painting is asked first.
  fs::remove_all(st.app.dir / "pictures");
  std::ofstream(st.app.dir / "pictures") << "not a folder";
  const int canvases = st.Units(kSlotCanvas);
  for (const auto leave : {&TForm2::Exit1Click, &TForm2::New1Click}) {
    st.app.platform.messages.clear();
    st.app.platform.answers = {ModalResult::Yes, ModalResult::Ok, ModalResult::No};
    (s.*leave)();
    const Lines shown = st.app.platform.MessageTexts();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(std::tuple(shown[2], s.Showing(), s.Label2->text().toStdString(),
                         st.Units(kSlotCanvas)),
              std::tuple("The picture was not saved. Do you want to leave it without saving?", true,
                         "Storm", canvases));
  }
  st.app.platform.answers = {ModalResult::Yes, ModalResult::Ok, ModalResult::Yes};
  s.Exit1Click();
  EXPECT_FALSE(s.Showing());
}

TEST(Artwork, LoadArtworkListsFreePicturesRestoresStyleAndWorthAndNamesAMissingFile) {
  Studio st;
  TForm2& s = st.s();
  who& state = st.app.game.GameState;
  s.New1Click();
  s.canvas.Fill(QColor(10, 120, 200));
  s.session.PictureStyle = "o";
  s.session.PictureValue = 1.25;
  st.SaveAs("Harbour");
  // Saved again after another style was taken up: the record has the second save.
  st.Own(kSlotCharcoal);
  s.Charcoal1Click();
  s.BitBtnClick(12);
  st.Stroke(10, 10);
  st.app.platform.answers.push_back(ModalResult::Yes);
  s.Save1Click();
  st.app.platform.messages.clear();
  s.New1Click();  // nothing to save, nothing asked
  EXPECT_TRUE(st.app.platform.messages.empty());
  state.Pictures.push_back({"Sold one", "p", 1, false, true});
  state.Pictures.push_back({"Entered one", "p", 1, true, false});
  // A pipe is no picture, and is never waited on.
  ASSERT_EQ(mkfifo(st.PictureFile("Pipe").c_str(), 0600), 0);
  state.Pictures.push_back({"Pipe", "p", 2, false, false});

  TForm7& dialog = *st.app.forms().Form7;
  Lines offered;
  st.app.platform.modalScripts.push_back([&](QDialog&) {
    offered = Offered(*dialog.ComboBox1);
    EXPECT_EQ(dialog.ComboBox1->currentIndex(), -1);
    dialog.Button1Click();  // nothing chosen: stays open
    EXPECT_TRUE(dialog.Showing());
  });
  s.Load1Click();
  EXPECT_EQ(offered, (Lines{"Harbour", "Pipe"}));
  st.LoadItem(1);
  ASSERT_EQ(st.app.platform.MessageTexts(),
            Lines{"The file '" + st.PictureFile("Pipe").string() + "' could not be found."});
  // The open picture is kept.
  EXPECT_EQ(std::tuple(st.app.platform.messages[0].type, s.session.PictureTitled, st.Pixel(5, 5)),
            std::tuple(MsgType::Error, false, kFresh));
  // Shown again and closed: the earlier choice is not loaded.
  st.app.platform.modalScripts.push_back([&](QDialog&) { EXPECT_FALSE(dialog.ArtworkChosen); });
  s.Load1Click();

  st.LoadItem(0);
  EXPECT_EQ(std::tuple(s.session.PictureTitle, s.session.PictureStyle, s.session.PictureValue,
                       Text(s.Label2), s.session.BrushReady),
            std::tuple("Harbour", "x", 0.02, "Harbour", false));
  EXPECT_NE(st.Pixel(300, 300), kFresh);
}

}  // namespace
}  // namespace pictorio
