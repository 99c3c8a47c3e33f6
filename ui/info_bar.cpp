#include "ui/info_bar.h"

#include <QPointer>
#include <QTimer>

#include "core/game.h"
#include "ui/fonts.h"
#include "ui/forms.h"

namespace pictorio {

namespace {
QLabel* MakeLabel(QWidget* parent, const char* text, int left, int top, int width) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(left, top, width, 22);
  return label;
}
}  // namespace

TForm3::TForm3(Game& g, Forms& f) : TFormBase(g, f, "Game Info") {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFixedSize(250, 144);
  setFont(GameFont());

  Image1 = new TImage(this);
  Image1->setGeometry(0, 0, 250, 144);
  Image1->SetStretch(true);
  Image1->LoadFromFile(AssetPath(g, "\\design\\infobar.png"));

  Label2 = MakeLabel(this, "Name: ", 14, 8, 110);
  Label1 = MakeLabel(this, "None", 124, 8, 120);
  Label4 = MakeLabel(this, "Reputation:", 14, 32, 110);
  Label6 = MakeLabel(this, "0", 124, 32, 120);
  Label5 = MakeLabel(this, "Money:", 14, 56, 110);
  Label7 = MakeLabel(this, "0", 124, 56, 120);
  Label3 = MakeLabel(this, "Total Pictures:", 14, 80, 110);
  Label8 = MakeLabel(this, "0", 124, 80, 120);
  Label10 = MakeLabel(this, "0", 14, 108, 232);
}

// The first time it opens it goes to the room's lower right corner, where it
// hides none of the hot spots; after that it stays where the player puts it.
void TForm3::FormShow() {
  if (placed_) return;
  placed_ = true;
  const QRect room = forms.Room->geometry();
  move(room.right() - frameGeometry().width() - 12, room.bottom() - frameGeometry().height() - 40);
}

void ShowMoney(TForm3& bar, double money) {
  bar.Label7->setText(QString::fromStdString(FormatMoney(money)));
}

void ShowReputation(TForm3& bar, int reputation) {
  bar.Label6->setNum(reputation);
}

void ShowPictureCount(TForm3& bar, int count) {
  bar.Label8->setNum(count);
}

void RaiseInfoBar(Forms& forms) {
  QPointer<TForm3> bar = forms.Form3;
  QTimer::singleShot(0, bar, [bar] {
    if (bar && bar->Showing()) bar->raise();
  });
}

std::string Text(const QLabel* label) {
  return label->text().toStdString();
}

}  // namespace pictorio
