#include "venues/venue_window.h"

#include <QVBoxLayout>

#include "core/game.h"
#include "ui/fonts.h"

namespace pictorio {
namespace {

// The venue screens are drawn for the whole 800 x 600 window, frames at their
// window places and a light panel on the right for the buyer and the texts.
constexpr int kSceneWidth = 800;
constexpr int kSceneHeight = 600;
constexpr int kPanelLeft = 588;
constexpr int kPanelWidth = 180;

QLabel* PanelLabel(QWidget* parent, const char* text, int top) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(kPanelLeft, top, kPanelWidth, 22);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  return label;
}

}  // namespace

TForm9::TForm9(Game& g, Forms& f) : TFormBase(g, f, "Event") {
  setFont(GameFont());

  MainMenu1 = new QMenuBar(this);
  Exit1 = MainMenu1->addAction("Exit");
  Client = new QWidget(this);
  // A full-screen window in its day: 800 x 600 with its menu bar, like the room.
  setFixedSize(kSceneWidth, kSceneHeight);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MainMenu1);
  layout->addWidget(Client);

  // Created first so that it lies under the frames.
  Image17 = new TImage(Client);
  Image17->setGeometry(0, 0, kSceneWidth, kSceneHeight);

  TImage** frames[8] = {&Image1, &Image2, &Image3, &Image4, &Image5, &Image6, &Image7, &Image8};
  TImage** marks[8] = {&Image9,  &Image10, &Image11, &Image12,
                       &Image13, &Image14, &Image15, &Image16};
  for (TImage** frame : frames) {
    *frame = new TImage(Client);
    (*frame)->SetStretch(true);
    (*frame)->hide();
  }
  for (TImage** mark : marks) {
    *mark = new TImage(Client);
    (*mark)->SetStretch(true);
    (*mark)->SetTransparent(true);
    (*mark)->LoadFromFile(AssetPath(g, "\\design\\sold.png"));
    (*mark)->hide();
  }

  Image19 = new TImage(Client);
  Image19->setGeometry(0, 144, 48, 110);
  Image19->SetTransparent(true);
  Image19->hide();

  Label1 = PanelLabel(Client, "", 22);
  Image18 = new TImage(Client);
  Image18->setGeometry(kPanelLeft + 30, 56, 120, 160);
  Image18->SetStretch(true);
  Label2 = PanelLabel(Client, "PLEASE WAIT ", 236);
  Label5 = PanelLabel(Client, "FOR AN", 258);
  Label3 = PanelLabel(Client, "INTERESTED ", 280);
  Label4 = PanelLabel(Client, "BUYER.", 302);

  Button1 = new QPushButton("yes", Client);
  Button1->setGeometry(kPanelLeft + 14, 340, 70, 28);
  Button1->hide();
  Button2 = new QPushButton("no", Client);
  Button2->setGeometry(kPanelLeft + 96, 340, 70, 28);
  Button2->hide();

  Label6 = PanelLabel(Client, "Hours Left", 420);
  Button3 = new QPushButton("Exit", Client);
  Button3->setGeometry(kPanelLeft + 40, 490, 100, 28);

  QObject::connect(Button3, &QPushButton::clicked, [this] { Button3Click(); });
  QObject::connect(Exit1, &QAction::triggered, [this] { Exit1Click(); });
}

void TForm9::Button3Click() {
  Close();
}

void TForm9::Exit1Click() {
  Close();
}

TImage* TForm9::Frame(int k) const {
  TImage* const frames[8] = {Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8};
  return frames[k - 1];
}

TImage* TForm9::SoldMark(int k) const {
  TImage* const marks[8] = {Image9, Image10, Image11, Image12, Image13, Image14, Image15, Image16};
  return marks[k - 1];
}

void TForm9::SetTitleColour(const QColor& colour) {
  QPalette palette = Label1->palette();
  palette.setColor(QPalette::WindowText, colour);
  Label1->setPalette(palette);
}

QColor TForm9::TitleColour() const {
  return Label1->palette().color(QPalette::WindowText);
}

}  // namespace pictorio
